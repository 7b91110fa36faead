// Keeping the history current: the import of a ZIP of twenty yearly result files (the
// bundled history, 5,948 draws) and of the operator's twenty yearly archives into a full
// draw file that lacks the newest week, and the check of the whole 5,948-line draw file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/history_check.h"
#include "exchange/backups.h"
#include "exchange/history_import.h"
#include "support/result_files.h"

namespace {

constexpr const char* kToday = "2026/12/09";

struct Week {
  std::string zip;        // every year of the bundled history
  std::string draw_file;  // all but its newest six draws
};

const Week& week() {
  static const Week data = [] {
    const std::vector<std::string> lines = test_support::bundled_draw_lines();
    Week w{test_support::zip_of(test_support::yearly_result_files(lines, "\r\n")), {}};
    for (std::size_t i = 0; i + 6 < lines.size(); ++i) w.draw_file += lines[i] + "\r\n";
    return w;
  }();
  return data;
}

// Reading the archive, merging and the summary: what the question waits for.
void BM_ImportZipOfTwentyYears(benchmark::State& state) {
  const Week& w = week();
  std::size_t added = 0;
  for (auto _ : state) {
    const auto draws = exchange::unique_draws(exchange::read_import_bytes(w.zip, "539.zip").value()).value();
    const auto plan = exchange::plan_import(w.draw_file, draws, kToday).value();
    benchmark::DoNotOptimize(exchange::import_summary(plan));
    added = plan.added.size();
  }
  state.counters["added"] = static_cast<double>(added);
  state.counters["zip_bytes"] = static_cast<double>(w.zip.size());
}
BENCHMARK(BM_ImportZipOfTwentyYears)->Unit(benchmark::kMillisecond);

// The operator's twenty yearly archives as a user downloads them, each with the other
// games' members beside this game's, into a draw file lacking the newest week.
void BM_ImportOperatorArchives(benchmark::State& state) {
  const Week& w = week();
  static const std::vector<test_support::ResultFile> archives = test_support::operator_archives(test_support::bundled_draw_lines());
  std::size_t added = 0, bytes = 0;
  for (const auto& archive : archives) bytes += archive.text.size();
  for (auto _ : state) {
    std::vector<exchange::ResultDraw> read;
    for (const auto& archive : archives) {
      auto draws = exchange::read_import_bytes(archive.text, archive.name).value();
      read.insert(read.end(), draws.begin(), draws.end());
    }
    const auto plan = exchange::plan_import(w.draw_file, exchange::unique_draws(std::move(read)).value(), kToday).value();
    added = plan.added.size();
  }
  state.counters["added"] = static_cast<double>(added);
  state.counters["zip_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ImportOperatorArchives)->Unit(benchmark::kMillisecond);

// The whole command: the files read from disk, the backup kept and the draw file written
// atomically (each write is synced, so the disk shows in this figure).
void BM_ImportZipAndWriteWithBackup(benchmark::State& state) {
  const Week& w = week();
  const auto dir = std::filesystem::temp_directory_path() / "vantor_history_bench";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string zip = (dir / "539.zip").string(), draw_path = (dir / "TW539.txt").string();
  std::ofstream(zip, std::ios::binary) << w.zip;
  int second = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::ofstream(draw_path, std::ios::binary | std::ios::trunc) << w.draw_file;
    state.ResumeTiming();
    const auto plan = exchange::plan_import_files(draw_path, {zip}, kToday).value();
    const core::LocalDateTime now{core::Date{2026, 12, 9}, 10, second / 60 % 60, second % 60};
    ++second;
    if (!exchange::replace_draw_file(draw_path, plan.bytes, now)) state.SkipWithError("write failed");
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ImportZipAndWriteWithBackup)->Unit(benchmark::kMillisecond);

void BM_CheckHistory(benchmark::State& state) {
  const std::vector<std::string> lines = test_support::bundled_draw_lines();
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  std::size_t findings = 0;
  for (auto _ : state) findings = core::check_history(file, kToday).size();
  state.counters["lines"] = static_cast<double>(lines.size());
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckHistory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
