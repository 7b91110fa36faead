#include "core/records.h"

#include <string_view>

#include "core/draw_line.h"
#include "core/loader.h"

namespace core {

void set_record_header(TextGrid& grid, bool ascending) {
  static const char* const kDrawn[] = {"一落", "二落", "三落", "四落", "五落"};
  static const char* const kSorted[] = {"順一", "順二", "順三", "順四", "順五"};
  grid.set_cell(0, 0, "開獎日期");
  grid.set_cell(1, 0, "期  數");
  for (int k = 0; k < kBallsPerDraw; ++k) grid.set_cell(k + 2, 0, ascending ? kSorted[k] : kDrawn[k]);
}

void show_to_grid(TextGrid& grid, const DrawHistory& history) {
  grid.resize(history.draw_count + 1, kRecordColumns);
  for (int r = 1; r <= history.draw_count && r <= static_cast<int>(history.orirec.size()); ++r) {
    const std::string& line = history.orirec[r - 1];
    grid.set_cell(0, r, display_text(draw_line::date(line)));
    grid.set_cell(1, r, display_text(draw_line::issue(line)));
    for (int k = 0; k < kBallsPerDraw; ++k) grid.set_cell(k + 2, r, display_text(draw_line::ball(line, k)));
  }
}

void show_ball_columns(TextGrid& grid, const DrawHistory& history, bool ascending) {
  const BallColumns& balls = ascending ? history.ltno_sorted : history.ltno_drawn;
  for (int r = 1; r <= history.draw_count && r < grid.rows(); ++r)
    for (int k = 0; k < kBallsPerDraw; ++k) grid.set_cell(k + 2, r, balls[k][r - 1]);
}

std::string record_count_text(int draw_count) {
  return "開獎資料共 " + std::to_string(draw_count) + " 期";
}

}  // namespace core
