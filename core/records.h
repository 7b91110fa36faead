// The contents of the draw records grid: a header row and one row per loaded line.
#pragma once

#include "core/draw_history.h"
#include "core/text_grid.h"

namespace core {

inline constexpr int kRecordColumns = 7;

// Writes the header cells of columns 0..6: date, issue, then the drawn-order ("一落"..)
// or ascending ("順一"..) ball headings.
void set_record_header(TextGrid& grid, bool ascending);

// show_to_grid: row count draw_count + 1; row r from orirec element r in its current
// order (date, issue, five balls). The header row is not touched.
void show_to_grid(TextGrid& grid, const DrawHistory& history);

// Replaces the ball cells of rows 1..draw_count with the derived ascending or drawn balls.
void show_ball_columns(TextGrid& grid, const DrawHistory& history, bool ascending);

// "開獎資料共 N 期"
[[nodiscard]] std::string record_count_text(int draw_count);

}  // namespace core
