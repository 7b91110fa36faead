// The draw line of the draw file: 32 characters in fixed comma-separated columns,
//   yyyy/mm/dd,xxxxxx,00,00,00,00,00
// date, six-character issue number and the five balls in drawn order. This is the one
// place that knows the columns.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace core::draw_line {

inline constexpr std::size_t kLength = 32;
inline constexpr std::size_t kDateStart = 0, kDateLength = 10;
inline constexpr std::size_t kIssueStart = 11, kIssueLength = 6;
inline constexpr std::size_t kBallsStart = 18;  // the ball part "00,00,00,00,00"
inline constexpr std::array<std::size_t, 5> kBallStart{18, 21, 24, 27, 30};

// Column texts of a line; shorter lines give what they hold (possibly empty).
[[nodiscard]] constexpr std::string_view field(std::string_view line, std::size_t start, std::size_t length) {
  return start < line.size() ? line.substr(start, length) : std::string_view();
}
[[nodiscard]] constexpr std::string_view date(std::string_view line) { return field(line, kDateStart, kDateLength); }
[[nodiscard]] constexpr std::string_view issue(std::string_view line) { return field(line, kIssueStart, kIssueLength); }
[[nodiscard]] constexpr std::string_view ball(std::string_view line, int k) {  // k = 0..4
  return field(line, kBallStart[static_cast<std::size_t>(k)], 2);
}
// Everything from the first ball on ("05,31,39,01,37").
[[nodiscard]] constexpr std::string_view balls(std::string_view line) {
  return line.size() > kBallsStart ? line.substr(kBallsStart) : std::string_view();
}

}  // namespace core::draw_line
