// The per-draw pillar check: which of a draw's five balls some pillar number matched,
// and the draw's winning two-, three- and four-star bets.
//
// Pillars and balls are plain integers. A value of 0 (or below) never matches anything:
// it stands for a pillar memo line that is not a two-digit number ("", "5") and for a
// ball text that is not two digits.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "pillars/arithmetic/star_counts.h"

namespace pillars::arith {

struct DrawCheck {
  std::array<bool, 5> marked{};  // ball position k matched some pillar number
  StarCounts wins;               // E2, E3, E4 of the per-pillar hit counts
};

// Every member of every pillar is compared with balls 1..5 in order; the first equal
// ball is marked and counts one hit for that pillar. The same number in two pillars
// counts in both. Run totals are the caller's.
[[nodiscard]] DrawCheck check_draw(std::span<const std::vector<int>> pillars,
                                   const std::array<int, 5>& balls);

}  // namespace pillars::arith
