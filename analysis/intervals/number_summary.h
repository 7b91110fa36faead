// One number's summary ("show_no"): the four lines the interval window appends to its memo
// for the text typed or chosen in its number box.
//
//   05 分析  至115204期
//   開出次數 317   最長間隔 42   平均間隔 6.86
//   間隔明細, -, 8, 7,17, …, 3, 3  (目前 4期未開)
//   (an empty line)
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/intervals/number_gaps.h"

namespace intervals {

// The typed text heads the summary unchanged. It is read as leading blanks, an optional
// sign and decimal digits: 1 .. max_ball picks that number; a text that does not read so
// falls back to number 01 under the typed heading; any other integer gives no lines. A
// column without cells (an empty table) gives no lines either.
[[nodiscard]] std::vector<std::string> show_no(const IntervalAnalysis& analysis, std::string_view typed);

// "全部號碼": the summaries of "01" .. the last number, one after the other.
[[nodiscard]] std::vector<std::string> all_summaries(const IntervalAnalysis& analysis);

// total / cells with two decimals, the exact quotient rounded half up (2173/328 -> "6.63").
[[nodiscard]] std::string average_text(long long total, long long cells);

}  // namespace intervals
