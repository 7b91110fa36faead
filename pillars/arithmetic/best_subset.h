// The best-subset searches: every 8 of 12 selected numbers in the 2x2x2x2 shape, every
// 10 of 15 in the 2x2x3x3 shape; per subset only the arrangement that ranks first is
// kept, and the subset bests are ranked at the end.
//
// The caller drives the search one subset at a time (a window pumps its events and polls
// its stop flag between calls). Subsets are computed ahead in small batches on up to two
// threads; a subset counts as computed only when the caller has advanced past it, so
// stopping before subset s gives exactly the results of subsets 1..s-1 of a sequential run.
#pragma once

#include <cstdint>
#include <vector>

#include "pillars/arithmetic/arrangements.h"
#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/arithmetic/ranking.h"

namespace pillars::arith {

enum class SubsetRun { eight_of_twelve, ten_of_fifteen };

[[nodiscard]] int run_selection_size(SubsetRun run);  // 12, 15
[[nodiscard]] int run_subset_count(SubsetRun run);    // 495, 3003
[[nodiscard]] Shape run_shape(SubsetRun run);         // 2x2x2x2, 2x2x3x3

// Subset s (1-based) as a mask of selection positions, in the order of the subset lists: the
// left-out positions run through their combinations lexicographically, so subset 1
// leaves out the first positions and the last subset the last ones.
[[nodiscard]] const std::vector<std::uint32_t>& subset_masks(SubsetRun run);

struct SubsetBest {
  int subset = 0;  // 1-based
  ScoredArrangement best;
  std::uint32_t left_out = 0;  // selection positions the subset leaves out
};

class BestSubsetSearch {
 public:
  // `table` must be built over run_selection_size(run) numbers; otherwise the search is
  // finished at once with nothing computed. `threads` is clamped to 1..2.
  BestSubsetSearch(SubsetRun run, CoOccurrence table, Priority priority, int threads = 2);

  [[nodiscard]] int total() const { return valid_ ? run_subset_count(run_) : 0; }
  [[nodiscard]] int computed() const { return computed_; }
  [[nodiscard]] int next_subset() const { return computed_ + 1; }  // 1-based
  [[nodiscard]] bool finished() const { return computed_ >= total(); }
  [[nodiscard]] Priority priority() const { return priority_; }
  [[nodiscard]] const CoOccurrence& table() const { return table_; }

  // Computes subset next_subset(); does nothing once finished.
  void compute_next();
  // Computes every remaining subset (the command-line run).
  void compute_all();

  // Subset bests 1..computed(), in subset order, and ranked.
  [[nodiscard]] std::vector<SubsetBest> bests() const;
  [[nodiscard]] std::vector<SubsetBest> ranked() const;

 private:
  void compute_range(int first, int end);  // 0-based, on the worker threads

  SubsetRun run_;
  CoOccurrence table_;
  Priority priority_;
  int threads_;
  bool valid_;
  int computed_ = 0;
  int ready_ = 0;  // subsets computed ahead of the caller
  std::vector<SubsetBest> results_;
};

}  // namespace pillars::arith
