#include "analysis/statistics/pattern_rules.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/ball_text.h"

namespace statistics {
namespace {

// A row's marks moved so that bit n answers "is n + offset marked".
std::uint64_t shifted_back(std::uint64_t marks, int offset) {
  if (offset >= 64 || offset <= -64) return 0;
  return offset >= 0 ? marks >> offset : marks << -offset;
}

// Bits lo..hi.
std::uint64_t bits_between(int lo, int hi) {
  std::uint64_t mask = 0;
  for (int n = std::max(lo, 0); n <= hi && n < 64; ++n) mask |= std::uint64_t{1} << n;
  return mask;
}

std::string evidence(const trace::ExportRow& row, int number) {
  return "第" + row.issue + "期(" + row.date + ")開 " + core::ball_text(number);
}

}  // namespace

RuleShape rule_shape(int rule) {
  static constexpr int kSteps[5] = {0, 1, -1, 2, -2};
  if (rule < 1 || rule > kRules) return {};
  return {rule <= 5 ? 1 : 2, kSteps[(rule - 1) % 5]};
}

std::uint64_t walk_starts(std::span<const std::uint64_t> marks, int run_length, int rule, int max_ball) {
  const RuleShape shape = rule_shape(rule);
  const int g = shape.gap, d = shape.step;
  const int L = run_length, R = static_cast<int>(marks.size());
  if (L < 1 || rule < 1 || rule > kRules) return 0;
  auto row_of = [&](int j) { return R - g * (L - j) - (g - 1); };  // ρj, 1-based
  if (row_of(1) < 1) return 0;
  const int lo = d < 0 ? 1 + L * -d : 1, hi = d > 0 ? max_ball - L * d : max_ball;
  std::uint64_t candidates = bits_between(lo, hi);
  for (int j = 1; j <= L; ++j) candidates &= shifted_back(marks[static_cast<std::size_t>(row_of(j) - 1)], (j - 1) * d);
  return candidates;
}

std::uint64_t walk_predictions(std::uint64_t starts, int run_length, int rule) {
  return shifted_back(starts, -run_length * rule_shape(rule).step);
}

RuleCheck Krule_checking(const trace::TraceExport& rows, int run_length, int rule,
                         const std::array<std::string, core::kRuleCount>& rule_name, int max_ball) {
  RuleCheck check;
  std::vector<std::uint64_t> marks;
  marks.reserve(rows.rows.size());
  for (const trace::ExportRow& row : rows.rows) marks.push_back(row.marks);
  const RuleShape shape = rule_shape(rule);
  const int g = shape.gap, d = shape.step;
  const int L = run_length, R = static_cast<int>(rows.rows.size());
  auto row_of = [&](int j) { return R - g * (L - j) - (g - 1); };  // ρj, 1-based
  for (std::uint64_t starts = walk_starts(marks, L, rule, max_ball); starts; starts &= starts - 1) {
    const int n = std::countr_zero(starts);
    (check.prediction += ' ') += core::ball_text(n + L * d);
    for (int j = 1; j <= L; ++j)
      check.detail.push_back(evidence(rows.rows[static_cast<std::size_t>(row_of(j) - 1)], n + (j - 1) * d));
    check.detail.push_back("本期預測 " + core::ball_text(n + L * d));
  }
  if (!check.detail.empty()) check.detail.insert(check.detail.begin(), rule_name[static_cast<std::size_t>(rule - 1)]);
  return check;
}

RulesOutcome run_rules(const trace::TraceExport& rows, const core::RuleSettings& settings, int max_ball,
                       std::string_view title) {
  RulesOutcome out;
  out.memo.push_back("版路名稱：" + std::string(title));
  for (int rule = 1; rule <= kRules; ++rule) {
    if (!settings.rule_on[static_cast<std::size_t>(rule - 1)]) continue;
    RuleCheck check = Krule_checking(rows, settings.rule_run_len, rule, settings.rule_name, max_ball);
    out.predictions += check.prediction;
    out.memo.insert(out.memo.end(), check.detail.begin(), check.detail.end());
  }
  return out;
}

void define_rules(core::RuleSettings& settings, const std::array<bool, kRules>& checked, int run_length) {
  for (std::size_t i = 0; i < checked.size(); ++i) settings.rule_on[i] = checked[i];
  settings.rule_run_len = run_length;
}

}  // namespace statistics
