#include "pillars/draw_marks.h"

#include "pillars/arithmetic/pillar_check.h"

namespace pillars {

int number_value(std::string_view text) {
  if (text.size() != 2) return 0;
  const char tens = text[0], unit = text[1];
  if (tens < '0' || tens > '9' || unit < '0' || unit > '9') return 0;
  return (tens - '0') * 10 + (unit - '0');
}

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
