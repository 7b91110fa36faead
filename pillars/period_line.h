// The period line: one draw of the period list as 37 fixed-column characters,
//   0001,2009/01/02,096002,05,12,23,30,38
// sequence "0000", date, issue, the five balls ascending. Every workbench step reads the
// memo lines back by position, so this header is the one place that knows the columns.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/dates.h"
#include "core/draw_history.h"

namespace pillars {

inline constexpr std::size_t kPeriodLineLength = 37;
inline constexpr int kBalls = 5;
// 0-based start of each ball field (positions 24, 27, 30, 33, 36 counted from 1).
inline constexpr std::array<std::size_t, kBalls> kBallColumn = {23, 26, 29, 32, 35};

// The period line of draw `draw` (1-based, oldest first) numbered `sequence`.
// Precondition: 1 <= draw <= history.draw_count (callers loop over the table).
[[nodiscard]] std::string format_period_line(const core::DrawHistory& history, int draw,
                                             int sequence);

// The five ball fields of a memo line as text: two characters each, shorter (or empty)
// where the line ends early. Nothing is checked; this is the text that verifications
// compare.
using BallTexts = std::array<std::string_view, kBalls>;
[[nodiscard]] BallTexts ball_texts(std::string_view line);
BallTexts ball_texts(std::string&&) = delete;  // the views would outlive the text
inline BallTexts ball_texts(const char* line) { return ball_texts(std::string_view(line)); }

// The ten-character draw text of a line: the five ball fields concatenated.
[[nodiscard]] std::string draw_text(std::string_view line);
// The reverse: splits a draw text into its five two-character balls.
[[nodiscard]] BallTexts split_draw_text(std::string_view text);
BallTexts split_draw_text(std::string&&) = delete;
inline BallTexts split_draw_text(const char* text) { return split_draw_text(std::string_view(text)); }

// A two-character text as one comparable code; 0 for any other length, so that a
// short field, an empty line or a one-digit "5" never equals a ball. Equal codes mean
// equal texts.
[[nodiscard]] std::uint32_t text_token(std::string_view two_chars);

// The balls (and their unit digits) of a line whose five ball fields are two digits each.
struct LineNumbers {
  std::array<int, kBalls> ball{};  // 0 .. 99, in field order
  std::array<int, kBalls> tail{};  // the unit digit of each
};
// nullopt for a short line or a field that is not two digits.
[[nodiscard]] std::optional<LineNumbers> parse_line_numbers(std::string_view line);

// "yyyy/mm/dd" of a table day number.
using core::day_text;

}  // namespace pillars
