// The loader on files far beyond the table: time grows with the file, memory stays bounded
// by the table's capacity.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "core/loader.h"

namespace {

std::string draw_file_of(std::size_t bytes) {
  std::string block;
  for (int i = 0; i < 1000; ++i) {
    char line[40];
    std::snprintf(line, sizeof line, "%04d/01/01,%06d,01,02,03,04,05\r\n", 1000 + i, i);
    block += line;
  }
  std::string file;
  file.reserve(bytes + block.size());
  while (file.size() < bytes) file += block;
  return file;
}

void BM_LoadHugeDrawFile(benchmark::State& state) {
  const std::string file = draw_file_of(static_cast<std::size_t>(state.range(0)) << 20);
  for (auto _ : state) {
    core::DrawHistory history;
    benchmark::DoNotOptimize(core::load_draw_lines(history, file, "2999/12/31"));
  }
  state.SetLabel(std::to_string(state.range(0)) + " MB");
}
BENCHMARK(BM_LoadHugeDrawFile)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
