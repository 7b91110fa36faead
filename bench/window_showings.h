// Timing a window's opening: each iteration shows the window and lets it lay out and paint;
// hiding it again is not timed, so every iteration is a fresh showing.
#pragma once

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>

namespace bench_windows {

inline void time_showings(benchmark::State& state, QWidget& window) {
  for (auto _ : state) {
    window.show();
    QCoreApplication::processEvents();
    state.PauseTiming();
    window.hide();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

}  // namespace bench_windows
