// Timing how long a window takes to open: each iteration shows the window and lets it
// paint; closing it again is not timed. Window benchmarks run under a QApplication:
//
//   void BM_OpenX(benchmark::State& state) {
//     TForm_x window(...);
//     bench_window::time_openings(state, [&] { window.show(); }, [&] { window.hide(); });
//   }
//   VANTOR_WINDOW_BENCHMARK_MAIN()
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace bench_window {

template <class Open, class Close>
void time_openings(benchmark::State& state, Open open, Close close) {
  for (auto _ : state) {
    open();
    QCoreApplication::processEvents();
    state.PauseTiming();
    close();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

}  // namespace bench_window

#define VANTOR_WINDOW_BENCHMARK_MAIN()        \
  int main(int argc, char** argv) {           \
    QApplication qt(argc, argv);              \
    benchmark::Initialize(&argc, argv);       \
    benchmark::RunSpecifiedBenchmarks();      \
    return 0;                                 \
  }
