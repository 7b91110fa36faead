// Divisions of a fixed set of numbers into pillars of one of the four analysed shapes,
// enumerated by position in exactly the order the reports depend on.
//
// Everything here works on positions 0..n-1 of the ascending number list S, so one
// table per shape serves every selection: the arrangement of S is S[positions[0]],
// S[positions[1]], ... cut into pillars by the shape's sizes. Because S is ascending,
// comparing two arrangements' position sequences orders them as their texts.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace pillars::arith {

enum class Shape { k2x2x2x2, k3x3x3, k1x1x2x2x2, k2x2x3x3 };

inline constexpr int kMaxArrangedNumbers = 10;

struct Arrangement {
  // Positions in arrangement order (pillar 1's numbers first); entries past `count` are 0.
  std::array<std::uint8_t, kMaxArrangedNumbers> positions{};
  std::uint8_t count = 0;

  friend auto operator<=>(const Arrangement&, const Arrangement&) = default;
};

[[nodiscard]] std::span<const int> shape_sizes(Shape shape);  // {2,2,2,2}, {3,3,3}, ...
[[nodiscard]] int shape_numbers(Shape shape);                 // 8, 9, 8, 10
[[nodiscard]] int shape_arrangement_count(Shape shape);       // 105, 280, 420, 2520

// Position groups of `k` (2..4) out of 0..n-1, each ascending, in lexicographic order.
// First-number groups all contain position 0 (the text layer's pick_type1); all groups
// are every combination (pick_type2). Other k give no groups.
using PositionGroup = std::array<int, 4>;
[[nodiscard]] std::vector<PositionGroup> first_number_groups(int n, int k);
[[nodiscard]] std::vector<PositionGroup> all_groups(int n, int k);

// Every arrangement of the shape in the order the reports rely on. The 2x2x3x3 list holds only
// the divisions with position 0 in pillar 1. Built once; safe to call from any thread.
[[nodiscard]] const std::vector<Arrangement>& arrangements(Shape shape);

}  // namespace pillars::arith
