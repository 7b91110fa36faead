// Two-, three- and four-star counts and the elementary symmetric sums that produce them.
//
// A pillar layout's bets per draw are E2, E3, E4 of its pillar sizes; a draw's winning
// bets are E2, E3, E4 of its per-pillar hit counts (sizes 2,2,2,2 -> 24, 32, 16).
#pragma once

#include <cstdint>
#include <span>

namespace pillars::arith {

struct StarCounts {
  std::int64_t two = 0;
  std::int64_t three = 0;
  std::int64_t four = 0;

  StarCounts& operator+=(const StarCounts& other) {
    two += other.two;
    three += other.three;
    four += other.four;
    return *this;
  }
  friend bool operator==(const StarCounts&, const StarCounts&) = default;
};

// E2, E3, E4 of the values: sums of the products over all pairs, triples and quadruples
// of distinct positions.
[[nodiscard]] StarCounts symmetric_sums(std::span<const int> values);

// Incremental form of the same sums, for callers that produce the values one by one.
class SymmetricSums {
 public:
  void add(std::int64_t value) {
    e4_ += e3_ * value;
    e3_ += e2_ * value;
    e2_ += e1_ * value;
    e1_ += value;
  }
  [[nodiscard]] StarCounts counts() const { return {e2_, e3_, e4_}; }

 private:
  std::int64_t e1_ = 0, e2_ = 0, e3_ = 0, e4_ = 0;
};

}  // namespace pillars::arith
