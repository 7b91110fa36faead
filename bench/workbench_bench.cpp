// The workbench's hot computations over a 2500-draw period built from the bundled
// history: statistics pass, hot quadruples, both verification reports and the
// date-range query that opening the window runs twice.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/loader.h"
#include "pillars/hot_combinations.h"
#include "pillars/lenpon.h"
#include "pillars/period_query.h"
#include "pillars/pillar_cost.h"
#include "pillars/pillar_report.h"
#include "pillars/statistics.h"

namespace {

// The newest 2500 well-formed lines of the bundled draw file, oldest first.
const core::DrawHistory& history() {
  static const core::DrawHistory h = [] {
    std::vector<std::string> lines;
    std::ifstream in(std::string(VANTOR_DATA_DIR) + "/TW539.txt", std::ios::binary);
    for (std::string line; std::getline(in, line);) {
      while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
      if (line.size() == 32) lines.push_back(line);
    }
    if (lines.size() > core::kDrawCapacity) lines.erase(lines.begin(), lines.end() - core::kDrawCapacity);
    core::DrawHistory built;
    built.orirec = lines;
    built.draw_count = static_cast<int>(lines.size());
    if (!core::put_to_ltno(built)) built.draw_count = 0;
    return built;
  }();
  return h;
}

constexpr int kAllDays = 1 << 20;  // every day number of the table

const std::vector<std::string>& period() {
  static const auto lines = pillars::query_date_range(history(), 0, kAllDays).lines;
  return lines;
}

void BM_DateRangeQuery(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(pillars::query_date_range(history(), 0, kAllDays));
  state.counters["lines"] = static_cast<double>(period().size());
}
BENCHMARK(BM_DateRangeQuery)->Unit(benchmark::kMillisecond);

void BM_Statistics(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(pillars::run_statistics(period(), 39));
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

// What showing the window computes: two date-range queries, each with its statistics.
void BM_OpenWorkbench(benchmark::State& state) {
  for (auto _ : state) {
    for (int i = 0; i < 2; ++i) {
      const auto r = pillars::query_date_range(history(), 0, kAllDays);
      benchmark::DoNotOptimize(pillars::run_statistics(r.lines, 39));
    }
  }
}
BENCHMARK(BM_OpenWorkbench)->Unit(benchmark::kMillisecond);

void BM_HotCombinations(benchmark::State& state) {
  const auto stats = pillars::run_statistics(period(), 39);
  const auto& keys = state.range(0) == 2   ? stats->keys.pair_keys
                     : state.range(0) == 3 ? stats->keys.triple_keys
                                           : stats->keys.quad_keys;
  int reported = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(pillars::get_allno(keys, period(), [&](int i) { reported = i; }));
  state.counters["keys"] = static_cast<double>(keys.size());
  state.counters["reported"] = reported;
}
BENCHMARK(BM_HotCombinations)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_LenponReport(benchmark::State& state) {
  std::vector<std::string> selection;
  for (int n = 1; n <= state.range(0); ++n) selection.push_back((n < 10 ? "0" : "") + std::to_string(n));
  for (auto _ : state)
    benchmark::DoNotOptimize(pillars::lenpon_report(period(), period(), selection, true, "title"));
}
BENCHMARK(BM_LenponReport)->Arg(8)->Arg(30)->Unit(benchmark::kMillisecond);

void BM_PillarReport(benchmark::State& state) {
  // Eight pillars holding all 39 numbers: the widest layout the table can hold.
  pillars::PillarTable table{};
  pillars::PillarLengths lengths{};
  const pillars::PillarSizes sizes{5, 5, 5, 5, 5, 5, 5, 4};
  int n = 1;
  for (int i = 0; i < pillars::kMaxPillars; ++i) {
    lengths[i] = sizes[i];
    for (int s = 0; s < sizes[i]; ++s, ++n) table[i][s] = (n < 10 ? "0" : "") + std::to_string(n);
  }
  pillars::PillarReportInput in;
  in.checked_lines = period().size();
  in.report_lines = period();
  in.table = &table;
  in.lengths = lengths;
  in.pillar_count = pillars::kMaxPillars;
  in.pillar_size = sizes;
  in.cost = pillars::pillar_layout(sizes).cost;
  in.period_title = "title";
  for (auto _ : state) benchmark::DoNotOptimize(pillars::pillar_report(in));
}
BENCHMARK(BM_PillarReport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
