// Printing draws by date range: the count the date-range window shows and the lines it
// hands to the report, taken from the draw records grid as the user sees it (newest
// first, balls in drawn or ascending order).
//
//   line 1 of a range: "001_2009/01/05  098003  39  05  17  22  08  "
#pragma once

#include <string>
#include <vector>

#include "core/dates.h"
#include "core/draw_history.h"
#include "core/result.h"
#include "core/text_grid.h"

namespace exchange {

// The from-date every showing of the date-range window starts with.
inline constexpr core::Date kFirstPrintDate{2002, 1, 22};

// Draws 1..draw_count with from <= draw_date <= to; 0 when from is after to.
[[nodiscard]] int count_draws_between(const core::DrawHistory& history, core::Date from, core::Date to);

// For each grid row 1.. (row 0 is the header) whose date cell lies in [from, to]: the
// running number, at least three digits with leading zeros, then "_", then the texts of
// columns 0..6 each followed by two blanks. Rows whose date cell is not a date are left
// out.
[[nodiscard]] std::vector<std::string> date_range_lines(const core::TextGrid& records, core::Date from,
                                                        core::Date to);

// The records grid as the records window shows it: header row, then the draws newest
// first with their balls in ascending (`ascending`) or drawn order. Works on a copy, so
// the caller's table keeps its order. Refuses when a line holds a bad date or ball.
[[nodiscard]] core::Result<core::TextGrid> records_grid(const core::DrawHistory& history, bool ascending);

}  // namespace exchange
