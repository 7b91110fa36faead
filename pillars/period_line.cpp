#include "pillars/period_line.h"

#include <cmath>

#include "core/ball_text.h"
#include "core/dates.h"
#include "core/numbers.h"

namespace pillars {
namespace {

std::string_view field(std::string_view line, std::size_t start) {
  if (start >= line.size()) return {};
  return line.substr(start, 2);
}

}  // namespace


std::string format_period_line(const core::DrawHistory& history, int draw, int sequence) {
  const auto i = static_cast<std::size_t>(draw - 1);
  std::string line;
  line.reserve(kPeriodLineLength);
  line += core::zero_pad(sequence, 4);
  line += ',';
  line += day_text(history.draw_date[i]);
  line += ',';
  line += history.issue_no[i];
  for (int k = 0; k < kBalls; ++k) {
    line += ',';
    line += history.ltno_sorted[k][i];
  }
  return line;
}

BallTexts ball_texts(std::string_view line) {
  BallTexts balls;
  for (int k = 0; k < kBalls; ++k) balls[k] = field(line, kBallColumn[k]);
  return balls;
}

std::string draw_text(std::string_view line) {
  std::string text;
  text.reserve(2 * kBalls);
  for (auto ball : ball_texts(line)) text += ball;
  return text;
}

BallTexts split_draw_text(std::string_view text) {
  BallTexts balls;
  for (int k = 0; k < kBalls; ++k) balls[k] = field(text, 2 * static_cast<std::size_t>(k));
  return balls;
}

std::uint32_t text_token(std::string_view two_chars) {
  if (two_chars.size() != 2) return 0;
  return 0x10000u | (static_cast<std::uint32_t>(static_cast<unsigned char>(two_chars[0])) << 8) |
         static_cast<unsigned char>(two_chars[1]);
}

std::optional<LineNumbers> parse_line_numbers(std::string_view line) {
  if (line.size() < kPeriodLineLength) return std::nullopt;
  LineNumbers numbers;
  for (int k = 0; k < kBalls; ++k) {
    const auto ball = core::two_digit_value(line.substr(kBallColumn[k], 2));
    if (!ball) return std::nullopt;
    numbers.ball[k] = *ball;
    numbers.tail[k] = *ball % 10;
  }
  return numbers;
}

}  // namespace pillars
