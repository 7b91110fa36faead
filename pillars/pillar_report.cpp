#include "pillars/pillar_report.h"

#include <algorithm>

#include "pillars/messages.h"

namespace pillars {
namespace {

std::vector<std::vector<int>> pillar_groups(const PillarTable& pillar_no, const PillarLengths& lengths,
                                            int pillar_count) {
  std::vector<std::vector<int>> groups;
  const int count = std::clamp(pillar_count, 0, kMaxPillars);
  groups.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    std::vector<int> members;
    const int length = std::clamp(lengths[i], 0, kMaxPillarSize);
    for (int s = 0; s < length; ++s) members.push_back(number_value(pillar_no[i][s]));
    groups.push_back(std::move(members));
  }
  return groups;
}

void append_listing(std::vector<std::string>& memo, const PillarReportInput& in) {
  memo.push_back("");
  memo.emplace_back(in.period_title);
  const int count = std::clamp(in.pillar_count, 0, kMaxPillars);
  for (int i = 0; i < count; ++i) {
    memo.push_back("");
    memo.push_back("第" + std::to_string(i + 1) + "柱");
    const int size = std::clamp(in.pillar_size[i], 0, kMaxPillarSize);
    for (int s = 0; s < size; ++s) memo.push_back((*in.table)[i][s]);
  }
}

void append_summary(std::vector<std::string>& memo, const arith::StarCounts& cost,
                    const arith::StarCounts& totals) {
  const auto line = [](std::string_view head, long long value) {
    return std::string(head) + std::to_string(value) + " 碰";
  };
  memo.insert(memo.end(), {"", line("成本二星 ", cost.two), line("成本三星 ", cost.three),
                           line("成本四星 ", cost.four), "", "開出星星統計",
                           line("二星開出 ", totals.two), line("三星開出 ", totals.three),
                           line("四星開出 ", totals.four)});
}

}  // namespace

PillarsFromMemos read_pillar_memos(const PillarTable& previous,
                                   std::span<const std::vector<std::string>> memos, int pillar_count) {
  PillarsFromMemos result{previous, {}};
  const int count = std::clamp(pillar_count, 0, std::min<int>(kMaxPillars, static_cast<int>(memos.size())));
  for (int i = 0; i < count; ++i) {
    const int length = std::min<int>(static_cast<int>(memos[i].size()), kMaxPillarSize);
    for (int s = 0; s < length; ++s) result.pillar_no[i][s] = memos[i][s];
    result.lengths[i] = length;
  }
  return result;
}

core::Status check_memo_sizes(std::span<const std::vector<std::string>> memos,
                              const PillarSizes& pillar_size, int pillar_count) {
  const int count = std::clamp(pillar_count, 0, kMaxPillars);
  for (int i = 0; i < count; ++i) {
    const std::size_t typed = static_cast<std::size_t>(i) < memos.size() ? memos[i].size() : 0;
    if (typed != static_cast<std::size_t>(std::max(pillar_size[i], 0)))
      return core::Error::warning(msg::pillar_memo_size_differs(i + 1, typed, pillar_size[i]));
  }
  return {};
}

DrawMarks CHECK_Bingo_pillar(std::string_view draw_text, const PillarTable& pillar_no,
                             const PillarLengths& lengths, int pillar_count) {
  return check_balls(pillar_groups(pillar_no, lengths, pillar_count), split_draw_text(draw_text));
}

PillarReport pillar_report(const PillarReportInput& in) {
  static const PillarTable kEmpty;
  const PillarTable& table = in.table ? *in.table : kEmpty;
  const auto groups = pillar_groups(table, in.lengths, in.pillar_count);
  PillarReport report;
  report.lines.assign(in.report_lines.begin(), in.report_lines.end());
  const std::size_t checked = std::min(in.checked_lines, report.lines.size());
  for (std::size_t j = 0; j < checked; ++j) {
    const DrawMarks marks = check_balls(groups, ball_texts(report.lines[j]));
    report.totals += marks.hits;
    report.lines[j] = decorated_line(report.lines[j], marks);
  }
  PillarReportInput listed = in;
  listed.table = &table;
  append_listing(report.lines, listed);
  append_summary(report.lines, in.cost, report.totals);
  return report;
}

}  // namespace pillars
