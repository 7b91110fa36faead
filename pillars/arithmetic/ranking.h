// The order of scored arrangements: the three win counts compared numerically in the
// chosen priority, then the arrangement text, greater first.
//
// This is the order of the 12-character sort keys ("000" + "0000" + "0000" +
// "_") sorted descending, for every total that fits its key field, and stays a proper
// count order beyond that.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "pillars/arithmetic/arrangements.h"
#include "pillars/arithmetic/star_counts.h"

namespace pillars::arith {

enum class Priority { four_first, three_first, two_first };

// The counts in the priority's comparison order: four-star first (4, 3, 2), three-star
// first (3, 2, 4), two-star first (2, 3, 4).
[[nodiscard]] std::array<std::int64_t, 3> ordered_counts(const StarCounts& wins, Priority priority);

struct ScoredArrangement {
  StarCounts wins;
  Arrangement arrangement;  // positions in the selection the counts were taken over
};

// True when `a` is listed before `b`. Arrangements must come from one ascending
// selection, so that position order is text order.
[[nodiscard]] bool ranks_before(const ScoredArrangement& a, const ScoredArrangement& b,
                                Priority priority);

void rank_arrangements(std::vector<ScoredArrangement>& entries, Priority priority);

}  // namespace pillars::arith
