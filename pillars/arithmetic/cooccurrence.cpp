#include "pillars/arithmetic/cooccurrence.h"

namespace pillars::arith {

std::optional<CoOccurrence> CoOccurrence::build(std::span<const std::uint64_t> draw_masks,
                                                std::span<const int> numbers) {
  if (numbers.size() > static_cast<size_t>(kMaxSelected)) return std::nullopt;
  if (static_cast<std::int64_t>(draw_masks.size()) > kMaxPeriodDraws) return std::nullopt;
  for (size_t i = 0; i < numbers.size(); ++i) {
    if (numbers[i] < 1 || numbers[i] > 63) return std::nullopt;
    if (i > 0 && numbers[i] <= numbers[i - 1]) return std::nullopt;
  }
  CoOccurrence t;
  t.size_ = static_cast<int>(numbers.size());
  t.draw_count_ = static_cast<std::int64_t>(draw_masks.size());
  t.numbers_.assign(numbers.begin(), numbers.end());
  t.table_.assign(size_t{1} << numbers.size(), 0);
  for (const std::uint64_t drawn : draw_masks) {
    std::uint32_t local = 0;
    for (int p = 0; p < t.size_; ++p) {
      if (drawn >> t.numbers_[p] & 1u) local |= 1u << p;
    }
    // A draw line carries five balls, so `local` has at most five bits and at most 31
    // non-empty subsets.
    for (std::uint32_t sub = local; sub != 0; sub = (sub - 1) & local) ++t.table_[sub];
  }
  return t;
}

}  // namespace pillars::arith
