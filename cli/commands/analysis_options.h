// Options shared by the analysis commands of vantor39-cli.
//
// The trace options (trace, trace-pairs, trace-triples, trace-sorted, number-analysis)
// set the boxes of one trace tab and compute its trace as the window does after the tab
// change and the issue box change:
//   --tab single|pair|triple|ascending|drawn|add|cycle   --issue Q   --number X
//   --position P   --p1 P --sign 加|減 --amount K --p2 P   --step C   --distance D
//   --pin-number X [--pin-distance D]   (tab single: pinned mode)
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "analysis/moving/moving_rule_texts.h"
#include "analysis/trace/trace.h"
#include "cli/context.h"
#include "cli/options.h"
#include "core/result.h"

namespace cli {

[[nodiscard]] std::span<const OptionSpec> trace_options();

// How the analysis commands' date options (statistics, trace-chart) refuse a bad date.
inline constexpr std::string_view kBadDateWording = "日期格式錯誤: {value}";

struct TraceRun {
  trace::TraceTable table;
  trace::TraceResult result;
  trace::ExportBound export_bound;  // up to the tab's issue; every row on the add/subtract tab
};

// The trace the options describe, or the refusal of the first bad option in the order
// the window checks its boxes.
[[nodiscard]] core::Result<TraceRun> trace_from_options(const Context& ctx);

// The options of a moving-pattern rule (moving, backtest --method moving):
//   --ball-order drawn|sorted  --position 1..5|average  --average-of P1,P2,P3
//   --look-back K  --amounts A1[,A2[,A3]]
[[nodiscard]] std::span<const OptionSpec> moving_rule_options();
// Their texts, with the defaults of the options not given (the ball order is read apart).
[[nodiscard]] moving::RuleTexts moving_rule_texts(const Args& args);

}  // namespace cli
