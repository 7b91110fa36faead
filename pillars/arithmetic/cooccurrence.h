// How many period draws contain each pair, triple and quadruple of the selected
// numbers: counted once per period and selection, so that scoring an arrangement never
// walks the draws again.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pillars::arith {

inline constexpr int kMaxSelected = 16;
// Scores are packed in 21-bit fields; a draw adds at most 10 to any of them.
inline constexpr std::int64_t kMaxPeriodDraws = 200000;

class CoOccurrence {
 public:
  // `draw_masks`: one mask per period line, bit b set when ball b (1..63) was drawn.
  // `numbers`: the selected numbers, strictly ascending within 1..63, so that position
  // order is text order. nullopt for any other list, more than kMaxSelected numbers or
  // more than kMaxPeriodDraws draws.
  [[nodiscard]] static std::optional<CoOccurrence> build(std::span<const std::uint64_t> draw_masks,
                                                         std::span<const int> numbers);

  [[nodiscard]] int size() const { return size_; }
  [[nodiscard]] std::int64_t draw_count() const { return draw_count_; }
  [[nodiscard]] int number(int position) const { return numbers_[position]; }
  [[nodiscard]] std::span<const int> numbers() const { return numbers_; }

  // Draws containing every number whose position bit is set in `positions`. Exact for
  // 1..5 bits (a draw has five balls); more bits read 0. `positions` must stay below
  // 1 << size(): this is the scoring loops' lookup and is not checked.
  [[nodiscard]] int count(std::uint32_t positions) const { return table_[positions]; }

 private:
  CoOccurrence() = default;
  int size_ = 0;
  std::int64_t draw_count_ = 0;
  std::vector<int> numbers_;
  std::vector<int> table_;  // indexed by a mask of selection positions
};

}  // namespace pillars::arith
