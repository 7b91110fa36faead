#include "pillars/draw_marks.h"

#include "core/ball_text.h"
#include "pillars/arithmetic/pillar_check.h"

namespace pillars {

int number_value(std::string_view text) { return core::two_digit_value(text).value_or(0); }

DrawMarks check_balls(std::span<const std::vector<int>> groups, const BallTexts& balls) {
  std::array<int, kBalls> values{};
  for (int k = 0; k < kBalls; ++k) values[k] = number_value(balls[k]);
  const arith::DrawCheck check = arith::check_draw(groups, values);
  DrawMarks marks;
  for (int k = 0; k < kBalls; ++k) marks.ball_mark[k] = check.marked[k] ? std::string(balls[k]) : "__";
  marks.hits = check.wins;
  return marks;
}

std::string decorated_line(std::string_view line, const DrawMarks& marks) {
  std::string out;
  out.reserve(line.size() + 40);
  out += line;
  out += ",|,";
  for (const auto& mark : marks.ball_mark) {
    out += mark;
    out += ',';
  }
  out += "|,";
  out += std::to_string(marks.hits.two);
  out += ',';
  out += std::to_string(marks.hits.three);
  out += ',';
  out += std::to_string(marks.hits.four);
  return out;
}

}  // namespace pillars
