// The best-subset search repeated on a window of draws that slides along the table, as
// the walk-forward check of 8of12 and 10of15 runs it: at every step the window loses its
// oldest draws, gains newer ones, and the selection may change a number or two.
//
// Searching all 3003 subsets again at every step would cost a full search per step. But
// each arrangement's wins change only by what the draws that left took away (at most) and
// what the draws that entered can add, and what one draw can add to any arrangement of a
// subset depends only on how many of its balls are in the subset (with four pillars of
// 2, 2, 3, 3: four balls give at most 6, 4 and 1 two-, three- and four-star wins). So a
// subset whose best was known at some earlier step has a bound now: that best plus what
// the draws entered since could add, compared in the ranking's order. A subset never
// searched is bounded by what the window's draws could give any of its arrangements.
// Subsets are searched in descending order of their bounds until the next bound falls
// below the best found; every subset left unsearched can then not rank first, so the
// result is exactly the full search's (BestSubsetSearch::ranked().front()).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pillars/arithmetic/best_subset.h"
#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/arithmetic/ranking.h"

namespace pillars {

class SlidingSubsetSearch {
 public:
  SlidingSubsetSearch(arith::SubsetRun run, arith::Priority priority);

  // The arrangement that ranks first over every subset of the table's selection
  // (arith::run_selection_size numbers), with selection positions. `window` holds the
  // ball masks the table was counted over; `entered` those of the draws that entered the
  // window since the previous call (ignored on the first call). nullopt when the table
  // does not fit the run.
  [[nodiscard]] std::optional<arith::ScoredArrangement> best(const arith::CoOccurrence& table,
                                                             std::span<const std::uint64_t> window,
                                                             std::span<const std::uint64_t> entered);

  // Subsets searched in full over all calls, and calls made (for the benchmarks).
  [[nodiscard]] long long searched() const { return searched_; }
  [[nodiscard]] long long calls() const { return calls_; }

 private:
  // Counts in the priority's order, 21 bits each: a window of at most 2499 draws and as
  // many steps, each draw adding at most 10, stay far below 2^21.
  using Key = std::uint64_t;
  struct Entry {
    std::uint64_t balls = 0;  // the subset's numbers as a ball mask
    Key bound = 0;            // no arrangement of the subset ranks above this key
  };

  void carry_over(const arith::CoOccurrence& table, std::span<const std::uint64_t> window,
                  std::span<const std::uint64_t> entered);
  // The draw's balls among the selection, as a mask of selection positions.
  [[nodiscard]] std::uint32_t local_mask(std::uint64_t draw) const;
  [[nodiscard]] Key gain(std::uint32_t subset, std::uint32_t local_draw) const;

  arith::SubsetRun run_;
  arith::Priority priority_;
  std::array<Key, 6> gain_by_hits_{};  // what one draw with k balls in a subset can add
  std::vector<Entry> entries_;         // in subset order of the current selection
  std::vector<int> selection_;
  long long searched_ = 0;
  long long calls_ = 0;
};

}  // namespace pillars
