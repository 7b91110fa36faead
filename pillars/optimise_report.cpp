#include "pillars/optimise_report.h"

#include <array>

#include "core/join.h"
#include "core/numbers.h"

namespace pillars {

namespace {

struct Label {
  std::string_view name;
  std::int64_t count;
};

std::array<Label, 3> labels(const arith::StarCounts& w, arith::Priority priority) {
  switch (priority) {
    case arith::Priority::four_first: return {{{"四星", w.four}, {"三星", w.three}, {"二星", w.two}}};
    case arith::Priority::three_first: return {{{"三星", w.three}, {"二星", w.two}, {"四星", w.four}}};
    case arith::Priority::two_first: return {{{"二星", w.two}, {"三星", w.three}, {"四星", w.four}}};
  }
  return {};
}


}  // namespace

std::string_view priority_text(arith::Priority priority) {
  switch (priority) {
    case arith::Priority::four_first: return "四星優先，四-三-二星開出統計排列";
    case arith::Priority::three_first: return "三星優先，三-二-四星開出統計排列";
    case arith::Priority::two_first: return "二星優先，二-三-四星開出統計排列";
  }
  return {};
}

std::string priority_subtitle(arith::Priority priority) {
  return "以下按" + std::string(priority_text(priority));
}

std::string separator_line(int count) {
  std::string line;
  for (int i = 0; i < count; ++i) line += "￣";
  return line;
}

std::vector<std::string> cost_lines(const arith::StarCounts& cost) {
  return {"成本二星 " + std::to_string(cost.two) + " 碰", "成本三星 " + std::to_string(cost.three) + " 碰",
          "成本四星 " + std::to_string(cost.four) + " 碰"};
}

std::string arrangement_row(const arith::StarCounts& wins, arith::Priority priority,
                            const PillarNumbers& pillars, bool three_pillar_row) {
  std::string row;
  if (three_pillar_row) {
    row = "三星" + std::to_string(wins.three) + "碰,二星" + std::to_string(wins.two) + "碰---";
  } else {
    const auto parts = labels(wins, priority);
    for (size_t i = 0; i < parts.size(); ++i) {
      row += parts[i].name;
      row += std::to_string(parts[i].count);
      row += i + 1 < parts.size() ? "碰," : "碰---";
    }
  }
  for (size_t p = 0; p < pillars.size(); ++p) {
    if (p > 0) row += " x ";
    row += '(';
    row += core::join(pillars[p], ",");
    row += ')';
  }
  return row;
}

std::string left_out_line(std::span<const std::string> numbers) {
  return "【沒有用到的號碼：" + core::join(numbers, "x") + "】";
}

std::string subset_count_line(int computed) {
  return "※ 以上結果為計算所有組合之 ﹙" + std::to_string(computed) + " / 3003 ﹚";
}

std::string eight_of_twelve_time_line(std::string_view start, std::string_view now) {
  return "( 計算時間 " + std::string(start) + " - " + std::string(now) + " )";
}

std::string ten_of_fifteen_time_line(std::string_view start, std::string_view now) {
  return " 計算時間 " + std::string(start) + " - " + std::string(now) + " ";
}

PillarNumbers pillar_numbers(const arith::Arrangement& arrangement, std::span<const int> sizes,
                             std::span<const std::string> selection) {
  PillarNumbers pillars;
  int next = 0;
  for (const int size : sizes) {
    auto& pillar = pillars.emplace_back();
    for (int m = 0; m < size && next < arrangement.count; ++m, ++next) {
      const size_t position = arrangement.positions[next];
      pillar.push_back(position < selection.size() ? selection[position] : std::string());
    }
  }
  return pillars;
}

std::vector<std::string> report_head(const ReportHead& head) {
  std::vector<std::string> lines{std::string(head.title), "", std::string(head.period_title), "",
                                 head.heading, core::join(head.selection, ","), ""};
  for (auto& line : cost_lines(head.cost)) lines.push_back(std::move(line));
  lines.push_back("");
  lines.push_back(head.subtitle);
  lines.push_back(separator_line(head.separator_count));
  return lines;
}

}  // namespace pillars
