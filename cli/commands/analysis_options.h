// Options shared by the trace and statistics commands of vantor39-cli.
//
// The trace options (trace, trace-pairs, trace-triples, trace-sorted, number-analysis)
// set the boxes of one trace tab and compute its trace as the window does after the tab
// change and the issue box change:
//   --tab single|pair|triple|ascending|drawn|add|cycle   --issue Q   --number X
//   --position P   --p1 P --sign 加|減 --amount K --p2 P   --step C   --distance D
//   --pin-number X [--pin-distance D]   (tab single: pinned mode)
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "analysis/trace/trace.h"
#include "cli/context.h"
#include "cli/options.h"
#include "core/dates.h"

namespace cli {

[[nodiscard]] std::span<const OptionSpec> trace_options();

// Writes the refusal to ctx.err; the empty result an option reader returns after it.
std::nullopt_t refused(Context& ctx, std::string_view message);
std::nullopt_t refused(Context& ctx, const core::Error& error);

struct TraceRun {
  trace::TraceTable table;
  trace::TraceResult result;
  std::string export_issue;  // the tab's issue; "999999" on the add/subtract tab
};

// The trace the options describe. On invalid input writes the message to ctx.err and
// returns nullopt; checks run in the documented order.
[[nodiscard]] std::optional<TraceRun> trace_from_options(Context& ctx);

// A "yyyy/mm/dd" date option, or `fallback` when not given; refused with
// "日期格式錯誤: TEXT".
[[nodiscard]] std::optional<core::Date> date_option(Context& ctx, std::string_view name, std::string_view fallback);

}  // namespace cli
