// What the double-trace window shows for one rule of a search: the match grid with the
// rule's number and verification per match, the labels, the plan panel and the worked
// explanation in the memo. A window calls show_double_trace after a search and after each
// step ("上一組" / "下一組"), and reset_view when it is shown again.
#pragma once

#include <string>
#include <vector>

#include "analysis/intervals/double_trace_search.h"
#include "core/ball_order.h"
#include "core/text_grid.h"

namespace intervals {

inline constexpr int kTraceGridColumns = 13;

struct DoubleTraceView {
  int rule_number = 0;           // the rule shown, 1-based; 0 without rules
  std::string rule_caption;      // lb_sortidx: "第 2 組"
  std::string rule_total;        // lb_tot: "共 3 組"
  std::string plan;              // "準2版  07.__.__"; "無" without rules
  core::TextGrid sgl;            // header, one row per match, a separator row
  std::vector<std::string> mm;   // the explanation; empty without rules
  bool steps_enabled = false;    // 上一組 and 下一組
};

// Rule `rule_number` of the search (clamped to 1 .. the number of rules), its balls and
// position texts (第2順球 / 第2落球) in the search's order.
[[nodiscard]] DoubleTraceView show_double_trace(const core::DrawHistory& history, const DoubleTraceSearch& search,
                                                int rule_number);

// The window shown again: the last matches listed (at most 13 of more than 15), no rule
// columns, labels and plan as at start, both step buttons disabled.
[[nodiscard]] DoubleTraceView reset_view(const core::DrawHistory& history, const DoubleTraceSearch& search);

// One line per rule, in rank order: "第 1 組,56,【定點】上1期第5順球,準2版  38.__.__".
[[nodiscard]] std::vector<std::string> rule_list_lines(const core::DrawHistory& history,
                                                       const DoubleTraceSearch& search);

// "【定點】上5期第1順球", "【定點】下3期第2落球" or "【定點】當期第4順球".
[[nodiscard]] std::string fixed_point_line(const DoubleTraceRule& rule, core::BallOrder order);

}  // namespace intervals
