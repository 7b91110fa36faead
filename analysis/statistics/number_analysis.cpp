#include "analysis/statistics/number_analysis.h"

#include <algorithm>
#include <bit>
#include <functional>

#include "analysis/trace/trace_grid.h"
#include "core/draw_history.h"
#include "core/numbers.h"

namespace statistics {
namespace {

constexpr int kFixedPositions = 42;

// The top row of a position: its number, or in sorted order the number the key names.
std::vector<CountCell> number_cells(const std::vector<int>& counts, bool sorted, int max_ball) {
  std::vector<int> keys;
  for (int n = 1; n <= max_ball; ++n) keys.push_back(counts[static_cast<std::size_t>(n)] * 100 + n);
  if (sorted) std::sort(keys.begin(), keys.end(), std::greater<>());  // distinct keys: the exchange order
  std::vector<CountCell> cells;
  for (int p = 1; p <= std::max(kFixedPositions, max_ball); ++p) {
    if (p > max_ball) {
      cells.push_back({sorted ? "0" : std::to_string(p), ""});
      continue;
    }
    const int key = keys[static_cast<std::size_t>(p - 1)];
    cells.push_back({std::to_string(key % 100), trace::count_text(key / 100)});
  }
  return cells;
}

std::array<CountCell, 10> tail_cells(const std::array<int, 10>& counts, bool sorted) {
  std::array<int, 10> keys{};
  for (int t = 0; t < 10; ++t) keys[static_cast<std::size_t>(t)] = counts[static_cast<std::size_t>(t)] * 100 + t;
  if (sorted) std::sort(keys.begin(), keys.end(), std::greater<>());
  std::array<CountCell, 10> cells;
  for (std::size_t t = 0; t < 10; ++t)
    cells[t] = {"  " + std::to_string(keys[t] % 100), trace::count_text(keys[t] / 100)};
  return cells;
}

}  // namespace

core::Result<NumberCounts> show_analysis(const trace::TraceExport& rows, std::string_view recent, bool sorted,
                                         int max_ball) {
  const auto n = core::to_int_strict(recent);
  if (!n || *n > core::kDrawCapacity) return core::Error::error(std::string(kBadRecentCount));
  const int r_count = static_cast<int>(rows.rows.size());
  std::vector<int> counts(static_cast<std::size_t>(max_ball) + 1);
  std::array<int, 10> tails{};
  if (*n > 0 && *n <= r_count)
    for (int r = r_count - *n + 1; r <= r_count; ++r)
      for (std::uint64_t m = rows.rows[static_cast<std::size_t>(r - 1)].marks; m; m &= m - 1) {
        const int number = std::countr_zero(m);
        if (number > max_ball) continue;
        ++counts[static_cast<std::size_t>(number)];
        ++tails[static_cast<std::size_t>(number % 10)];
      }
  return NumberCounts{number_cells(counts, sorted, max_ball), tail_cells(tails, sorted)};
}

std::vector<std::string> recent_items(int rows) {
  std::vector<std::string> items;
  for (int n = 2; n <= rows; ++n) items.push_back(std::to_string(n));
  return items;
}

}  // namespace statistics
