// Computer-arranged pillars ("電腦排定號碼"): the selected numbers spread over the pillar
// layout the user chose. Each pillar first takes the least-drawn-together pair or triple
// of still-free numbers; the remaining places take single numbers, least shared first.
//
// Returns the pillar table and memos, the pair and triple orderings with their memo
// lines, and the ranked pair and triple lists the hot-combination lists take.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "pillars/hot_combinations.h"
#include "pillars/optimise_analysis.h"
#include "pillars/pillar_report.h"

namespace pillars {

// How many selected numbers an arrangement takes.
inline constexpr int kArrangeMinNumbers = 5;
inline constexpr int kArrangeMaxNumbers = 20;

struct ArrangeInput {
  std::span<const std::string> period_lines;  // the plain period list
  std::span<const std::string> selection;     // sel_no[1..sel_count]
  int pillar_count = 4;                       // 3..8
  std::array<int, 8> pillar_size{};           // the eight size boxes
};

using ArrangedPillars = std::array<std::array<std::string, 8>, 8>;  // pillar_no[p][s], 0-based

struct ComputerArrangement {
  std::vector<std::string> selection;   // sel_no after its ascending sort
  std::vector<HotEntry> hot2_list;      // every pair of the selection with its count; ranked
  std::vector<HotEntry> hot3_list;
  std::vector<std::string> mm_2;        // "0512  023"
  std::vector<std::string> mm3_2;       // "051223  007"
  std::vector<std::string> m2;          // code values n + 100 x total, ascending
  std::vector<std::string> m3;
  std::vector<std::string> order_no;    // entries 1..49 at 0..48; "" where unset
  ArrangedPillars pillar_no;
  std::vector<std::vector<std::string>> pillar_memos;  // Mx1..Mx(pillar_count), one number a line
};

// The checks of an arrangement that need no period: a selection of kArrangeMinNumbers
// .. kArrangeMaxNumbers numbers (refused first, so a caller can tell this refusal by
// the selection's size), sizes that add up to the selection, ball texts, 3..8 pillars
// of 0..8 numbers each.
[[nodiscard]] core::Status check_arrangement(const ArrangeInput& input);

// The arrangement after check_arrangement: the orderings (Button24Click,
// Button25Click) and the distribution (PPNO_Arrange). Selected numbers that share no
// drawn pair with the others, which the orderings leave out, follow in ascending order
// in order_no, so the fill-up can still place them.
[[nodiscard]] core::Result<ComputerArrangement> computer_arrange(const ArrangeInput& input);

// What 電腦排定號碼 ends with, over the plain period list of the arrangement: the
// arranged pillars verified as pillar_report verifies them, each pillar as long as its
// declared size.
[[nodiscard]] PillarReport arrangement_report(const ComputerArrangement& arranged, const ArrangeInput& input,
                                              std::string_view period_title);

// get_allno_selected: every k-number group (k = 2 or 3) of the ascending selection
// texts with the number of period lines holding all of it, ranked by count, then
// numbers, both descending.
[[nodiscard]] std::vector<HotEntry> selected_group_counts(std::span<const std::string> period_lines,
                                                          std::span<const std::string> selection, int k);

// CHK_PPNO_Double: the number equals an entry within the declared sizes.
[[nodiscard]] bool is_placed(const ArrangedPillars& pillar_no, int pillar_count,
                             const std::array<int, 8>& pillar_size, std::string_view number);

}  // namespace pillars
