// put_to_ltno: the derived columns of the draw table.
#include <algorithm>

#include "core/ball_text.h"
#include "core/dates.h"
#include "core/draw_line.h"
#include "core/loader.h"

namespace core {
namespace {

// Where the user finds the line: its line number in the draw file when known, else its
// place in the table.
std::string where(const DrawHistory& h, int i) {
  if (static_cast<std::size_t>(i) < h.orirec_line.size() && h.orirec_line[i] > 0)
    return "開獎資料檔第 " + std::to_string(h.orirec_line[i]) + " 行";
  return "開獎資料第 " + std::to_string(i + 1) + " 筆";
}

std::string field_error(const DrawHistory& h, int i, std::string_view what, std::string_view bytes) {
  return where(h, i) + "的" + std::string(what) + "「" + display_text(bytes) + "」不是有效的" + std::string(what);
}

// Derives draw index i (0-based) from its line; returns an error text or empty.
std::string derive_one(DrawHistory& h, int i, const std::string& line) {
  const std::string_view text(line);
  const auto date = parse_date(draw_line::date(text));
  if (!date) return field_error(h, i, "日期", draw_line::date(text));
  // Each ball's text is made once and copied (every load derives 2,500 draws).
  std::string_view balls[kBallsPerDraw];
  int values[kBallsPerDraw];
  for (int k = 0; k < kBallsPerDraw; ++k) {
    balls[k] = draw_line::ball(text, k);
    const auto value = two_digit_value(balls[k]);
    if (!value) return field_error(h, i, "號碼", balls[k]);
    values[k] = *value;
  }
  h.draw_date[i] = day_number(*date);
  h.issue_no[i] = display_text(draw_line::issue(text));
  for (int k = 0; k < kBallsPerDraw; ++k) {
    h.ltno_drawn[k][i] = std::string(balls[k]);
    h.ltno_copy[k][i] = h.ltno_drawn[k][i];
    h.ltno_tail[k][i].assign(1, balls[k][1]);
    h.ltno_digitsum[k][i].assign(1, static_cast<char>('0' + ((balls[k][0] - '0') + (balls[k][1] - '0')) % 10));
  }
  // The documented exchange order (equal texts make it the same as any ascending sort),
  // by value, as two-digit texts order.
  int order[kBallsPerDraw] = {0, 1, 2, 3, 4};
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 5; ++b)
      if (values[order[a]] > values[order[b]]) std::swap(order[a], order[b]);
  for (int k = 0; k < kBallsPerDraw; ++k) h.ltno_sorted[k][i] = h.ltno_drawn[order[k]][i];
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
