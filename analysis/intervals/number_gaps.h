// The gaps between the appearances of every number over the whole draw table (balls as
// drawn, one appearance per draw at most).
//
// Column n of the grid holds, for a number drawn k times, rows 1..k: the draws strictly
// between two appearances (row 1: the draws before the first), and row k + 1 the draws
// since the last appearance (the current gap). A number never drawn holds one cell, the
// number of draws; with an empty table it holds none. Every computation starts from an
// empty grid and the row list grows with the data (a number can appear up to 2500 times).
#pragma once

#include <string>
#include <vector>

#include "core/draw_history.h"
#include "core/text_grid.h"

namespace intervals {

struct NumberGaps {
  std::vector<int> cells;  // rows 1 .. k + 1 of the number's column
  int appearances = 0;     // k
};

struct IntervalAnalysis {
  std::vector<NumberGaps> numbers;  // element n-1 for number n = 1 .. max_ball
  int max_rows = 0;                 // the largest number of appearances
  std::string longest_gap;          // Label2: "63期  號碼 34 位置 114", or "0期  " with no gap above 0
  core::TextGrid grid;              // sgmap: row 0 the number labels, rows 1 .. max_rows + 4 labelled "%03d"
  std::string latest_issue;         // issue number of the newest draw ("" for an empty table)
};

[[nodiscard]] IntervalAnalysis analyse_intervals(const core::DrawHistory& history);

// The cell text of a gap: " -" for 0, " 7" for one digit, "12" or "123" beyond.
[[nodiscard]] std::string gap_text(int gap);

}  // namespace intervals
