#include "analysis/backtest/backtest_report.h"

#include "analysis/moving/moving_rule.h"
#include "core/ball_text.h"
#include "core/join.h"
#include "core/number_format.h"
#include "core/numbers.h"

namespace backtest {
namespace {

std::string number_list(std::uint64_t numbers) {
  std::string text;
  for (int n = 1; n < 64; ++n)
    if (numbers >> n & 1u) (text += text.empty() ? "" : ".") += core::ball_text(n);
  return text;
}

Verdict verdict_at(const Summary& s, double threshold) {
  return s.upper <= threshold ? Verdict::above_chance : s.lower <= threshold ? Verdict::below_chance : Verdict::no_difference;
}

std::string percent(double rate) { return core::fixed(rate * 100, 1) + "%"; }

}  // namespace

std::vector<std::string> step_titles() { return {"序號", "日期", "期數", "預測號碼", "個數", "命中號碼", "命中數"}; }

std::vector<std::string> step_fields(const Backtest& run, const Step& step) {
  return {core::zero_pad(step.index, 4), run.date_of(step.draw), run.issue_of(step.draw), number_list(step.numbers),
          std::to_string(step.count()), number_list(step.hits), std::to_string(step.hit_count())};
}

std::vector<std::string> summary_lines(const Summary& s) {
  return {"有預測期數," + std::to_string(s.predicted_draws),
          "預測號碼總數," + std::to_string(s.numbers),
          "命中總數," + std::to_string(s.hits),
          "命中率," + core::fixed(s.rate, 4),
          "隨機命中率," + core::fixed(s.chance_rate, 4),
          "期望命中數," + core::fixed(s.expected, 4),
          "至少中一期數," + std::to_string(s.hit_draws) + "," + core::fixed(s.expected_hit_draws, 4),
          "z值," + core::fixed(s.z, 2),
          "上尾機率," + core::fixed(s.upper, 4),
          "下尾機率," + core::fixed(s.lower, 4),
          "結論," + verdict_text(s.verdict)};
}

std::vector<std::string> backtest_lines(const Backtest& run) {
  std::vector<std::string> lines{title(run.settings()), core::join(step_titles())};
  lines.reserve(run.steps().size() + 14);
  for (const Step& step : run.steps()) lines.push_back(core::join(step_fields(run, step)));
  const auto summary = summary_lines(run.summary());
  lines.insert(lines.end(), summary.begin(), summary.end());
  return lines;
}

std::vector<std::string> all_methods_titles() {
  return {"方法", "有預測期數", "預測號碼總數", "命中總數", "命中率", "隨機命中率", "z值", "上尾機率", "下尾機率", "結論"};
}

std::vector<std::string> all_methods_fields(Method method, const Summary& s) {
  return {method_name(method),          std::to_string(s.predicted_draws), std::to_string(s.numbers),
          std::to_string(s.hits),       core::fixed(s.rate, 4),            core::fixed(s.chance_rate, 4),
          core::fixed(s.z, 2),          core::fixed(s.upper, 4),           core::fixed(s.lower, 4),
          verdict_text(verdict_at(s, kAllMethodsThreshold))};
}

std::vector<std::string> all_methods_lines(int test, const std::vector<Summary>& summaries) {
  std::vector<std::string> lines{"測試期數," + std::to_string(test), "多重比較校正門檻," + core::fixed(kAllMethodsThreshold, 5),
                                 core::join(all_methods_titles())};
  for (std::size_t i = 0; i < summaries.size() && i < kMethods.size(); ++i)
    lines.push_back(core::join(all_methods_fields(kMethods[i], summaries[i])));
  return lines;
}

std::vector<Settings> all_methods_settings(int test) {
  std::vector<Settings> all;
  for (const Method method : kMethods) {
    Settings s;
    s.method = method;
    s.test = test;
    s.moving_title = moving::moving_title(moving::MovingBoxes{}, s.moving.order);
    all.push_back(std::move(s));
  }
  return all;
}

std::vector<std::string> plain_summary(const Summary& s) {
  std::vector<std::string> lines;
  lines.push_back("命中率 " + percent(s.rate) + "，隨機 " + percent(s.chance_rate) + "，z = " + core::fixed(s.z, 2) +
                  "：" + verdict_text(s.verdict));
  lines.push_back("命中 " + std::to_string(s.hits) + " 個，隨機期望 " + core::fixed(s.expected, 1) + " 個；至少中一個的期數 " +
                  std::to_string(s.hit_draws) + "，隨機期望 " + core::fixed(s.expected_hit_draws, 1));
  lines.push_back("隨機開獎命中至少這麼多的機率 " + core::fixed(s.upper, 4) + "，至多這麼多的機率 " + core::fixed(s.lower, 4) +
                  "（精確計算，" + core::fixed(s.threshold, 4) + " 以下才算顯著）");
  return lines;
}

std::string settings_tried_text(const Summary& s, int tried) {
  std::string text = "本次已試 " + std::to_string(tried) + " 種設定";
  if (tried <= 1) return text;
  const double threshold = s.threshold / tried;
  return text + "：多試幾種設定，總有一種會碰巧「高於隨機」；共用 5% 的門檻是每尾 " + core::fixed(threshold, 5) +
         "，以此門檻結論為「" + verdict_text(verdict_at(s, threshold)) + "」";
}

}  // namespace backtest
