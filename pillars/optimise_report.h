// The lines of the pillar optimisation reports in the result memo: head, rows, left-out
// numbers, subset count and time lines. Times arrive as "yyyy/mm/dd hh:mm:ss" texts; the
// builders never read a clock.
//   四星2碰,三星41碰,二星297碰---(01,18) x (05,30) x (07,23) x (12,33)
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pillars/arithmetic/arrangements.h"
#include "pillars/arithmetic/ranking.h"
#include "pillars/arithmetic/star_counts.h"

namespace pillars {

// Pillar i's numbers as two-digit texts, pillar 1 first.
using PillarNumbers = std::vector<std::vector<std::string>>;

// "四星優先，四-三-二星開出統計排列", "三星優先，三-二-四星開出統計排列" or
// "二星優先，二-三-四星開出統計排列"; the subtitle is "以下按" followed by it.
[[nodiscard]] std::string_view priority_text(arith::Priority priority);
[[nodiscard]] std::string priority_subtitle(arith::Priority priority);

[[nodiscard]] std::string separator_line(int count);  // `count` full-width "￣"

// "成本二星 24 碰", "成本三星 32 碰", "成本四星 16 碰".
[[nodiscard]] std::vector<std::string> cost_lines(const arith::StarCounts& cost);

// One row: the three counts with their labels in priority order, "碰---", then the
// pillars as "(a,b)" joined by " x ". A three-pillar layout shows only "三星" and "二星".
[[nodiscard]] std::string arrangement_row(const arith::StarCounts& wins, arith::Priority priority,
                                          const PillarNumbers& pillars, bool three_pillar_row);

// "【沒有用到的號碼：u1xu2x...】"
[[nodiscard]] std::string left_out_line(std::span<const std::string> numbers);

// "※ 以上結果為計算所有組合之 ﹙199 / 3003 ﹚"
[[nodiscard]] std::string subset_count_line(int computed);

// "( 計算時間 start - now )" for 8 of 12, " 計算時間 start - now " for 10 of 15.
[[nodiscard]] std::string eight_of_twelve_time_line(std::string_view start, std::string_view now);
[[nodiscard]] std::string ten_of_fifteen_time_line(std::string_view start, std::string_view now);

// The arrangement's numbers cut into pillars of `sizes`; positions index `selection`.
[[nodiscard]] PillarNumbers pillar_numbers(const arith::Arrangement& arrangement,
                                           std::span<const int> sizes,
                                           std::span<const std::string> selection);

// The lines before the rows: title, "", period title, "", heading, the numbers joined by
// ",", "", the three cost lines, "", subtitle, separator.
struct ReportHead {
  std::string_view title;
  std::string_view period_title;
  std::string heading;
  std::span<const std::string> selection;
  arith::StarCounts cost;
  std::string subtitle;
  int separator_count = 20;
};
[[nodiscard]] std::vector<std::string> report_head(const ReportHead& head);

}  // namespace pillars
