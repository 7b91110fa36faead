// The statistics window's views over the bundled history's 2500 draws, and the number
// analysis with all ten pattern rules over a 2500-row trace (cycle, step 1); opening the
// statistics window and the number analysis window on them.
#include <benchmark/benchmark.h>

#include <string>

#include "analysis/statistics/number_analysis.h"
#include "analysis/statistics/pattern_rules.h"
#include "analysis/statistics/statistics_views.h"
#include "analysis/statistics/window/tform_zu_no_analysis.h"
#include "analysis/statistics/window/tform_zu_statistics.h"
#include "bench/bundled_history.h"
#include "bench/window_bench.h"
#include "ui/dialogs.h"

namespace {

const core::DrawHistory& history() { return bench_data::bundled_history(); }

constexpr core::Date kFrom{2002, 1, 1}, kTo{2026, 12, 9};

void BM_NumberView(benchmark::State& state) {
  const auto view = state.range(0) ? statistics::View::Gaps : statistics::View::Numbers;
  for (auto _ : state)
    benchmark::DoNotOptimize(statistics::number_view(history(), kFrom, kTo, view, statistics::Arrangement::ByValue));
}
BENCHMARK(BM_NumberView)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_TailView(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(statistics::tail_view(history(), kFrom, kTo));
}
BENCHMARK(BM_TailView)->Unit(benchmark::kMicrosecond);

const trace::TraceResult& longest_trace() {
  static const trace::TraceResult r = [] {
    const trace::TraceTable table = trace::make_trace_table(history());
    trace::TraceBoxes boxes;
    boxes.tab = trace::TraceTab::Cycle;
    boxes.issue = table.issue(table.draw_count());
    return *trace::trace_tab(table, boxes, 0, trace::all_draws(table));
  }();
  return r;
}

// All ten rules on at this run length.
core::RuleSettings every_rule(int run_length) {
  core::RuleSettings settings;
  core::reset_rule_settings(settings);
  std::array<bool, statistics::kRules> all{};
  all.fill(true);
  statistics::define_rules(settings, all, run_length);
  return settings;
}

// Export, counts over every row and all ten rules at each run length.
void BM_NumberAnalysis(benchmark::State& state) {
  const core::RuleSettings settings = every_rule(static_cast<int>(state.range(0)));
  const auto& shown = longest_trace();
  for (auto _ : state) {
    const auto rows = trace::export_trace(shown, trace::ExportBound::all_rows());
    benchmark::DoNotOptimize(statistics::show_analysis(rows, std::to_string(rows.rows.size()), true, 39));
    benchmark::DoNotOptimize(statistics::run_rules(rows, settings, 39, shown.title));
  }
  state.counters["rows"] = shown.trace_row_count();
}
BENCHMARK(BM_NumberAnalysis)->DenseRange(2, 5)->Unit(benchmark::kMicrosecond);

// Showing counts the whole range in the number view and paints the 39 balls.
void BM_OpenStatisticsWindow(benchmark::State& state) {
  const core::FixedClock clock(core::Date{2026, 12, 9});
  TForm_zu_statistics window(history(), clock);
  bench_window::time_openings(state, [&] { window.show(); }, [&] { window.hide(); });
}
BENCHMARK(BM_OpenStatisticsWindow)->Unit(benchmark::kMillisecond);

// show_for on the longest trace: counts over all 2500 rows and the ten rules, then paints.
void BM_OpenNumberAnalysisWindow(benchmark::State& state) {
  const core::RuleSettings settings = every_rule(3);
  const auto rows = trace::export_trace(longest_trace(), trace::ExportBound::all_rows());
  ui::ScopedRecorder dialogs;  // show_for shows the window without blocking
  TForm_zu_no_analysis window(history(), settings);
  bench_window::time_openings(
      state, [&] { window.show_for(rows, longest_trace().title); }, [&] { window.reject(); });
}
BENCHMARK(BM_OpenNumberAnalysisWindow)->Unit(benchmark::kMillisecond);

}  // namespace

VANTOR_WINDOW_BENCHMARK_MAIN()
