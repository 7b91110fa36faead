// The three bar series and titles of the trace summary chart as lines of text: what the
// command line hands on standard input to vantor39-chart-picture, the small program that
// draws the charts' pictures with the window's own drawing code.
//
//   chart<TAB>numbers<TAB>拖牌號碼統計(2005/01/01-2026/12/09)
//   bar<TAB>01<TAB>205
//   ...
//   chart<TAB>heads<TAB>拖牌頭數統計(2005/01/01-2026/12/09)
//   bar<TAB>2頭<TAB>1657
//   ...
//   chart<TAB>tails<TAB>...
//
// UTF-8, one record a line ended by "\n"; a bar belongs to the chart line above it. A
// title's control characters (a tab or line end typed into a query text) are written as
// spaces, as a title shows them anyway.
#pragma once

#include <string>
#include <string_view>

#include "analysis/trace/trace_chart.h"
#include "core/result.h"

namespace trace {

[[nodiscard]] std::string chart_picture_lines(const ChartData& data);

// The titles and bars of the lines; the rest of ChartData stays empty. A line that is
// not one of the records above is refused with its number.
[[nodiscard]] core::Result<ChartData> read_chart_picture_lines(std::string_view lines);

}  // namespace trace
