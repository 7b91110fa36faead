#include "pillars/arithmetic/pillar_check.h"

namespace pillars::arith {

DrawCheck check_draw(std::span<const std::vector<int>> pillars, const std::array<int, 5>& balls) {
  DrawCheck result;
  SymmetricSums sums;
  for (const auto& pillar : pillars) {
    int hits = 0;
    for (const int member : pillar) {
      if (member <= 0) continue;
      for (size_t k = 0; k < balls.size(); ++k) {
        if (balls[k] != member) continue;
        result.marked[k] = true;
        ++hits;
        break;
      }
    }
    sums.add(hits);
  }
  result.wins = sums.counts();
  return result;
}

}  // namespace pillars::arith
