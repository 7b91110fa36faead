// Two-of-one (二中一) and three-of-one (三中一): every pair or triple of numbers ranked
// by how many trace rows hold at least one of them (the union count), then by how many
// marks they have together (the hit count), then by their numbers, all descending.
// Counts are compared as numbers, so traces of 1000 rows and more keep that order.
//
// The union counts come from one bit set of rows per number (a row is a bit), so a
// triple costs three ORs and a popcount per 64 rows instead of a walk over the grid.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace trace {

inline constexpr std::size_t kPairItems = 100;     // the two-of-one box offers 100 pairs
inline constexpr std::size_t kTripleItems = 1000;  // the three-of-one box at most 1000 triples

struct Choice {
  int union_count = 0;
  int hit_count = 0;
  int size = 2;                  // 2 or 3 numbers
  std::array<int, 3> numbers{};  // ascending

  // "07.21" / "07.21.33", as the box lists it.
  [[nodiscard]] std::string text() const;
};

// Every pair a < b of 1..max_ball over the rows' marks (bit n = number n marked).
[[nodiscard]] std::vector<Choice> rank_pairs(std::span<const std::uint64_t> row_marks, int max_ball);

// The triples a < b < c of 1..max_ball whose union count is more than 30 % of the rows
// (exactly 30 % is not enough; an empty trace has none).
[[nodiscard]] std::vector<Choice> rank_triples(std::span<const std::uint64_t> row_marks, int max_ball);

// The texts of the first `limit` choices: the box's items.
[[nodiscard]] std::vector<std::string> choice_items(const std::vector<Choice>& ranked, std::size_t limit);

}  // namespace trace
