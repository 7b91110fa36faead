// The number analysis window (號碼分析): how often each number and each units digit was
// marked in the last N rows of the exported trace, in number order or sorted by count
// (equal counts: the larger number or digit first).
//
// The number grids hold positions 1..42 (sga1 1-21, sga2 22-42) and 43..max_ball (sga5)
// when the game has more; positions above max_ball show their number (sorted: 0) and an
// empty count. Counts are written without zeros.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/trace/trace.h"
#include "core/result.h"

namespace statistics {

inline constexpr std::string_view kBadRecentCount = "您輸入的數字錯誤,請重新輸入";
inline constexpr int kGridPositions = 21;  // columns of sga1, sga2, sga5

struct CountCell {
  std::string top;     // row 0: the number or "  d"
  std::string bottom;  // row 1: its count
};

struct NumberCounts {
  std::vector<CountCell> numbers;  // positions 1..max(42, max_ball)
  std::array<CountCell, 10> tails;
};

// show_analysis: counts over the last N rows, N the text of cb_lt. Refused with
// kBadRecentCount when the text is not an integer or above 2500; N <= 0 or N above the
// export's rows counts nothing.
[[nodiscard]] core::Result<NumberCounts> show_analysis(const trace::TraceExport& rows, std::string_view recent,
                                                       bool sorted, int max_ball);

// cb_lt's list on showing: "2" .. R (none when R < 2).
[[nodiscard]] std::vector<std::string> recent_items(int rows);

}  // namespace statistics
