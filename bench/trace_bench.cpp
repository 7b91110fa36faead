// The trace computations over the bundled history's 2500 draws: every tab's trace with
// its summary, the two-of-one and three-of-one rankings over the longest trace (cycle,
// step 1), the sorted display and the chart with every level and distance; and the trace
// window opening and stepping its longest trace.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QToolButton>
#include <string>

#include "analysis/trace/choice_ranking.h"
#include "analysis/trace/sorted_grid.h"
#include "analysis/trace/trace.h"
#include "analysis/trace/trace_chart.h"
#include "analysis/trace/window/cycle_sheet.h"
#include "analysis/trace/window/tform_zu_trace_single.h"
#include "bench/bundled_history.h"
#include "bench/window_bench.h"

namespace {

const core::DrawHistory& history() { return bench_data::bundled_history(); }

const trace::TraceTable& table() {
  static const trace::TraceTable t = trace::make_trace_table(history());
  return t;
}

// The boxes a tab shows after opening on the newest draw.
trace::TraceBoxes tab_boxes(int tab) {
  trace::TraceBoxes boxes;
  boxes.tab = static_cast<trace::TraceTab>(tab);
  boxes.number = trace::number_box(table(), table().draw_count(), boxes.tab).text;
  boxes.issue = table().issue(table().draw_count());
  return boxes;
}

// Cycle back from the newest draw with step 1: every draw is a row.
const trace::TraceResult& longest_trace() {
  static const trace::TraceResult r = *trace::trace_tab(table(), tab_boxes(6), 0, trace::all_draws(table()));
  return r;
}

void BM_MakeTraceTable(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(trace::make_trace_table(history()));
}
BENCHMARK(BM_MakeTraceTable)->Unit(benchmark::kMillisecond);

void BM_TraceWithSummary(benchmark::State& state) {
  const auto boxes = tab_boxes(static_cast<int>(state.range(0)));
  const int distance = boxes.tab == trace::TraceTab::Add || boxes.tab == trace::TraceTab::Cycle ? 0 : 1;
  const auto source = trace::all_draws(table());
  int rows = 0;
  for (auto _ : state) {
    auto result = trace::trace_tab(table(), boxes, distance, source);
    rows = result->trace_row_count();
    benchmark::DoNotOptimize(result);
  }
  state.counters["rows"] = rows;
}
BENCHMARK(BM_TraceWithSummary)->DenseRange(0, trace::kTabCount - 1)->Unit(benchmark::kMillisecond);

void BM_TextForm(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(trace::text_form(longest_trace().grid, table().max_ball));
  state.counters["rows"] = longest_trace().trace_row_count();
}
BENCHMARK(BM_TextForm)->Unit(benchmark::kMillisecond);

void BM_TwoOfOne(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(trace::rank_pairs(longest_trace().row_marks, table().max_ball));
}
BENCHMARK(BM_TwoOfOne)->Unit(benchmark::kMillisecond);

void BM_ThreeOfOne(benchmark::State& state) {
  std::size_t kept = 0;
  for (auto _ : state) {
    auto ranked = trace::rank_triples(longest_trace().row_marks, table().max_ball);
    kept = ranked.size();
    benchmark::DoNotOptimize(ranked);
  }
  state.counters["rows"] = longest_trace().trace_row_count();
  state.counters["triples"] = static_cast<double>(kept);
}
BENCHMARK(BM_ThreeOfOne)->Unit(benchmark::kMillisecond);

void BM_SortedDisplay(benchmark::State& state) {
  const auto& shown = longest_trace();
  for (auto _ : state) benchmark::DoNotOptimize(trace::sorted_grid(shown.grid, shown.keys, table().max_ball));
}
BENCHMARK(BM_SortedDisplay)->Unit(benchmark::kMillisecond);

void BM_ChartAllLevelsAndDistances(benchmark::State& state) {
  trace::ChartSettings settings;
  settings.to = {2026, 12, 9};
  settings.next.fill(true);
  settings.levels.fill(true);
  for (auto _ : state) benchmark::DoNotOptimize(trace::run_chart(table(), settings, history().game_name));
}
BENCHMARK(BM_ChartAllLevelsAndDistances)->Unit(benchmark::kMillisecond);

// Opening the window derives the table's columns again, fills every tab's boxes and shows
// the newest draw's single-number trace.
void BM_OpenTraceWindow(benchmark::State& state) {
  core::DrawHistory copy = history();
  core::DrawTable writer(copy);
  TForm_zu_trace_single window(writer);
  bench_window::time_openings(state, [&] { window.show(); }, [&] { window.hide(); });
}
BENCHMARK(BM_OpenTraceWindow)->Unit(benchmark::kMillisecond);

// One step of the cycle tab with step 1: 2500 rows traced, summarised and laid out.
void BM_StepLongestTraceInWindow(benchmark::State& state) {
  core::DrawHistory copy = history();
  core::DrawTable writer(copy);
  TForm_zu_trace_single window(writer);
  window.show();
  window.show_page(6);
  int delta = -1;
  for (auto _ : state) {
    (delta < 0 ? window.TabSheet6->back : window.TabSheet6->forward)->click();
    QCoreApplication::processEvents();
    delta = -delta;
  }
  state.counters["rows"] = window.shown()->result.trace_row_count();
}
BENCHMARK(BM_StepLongestTraceInWindow)->Unit(benchmark::kMillisecond);

}  // namespace

VANTOR_WINDOW_BENCHMARK_MAIN()
