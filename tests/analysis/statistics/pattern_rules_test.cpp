// The ten pattern rules on hand-made trace rows: a walk that completes every rule at
// every run length, the same walk broken, and the evidence texts.
#include "analysis/statistics/pattern_rules.h"

#include <gtest/gtest.h>

#include "core/loader.h"

namespace statistics {
namespace {

constexpr int kRowCount = 12;

trace::TraceExport rows_with(const std::vector<std::pair<int, int>>& marks, int row_count = kRowCount) {
  trace::TraceExport out;
  for (int r = 1; r <= row_count; ++r) {
    const std::string day = (r < 10 ? "0" : "") + std::to_string(r);
    out.rows.push_back({"2009/01/" + day, "0980" + day, 0});
  }
  for (const auto& [row, number] : marks)
    out.rows[static_cast<std::size_t>(row - 1)].marks |= std::uint64_t{1} << number;
  return out;
}

// The marks of the walk n, n + d, ... in the rows of rule `rule` at run length L.
std::vector<std::pair<int, int>> walk(int rule, int L, int n, int gap) {
  const int d = rule_shape(rule).step;
  std::vector<std::pair<int, int>> marks;
  for (int j = 1; j <= L; ++j) marks.push_back({kRowCount - gap * (L - j) - (gap - 1), n + (j - 1) * d});
  return marks;
}

core::RuleSettings settings() {
  core::RuleSettings h;
  core::reset_rule_settings(h);
  return h;
}

TEST(KruleChecking, EveryRuleAtEveryRunLength) {
  const auto names = settings().rule_name;
  for (int rule = 1; rule <= kRules; ++rule)
    for (int L = 2; L <= 5; ++L) {
      SCOPED_TRACE("rule " + std::to_string(rule) + " run " + std::to_string(L));
      const auto [gap, d] = rule_shape(rule);
      const int n = 20, predicted = n + L * d;
      const auto marks = walk(rule, L, n, gap);
      const RuleCheck hit = Krule_checking(rows_with(marks), L, rule, names, 39);
      EXPECT_EQ(hit.prediction, " " + std::to_string(predicted));
      ASSERT_EQ(hit.detail.size(), static_cast<std::size_t>(L) + 2);
      EXPECT_EQ(hit.detail.front(), names[static_cast<std::size_t>(rule - 1)]);
      EXPECT_EQ(hit.detail.back(), "本期預測 " + std::to_string(predicted));
      // The walk with its first mark missing, and the walk in the other rule family's rows.
      const auto broken = std::vector<std::pair<int, int>>(marks.begin() + 1, marks.end());
      const RuleCheck miss = Krule_checking(rows_with(broken), L, rule, names, 39);
      EXPECT_EQ(miss.prediction, "");
      EXPECT_TRUE(miss.detail.empty());
      EXPECT_EQ(Krule_checking(rows_with(walk(rule, L, n, 3 - gap)), L, rule, names, 39).prediction, "");
      // One run length longer needs one more row of the walk.
      if (L < 5) {
        EXPECT_EQ(Krule_checking(rows_with(marks), L + 1, rule, names, 39).prediction, "");
      }
    }
}

TEST(KruleChecking, EvidenceLinesAndSeveralMatches) {
  const auto names = settings().rule_name;
  // Rule 2, L = 3: 07, 08, 09 in the last three rows predict 10.
  const RuleCheck up = Krule_checking(rows_with({{10, 7}, {11, 8}, {12, 9}}), 3, 2, names, 39);
  EXPECT_EQ(up.detail,
            (std::vector<std::string>{"隔一版開 Ｎ＋１號(X1N+1)", "第098010期(2009/01/10)開 07",
                                      "第098011期(2009/01/11)開 08", "第098012期(2009/01/12)開 09", "本期預測 10"}));
  // Rule 1, L = 2: 30 and 05 both repeat; predictions in ascending order.
  const RuleCheck same = Krule_checking(rows_with({{11, 30}, {12, 30}, {11, 5}, {12, 5}}), 2, 1, names, 39);
  EXPECT_EQ(same.prediction, " 05 30");
  EXPECT_EQ(same.detail.size(), 7u);
}

TEST(KruleChecking, TooFewRowsAndPredictionsOutsideTheBalls) {
  const auto names = settings().rule_name;
  // Gap 2 at L = 3 needs 6 rows (rows 1, 3, 5 of 6; the last row is not used); gap 1 needs 3.
  EXPECT_EQ(Krule_checking(rows_with({{1, 5}, {3, 5}, {5, 5}}, 5), 3, 6, names, 39).prediction, "");
  EXPECT_EQ(Krule_checking(rows_with({{1, 5}, {3, 5}, {5, 5}}, 6), 3, 6, names, 39).prediction, " 05");
  EXPECT_EQ(Krule_checking(rows_with({{1, 5}, {2, 5}}, 2), 3, 1, names, 39).prediction, "");
  EXPECT_EQ(Krule_checking({}, 2, 1, names, 39).prediction, "");
  // 35..39 would predict 40, 10, 8, .., 2 would predict 0: neither is tried.
  EXPECT_EQ(Krule_checking(rows_with(walk(2, 5, 35, 1)), 5, 2, names, 39).prediction, "");
  EXPECT_EQ(Krule_checking(rows_with(walk(5, 5, 10, 1)), 5, 5, names, 39).prediction, "");
  EXPECT_EQ(Krule_checking(rows_with(walk(5, 5, 11, 1)), 5, 5, names, 39).prediction, " 01");
}

TEST(RunRules, EnabledRulesInOrderWithTheirEvidence) {
  core::RuleSettings h = settings();
  // Row 11 holds 20 and 21, row 12 holds 20 and 22: rule 1 predicts 20, rule 2 (21 -> 22)
  // is switched off, rule 3 (21 -> 20) predicts 19, rule 4 (20 -> 22) predicts 24.
  const auto rows = rows_with({{11, 20}, {12, 20}, {11, 21}, {12, 22}});
  std::array<bool, kRules> on{};
  on.fill(true);
  on[1] = false;
  define_rules(h, on, 2);
  EXPECT_EQ(h.rule_run_len, 2);
  const RulesOutcome outcome = run_rules(rows, h, 39, "本期開 05 下 1 期 拖牌分析");
  EXPECT_EQ(outcome.predictions, " 20 19 24");
  EXPECT_EQ(outcome.memo.size(), 1u + 3 * 4);
  EXPECT_EQ(outcome.memo.front(), "版路名稱：本期開 05 下 1 期 拖牌分析");
  on.fill(false);
  define_rules(h, on, 3);
  const RulesOutcome none = run_rules(rows, h, 39, "");
  EXPECT_EQ(none.predictions, "");
  EXPECT_EQ(none.memo, (std::vector<std::string>{"版路名稱："}));
}

}  // namespace
}  // namespace statistics
