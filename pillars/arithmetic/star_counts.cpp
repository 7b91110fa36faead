#include "pillars/arithmetic/star_counts.h"

namespace pillars::arith {

StarCounts symmetric_sums(std::span<const int> values) {
  SymmetricSums sums;
  for (const int v : values) sums.add(v);
  return sums.counts();
}

}  // namespace pillars::arith
