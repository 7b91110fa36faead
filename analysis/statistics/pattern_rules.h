// The ten pattern rules (版路) over the rows of an exported trace. Rule i looks for a
// number that walks through the last rows: the same number (step 0) or one that moves by
// +1, -1, +2 or -2 per row, marked in consecutive rows (gap 1, 隔一版, rules 1-5) or in
// every second row ending one row before the last (gap 2, 隔二版, rules 6-10), for a run
// of L rows (連準, 2 to 5). A completed run predicts the next number of the walk.
//
//   rows ρj = R - g(L - j) - (g - 1), j = 1..L (none when ρ1 < 1)
//   n matches when n + (j-1)d is marked in row ρj for every j; the prediction is n + Ld
//
// A row's marks are a 64-bit mask, so a rule is a few shifts and ANDs: the candidates
// are the bits left in AND_j (mask(ρj) shifted back by (j-1)d).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/trace/trace.h"
#include "core/draw_history.h"
#include "core/rule_settings.h"

namespace statistics {

inline constexpr int kRules = 10;

struct RuleShape {
  int gap = 1;   // 1: 隔一版, 2: 隔二版
  int step = 0;  // 0, +1, -1, +2, -2
};
// Rule 1..10.
[[nodiscard]] RuleShape rule_shape(int rule);

// The numbers n (bit n) whose walk the rule finds in the rows whose marks are `marks`
// (row r at r-1): the run's rows are the last ones, so only the last 2L rows are read.
// The prediction of a start n is n + L·d.
[[nodiscard]] std::uint64_t walk_starts(std::span<const std::uint64_t> marks, int run_length, int rule, int max_ball);
// The predictions of every start, as bits.
[[nodiscard]] std::uint64_t walk_predictions(std::uint64_t starts, int run_length, int rule);

struct RuleCheck {
  std::string prediction;           // " NN" per matching n, ascending
  std::vector<std::string> detail;  // rule_detail: the name, then per match L evidence lines and "本期預測 NN"
};

// Krule_checking(L, i): the rule's prediction and evidence over the export's rows.
[[nodiscard]] RuleCheck Krule_checking(const trace::TraceExport& rows, int run_length, int rule,
                                       const std::array<std::string, core::kRuleCount>& rule_name, int max_ball);

struct RulesOutcome {
  std::string predictions;        // ed_result: every enabled rule's prediction, in rule order
  std::vector<std::string> memo;  // mmresult: "版路名稱：" + title, then the enabled rules' evidence
};

// sb_getno: the enabled rules (rule_on, rule_run_len, rule_name of the shared settings)
// over balls 1..max_ball.
[[nodiscard]] RulesOutcome run_rules(const trace::TraceExport& rows, const core::RuleSettings& settings, int max_ball,
                                     std::string_view title);

// The rule definition window's state copied into the shared settings: its ten check
// boxes into rule_on 1..10 and its run length (2..5) into rule_run_len.
void define_rules(core::RuleSettings& settings, const std::array<bool, kRules>& checked, int run_length);

}  // namespace statistics
