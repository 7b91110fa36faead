#include "pillars/optimise_period.h"

#include "core/ball_text.h"
#include "pillars/period_line.h"

namespace pillars {

std::array<int, 5> period_line_balls(std::string_view line) {
  std::array<int, 5> balls{};
  const BallTexts fields = ball_texts(line);
  for (size_t k = 0; k < balls.size(); ++k) balls[k] = core::two_digit_value(fields[k]).value_or(0);
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
