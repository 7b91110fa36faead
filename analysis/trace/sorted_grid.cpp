#include "analysis/trace/sorted_grid.h"

#include <algorithm>
#include <functional>

namespace trace {

core::TextGrid sorted_grid(const core::TextGrid& trace_grid, const SortKeys& keys, int max_ball) {
  core::TextGrid sorted(trace_grid.rows(), kSortedColumns);
  auto copy = [&](int to, int from) {
    for (int r = 0; r < sorted.rows(); ++r) sorted.set_cell(to, r, trace_grid.cell(from, r));
  };
  copy(0, 0);
  copy(1, 1);
  std::vector<int> numbers(keys.number_sort_key.begin() + 1, keys.number_sort_key.end());
  // Keys end in their own number, so they are distinct: any descending sort is the exchange order.
  std::sort(numbers.begin(), numbers.end(), std::greater<>());
  for (int i = 0; i < max_ball && i < static_cast<int>(numbers.size()); ++i)
    copy(i + 2, numbers[static_cast<std::size_t>(i)] % 1000 + 1);
  for (int j = 0; j < 10; ++j)
    copy(tail_column(max_ball, j), tail_column(max_ball, keys.tail_sort_key[static_cast<std::size_t>(j)] % 1000));
  return sorted;
}

}  // namespace trace
