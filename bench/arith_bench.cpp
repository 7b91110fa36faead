// The pillar optimisation over the newest 2500 draws of the bundled history: every
// fixed-shape analysis, 8 of 12 and the full 10 of 15, each end to end from the period
// lines to the report; and the per-draw text algorithm on a slice of the
// 10-of-15 run, projected to the whole run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "pillars/arithmetic/best_subset.h"
#include "pillars/optimise_analysis.h"
#include "pillars/optimise_best_subset.h"
#include "pillars/optimise_pick.h"

namespace {

struct Period {
  std::vector<std::string> lines;
  std::vector<std::string> hottest;  // numbers by frequency, most frequent first
};

// Draw lines "yyyy/mm/dd,iiiiii,b1,b2,b3,b4,b5" (drawn order) -> period lines, balls ascending.
Period load_period() {
  std::ifstream in(std::string(VANTOR_DATA_DIR) + "/TW539.txt", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::vector<std::string> draws;
  std::string line;
  while (std::getline(bytes, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() == 32) draws.push_back(line);
  }
  if (draws.size() > 2500) draws.erase(draws.begin(), draws.end() - 2500);
  Period p;
  std::array<int, 40> freq{};
  for (size_t i = 0; i < draws.size(); ++i) {
    std::array<int, 5> b{};
    for (int k = 0; k < 5; ++k) b[k] = std::stoi(draws[i].substr(18 + 3 * k, 2));
    std::sort(b.begin(), b.end());
    char text[64];
    std::snprintf(text, sizeof text, "%04zu,%s,%s,%02d,%02d,%02d,%02d,%02d", i + 1, draws[i].substr(0, 10).c_str(),
                  draws[i].substr(11, 6).c_str(), b[0], b[1], b[2], b[3], b[4]);
    p.lines.emplace_back(text);
    for (const int v : b)
      if (v >= 1 && v <= 39) ++freq[v];
  }
  std::vector<int> order(39);
  for (int i = 0; i < 39; ++i) order[i] = i + 1;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return freq[a] > freq[b]; });
  for (const int n : order) {
    char t[4];
    std::snprintf(t, sizeof t, "%02d", n);
    p.hottest.emplace_back(t);
  }
  return p;
}

const Period& period() {
  static const Period p = load_period();
  return p;
}

std::vector<std::string> hottest(size_t n) {
  std::vector<std::string> s(period().hottest.begin(), period().hottest.begin() + n);
  std::sort(s.begin(), s.end());
  return s;
}

void BM_FixedShape(benchmark::State& state) {
  const auto shape = static_cast<pillars::arith::Shape>(state.range(0));
  const auto selection = hottest(pillars::arith::shape_numbers(shape));
  const pillars::OptimiseInput input{period().lines, "驗證期間", selection, pillars::arith::Priority::four_first};
  for (auto _ : state) benchmark::DoNotOptimize(pillars::analyse_fixed_shape(shape, input));
  state.SetLabel(std::to_string(period().lines.size()) + " draws");
}
BENCHMARK(BM_FixedShape)->DenseRange(0, 3)->ArgName("shape")->Unit(benchmark::kMillisecond);

pillars::OptimiseReport best_subset_run(pillars::arith::SubsetRun run) {
  const auto selection = hottest(pillars::arith::run_selection_size(run));
  const pillars::OptimiseInput input{period().lines, "驗證期間", selection, pillars::arith::Priority::four_first};
  auto started = pillars::BestSubsetAnalysis::start(run, input);
  auto& analysis = *started;
  analysis.compute_all();
  return analysis.report("2024/01/01 10:00:00", "2024/01/01 10:00:01");
}

void BM_EightOfTwelve(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(best_subset_run(pillars::arith::SubsetRun::eight_of_twelve));
}
BENCHMARK(BM_EightOfTwelve)->Unit(benchmark::kMillisecond);

void BM_TenOfFifteen(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(best_subset_run(pillars::arith::SubsetRun::ten_of_fifteen));
}
BENCHMARK(BM_TenOfFifteen)->Unit(benchmark::kMillisecond);

// The same run driven subset by subset, as a window pumping its events would.
void BM_TenOfFifteenStepwise(benchmark::State& state) {
  const auto selection = hottest(15);
  const pillars::OptimiseInput input{period().lines, "驗證期間", selection, pillars::arith::Priority::four_first};
  for (auto _ : state) {
    auto started = pillars::BestSubsetAnalysis::start(pillars::arith::SubsetRun::ten_of_fifteen, input);
    auto& analysis = *started;
    while (!analysis.finished()) {
      benchmark::DoNotOptimize(analysis.progress_caption());
      analysis.compute_next();
    }
    benchmark::DoNotOptimize(analysis.report("2024/01/01 10:00:00", "2024/01/01 10:00:01"));
  }
}
BENCHMARK(BM_TenOfFifteenStepwise)->Unit(benchmark::kMillisecond);

