// What the tests of the pillar arithmetic share: the co-occurrence table of a period over a
// selection, and the priorities in the reference model's numbering.
#pragma once

#include <string>
#include <vector>

#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/arithmetic/ranking.h"
#include "pillars/optimise_period.h"

namespace testdata {

inline pillars::arith::CoOccurrence table_of(const std::vector<std::string>& period, const std::vector<int>& selection) {
  return *pillars::arith::CoOccurrence::build(pillars::period_masks(period), selection);
}

// The reference model numbers the priorities 0 four-star, 1 three-star, 2 two-star first.
inline constexpr pillars::arith::Priority kModelPriorities[] = {
    pillars::arith::Priority::four_first, pillars::arith::Priority::three_first, pillars::arith::Priority::two_first};

}  // namespace testdata
