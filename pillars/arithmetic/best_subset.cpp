#include "pillars/arithmetic/best_subset.h"

#include <algorithm>
#include <thread>

#include "pillars/arithmetic/shape_scoring.h"

namespace pillars::arith {

namespace {

std::vector<std::uint32_t> build_masks(int n, int keep) {
  // Left-out positions i1 < i2 < ... chosen lexicographically, i1 outermost.
  const int drop = n - keep;
  const std::uint32_t all = (1u << n) - 1;
  std::vector<std::uint32_t> masks;
  std::vector<int> pick(drop);
  for (int i = 0; i < drop; ++i) pick[i] = i;
  while (true) {
    std::uint32_t left_out = 0;
    for (const int p : pick) left_out |= 1u << p;
    masks.push_back(all & ~left_out);
    int i = drop - 1;
    while (i >= 0 && pick[i] == n - drop + i) --i;
    if (i < 0) break;
    ++pick[i];
    for (int j = i + 1; j < drop; ++j) pick[j] = pick[j - 1] + 1;
  }
  return masks;
}

// Subsets computed per batch: small enough that a window pumping its events between
// batches stays responsive, large enough to keep both cores busy.
int batch_size(SubsetRun run) { return run == SubsetRun::ten_of_fifteen ? 64 : 128; }

}  // namespace

int run_selection_size(SubsetRun run) { return run == SubsetRun::eight_of_twelve ? 12 : 15; }
int run_subset_count(SubsetRun run) { return run == SubsetRun::eight_of_twelve ? 495 : 3003; }
Shape run_shape(SubsetRun run) {
  return run == SubsetRun::eight_of_twelve ? Shape::k2x2x2x2 : Shape::k2x2x3x3;
}

const std::vector<std::uint32_t>& subset_masks(SubsetRun run) {
  static const std::vector<std::uint32_t> twelve = build_masks(12, 8);
  static const std::vector<std::uint32_t> fifteen = build_masks(15, 10);
  return run == SubsetRun::eight_of_twelve ? twelve : fifteen;
}

BestSubsetSearch::BestSubsetSearch(SubsetRun run, CoOccurrence table, Priority priority, int threads)
    : run_(run),
      table_(std::move(table)),
      priority_(priority),
      threads_(std::clamp(threads, 1, 2)),
      valid_(table_.size() == run_selection_size(run)) {
  if (valid_) results_.resize(run_subset_count(run));
}

void BestSubsetSearch::compute_range(int first, int end) {
  const auto& masks = subset_masks(run_);
  const std::uint32_t all = (1u << table_.size()) - 1;
  auto work = [&](int start, int step) {
    std::vector<int> subset;
    for (int s = start; s < end; s += step) {
      subset.clear();
      for (int p = 0; p < table_.size(); ++p)
        if (masks[s] >> p & 1u) subset.push_back(p);
      SubsetBest& out = results_[s];
      out.subset = s + 1;
      out.left_out = all & ~masks[s];
      out.best = best_of_shape(run_shape(run_), table_, subset, priority_).value_or(ScoredArrangement{});
    }
  };
  if (threads_ == 1 || end - first < 2) {
    work(first, 1);
    return;
  }
  std::thread helper(work, first + 1, 2);
  work(first, 2);
  helper.join();
}

void BestSubsetSearch::compute_next() {
  if (finished()) return;
  if (computed_ >= ready_) {
    const int end = std::min(total(), ready_ + batch_size(run_));
    compute_range(ready_, end);
    ready_ = end;
  }
  ++computed_;
}

void BestSubsetSearch::compute_all() {
  if (finished()) return;
  if (ready_ < total()) {
    compute_range(ready_, total());
    ready_ = total();
  }
  computed_ = total();
}

std::vector<SubsetBest> BestSubsetSearch::bests() const {
  return {results_.begin(), results_.begin() + computed_};
}

std::vector<SubsetBest> BestSubsetSearch::ranked() const {
  auto list = bests();
  std::sort(list.begin(), list.end(), [this](const SubsetBest& a, const SubsetBest& b) {
    return ranks_before(a.best, b.best, priority_);
  });
  return list;
}

}  // namespace pillars::arith
