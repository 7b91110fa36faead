#include "analysis/intervals/number_summary.h"

#include <algorithm>

#include "core/ball_text.h"
#include "core/numbers.h"

namespace intervals {
namespace {

// The column (1-based) a typed text picks; 0 for none.
int pick_column(std::string_view text, int max_ball) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
  if (!digits) return 1;  // not a number: number 01's column under the typed heading
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (negative || text.size() > 9) return 0;
  const int value = std::stoi(std::string(text));
  return value >= 1 && value <= max_ball ? value : 0;
}

}  // namespace

std::string average_text(long long total, long long cells) {
  const long long q = (200 * total + cells) / (2 * cells);
  return std::to_string(q / 100) + "." + core::zero_pad(q % 100, 2);
}

std::vector<std::string> show_no(const IntervalAnalysis& analysis, std::string_view typed) {
  const int column = pick_column(typed, static_cast<int>(analysis.numbers.size()));
  if (column < 1 || column > static_cast<int>(analysis.numbers.size())) return {};
  const auto& cells = analysis.numbers[column - 1].cells;
  if (cells.empty()) return {};
  long long total = 0;
  int longest = 0;
  for (int cell : cells) {
    total += cell;
    longest = std::max(longest, cell);
  }
  const auto count = static_cast<long long>(cells.size());
  std::string detail = "間隔明細";
  for (std::size_t r = 0; r + 1 < cells.size(); ++r) {
    detail += ',';
    detail += gap_text(cells[r]);
  }
  const int current = cells.back();
  detail += current == 0 ? "  (上期開出)" : "  (目前" + gap_text(current) + "期未開)";
  return {std::string(typed) + " 分析  至" + analysis.latest_issue + "期",
          "開出次數 " + std::to_string(count - 1) + "   最長間隔 " + std::to_string(longest) + "   平均間隔 " +
              average_text(total, count),
          detail, ""};
}

std::vector<std::string> all_summaries(const IntervalAnalysis& analysis) {
  std::vector<std::string> lines;
  for (std::size_t n = 1; n <= analysis.numbers.size(); ++n) {
    const auto summary = show_no(analysis, core::ball_text(static_cast<int>(n)));
    lines.insert(lines.end(), summary.begin(), summary.end());
  }
  return lines;
}

}  // namespace intervals
