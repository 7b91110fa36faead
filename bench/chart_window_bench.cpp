// Opening the trace summary chart window on the bundled history: the trace table, the
// summary run of the newest draw and painting the three charts.
#include "analysis/trace/window/chart_form.h"
#include "bench/bundled_history.h"
#include "bench/window_bench.h"

namespace {

void BM_OpenChartWindow(benchmark::State& state) {
  const core::FixedClock clock(core::Date{2026, 12, 9});
  TForm_zu_chart1 window(bench_data::bundled_history(), clock);
  window.resize(1010, 720);
  bench_window::time_openings(state, [&] { window.show(); }, [&] { window.hide(); });
}
BENCHMARK(BM_OpenChartWindow)->Unit(benchmark::kMillisecond);

}  // namespace

VANTOR_WINDOW_BENCHMARK_MAIN()
