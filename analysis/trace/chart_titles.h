// The number chart's title as the chart window shows it. The run's title of a positional
// query lists the five fields as they stand in the boxes ("今彩539 ,15,,,"); on screen
// the filled positions are named instead, and a query of tail digits says so:
//   "今彩539 第2順球 15 拖牌號碼統計(2005/01/01-2026/12/09)"
//   "今彩539尾數 第1落球 7 第3落球 2 拖牌號碼統計(...)"
// Every other title is the run's own.
#pragma once

#include <string>
#include <string_view>

#include "analysis/trace/trace_chart.h"

namespace trace {

[[nodiscard]] std::string shown_number_title(const ChartData& data, const ChartSettings& settings,
                                             std::string_view game_name);

}  // namespace trace
