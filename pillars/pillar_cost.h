// Pillar count, sizes and cost ("選擇柱數"): what a layout of 3 to 8 pillars costs per
// draw in two-, three- and four-star bets, and the captions that show it.
//   sizes 2,2,2,2 -> 二星= 24 碰, 三星= 32 碰, 四星= 16 碰, 共= 72 碰
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "pillars/arithmetic/star_counts.h"
#include "core/result.h"

namespace pillars {

inline constexpr int kMaxPillars = 8;
inline constexpr int kMinPillars = 3;
inline constexpr int kMaxPillarSize = 8;

using PillarSizes = std::array<int, kMaxPillars>;

struct PillarLayout {
  PillarSizes pillar_size{};  // all eight boxes; inactive pillars 0
  int pillar_total = 0;
  arith::StarCounts cost;     // cost2, cost3, cost4
};

// The costs of eight sizes: E2, E3, E4 of all eight.
[[nodiscard]] PillarLayout pillar_layout(const PillarSizes& sizes);

// The pillar count box (CB_Select) read as a pillar count 3 .. 8.
[[nodiscard]] core::Result<int> read_pillar_count(std::string_view count_text);

// ComboBox1Change: the eight size boxes read as sizes 0 .. 8, and the layout.
[[nodiscard]] core::Result<PillarLayout> size_change(std::span<const std::string> size_texts);

// A new pillar count: the count, the size texts after the boxes beyond it show "0", and
// the layout of those texts. Refused as a whole (nothing to change) when the count or
// a size is out of range.
struct PillarCountChange {
  int pillar_count = 4;
  std::array<std::string, kMaxPillars> size_texts;
  PillarLayout layout;
};
[[nodiscard]] core::Result<PillarCountChange> pillar_count_change(std::string_view count_text,
                                                         std::span<const std::string> size_texts);

// The captions of a layout's cost (shown in lb_NOTT, lb_pon2..4 and lb_tot).
struct CostLabels {
  std::string number_total;  // 您立柱所有的號碼數為：8  請留意！必須和您上面所選的數目相同
  std::string two_star;      // 二星= 24 碰
  std::string three_star;
  std::string four_star;
  std::string all_bets;      // 共= 72 碰
};
[[nodiscard]] CostLabels cost_labels(const PillarLayout& layout);

}  // namespace pillars
