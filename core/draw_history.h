// The in-memory draw table every analysis reads.
//
// Pipeline of the program: draw file -> draw table (this) -> period list ->
// counts and scores -> reports and grids -> windows.
//
// Draw i of the documented 1-based numbering is element i-1 of every column here.
// After every load the columns run oldest first; only the records window holds them
// newest first while it is open.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace core {

inline constexpr int kDrawCapacity = 2500;   // the table keeps the newest 2500 draws
inline constexpr int kBallRows = 7;          // ball columns are dimensioned for 7 balls
inline constexpr int kBallsPerDraw = 5;

using BallColumns = std::array<std::vector<std::string>, kBallRows>;

// Ball columns dimensioned for the full capacity, every entry an empty string.
inline BallColumns empty_ball_columns() {
  BallColumns columns;
  for (auto& row : columns) row.resize(kDrawCapacity);
  return columns;
}

struct DrawHistory {
  // Game choice.
  std::string draw_file_name = "TW539.txt";
  std::string game_name = "今彩539";
  int max_ball = 39;

  // Loaded lines, as read (untrimmed bytes of the file's code page), and their count.
  // Columns are cut on these bytes; only displays convert them to UTF-8.
  std::vector<std::string> orirec;
  int draw_count = 0;
  // The draws the columns below hold: draw_count within 0 .. kDrawCapacity.
  [[nodiscard]] int stored_draws() const { return std::clamp(draw_count, 0, kDrawCapacity); }
  // The line number in the draw file of each orirec entry, kept in step with orirec's
  // order, so a message can point the user at the line to edit. Empty when the lines did
  // not come from a file.
  std::vector<int> orirec_line;

  // Derived columns, element i-1 for draw i. Ball columns are [k-1][i-1], k = 1..7;
  // rows 6 and 7 stay empty strings.
  // Every column holds kDrawCapacity entries; only the first draw_count are meaningful.
  std::vector<double> draw_date = std::vector<double>(kDrawCapacity, 0.0);  // days since 1899-12-30
  std::vector<std::string> issue_no = std::vector<std::string>(kDrawCapacity);
  BallColumns ltno_drawn = empty_ball_columns();
  BallColumns ltno_copy = empty_ball_columns();
  BallColumns ltno_sorted = empty_ball_columns();
  BallColumns ltno_tail = empty_ball_columns();
  BallColumns ltno_digitsum = empty_ball_columns();
};

}  // namespace core
