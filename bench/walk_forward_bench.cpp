// The walk-forward check on the bundled history, at the sizes users run it:
// - 2x2x3x3 with each step's 10 most frequent numbers, W = 100, T = 2000, S = 1
//   (2,000 optimisations);
// - 10of15 with each step's 15 most frequent numbers, W = 200, T = 500, S = 1 (500
//   best-subset searches), with how many of the 3,003 subsets each step searched again;
// - the same 10of15 steps with every subset searched at every step, on the first 25
//   steps, which is what the sliding search saves;
// - `vantor39-cli walk-forward --method 2x2x3x3 --test 2000` as a whole process (loading,
//   2,000 optimisations, the exact tails and the band's quantiles after each played draw,
//   the printed lines), its target 1.5 s.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bundled_history.h"
#include "bench/cli_process.h"
#include "pillars/arithmetic/best_subset.h"
#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/optimise_period.h"
#include "pillars/period_line.h"
#include "pillars/walk_forward.h"

namespace {

using pillars::WalkMethod;

pillars::WalkForwardRun started(WalkMethod method, int train, int test) {
  return pillars::WalkForwardRun::start(bench_data::bundled_history(), {method, {}, train, test, 1}).value();
}

void BM_WalkForward_2x2x3x3_Top10_W100_T2000(benchmark::State& state) {
  for (auto _ : state) {
    auto run = started(WalkMethod::k2x2x3x3, 100, 2000);
    run.compute_all();
    benchmark::DoNotOptimize(run.summary());
  }
}
BENCHMARK(BM_WalkForward_2x2x3x3_Top10_W100_T2000)->Unit(benchmark::kMillisecond);

void BM_WalkForward_10of15_Top15_W200_T500(benchmark::State& state) {
  long long searched = 0, steps = 0;
  for (auto _ : state) {
    auto run = started(WalkMethod::ten_of_fifteen, 200, 500);
    run.compute_all();
    benchmark::DoNotOptimize(run.summary());
    searched += run.subsets_searched();
    steps += run.computed();
  }
  state.counters["subsets_per_step"] = static_cast<double>(searched) / static_cast<double>(steps);
}
BENCHMARK(BM_WalkForward_10of15_Top15_W200_T500)->Unit(benchmark::kMillisecond);

// Every subset searched at every step: the first 25 steps of the run above.
void BM_WalkForward_10of15_FullSearchEachStep_25Steps(benchmark::State& state) {
  const core::DrawHistory& h = bench_data::bundled_history();
  auto run = started(WalkMethod::ten_of_fifteen, 200, 25);
  run.compute_all();
  std::vector<std::uint64_t> masks;
  for (int d = 1; d <= h.draw_count; ++d) masks.push_back(pillars::period_line_mask(pillars::format_period_line(h, d, 1)));
  for (auto _ : state) {
    for (const pillars::WalkStep& step : run.steps()) {
      const std::span<const std::uint64_t> window(masks.data() + step.draw - 201, 200);
      auto table = pillars::arith::CoOccurrence::build(window, step.numbers);
      pillars::arith::BestSubsetSearch search(pillars::arith::SubsetRun::ten_of_fifteen, std::move(*table),
                                              pillars::arith::Priority::four_first, 1);
      search.compute_all();
      benchmark::DoNotOptimize(search.ranked());
    }
  }
}
BENCHMARK(BM_WalkForward_10of15_FullSearchEachStep_25Steps)->Unit(benchmark::kMillisecond);

void BM_WalkForwardProcess_2x2x3x3_T2000(benchmark::State& state) {
  const std::vector<std::string> words{"--file", std::string(VANTOR_DATA_DIR) + "/TW539.txt", "--today", "2026/12/09",
                                       "walk-forward", "--method", "2x2x3x3", "--test", "2000"};
  for (auto _ : state)
    if (!bench_cli::run_cli_process(words)) state.SkipWithError("vantor39-cli walk-forward failed");
}
BENCHMARK(BM_WalkForwardProcess_2x2x3x3_T2000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
