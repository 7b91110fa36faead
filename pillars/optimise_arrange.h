// Computer-arranged pillars ("電腦排定號碼"): the selected numbers spread over the pillar
// layout the user chose. Each pillar first takes the least-drawn-together pair or triple
// of still-free numbers; the remaining places take single numbers, least shared first.
//
// Returns everything the window shows: the pillar table and memos, the hidden memos of
// the pair and triple orderings, and the lists the hot-combination memos share.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pillars/optimise_analysis.h"

namespace pillars {

struct ArrangeInput {
  std::span<const std::string> period_lines;  // the plain period list (after the TS6 clear)
  std::span<const std::string> selection;     // sel_no[1..sel_count]
  int pillar_count = 4;                       // 3..8
  std::array<int, 8> pillar_size{};           // the eight size boxes
};

using ArrangedPillars = std::array<std::array<std::string, 8>, 8>;  // pillar_no[p][s], 0-based

struct ComputerArrangement {
  std::vector<std::string> selection;   // sel_no after its ascending sort
  std::vector<std::string> hot2_list;   // "023" + "0512": count, then the pair; ranked
  std::vector<std::string> hot3_list;
  std::vector<std::string> mm_2;        // "0512  023"
  std::vector<std::string> mm3_2;       // "051223  007"
  std::vector<std::string> m2;          // code values n + 100 x total, ascending
  std::vector<std::string> m3;
  std::vector<std::string> order_no;    // entries 1..49 at 0..48; "" where unset
  ArrangedPillars pillar_no;
  std::vector<std::vector<std::string>> pillar_memos;  // Mx1..Mx(pillar_count), one number a line
};

struct ComputerArrangeResult {
  std::optional<OptimiseRefusal> refused;  // page switch only for the 5..20 message
  ComputerArrangement arrangement;
};

// Button19Click up to the verification: checks, orderings (Button24Click,
// Button25Click) and the distribution (PPNO_Arrange). Selected numbers that share no
// drawn pair with the others, which the orderings leave out, follow in ascending order
// in order_no, so the fill-up can still place them.
[[nodiscard]] ComputerArrangeResult computer_arrange(const ArrangeInput& input);

// get_allno_selected: "ccc" + numbers for every k-number group (k = 2 or 3) of the
// ascending selection texts, ranked by count, then numbers, both descending.
[[nodiscard]] std::vector<std::string> selected_group_counts(std::span<const std::string> period_lines,
                                                             std::span<const std::string> selection, int k);

// CHK_PPNO_Double: the number equals an entry within the declared sizes.
[[nodiscard]] bool is_placed(const ArrangedPillars& pillar_no, int pillar_count,
                             const std::array<int, 8>& pillar_size, std::string_view number);

}  // namespace pillars
