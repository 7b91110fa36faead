// Ball texts: every ball is carried as two characters, zero-padded ("01" .. "39"), so
// ascending text order is numeric order. This is the one place that reads and writes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

[[nodiscard]] constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The value of a two-digit text ("00" .. "99"); nullopt for anything else ("5", " 5", "5x").
[[nodiscard]] constexpr std::optional<int> two_digit_value(std::string_view text) {
  if (text.size() != 2 || !is_digit(text[0]) || !is_digit(text[1])) return std::nullopt;
  return (text[0] - '0') * 10 + (text[1] - '0');
}

// The ball 1 .. max_ball a two-digit text names; nullopt for "00", "40" or no number.
[[nodiscard]] constexpr std::optional<int> ball_value(std::string_view text, int max_ball = 39) {
  const auto value = two_digit_value(text);
  if (!value || *value < 1 || *value > max_ball) return std::nullopt;
  return value;
}

// "05" for 5; values of three digits or more keep all their digits.
[[nodiscard]] std::string ball_text(int value);

// Every ball's text, "01" .. max_ball (the number boxes' items).
[[nodiscard]] std::vector<std::string> ball_texts(int max_ball);

}  // namespace core
