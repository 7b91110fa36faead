// The 2x2x3x3 scorer behind the 10-of-15 search: the same 2520 arrangements in the same
// order as the generic scorer, with the within-pillar terms precomputed per subset and
// the four-star cross sums hoisted out of the two inner levels.
//
// For pillars P1..P4 over a subset with totals T2, T3, T4 (all pairs, triples and
// quadruples of the subset):
//   two-star   = T2 - sum of the pairs inside each pillar,
//   three-star = T3 - sum of the triples with two or more members inside one pillar,
//   four-star  = sum over c in P3, d in P4 of M(c, d), M(c, d) = sum over a in P1,
//                b in P2 of the quadruple (a, b, c, d), taken per P1/P2 choice.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/arithmetic/ranking.h"

namespace pillars::arith {

// The arrangement of `subset` (ten strictly ascending selection positions) that ranks
// first; nullopt when `subset` does not fit the table.
[[nodiscard]] std::optional<ScoredArrangement> best_2x2x3x3(const CoOccurrence& table,
                                                           std::span<const int> subset,
                                                           Priority priority);

// All 2520 arrangements in enumeration order, scored by the hoisted sums (for checks
// against the generic scorer).
[[nodiscard]] std::vector<ScoredArrangement> score_2x2x3x3_hoisted(const CoOccurrence& table,
                                                                  std::span<const int> subset);

}  // namespace pillars::arith
