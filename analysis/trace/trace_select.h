// The rows of a trace (trace_list): the draws a chosen distance away from every draw
// that has the tab's property, ascending, each kept only when it lies inside the table.
//
//   distance 0: the matching draws themselves; +k: the draws k places later (the draw
//   after the newest does not exist yet, so it is dropped); -k: k places earlier.
#pragma once

#include <span>
#include <vector>

#include "analysis/trace/trace_query.h"
#include "analysis/trace/trace_table.h"

namespace trace {

// source_list of the single-number rule outside pinned mode: 1..draw_count.
[[nodiscard]] std::vector<int> all_draws(const TraceTable& table);

// The rows, 1-based draw indices ascending. The single-number rule examines the draws
// of `source` (ascending; a pinned trace's rows or all_draws), every other rule all
// draws. The cycle rule counts back from the draw after the query's issue (the newest
// draw when no draw has it).
[[nodiscard]] std::vector<int> select_rows(const TraceTable& table, const TraceQuery& query, int distance,
                                           std::span<const int> source);

}  // namespace trace
