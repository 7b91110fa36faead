// vantor39-cli as a user meets it: whole processes from start to exit, loading and
// linking included, on the bundled history. The analysis commands start without Qt
// (the download and the PDF open the Qt module only when they run); the target of
// `statistics` and the other analysis commands is 10 ms as a whole process.
// - `--help`: start-up and the usage text alone;
// - `statistics` and `moving` with their defaults: start-up, loading the 2,500 newest
//   draws of TW539.txt (Big5) and one window's computation.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// The command line built beside this benchmark, run to its end with its output dropped;
// false when it could not run or did not succeed.
bool run_cli_process(std::vector<std::string> words) {
  words.insert(words.begin(), VANTOR_CLI);
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, VANTOR_CLI, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void run_cli_repeatedly(benchmark::State& state, const std::vector<std::string>& words) {
  for (auto _ : state)
    if (!run_cli_process(words)) state.SkipWithError("vantor39-cli did not succeed");
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

void BM_CliProcess_Moving(benchmark::State& state) { run_cli_repeatedly(state, on_bundled_history("moving")); }
BENCHMARK(BM_CliProcess_Moving)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
