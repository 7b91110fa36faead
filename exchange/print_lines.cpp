#include "exchange/print_lines.h"

#include <algorithm>

#include "core/loader.h"
#include "core/numbers.h"
#include "core/records.h"

namespace exchange {

int count_draws_between(const core::DrawHistory& history, core::Date from, core::Date to) {
  const double first = core::day_number(from), last = core::day_number(to);
  const int n = std::min<int>(history.draw_count, static_cast<int>(history.draw_date.size()));
  return static_cast<int>(std::count_if(history.draw_date.begin(), history.draw_date.begin() + n,
                                        [&](double day) { return first <= day && day <= last; }));
}

std::vector<std::string> date_range_lines(const core::TextGrid& records, core::Date from, core::Date to) {
  std::vector<std::string> lines;
  for (int r = 1; r < records.rows(); ++r) {
    const auto date = core::parse_date(records.cell(0, r));
    if (!date || *date < from || to < *date) continue;
    std::string line = core::zero_pad(static_cast<long long>(lines.size()) + 1, 3) + "_";
    for (int c = 0; c < core::kRecordColumns; ++c) {
      line += records.cell(c, r);
      line += "  ";
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

core::Result<core::TextGrid> records_grid(const core::DrawHistory& history, bool ascending) {
  core::DrawHistory newest_first = history;
  core::sort_orirec(newest_first, 1);
  if (const core::Status derived = core::put_to_ltno(newest_first); !derived) return derived.error();
  core::TextGrid grid(newest_first.draw_count + 1, core::kRecordColumns);
  core::set_record_header(grid, ascending);
  core::show_to_grid(grid, newest_first);
  core::show_ball_columns(grid, newest_first, ascending);
  return grid;
}

}  // namespace exchange
