// What the two verification reports share: a draw checked against groups of numbers
// (pillars, or one group per number for the full combination), its five ball marks and
// the decorated line
//   0001,2009/01/02,IIIIII,05,12,23,30,38,|,05,__,23,__,__,|,1,0,0
// Numbers and balls are compared as two-digit texts: "5" never matches "05", and an
// empty text matches nothing.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pillars/arithmetic/star_counts.h"
#include "pillars/period_line.h"

namespace pillars {

struct DrawMarks {
  std::array<std::string, kBalls> ball_mark;  // the ball's text where matched, else "__"
  arith::StarCounts hits;                     // draw_hits2, draw_hits3, draw_hits4
};

// A two-digit number text as its value; 0 (never matching) for any other text.
[[nodiscard]] int number_value(std::string_view text);

// Checks the balls against the groups: each group's hits are its members found among
// the balls (first equal ball marked); the hits are the symmetric sums of the groups'
// hit counts.
[[nodiscard]] DrawMarks check_balls(std::span<const std::vector<int>> groups, const BallTexts& balls);

// The line + ",|," + the five marks each followed by "," + "|," + the three counts.
[[nodiscard]] std::string decorated_line(std::string_view line, const DrawMarks& marks);

}  // namespace pillars
