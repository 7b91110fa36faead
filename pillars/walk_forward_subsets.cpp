#include "pillars/walk_forward_subsets.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <unordered_map>

#include "pillars/arithmetic/arrangements.h"
#include "pillars/arithmetic/shape_scoring.h"
#include "pillars/arithmetic/star_counts.h"

namespace pillars {

namespace {

// The most each star count can be for one draw with `hits` balls among the layout's
// numbers, over every way those balls can fall into pillars of `sizes`.
arith::StarCounts most_wins(std::span<const int> sizes, int hits) {
  arith::StarCounts most;
  std::vector<int> h(sizes.size());
  auto visit = [&](auto& self, std::size_t pillar, int left) -> void {
    if (pillar == sizes.size()) {
      if (left != 0) return;
      const arith::StarCounts c = arith::symmetric_sums(h);
      most = {std::max(most.two, c.two), std::max(most.three, c.three), std::max(most.four, c.four)};
      return;
    }
    for (int k = 0; k <= sizes[pillar] && k <= left; ++k) {
      h[pillar] = k;
      self(self, pillar + 1, left - k);
    }
  };
  visit(visit, 0, hits);
  return most;
}

void add(std::array<std::int64_t, 3>& to, const std::array<std::int64_t, 3>& more) {
  for (int i = 0; i < 3; ++i) to[i] += more[i];
}

}  // namespace

SlidingSubsetSearch::SlidingSubsetSearch(arith::SubsetRun run, arith::Priority priority)
    : run_(run), priority_(priority) {
  const auto sizes = arith::shape_sizes(arith::run_shape(run));
  for (int hits = 0; hits < static_cast<int>(gain_by_hits_.size()); ++hits)
    gain_by_hits_[hits] = arith::ordered_counts(most_wins(sizes, hits), priority);
}

SlidingSubsetSearch::Key SlidingSubsetSearch::gain(std::uint64_t balls, std::uint64_t draw) const {
  const int hits = std::min(std::popcount(balls & draw), static_cast<int>(gain_by_hits_.size()) - 1);
  return gain_by_hits_[hits];
}

void SlidingSubsetSearch::carry_over(const arith::CoOccurrence& table, std::span<const std::uint64_t> window,
                                     std::span<const std::uint64_t> entered) {
  for (Entry& e : entries_)
    for (const std::uint64_t draw : entered) add(e.bound, gain(e.balls, draw));
  const std::vector<int> selection(table.numbers().begin(), table.numbers().end());
  if (!entries_.empty() && selection == selection_) return;

  // A new selection: subsets of numbers that stayed keep their bounds.
  std::unordered_map<std::uint64_t, Key> known;
  for (const Entry& e : entries_) known.emplace(e.balls, e.bound);
  selection_ = selection;
  const auto& masks = arith::subset_masks(run_);
  entries_.assign(masks.size(), Entry{});
  for (std::size_t s = 0; s < masks.size(); ++s) {
    Entry& e = entries_[s];
    for (int p = 0; p < table.size(); ++p)
      if (masks[s] >> p & 1u) e.balls |= std::uint64_t{1} << selection_[p];
    if (const auto found = known.find(e.balls); found != known.end()) {
      e.bound = found->second;
      continue;
    }
    for (const std::uint64_t draw : window) add(e.bound, gain(e.balls, draw));
  }
}

std::optional<arith::ScoredArrangement> SlidingSubsetSearch::best(const arith::CoOccurrence& table,
                                                                  std::span<const std::uint64_t> window,
                                                                  std::span<const std::uint64_t> entered) {
  if (table.size() != arith::run_selection_size(run_)) return std::nullopt;
  carry_over(table, window, calls_ == 0 ? std::span<const std::uint64_t>() : entered);
  ++calls_;
  std::vector<int> order(entries_.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [this](int a, int b) { return entries_[a].bound > entries_[b].bound; });

  const auto& masks = arith::subset_masks(run_);
  const arith::Shape shape = arith::run_shape(run_);
  std::optional<arith::ScoredArrangement> best;
  Key best_key{};
  std::vector<int> positions;
  for (const int s : order) {
    if (best && entries_[s].bound < best_key) break;
    positions.clear();
    for (int p = 0; p < table.size(); ++p)
      if (masks[s] >> p & 1u) positions.push_back(p);
    const auto found = arith::best_of_shape(shape, table, positions, priority_);
    ++searched_;
    if (!found) continue;
    entries_[s].bound = arith::ordered_counts(found->wins, priority_);
    if (!best || arith::ranks_before(*found, *best, priority_)) {
      best = found;
      best_key = entries_[s].bound;
    }
  }
  return best;
}

}  // namespace pillars
