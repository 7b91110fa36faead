#include "pillars/period_line.h"

#include <cmath>

#include "core/dates.h"

namespace pillars {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

void append_zero_padded(std::string& out, int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), '0');
  out += digits;
}

std::string_view field(std::string_view line, std::size_t start) {
  if (start >= line.size()) return {};
  return line.substr(start, 2);
}

}  // namespace

std::string day_text(double day_number) {
  return core::format_date(core::date_from_day_number(static_cast<int>(std::floor(day_number))));
}

std::string format_period_line(const core::DrawHistory& history, int draw, int sequence) {
  const auto i = static_cast<std::size_t>(draw - 1);
  std::string line;
  line.reserve(kPeriodLineLength);
  append_zero_padded(line, sequence, 4);
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
    const char tens = line[kBallColumn[k]];
    const char unit = line[kBallColumn[k] + 1];
    if (!is_digit(tens) || !is_digit(unit)) return std::nullopt;
    numbers.ball[k] = (tens - '0') * 10 + (unit - '0');
    numbers.tail[k] = unit - '0';
  }
  return numbers;
}

}  // namespace pillars
