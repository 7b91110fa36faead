// The number backtest on the bundled history at the size of its target: every method with
// its defaults over T = 2400 test draws, as `vantor39-cli backtest --method all --test 2400`
// runs it, first in-process from loading the draw file to the printed table (the whole
// command), then each method's steps alone.
#include <benchmark/benchmark.h>

#include <sstream>

#include "analysis/backtest/backtest_report.h"
#include "bench/bundled_history.h"
#include "cli/run.h"

namespace {

void BM_BacktestCommand_All_T2400(benchmark::State& state) {
  const std::vector<std::string> words{"--file", std::string(VANTOR_DATA_DIR) + "/TW539.txt", "--today", "2026/12/09",
                                       "backtest", "--method", "all", "--test", "2400"};
  for (auto _ : state) {
    std::ostringstream out, err;
    if (cli::run(words, out, err) != 0) state.SkipWithError(err.str().c_str());
    benchmark::DoNotOptimize(out.str());
  }
}
BENCHMARK(BM_BacktestCommand_All_T2400)->Unit(benchmark::kMillisecond);

void BM_Backtest_Method_T2400(benchmark::State& state) {
  const backtest::Settings settings = backtest::all_methods_settings(2400)[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(backtest::method_name(settings.method));
  for (auto _ : state) {
    auto run = backtest::Backtest::start(bench_data::bundled_history(), settings).value();
    run.compute_all();
    benchmark::DoNotOptimize(run.summary());
  }
}
BENCHMARK(BM_Backtest_Method_T2400)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
