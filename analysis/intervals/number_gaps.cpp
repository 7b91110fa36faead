#include "analysis/intervals/number_gaps.h"

#include <algorithm>

#include "core/ball_text.h"
#include "core/numbers.h"

namespace intervals {
namespace {

// The draws (1-based, ascending) at which each number 1 .. max_ball comes up.
std::vector<std::vector<int>> appearances_of(const core::DrawHistory& h, int draw_count) {
  std::vector<std::vector<int>> draws(static_cast<std::size_t>(std::max(h.max_ball, 0)));
  std::vector<int> seen(draws.size() + 1, 0);  // the last draw that listed each number
  for (int d = 1; d <= draw_count; ++d) {
    for (int k = 0; k < core::kBallsPerDraw; ++k) {
      const auto ball = core::ball_value(h.ltno_drawn[k][d - 1], h.max_ball);
      if (!ball || seen[*ball] == d) continue;
      seen[*ball] = d;
      draws[*ball - 1].push_back(d);
    }
  }
  return draws;
}

NumberGaps gaps_of(const std::vector<int>& draws, int draw_count) {
  NumberGaps gaps;
  gaps.appearances = static_cast<int>(draws.size());
  int previous = 0;
  for (int d : draws) {
    gaps.cells.push_back(d - previous - 1);
    previous = d;
  }
  if (draw_count > 0) gaps.cells.push_back(draw_count - previous);
  return gaps;
}

// The first cell with the largest gap, scanning numbers and then rows 1 .. max_rows.
std::string longest_gap_label(const std::vector<NumberGaps>& numbers, int max_rows) {
  int longest = 0;
  std::string where;
  for (std::size_t n = 0; n < numbers.size(); ++n) {
    const auto& cells = numbers[n].cells;
    for (int r = 0; r < std::min<int>(max_rows, static_cast<int>(cells.size())); ++r) {
      if (cells[r] <= longest) continue;
      longest = cells[r];
      where = "號碼 " + core::zero_pad(static_cast<long long>(n) + 1, 2) + " 位置 " + core::zero_pad(r + 1, 3);
    }
  }
  return std::to_string(longest) + "期  " + where;
}

core::TextGrid gap_grid(const std::vector<NumberGaps>& numbers, int max_rows) {
  const int columns = static_cast<int>(numbers.size()) + 1;
  core::TextGrid grid(max_rows + 5, columns);
  for (int c = 1; c < columns; ++c) grid.set_cell(c, 0, core::ball_text(c));
  for (int r = 1; r < grid.rows(); ++r) grid.set_cell(0, r, core::zero_pad(r, 3));
  for (int c = 1; c < columns; ++c) {
    const auto& cells = numbers[c - 1].cells;
    for (std::size_t r = 0; r < cells.size(); ++r) grid.set_cell(c, static_cast<int>(r) + 1, gap_text(cells[r]));
  }
  return grid;
}

}  // namespace

std::string gap_text(int gap) {
  if (gap == 0) return " -";
  if (gap >= 1 && gap <= 9) return {' ', static_cast<char>('0' + gap)};
  return std::to_string(gap);
}

IntervalAnalysis analyse_intervals(const core::DrawHistory& history) {
  const int draw_count = history.stored_draws();
  IntervalAnalysis analysis;
  for (const auto& draws : appearances_of(history, draw_count)) {
    analysis.numbers.push_back(gaps_of(draws, draw_count));
    analysis.max_rows = std::max(analysis.max_rows, analysis.numbers.back().appearances);
  }
  analysis.longest_gap = longest_gap_label(analysis.numbers, analysis.max_rows);
  analysis.grid = gap_grid(analysis.numbers, analysis.max_rows);
  if (draw_count > 0) analysis.latest_issue = history.issue_no[draw_count - 1];
  return analysis;
}

}  // namespace intervals
