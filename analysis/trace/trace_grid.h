// The trace grid (sgmap) of a trace's rows, with its summary block, the ordering keys
// the sorted display reads, and its comma-separated text form.
//
// Columns: 0 date, 1 issue, n + 1 number n (n = 1..max_ball), max_ball + 2 an empty
// spacer, max_ball + 3 + t the count of the row's marked numbers ending in digit t.
// Rows: 0 the header, 1..R the listed draws, R + 1 blank, then the summary:
//
//   R+2  "期數 R"     " 號   碼"  the header again
//   R+3               "    ●"     marks per column
//   R+4  "統計 "      "      "    stars per column (no rule writes a star: blank)
//   R+5  "最近 R 期"  "    ●"     totals
//   R+6..R+12  "連莊開出" .. "隔七版以上": per column, how often the gap from the
//        previous mark (from row 0 for the first) was 1, 2, .., 6, 7 or more rows
//
// Counts are written without zeros (0 is an empty cell). The cycle tab shows R + 1 in
// its two "期數"/"最近" labels.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "analysis/trace/trace_query.h"
#include "analysis/trace/trace_table.h"
#include "core/text_grid.h"

namespace trace {

inline constexpr int kSummaryRows = 12;
[[nodiscard]] constexpr int grid_columns(int max_ball) { return max_ball + 13; }
[[nodiscard]] constexpr int tail_column(int max_ball, int digit) { return max_ball + 3 + digit; }

// Ordering keys of the last summarised grid.
struct SortKeys {
  std::vector<int> number_sort_key;     // [n] = total(n) * 1000 + n, n = 1..max_ball ([0] unused)
  std::array<int, 10> tail_sort_key{};  // tail sum * 1000 + digit, descending
};

struct SummarisedGrid {
  core::TextGrid grid;                   // R + 13 rows
  std::vector<std::uint64_t> row_marks;  // per data row: bit n when number n is marked
  SortKeys keys;
};

// The header row's texts ("日     期", " 期  數", "01".., "", "０"..).
[[nodiscard]] std::vector<std::string> grid_header(int max_ball);

// Lists `rows` (1-based draw indices) with "●" marks, or on the Drawn tab each ball's
// drawn position "１".."５", and adds the summary block.
[[nodiscard]] SummarisedGrid summarise_trace(const TraceTable& table, std::span<const int> rows, TraceTab tab);

// One line per grid row: the cells of columns 0..max_ball + 13, each followed by ","
// (53 fields for 39 balls, the last always empty).
[[nodiscard]] std::vector<std::string> text_form(const core::TextGrid& grid, int max_ball);

// "" for 0, else the decimal count: the "###" format of every count cell.
[[nodiscard]] std::string count_text(long long count);

}  // namespace trace
