#include "pillars/optimise_period.h"

namespace pillars {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int two_digit_value(std::string_view text) {
  if (text.size() != 2 || !is_digit(text[0]) || !is_digit(text[1])) return 0;
  return (text[0] - '0') * 10 + (text[1] - '0');
}

std::array<int, 5> period_line_balls(std::string_view line) {
  std::array<int, 5> balls{};
  for (size_t k = 0; k < balls.size(); ++k) {
    const size_t at = kOptimiseBallColumns[k];
    if (at + 2 <= line.size()) balls[k] = two_digit_value(line.substr(at, 2));
  }
  return balls;
}

std::uint64_t period_line_mask(std::string_view line) {
  std::uint64_t mask = 0;
  for (const int ball : period_line_balls(line))
    if (ball >= 1 && ball <= 63) mask |= std::uint64_t{1} << ball;
  return mask;
}

std::vector<std::uint64_t> period_masks(std::span<const std::string> lines) {
  std::vector<std::uint64_t> masks;
  masks.reserve(lines.size());
  for (const auto& line : lines) masks.push_back(period_line_mask(line));
  return masks;
}

}  // namespace pillars
