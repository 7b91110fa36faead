// The draw table in the compact form the trace loops run on. Every trace, ranking and
// chart compares balls as their two-digit texts; a text of two digits is the same thing
// as its value 0..99, so each draw keeps the values of its balls in drawn and ascending
// order, the set of those values, and a 64-bit mask of the balls that own a grid column
// (1..max_ball). A ball 00 or 40..99 of a hand-edited file can still be asked for, but it
// has no column: it is never marked and never counted.
//
//   const trace::TraceTable table = trace::make_trace_table(history);
//   if (table.draw(i).balls.contains(5)) ...      // "05" is in draw i
//   std::popcount(table.draw(i).marks)             // balls of draw i that have a column
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/draw_history.h"

namespace trace {

inline constexpr int kBalls = 5;
inline constexpr int kNoBall = -1;         // a ball text that is not two digits: matches nothing
inline constexpr int kMaxColumnBall = 49;  // marks, tail and spacer columns fit in 64 bits

// A set of ball values 0..127 in two words.
struct BallSet {
  std::uint64_t low = 0;   // values 0..63
  std::uint64_t high = 0;  // values 64..127

  void add(int value);
  [[nodiscard]] bool contains(int value) const;
  // How many different values both sets hold.
  [[nodiscard]] int common(const BallSet& other) const;
};

struct TraceDraw {
  std::array<int, kBalls> drawn{};   // ball values in drawn order (kNoBall when unreadable)
  std::array<int, kBalls> sorted{};  // the same, ascending
  BallSet balls;                     // every readable ball value
  std::uint64_t marks = 0;           // bit n for each ball n within 1..max_ball
};

struct TraceTable {
  int max_ball = 39;
  std::vector<TraceDraw> draws;    // draw i (1-based) at element i-1, oldest first
  std::vector<std::string> dates;  // "yyyy/mm/dd"
  std::vector<std::string> issues;
  std::vector<int> days;  // days since 1899-12-30

  [[nodiscard]] int draw_count() const { return static_cast<int>(draws.size()); }
  [[nodiscard]] const TraceDraw& draw(int i) const { return draws[static_cast<std::size_t>(i - 1)]; }
  [[nodiscard]] const std::string& date(int i) const { return dates[static_cast<std::size_t>(i - 1)]; }
  [[nodiscard]] const std::string& issue(int i) const { return issues[static_cast<std::size_t>(i - 1)]; }
};

// Reads draws 1..draw_count of the derived columns (ltno_drawn, ltno_sorted, draw_date,
// issue_no). max_ball is held to 1..kMaxColumnBall.
[[nodiscard]] TraceTable make_trace_table(const core::DrawHistory& history);

// Bits 1..max_ball.
[[nodiscard]] std::uint64_t ball_range_mask(int max_ball);

// The value of a number box text: two digits, nothing else; kNoBall otherwise ("5", "5 ").
[[nodiscard]] int number_value(std::string_view text);

// The draw holding the issue, searching from the newest draw backwards.
[[nodiscard]] std::optional<int> find_issue(const TraceTable& table, std::string_view issue);

// The distance from draw s to the draw after the newest one: 1 for the newest draw.
[[nodiscard]] int next_draw_distance(const TraceTable& table, int s);

// The issues of the `count` newest draws, newest first (the issue boxes' items).
[[nodiscard]] std::vector<std::string> latest_issues(const TraceTable& table, int count = 11);

// Ball texts of draw s: drawn order or ascending.
[[nodiscard]] std::vector<std::string> drawn_texts(const TraceTable& table, int s);
[[nodiscard]] std::vector<std::string> sorted_texts(const TraceTable& table, int s);

}  // namespace trace
