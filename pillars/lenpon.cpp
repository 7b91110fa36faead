#include "pillars/lenpon.h"

#include "core/join.h"
#include "pillars/messages.h"
#include "pillars/selection.h"

namespace pillars {
namespace {

// The full combination is the pillar check with every selected number a pillar of its own.
std::vector<std::vector<int>> one_group_per_number(std::span<const std::string> sel_no) {
  std::vector<std::vector<int>> groups;
  groups.reserve(sel_no.size());
  for (const auto& number : sel_no) groups.push_back({number_value(number)});
  return groups;
}


void append_summary(std::vector<std::string>& memo, std::span<const std::string> sel_no,
                    std::string_view period_title, const arith::StarCounts& totals) {
  const long long n = static_cast<long long>(sel_no.size());
  const auto line = [](std::string_view head, long long value) {
    return std::string(head) + std::to_string(value) + " 碰";
  };
  memo.insert(memo.end(), {"", std::string(period_title), "",
                           "如果您選擇連碰號碼( " + std::to_string(n) + " 碼)", core::join(sel_no), "",
                           line("每期二星 ", (n - 1) * n / 2),
                           line("每期三星 ", (n - 1) * n * (n - 2) / 6),
                           line("每期四星 ", (n - 1) * n * (n - 2) * (n - 3) / 24), "",
                           "※開出統計※", line("二星開出 ", totals.two),
                           line("三星開出 ", totals.three), line("四星開出 ", totals.four)});
}

}  // namespace

DrawMarks CHECK_Bingo_lenpon(std::string_view draw_text, std::span<const std::string> sel_no) {
  return check_balls(one_group_per_number(sel_no), split_draw_text(draw_text));
}

core::Result<LenponReport> lenpon_report(std::span<const std::string> period_lines,
                                         std::span<const std::string> report_lines,
                                         std::span<const std::string> sel_no, bool detailed,
                                         std::string_view period_title) {
  if (sel_no.size() < 2 || sel_no.size() > static_cast<std::size_t>(kSelectionLimit))
    return core::Error::warning(std::string(msg::kLenponSelectionSize));
  const auto groups = one_group_per_number(sel_no);
  LenponReport report;
  report.lines.assign(report_lines.begin(), report_lines.end());
  for (std::size_t j = 0; j < period_lines.size(); ++j) {
    const DrawMarks marks = check_balls(groups, ball_texts(period_lines[j]));
    report.totals += marks.hits;
    if (detailed && j < report.lines.size()) report.lines[j] = decorated_line(period_lines[j], marks);
  }
  append_summary(report.lines, sel_no, period_title, report.totals);
  return report;
}

}  // namespace pillars
