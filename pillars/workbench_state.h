// The state of the best-pillars workbench that its operations share for the life of the
// process. The window owns one; every field keeps the name the operations use. Tables
// that were fixed-size arrays are vectors here, bounded by the limits beside them.
//
// Pipeline: draw table -> period query (lines into Memo1/2/3) -> statistics and keys ->
// hot lists, selection -> pillar layout -> verification reports.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "pillars/arithmetic/star_counts.h"
#include "pillars/combination_keys.h"
#include "pillars/draw_marks.h"
#include "pillars/hot_combinations.h"
#include "pillars/pillar_cost.h"
#include "pillars/pillar_report.h"
#include "pillars/source_mode.h"
#include "pillars/statistics.h"

namespace pillars {

inline constexpr std::size_t kPickCapacity = 2500;  // pick_draws
inline constexpr int kMaxSelectable = 49;           // sel_no, number boxes

struct WorkbenchState {
  // Which query built the period list; the clear buttons re-run it.
  SourceMode source_mode = SourceMode::DateRange;
  std::string period_title;

  // Frequency codes (count x 100 + number / digit). After the statistics entry r-1 holds
  // the code at position r of the order. Sized max_ball (at most kMaxNumbers) and 10.
  std::vector<int> no_count;
  std::array<int, 10> tail_count{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

  // Distinct combination keys of the period list, first occurrence first; at most
  // kPairKeyCapacity, kTripleKeyCapacity, kQuadKeyCapacity entries. Text: key.text().
  std::vector<ComboKey> pair_keys, triple_keys, quad_keys;
  // Ordered hot combinations (same limits). Entry text: HotEntry::text().
  std::vector<HotEntry> hot2_list, hot3_list, hot4_list;
  std::string cur_combo;

  // Selection: sel_no entries 1 .. sel_count (two-digit text, ascending), at most 49.
  std::vector<std::string> sel_no;
  [[nodiscard]] int sel_count() const { return static_cast<int>(sel_no.size()); }
  std::string sel_text;

  // Pillar layout; its total and its costs (cost2, cost3, cost4) follow from the sizes.
  int pillar_count = 4;                          // 3 .. 8
  PillarSizes pillar_size{2, 2, 2, 2, 0, 0, 0, 0};  // each 0 .. 8
  PillarTable pillar_no;                         // [pillar-1][slot-1], every entry empty at first
  [[nodiscard]] int pillar_total() const { return pillar_layout(pillar_size).pillar_total; }
  [[nodiscard]] arith::StarCounts cost() const { return pillar_layout(pillar_size).cost; }

  // Last checked draw and run totals of the two verifications.
  std::int64_t draw_hits2 = 0, draw_hits3 = 0, draw_hits4 = 0;
  std::int64_t lenpon_tot2 = 0, lenpon_tot3 = 0, lenpon_tot4 = 0;
  std::int64_t pillar_tot2 = 0, pillar_tot3 = 0, pillar_tot4 = 0;
  std::array<std::string, 5> ball_mark{"__", "__", "__", "__", "__"};

  // Draw numbers (1-based) picked by the every-M-th and trace queries; pick_count is
  // pick_draws.size(), at most kPickCapacity.
  std::vector<int> pick_draws;

  // Identity table 1 .. max_ball; the computer arrangement reuses it as a code table.
  std::vector<int> no_index;
  // The selected numbers in the order the computer arrangement fills pillars (1 .. 49).
  std::vector<std::string> order_no;
  // Arrangements of the pillar analyses, as concatenated ball texts.
  std::vector<std::string> arrangement_list;

  // reset_table's part of the state: pillar table and hot lists emptied, no_count and
  // no_index the identity over 1 .. max_ball.
  void reset_tables(int max_ball);
  // FormShow's layout: 4 pillars of 2 and its cost.
  void reset_layout();
  // Stores a pillar layout's sizes.
  void set_layout(const PillarLayout& layout);
};

}  // namespace pillars
