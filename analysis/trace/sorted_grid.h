// The sorted display (進階): the trace grid with its number columns in the order of
// their totals (equal totals: the higher number first) and its tail columns in the order
// of their tail sums (tail_sort_key). Whole columns move, header and summary included,
// so the result reads like the trace grid rearranged. Saved through trace::text_form.
#pragma once

#include "analysis/trace/trace_grid.h"
#include "core/text_grid.h"

namespace trace {

inline constexpr int kSortedColumns = 62;

[[nodiscard]] core::TextGrid sorted_grid(const core::TextGrid& trace_grid, const SortKeys& keys, int max_ball);

}  // namespace trace
