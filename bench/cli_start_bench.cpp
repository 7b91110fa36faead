// vantor39-cli as a user meets it: whole processes from start to exit, loading and
// linking included, on the bundled history. The analysis commands start without Qt
// (the download and the PDF open the Qt module only when they run) nor libzip and
// libxlsxwriter (opened with the file module by an archive import and an .xlsx save); the
// target of `statistics` and the other analysis commands is 10 ms as a whole process.
// - `--help`: start-up and the usage text alone;
// - `statistics`, `intervals` and `moving` with their defaults: start-up, loading the
//   2,500 newest draws of TW539.txt (Big5) and one window's computation.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/cli_process.h"

namespace {

void run_cli_repeatedly(benchmark::State& state, const std::vector<std::string>& words) {
  for (auto _ : state)
    if (!bench_cli::run_cli_process(words)) state.SkipWithError("vantor39-cli did not succeed");
}

std::vector<std::string> on_bundled_history(const std::string& command) {
  return {"--file", std::string(VANTOR_DATA_DIR) + "/TW539.txt", "--today", "2026/12/09", command};
}

void BM_CliProcess_Help(benchmark::State& state) { run_cli_repeatedly(state, {"--help"}); }
BENCHMARK(BM_CliProcess_Help)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliProcess_Statistics(benchmark::State& state) {
  run_cli_repeatedly(state, on_bundled_history("statistics"));
}
BENCHMARK(BM_CliProcess_Statistics)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliProcess_Intervals(benchmark::State& state) {
  run_cli_repeatedly(state, on_bundled_history("intervals"));
}
BENCHMARK(BM_CliProcess_Intervals)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliProcess_Moving(benchmark::State& state) { run_cli_repeatedly(state, on_bundled_history("moving")); }
BENCHMARK(BM_CliProcess_Moving)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
