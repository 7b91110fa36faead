// Start-up path: loading and deriving the draw table, filling the records grid, and
// showing the main window with its load sequence.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/application.h"
#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_main.h"
#include "bench/window_bench.h"
#include "pillars/window/tform_bestpillars.h"
#include "core/loader.h"
#include "core/records.h"
#include "core/text_file.h"
#include "ui/dialogs.h"

namespace {

std::string history_bytes() {
  auto bytes = core::read_bytes(std::string(VANTOR_DATA_DIR) + "/TW539.txt");
  return bytes ? std::move(bytes).value() : std::string();
}

void BM_LoadAndDerive2500(benchmark::State& state) {
  const std::string bytes = history_bytes();
  for (auto _ : state) {
    core::DrawHistory history;
    auto result = core::load_draw_lines(history, bytes, "2026/12/09");
    benchmark::DoNotOptimize(core::put_to_ltno(history));
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_LoadAndDerive2500)->Unit(benchmark::kMillisecond);

void BM_RecordsWindowFill2500(benchmark::State& state) {
  const std::string bytes = history_bytes();
  core::DrawHistory history;
  (void)core::load_draw_lines(history, bytes, "2026/12/09");
  (void)core::put_to_ltno(history);
  ui::StringGrid grid;
  grid.model_data().set_fixed_rows(1);
  grid.resize(600, 700);
  grid.show();
  for (auto _ : state) {
    core::sort_orirec(history, 1);
    auto& cells = grid.model_data().begin_edit();
    core::show_to_grid(cells, history);
    grid.model_data().end_edit();
    QCoreApplication::processEvents();  // the view lays out and paints the new rows
  }
}
BENCHMARK(BM_RecordsWindowFill2500)->Unit(benchmark::kMillisecond);

void BM_StartupToMainWindowShown(benchmark::State& state) {
  QTemporaryDir dir;
  QFile::copy(QStringLiteral(VANTOR_DATA_DIR "/TW539.txt"), dir.filePath("TW539.txt"));
  ui::ScopedRecorder dialogs;
  for (auto _ : state) {
    Application app(dir.path(), std::make_unique<core::FixedClock>(core::Date{2026, 12, 9}));
    app.start();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(app.history().draw_count);
  }
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(5);

// Opening the workbench runs its reset and a date-range query over the whole table twice.
void BM_OpenWorkbenchWindow(benchmark::State& state) {
  QTemporaryDir dir;
  QFile::copy(QStringLiteral(VANTOR_DATA_DIR "/TW539.txt"), dir.filePath("TW539.txt"));
  ui::ScopedRecorder dialogs;
  Application app(dir.path(), std::make_unique<core::FixedClock>(core::Date{2026, 12, 9}));
  app.start();
  QCoreApplication::processEvents();
  bench_window::time_openings(state, [&] { app.windows().open("BestPillarsExecute"); },
                              [&] { app.window<TForm_bestpillars>().hide(); });
}
BENCHMARK(BM_OpenWorkbenchWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

VANTOR_WINDOW_BENCHMARK_MAIN()
