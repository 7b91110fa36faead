// The number backtest as text: the lines of vantor39-cli backtest, which the window's grid,
// summary and saves show too, and the summary in plain words for the window.
//
//   one method:  title, header, one line per test draw, the summary lines
//   all methods: 測試期數, the corrected threshold, header, one line per method
//
// Every figure is written locale-free (core::fixed): h, E, B and the tails with four
// decimals, z with two.
#pragma once

#include <string>
#include <vector>

#include "analysis/backtest/number_backtest.h"

namespace backtest {

// The tail threshold of the all-methods table: a two-sided 5 % shared by the four methods.
inline constexpr double kAllMethodsThreshold = 0.00625;

[[nodiscard]] std::vector<std::string> step_titles();  // 序號,日期,期數,預測號碼,個數,命中號碼,命中數
[[nodiscard]] std::vector<std::string> step_fields(const Backtest& run, const Step& step);
[[nodiscard]] std::vector<std::string> summary_lines(const Summary& summary);
// Title, header, steps and summary of one run.
[[nodiscard]] std::vector<std::string> backtest_lines(const Backtest& run);

// One row of the all-methods table, and the table of finished runs (one per method, in
// kMethods order) of T test draws.
[[nodiscard]] std::vector<std::string> all_methods_fields(Method method, const Summary& summary);
[[nodiscard]] std::vector<std::string> all_methods_lines(int test, const std::vector<Summary>& summaries);
[[nodiscard]] std::vector<std::string> all_methods_titles();

// Every method with its defaults, as `--method all` runs them.
[[nodiscard]] std::vector<Settings> all_methods_settings(int test);

// 「命中率 13.2%，隨機 12.8%，z = 1.17：與隨機無顯著差異」 and the tails it rests on.
[[nodiscard]] std::vector<std::string> plain_summary(const Summary& summary);
// The settings tried since the window opened: 「本次已試 N 種設定」 and, with N > 1, the
// threshold 0.025/N that keeps a shared 5 % and the verdict it gives.
[[nodiscard]] std::string settings_tried_text(const Summary& summary, int tried);

}  // namespace backtest
