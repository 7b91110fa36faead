#include "pillars/arithmetic/ranking.h"

#include <algorithm>

namespace pillars::arith {

std::array<std::int64_t, 3> ordered_counts(const StarCounts& w, Priority priority) {
  switch (priority) {
    case Priority::four_first: return {w.four, w.three, w.two};
    case Priority::three_first: return {w.three, w.two, w.four};
    case Priority::two_first: return {w.two, w.three, w.four};
  }
  return {w.two, w.three, w.four};
}

bool ranks_before(const ScoredArrangement& a, const ScoredArrangement& b, Priority priority) {
  const auto ka = ordered_counts(a.wins, priority);
  const auto kb = ordered_counts(b.wins, priority);
  if (ka != kb) return ka > kb;
  return a.arrangement > b.arrangement;
}

void rank_arrangements(std::vector<ScoredArrangement>& entries, Priority priority) {
  std::sort(entries.begin(), entries.end(),
            [priority](const auto& a, const auto& b) { return ranks_before(a, b, priority); });
}

}  // namespace pillars::arith
