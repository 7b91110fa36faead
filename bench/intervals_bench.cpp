// The number interval window's computation (the gap grid and all 39 summaries) and the
// double-trace rule search at its worst over the bundled 2,500-draw history; and opening
// the two windows, which run them and lay out their grids.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "analysis/intervals/double_trace_view.h"
#include "analysis/intervals/number_summary.h"
#include "analysis/intervals/window/tform_zu_ai2_stk_3xx.h"
#include "analysis/intervals/window/tform_zu_no_interval.h"
#include "bench/window_bench.h"
#include "core/reload.h"

namespace {

const core::DrawHistory& history() {
  static const core::DrawHistory h = [] {
    core::DrawHistory loaded;
    if (!core::reload(loaded, std::string(VANTOR_DATA_DIR) + "/TW539.txt", "2026/12/09", core::MissingDrawFile::Refuse))
      loaded.draw_count = 0;
    return loaded;
  }();
  return h;
}

void BM_IntervalGridAndAllSummaries(benchmark::State& state) {
  for (auto _ : state) {
    const auto analysis = intervals::analyse_intervals(history());
    benchmark::DoNotOptimize(intervals::all_summaries(analysis));
  }
}
BENCHMARK(BM_IntervalGridAndAllSummaries)->Unit(benchmark::kMillisecond);

// Position-offset-match checks of a search done literally: 5 positions x (V + 9) offsets x M.
double literal_checks(const intervals::DoubleTraceQuery& q) {
  return 5.0 * (q.distance + intervals::kLastOffset) *
         static_cast<double>(intervals::double_trace_matches(history(), q).size());
}

// A typed old date with X = Y (its first ball), d1 = 0 and a run of 1 (most pairs kept):
// the date whose search makes the most checks.
const intervals::DoubleTraceQuery& worst_query() {
  static const intervals::DoubleTraceQuery worst = [] {
    intervals::DoubleTraceQuery best;
    double most = -1;
    for (int base = 1; base <= history().draw_count; base += 5) {
      auto q = intervals::date_choice(history(), base, core::BallOrder::Sorted);
      q.later = 0;
      q.y = q.x;
      q.run = 1;
      if (const double checks = literal_checks(q); checks > most) most = checks, best = q;
    }
    return best;
  }();
  return worst;
}

void BM_DoubleTraceWorstSearch(benchmark::State& state) {
  const auto& q = worst_query();
  for (auto _ : state) benchmark::DoNotOptimize(intervals::search_double_trace(history(), q));
  state.counters["checks"] = literal_checks(q);
  state.counters["V"] = q.distance;
}
BENCHMARK(BM_DoubleTraceWorstSearch)->Unit(benchmark::kMillisecond);

// The text-comparing search the mask search replaces (kept for tables the masks cannot hold).
void BM_DoubleTraceWorstSearchLiteral(benchmark::State& state) {
  const auto& q = worst_query();
  const auto matches = intervals::double_trace_matches(history(), q);
  for (auto _ : state)
    benchmark::DoNotOptimize(intervals::detail::literal_rule_search(history(), matches, q));
}
BENCHMARK(BM_DoubleTraceWorstSearchLiteral)->Unit(benchmark::kMillisecond);

// Showing one rule of the worst search, and listing all of its (up to 1000) rules.
void BM_DoubleTraceShowRule(benchmark::State& state) {
  const auto search = intervals::search_double_trace(history(), worst_query());
  for (auto _ : state)
    benchmark::DoNotOptimize(intervals::show_double_trace(history(), search, 1));
}
BENCHMARK(BM_DoubleTraceShowRule)->Unit(benchmark::kMillisecond);

void BM_DoubleTraceRuleList(benchmark::State& state) {
  const auto search = intervals::search_double_trace(history(), worst_query());
  for (auto _ : state)
    benchmark::DoNotOptimize(intervals::rule_list_lines(history(), search));
  state.counters["rules"] = static_cast<double>(search.rules.size());
}
BENCHMARK(BM_DoubleTraceRuleList)->Unit(benchmark::kMillisecond);

// Every showing: the gap grid of 39 numbers, the longest gap and number 01's summary.
void BM_OpenIntervalWindow(benchmark::State& state) {
  TForm_zu_no_interval window(history());
  bench_window::time_openings(state, [&] { window.show(); }, [&] { window.hide(); });
}
BENCHMARK(BM_OpenIntervalWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

// The first use creates the window; its showing switches to 順球 and searches the newest date.
void BM_OpenDoubleTraceWindowFirstTime(benchmark::State& state) {
  core::DrawHistory h = history();
  core::DrawTable writer(h);
  for (auto _ : state) {
    TForm_zu_ai2_stk_3xx window(writer);
    window.show();
    QCoreApplication::processEvents();
    state.PauseTiming();
    window.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDoubleTraceWindowFirstTime)->Unit(benchmark::kMillisecond)->Iterations(20);

// A later showing: the newest date searched, the view reset.
void BM_OpenDoubleTraceWindowAgain(benchmark::State& state) {
  core::DrawHistory h = history();
  core::DrawTable writer(h);
  TForm_zu_ai2_stk_3xx window(writer);
  window.show();
  window.hide();
  bench_window::time_openings(state, [&] { window.show(); }, [&] { window.hide(); });
}
BENCHMARK(BM_OpenDoubleTraceWindowAgain)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

VANTOR_WINDOW_BENCHMARK_MAIN()
