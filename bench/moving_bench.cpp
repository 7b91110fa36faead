// The moving-pattern recompute over the bundled 2,500-draw history: the whole grid with
// its hit columns and notes sentences, for the one-position and the average tab, and the
// order choice that rewrites the working column; and opening the window, which does both
// and lays the grid out.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "analysis/moving/moving_pattern.h"
#include "analysis/moving/window/tform_zu_moving.h"
#include "bench/window_bench.h"
#include "core/reload.h"

namespace {

core::DrawHistory& history() {
  static core::DrawHistory h = [] {
    core::DrawHistory loaded;
    if (!core::reload(loaded, std::string(VANTOR_DATA_DIR) + "/TW539.txt", "2026/12/09", core::MissingDrawFile::Refuse))
      loaded.draw_count = 0;
    return loaded;
  }();
  return h;
}

moving::MovingRule rule_of(const moving::MovingBoxes& boxes) {
  return *moving::read_moving_rule(boxes, core::BallOrder::Drawn);
}

void BM_MovingGridOnePosition(benchmark::State& state) {
  const auto rule = rule_of(moving::MovingBoxes{});
  for (auto _ : state) benchmark::DoNotOptimize(moving::moving_pattern(history(), rule));
  state.counters["draws"] = history().draw_count;
}
BENCHMARK(BM_MovingGridOnePosition)->Unit(benchmark::kMillisecond);

void BM_MovingGridAverageThreeAmounts(benchmark::State& state) {
  moving::MovingBoxes boxes;
  boxes.average = true;
  boxes.prediction_count = 3;
  boxes.amounts = {"3", "7", "12"};
  boxes.signs = {"加", "減", "加"};
  const auto rule = rule_of(boxes);
  for (auto _ : state) benchmark::DoNotOptimize(moving::moving_pattern(history(), rule));
}
BENCHMARK(BM_MovingGridAverageThreeAmounts)->Unit(benchmark::kMillisecond);

void BM_SetBallOrder(benchmark::State& state) {
  int i = 0;
  for (auto _ : state) core::set_ball_order(history(), ++i % 2 ? core::BallOrder::Sorted : core::BallOrder::Drawn);
  core::set_ball_order(history(), core::BallOrder::Drawn);
}
BENCHMARK(BM_SetBallOrder)->Unit(benchmark::kMillisecond);

// Showing the window: the boxes' items, the order written into ltno_copy, the grid of the
// active tab computed and laid out, and the first paint.
void BM_OpenMovingWindow(benchmark::State& state) {
  core::DrawTable writer(history());
  TForm_zu_moving window(writer);
  bench_window::time_openings(state, [&] { window.show(); }, [&] { window.hide(); });
}
BENCHMARK(BM_OpenMovingWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

VANTOR_WINDOW_BENCHMARK_MAIN()
