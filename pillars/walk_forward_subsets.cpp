#include "pillars/walk_forward_subsets.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

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

std::uint64_t packed(const std::array<std::int64_t, 3>& counts) {
  return static_cast<std::uint64_t>(counts[0]) << 42 | static_cast<std::uint64_t>(counts[1]) << 21 |
         static_cast<std::uint64_t>(counts[2]);
}

// Bits set in a mask of selection positions (at most 16 of them), without relying on a
// popcount instruction the build may not target.
int hits_in(std::uint32_t mask) {
  static const auto table = [] {
    std::array<std::uint8_t, 1 << arith::kMaxSelected> t{};
    for (std::size_t m = 1; m < t.size(); ++m) t[m] = static_cast<std::uint8_t>(t[m >> 1] + (m & 1u));
    return t;
  }();
  return table[mask & ((1u << arith::kMaxSelected) - 1)];
}

}  // namespace

SlidingSubsetSearch::SlidingSubsetSearch(arith::SubsetRun run, arith::Priority priority)
    : run_(run), priority_(priority) {
  const auto sizes = arith::shape_sizes(arith::run_shape(run));
  for (int hits = 0; hits < static_cast<int>(gain_by_hits_.size()); ++hits)
    gain_by_hits_[hits] = packed(arith::ordered_counts(most_wins(sizes, hits), priority));
}

std::uint32_t SlidingSubsetSearch::local_mask(std::uint64_t draw) const {
  std::uint32_t local = 0;
  for (std::size_t p = 0; p < selection_.size(); ++p)
    if (draw >> selection_[p] & 1u) local |= 1u << p;
  return local;
}

SlidingSubsetSearch::Key SlidingSubsetSearch::gain(std::uint32_t subset, std::uint32_t local_draw) const {
  return gain_by_hits_[std::min(hits_in(subset & local_draw), static_cast<int>(gain_by_hits_.size()) - 1)];
}

void SlidingSubsetSearch::carry_over(const arith::CoOccurrence& table, std::span<const std::uint64_t> window,
                                     std::span<const std::uint64_t> entered) {
  const auto& masks = arith::subset_masks(run_);
  for (const std::uint64_t draw : entered) {
    const std::uint32_t local = local_mask(draw);
    if (hits_in(local) < 2) continue;  // fewer than two balls win nothing anywhere
    for (std::size_t s = 0; s < entries_.size(); ++s) entries_[s].bound += gain(masks[s], local);
  }
  const std::vector<int> selection(table.numbers().begin(), table.numbers().end());
  if (!entries_.empty() && selection == selection_) return;

  // A new selection: subsets of numbers that stayed keep their bounds.
  std::unordered_map<std::uint64_t, Key> known(entries_.size() * 2);
  for (const Entry& e : entries_) known.emplace(e.balls, e.bound);
  selection_ = selection;
  std::vector<std::uint32_t> window_locals;
  for (const std::uint64_t draw : window)
    if (const std::uint32_t local = local_mask(draw); hits_in(local) >= 2) window_locals.push_back(local);
  entries_.assign(masks.size(), Entry{});
  for (std::size_t s = 0; s < masks.size(); ++s) {
    Entry& e = entries_[s];
    for (std::size_t p = 0; p < selection_.size(); ++p)
      if (masks[s] >> p & 1u) e.balls |= std::uint64_t{1} << selection_[p];
    if (const auto found = known.find(e.balls); found != known.end()) {
      e.bound = found->second;
      continue;
    }
    for (const std::uint32_t local : window_locals) e.bound += gain(masks[s], local);
  }
}

std::optional<arith::ScoredArrangement> SlidingSubsetSearch::best(const arith::CoOccurrence& table,
                                                                  std::span<const std::uint64_t> window,
                                                                  std::span<const std::uint64_t> entered) {
  if (table.size() != arith::run_selection_size(run_)) return std::nullopt;
  carry_over(table, window, calls_ == 0 ? std::span<const std::uint64_t>() : entered);
  ++calls_;
  // Highest bound first; only the few subsets searched are ever taken off the heap.
  std::vector<std::pair<Key, int>> heap(entries_.size());
  for (std::size_t s = 0; s < entries_.size(); ++s) heap[s] = {entries_[s].bound, static_cast<int>(s)};
  std::make_heap(heap.begin(), heap.end());

  const auto& masks = arith::subset_masks(run_);
  const arith::Shape shape = arith::run_shape(run_);
  std::optional<arith::ScoredArrangement> best;
  Key best_key = 0;
  std::vector<int> positions;
  while (!heap.empty() && !(best && heap.front().first < best_key)) {
    const int s = heap.front().second;
    std::pop_heap(heap.begin(), heap.end());
    heap.pop_back();
    positions.clear();
    for (int p = 0; p < table.size(); ++p)
      if (masks[s] >> p & 1u) positions.push_back(p);
    const auto found = arith::best_of_shape(shape, table, positions, priority_);
    ++searched_;
    if (!found) continue;
    entries_[s].bound = packed(arith::ordered_counts(found->wins, priority_));
    if (!best || arith::ranks_before(*found, *best, priority_)) {
      best = found;
      best_key = entries_[s].bound;
    }
  }
  return best;
}

}  // namespace pillars
