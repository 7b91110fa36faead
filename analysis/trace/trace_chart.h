// The trace summary chart (拖牌匯總統計圖): for every ticked distance k, the draws of the
// period that resemble a reference are listed (Memo1), and the draws k places after them
// (Memo2) are counted by number, units digit and tens digit into three bar series.
//
// Summary mode: the reference of distance k is draw draw_count - k + 1 (the newest draw
// for 拖下一期); each ticked level (獨支, 二星, 三星) runs over the period in turn. With
// fewer than k draws there is no reference and nothing matches.
// Query mode: the reference is the query (see chart_query.h); a distance that adds no
// Memo2 line records the no-record message, and the positional queries start Memo1
// afresh at every distance.
// Balls without a number column (00, 40..99) are listed but never counted.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/trace/chart_query.h"
#include "analysis/trace/trace_table.h"
#include "core/dates.h"

namespace trace {

inline constexpr int kChartDistances = 12;
inline constexpr int kChartLevels = 3;
inline constexpr std::string_view kChartMemoHeader = "編號, 開獎日期__, 期數__, 號碼";

struct ChartSettings {
  core::Date from{2005, 1, 1};
  core::Date to{2005, 1, 1};
  std::array<bool, kChartDistances> next{true};  // 拖下一期 .. 拖下十二期
  bool sorted = true;                            // 按統計大小排列
  std::array<bool, kChartLevels> levels{true};   // 獨支, 二星, 三星 (summary mode)
  std::optional<ChartQuery> query;               // 個別查詢
};

struct Bar {
  std::string label;  // "07", "3尾", "2頭"
  int value = 0;
};

struct ChartData {
  int period_draws = 0;      // Label5
  std::string number_title;  // Chart1
  std::string tail_title;    // Chart3
  std::string head_title;    // Chart2
  std::vector<Bar> numbers, tails, heads;
  std::vector<std::string> resembling_draws;  // Memo1: the draws that resemble the reference
  std::vector<std::string> following_draws;   // Memo2: the draws k places after them
  std::vector<std::string> messages;  // information messages, in the order shown
};

// One run of the chart. `game_name` starts the query titles ("今彩539 0618...").
[[nodiscard]] ChartData run_chart(const TraceTable& table, const ChartSettings& settings, std::string_view game_name);

}  // namespace trace
