// put_to_ltno: the derived columns of the draw table.
#include <algorithm>

#include "core/ball_text.h"
#include "core/dates.h"
#include "core/draw_line.h"
#include "core/loader.h"

namespace core {
namespace {

std::string date_error(int draw, std::string_view text) {
  return "開獎資料第 " + std::to_string(draw) + " 筆的日期「" + std::string(text) +
         "」不是有效的日期";
}

std::string ball_error(int draw, std::string_view text) {
  return "開獎資料第 " + std::to_string(draw) + " 筆的號碼「" + std::string(text) +
         "」不是有效的號碼";
}

// Derives draw index i (0-based) from its line; returns an error text or empty.
std::string derive_one(DrawHistory& h, int i, const std::string& line) {
  const std::string_view text(line);
  const auto date = parse_date(draw_line::date(text));
  if (!date) return date_error(i + 1, draw_line::date(text));
  std::string balls[kBallsPerDraw];
  for (int k = 0; k < kBallsPerDraw; ++k) {
    const std::string_view ball = draw_line::ball(text, k);
    if (!two_digit_value(ball)) return ball_error(i + 1, ball);
    balls[k] = std::string(ball);
  }
  h.draw_date[i] = day_number(*date);
  h.issue_no[i] = std::string(draw_line::issue(text));
  for (int k = 0; k < kBallsPerDraw; ++k) {
    h.ltno_drawn[k][i] = balls[k];
    h.ltno_copy[k][i] = balls[k];
    h.ltno_tail[k][i] = std::string(1, balls[k][1]);
    h.ltno_digitsum[k][i] = std::to_string(((balls[k][0] - '0') + (balls[k][1] - '0')) % 10);
  }
  // The documented exchange order; equal texts make it the same as any ascending sort.
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 5; ++b)
      if (balls[a] > balls[b]) std::swap(balls[a], balls[b]);
  for (int k = 0; k < kBallsPerDraw; ++k) h.ltno_sorted[k][i] = balls[k];
  return {};
}

}  // namespace

Status put_to_ltno(DrawHistory& history) {
  const int count = std::min<int>(history.draw_count, static_cast<int>(history.orirec.size()));
  for (int i = 0; i < count && i < kDrawCapacity; ++i) {
    std::string error = derive_one(history, i, history.orirec[i]);
    if (!error.empty()) return Error::error(std::move(error));
  }
  return {};
}

}  // namespace core