// ---- The text algorithm: per arrangement, the text check of every period line.

struct TextPillars {
  int count = 0;
  std::array<std::array<const char*, 8>, 8> member{};
  std::array<int, 8> size{};
};

// CHECK_Bingo_pillar over the ball fields of one period line, adding to the totals.
void check_line(const TextPillars& p, const std::string& line, std::array<long, 3>& totals) {
  static constexpr int kColumn[5] = {23, 26, 29, 32, 35};
  std::array<int, 8> hit{};
  for (int i = 0; i < p.count; ++i)
    for (int m = 0; m < p.size[i]; ++m)
      for (const int c : kColumn)
        if (line.size() >= static_cast<size_t>(c + 2) && std::memcmp(line.data() + c, p.member[i][m], 2) == 0) {
          ++hit[i];
          break;
        }
  for (int i = 0; i < p.count; ++i)
    for (int j = i + 1; j < p.count; ++j) {
      totals[0] += hit[i] * hit[j];
      for (int k = j + 1; k < p.count; ++k) {
        totals[1] += hit[i] * hit[j] * hit[k];
        for (int l = k + 1; l < p.count; ++l) totals[2] += hit[i] * hit[j] * hit[k] * hit[l];
      }
    }
}

// Enumerate the 2x2x3x3 arrangements of one subset text with pick_type1/pick_type2, score
// each over the period by the text check, keep the greatest sorted entry.
std::string text_subset_best(const std::string& subset) {
  auto without = [](const std::string& s, const std::string& used) {
    std::string out;
    for (size_t i = 0; i + 1 < s.size(); i += 2)
      if (used.find(s.substr(i, 2)) == std::string::npos || used.find(s.substr(i, 2)) % 2 != 0) out += s.substr(i, 2);
    return out;
  };
  std::string best;
  const std::string p1s = pillars::pick_type1(subset, 2);
  for (size_t a = 0; a < p1s.size(); a += 4) {
    const std::string p1 = p1s.substr(a, 4), f8 = without(subset, p1), p2s = pillars::pick_type2(f8, 2);
    for (size_t b = 0; b < p2s.size(); b += 4) {
      const std::string p2 = p2s.substr(b, 4), f6 = without(f8, p2), p3s = pillars::pick_type1(f6, 3);
      for (size_t c = 0; c < p3s.size(); c += 6) {
        const std::string p3 = p3s.substr(c, 6), arrangement = p1 + p2 + p3 + without(f6, p3);
        TextPillars tp;
        tp.count = 4;
        tp.size = {2, 2, 3, 3};
        for (int i = 0, at = 0; i < 4; ++i)
          for (int m = 0; m < tp.size[i]; ++m, ++at) tp.member[i][m] = arrangement.data() + 2 * at;
        std::array<long, 3> totals{};
        for (const auto& line : period().lines) check_line(tp, line, totals);
        char key[64];
        std::snprintf(key, sizeof key, "%03ld%04ld%04ld_", totals[2], totals[1], totals[0]);
        best = std::max(best, std::string(key) + arrangement);
      }
    }
  }
  return best;
}

void BM_TextAlgorithmSliceOfTenOfFifteen(benchmark::State& state) {
  constexpr int kSlice = 10;
  const auto selection = hottest(15);
  std::vector<std::string> subsets;
  for (const auto mask : pillars::arith::subset_masks(pillars::arith::SubsetRun::ten_of_fifteen)) {
    std::string s;
    for (int p = 0; p < 15; ++p)
      if (mask >> p & 1u) s += selection[p];
    subsets.push_back(s);
    if (subsets.size() == kSlice) break;
  }
  const auto ours_start = std::chrono::steady_clock::now();
  benchmark::DoNotOptimize(best_subset_run(pillars::arith::SubsetRun::ten_of_fifteen));
  const double ours = std::chrono::duration<double>(std::chrono::steady_clock::now() - ours_start).count();
  double slice = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    for (const auto& s : subsets) benchmark::DoNotOptimize(text_subset_best(s));
    slice = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  const double projected = slice / kSlice * 3003;
  state.counters["projected_full_run_s"] = projected;
  state.counters["engine_full_run_s"] = ours;
  state.counters["ratio"] = projected / ours;
  std::printf("text algorithm: %d subsets in %.2f s, projected 3003 subsets %.0f s; engine %.3f s; ratio %.0f\n",
              kSlice, slice, projected, ours, projected / ours);
}
BENCHMARK(BM_TextAlgorithmSliceOfTenOfFifteen)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
