// Which draws the trace summary chart counts after: the draws that resemble a reference.
//
//   summary level L (獨支 1, 二星 2, 三星 3): the draw shares at least L different numbers
//     with the reference draw's balls;
//   Numbers (不定位號碼, "0618"): every query number takes a different ball of the draw;
//   Tails (不定位尾數, "33"): every query digit takes a different ball ending in it;
//   Positions (定位號碼): every filled field j equals ball j; PositionTails (定位尾數):
//     ball j ends in the field's digit. Ball j counts in drawn or ascending order.
// Numbers are two-digit texts as everywhere: "5" or "5x" matches nothing, and a query of
// any length other than 2, 4 or 6 (numbers) or 1 to 4 (tails) matches nothing.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/trace/trace_table.h"

namespace trace {

enum class ChartQueryKind { Numbers, Tails, Positions, PositionTails };

struct ChartQuery {
  ChartQueryKind kind = ChartQueryKind::Numbers;
  std::string text;                   // Edit1 / Edit1T as typed
  std::array<std::string, 5> fields;  // Editno1..5 / EditT1..5
  bool ascending = false;             // 順球; 落球 (drawn order) otherwise

  [[nodiscard]] bool positional() const {
    return kind == ChartQueryKind::Positions || kind == ChartQueryKind::PositionTails;
  }
  [[nodiscard]] bool asks_tails() const {
    return kind == ChartQueryKind::Tails || kind == ChartQueryKind::PositionTails;
  }
  // The query as its title and message name it: the box text, or the five fields joined by ",".
  [[nodiscard]] std::string shown_text() const;
};

// "0618" from " 06 18": the number box text without its spaces.
[[nodiscard]] std::string without_spaces(std::string_view text);

class ChartMatcher {
 public:
  // Summary mode: at least `level` different numbers of `reference`.
  [[nodiscard]] static ChartMatcher summary(int level, const BallSet& reference);
  [[nodiscard]] static ChartMatcher query(const ChartQuery& query);

  [[nodiscard]] bool matches(const TraceDraw& draw) const;

 private:
  enum class Mode { Shares, AnyBalls, AnyTails, AtPositions, TailsAtPositions, Nothing };
  Mode mode_ = Mode::Nothing;
  int level_ = 0;
  BallSet reference_;
  std::vector<int> wanted_;            // AnyBalls / AnyTails: values or digits
  std::array<int, kBalls> at_{};       // positional: wanted value or digit per position, or kNoBall
  std::array<bool, kBalls> filled_{};  // positional: the field holds text
  bool ascending_ = false;
};

}  // namespace trace
