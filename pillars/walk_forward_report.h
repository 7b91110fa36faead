// The walk-forward check as text: the lines the command line prints and the window saves,
// the step grid's rows, and the plain-language summary the window shows.
//
//   2x2x2x2,100,20,1,4
//   序號,日期,期數,號碼,立柱,樣本內二星,樣本內三星,樣本內四星,樣本外期數,樣本外二星,樣本外三星,樣本外四星
//   0020,2026/08/22,115204,06.07.08.12.21.25.28.37,06.21/07.12/08.28/25.37,47,5,0,1,0,0,0
//   成本每期,24,32,16
//   樣本內每期平均,0.5680,0.1125,0.0135
//   ...
//   結論,四星,與隨機無顯著差異,-0.13
#pragma once

#include <string>
#include <vector>

#include "pillars/walk_forward.h"

namespace pillars {

// "M,W,T,S,P" with the priority actually used.
[[nodiscard]] std::string walk_settings_line(const WalkSettings& settings);
// The header line, and its fields (the step grid's column titles).
[[nodiscard]] std::vector<std::string> walk_step_titles();
[[nodiscard]] std::string walk_step_header();
// The fields of one step, and the step joined by ",".
[[nodiscard]] std::vector<std::string> walk_step_fields(const WalkStep& step);
[[nodiscard]] std::string walk_step_line(const WalkStep& step);
// 成本每期, 樣本內每期平均, 樣本外每期平均, 隨機期望每期, z值, 樣本外總數, 隨機期望總數,
// 上尾機率, 下尾機率 and 結論 lines.
[[nodiscard]] std::vector<std::string> walk_summary_lines(const WalkSummary& summary);
// Everything: settings line, header, step lines, summary lines.
[[nodiscard]] std::vector<std::string> walk_forward_lines(const WalkForwardRun& run);

// "四星", "三星", "二星" for 4, 3, 2.
[[nodiscard]] std::string star_name(int star);
// "高於隨機", "低於隨機", "與隨機無顯著差異".
[[nodiscard]] std::string verdict_text(Verdict verdict);

// The summary for a reader: what was tested, the averages side by side, the counts and
// tail probabilities the verdict rests on, the verdict in a sentence.
[[nodiscard]] std::vector<std::string> walk_summary_text(const WalkSettings& settings, const WalkSummary& summary);
// What in-sample, out-of-sample, the tails and the chart's band mean.
[[nodiscard]] std::vector<std::string> walk_explanation();
// For the saves of a stopped run: one line that says so and how far it got; none for a
// finished run.
[[nodiscard]] std::vector<std::string> walk_stopped_lines(const WalkForwardRun& run);

}  // namespace pillars
