#include "analysis/intervals/double_trace_view.h"

#include <algorithm>

#include "core/dates.h"

namespace intervals {
namespace {

constexpr int kSourceColumn = 9;   // 預測 : the rule's number per match
constexpr int kBlankedRows = 30;   // showing a rule blanks the result cells of rows 1 .. 30
constexpr int kListedRows = 15;    // a reset lists at most 13 matches in 15 rows

const std::vector<std::string> kHeader = {" 日     期", " 期 數", "一", "二", "三", "四", "五", "", "",
                                          "預測 ", "驗證期", "開獎號碼", "命中"};

bool in_table(const core::DrawHistory& h, int d) { return d >= 1 && d <= h.stored_draws(); }

std::string date_of(const core::DrawHistory& h, int d) {
  return in_table(h, d) ? core::day_text(h.draw_date[d - 1]) : std::string();
}
std::string issue_of(const core::DrawHistory& h, int d) { return in_table(h, d) ? h.issue_no[d - 1] : std::string(); }

// "2026/08/08_115192期05 11 24 31 32 ": date, issue and each ball followed by a blank.
std::string draw_head(const core::DrawHistory& h, core::BallOrder order, int d) {
  std::string text = date_of(h, d) + "_" + issue_of(h, d) + "期";
  for (const auto& ball : draw_balls(h, order, d)) text += ball + " ";
  return text;
}

std::string position_text(int position, core::BallOrder order) {
  return "第" + std::to_string(position) + std::string(core::order_word(order)) + "球";
}

// "上5期" / "下3期" / "當期": where the source draw lies from the match.
std::string direction_text(int offset) {
  if (offset == 0) return "當期";
  return (offset < 0 ? "下" : "上") + std::to_string(offset < 0 ? -static_cast<long long>(offset) : offset) + "期";
}

// Columns 9 and 12 of the match rows while a rule is shown.
struct RuleColumn {
  std::vector<std::string> source;  // the ball of draw m - o, "__" when there is none
  std::vector<bool> hit;            // it came up in draw m + V
  int run = 0;                      // hits in a row, counted upwards from the row before the last
  int hits = 0;
};

RuleColumn rule_column(const core::DrawHistory& h, const DoubleTraceSearch& search, const DoubleTraceRule& rule) {
  RuleColumn column;
  const core::BallColumns& balls = core::ball_columns(h, search.query.order);
  for (int m : search.matches) {
    const int d = m - rule.offset;
    const bool has_source = in_table(h, d);
    column.source.push_back(has_source ? balls[rule.position - 1][d - 1] : "__");
    column.hit.push_back(has_source && among_balls(h, column.source.back(), m + search.query.distance));
    column.hits += column.hit.back() ? 1 : 0;
  }
  for (int r = static_cast<int>(column.hit.size()) - 2; r >= 0 && column.hit[r]; --r) ++column.run;
  return column;
}

std::string source_cell(const RuleColumn& column, std::size_t r) { return column.source[r] + ".__.__"; }

std::string plan_text(const RuleColumn& column) {
  const std::string last = column.source.empty() ? std::string() : source_cell(column, column.source.size() - 1);
  return "準" + std::to_string(column.run) + "版  " + last;
}

void write_match(core::TextGrid& grid, const core::DrawHistory& h, core::BallOrder order, int row, int m) {
  grid.set_cell(0, row, date_of(h, m));
  grid.set_cell(1, row, issue_of(h, m));
  const auto balls = draw_balls(h, order, m);
  for (int k = 0; k < core::kBallsPerDraw; ++k) grid.set_cell(2 + k, row, balls[k]);
}

core::TextGrid match_grid(const core::DrawHistory& h, const DoubleTraceSearch& search, const RuleColumn* rule) {
  const int match_count = static_cast<int>(search.matches.size());
  core::TextGrid grid(match_count + 2, kTraceGridColumns);
  grid.set_row(0, kHeader);
  for (int r = 1; r <= match_count; ++r) {
    const int m = search.matches[r - 1];
    write_match(grid, h, search.query.order, r, m);
    if (!rule) continue;
    const int target = m + search.query.distance;
    std::string drawn;
    for (const auto& ball : draw_balls(h, search.query.order, target)) drawn += ball + ".";
    grid.set_cell(kSourceColumn, r, source_cell(*rule, r - 1));
    grid.set_cell(kSourceColumn + 1, r, issue_of(h, target));
    grid.set_cell(kSourceColumn + 2, r, drawn);
    grid.set_cell(kSourceColumn + 3, r, rule->hit[r - 1] ? rule->source[r - 1] + " " : "");
  }
  if (rule && match_count + 1 <= kBlankedRows)
    for (int c = kSourceColumn; c < kTraceGridColumns; ++c) grid.set_cell(c, match_count + 1, "   ");
  return grid;
}

// One block of the explanation: the match, its source draw and its verification or prediction.
void explain_match(std::vector<std::string>& mm, const core::DrawHistory& h, const DoubleTraceSearch& search,
                   const DoubleTraceRule& rule, const RuleColumn& column, int r) {
  const auto& q = search.query;
  const auto head = [&](int draw) { return draw_head(h, q.order, draw); };
  const int d = search.matches[r - 1];
  const int match_count = static_cast<int>(search.matches.size());
  mm.push_back("");
  if (q.later != 0) {
    mm.push_back("*****" + head(d) + "開" + q.x);
    mm.push_back("下" + std::to_string(q.later) + "期" + head(d + q.later) + "開" + q.y);
  } else {
    mm.push_back("*****" + head(d) + "同期開" + q.x + "," + q.y);
  }
  const std::string source_label = rule.offset == 0 ? "當  期" : direction_text(rule.offset);
  mm.push_back(source_label + head(d - rule.offset) + position_text(rule.position, q.order) + " " +
               draw_balls(h, q.order, d - rule.offset)[rule.position - 1]);
  const std::string ahead = "下" + std::to_string(q.distance) + "期";
  if (r < match_count)
    mm.push_back(ahead + head(d + q.distance) + " 開出" + (column.hit[r - 1] ? column.source[r - 1] + " " : ""));
  else
    mm.push_back(ahead + "預測" + source_cell(column, r - 1));
}

std::vector<std::string> explanation(const core::DrawHistory& h, const DoubleTraceSearch& search,
                                     const DoubleTraceRule& rule, const RuleColumn& column) {
  const auto& q = search.query;
  std::vector<std::string> mm;
  if (q.later != 0) mm.push_back("【基準期】不定位開" + q.x + "，且下" + std::to_string(q.later) + "期開" + q.y);
  else mm.push_back("【基準期】" + q.x + "，" + q.y + "同期開");
  mm.push_back(fixed_point_line(rule, q.order));
  mm.push_back("【預測】下" + std::to_string(q.distance) + "期開");
  mm.push_back("【驗證】準" + std::to_string(column.run) + "版走第" + std::to_string(column.run + 1) + "版");
  const int match_count = static_cast<int>(search.matches.size());
  if (column.run > 0)
    for (int r = match_count - column.run; r <= match_count; ++r) explain_match(mm, h, search, rule, column, r);
  return mm;
}

std::string count_label(const char* head, int count) { return std::string(head) + " " + std::to_string(count) + " 組"; }

}  // namespace

std::string fixed_point_line(const DoubleTraceRule& rule, core::BallOrder order) {
  return "【定點】" + direction_text(rule.offset) + position_text(rule.position, order);
}

DoubleTraceView show_double_trace(const core::DrawHistory& history, const DoubleTraceSearch& search,
                                  int rule_number) {
  DoubleTraceView view;
  const int rule_count = static_cast<int>(search.rules.size());
  view.rule_total = count_label("共", rule_count);
  if (rule_count == 0) {
    view.rule_caption = count_label("第", 0);
    view.plan = "無";
    view.sgl = match_grid(history, search, nullptr);
    return view;
  }
  view.rule_number = std::clamp(rule_number, 1, rule_count);
  view.rule_caption = count_label("第", view.rule_number);
  view.steps_enabled = true;
  const DoubleTraceRule& rule = search.rules[view.rule_number - 1];
  const RuleColumn column = rule_column(history, search, rule);
  view.plan = plan_text(column);
  view.sgl = match_grid(history, search, &column);
  view.mm = explanation(history, search, rule, column);
  return view;
}

DoubleTraceView reset_view(const core::DrawHistory& history, const DoubleTraceSearch& search) {
  DoubleTraceView view;
  view.rule_caption = "第  0  組";
  view.rule_total = "共  0  組";
  view.plan = "---";
  const int match_count = static_cast<int>(search.matches.size());
  const int rows = match_count <= kListedRows ? match_count + 2 : kListedRows;
  view.sgl = core::TextGrid(rows, kTraceGridColumns);
  view.sgl.set_row(0, kHeader);
  const int listed = rows - 2;
  for (int r = 1; r <= listed; ++r)
    write_match(view.sgl, history, search.query.order, r, search.matches[match_count - listed + r - 1]);
  return view;
}

std::vector<std::string> rule_list_lines(const core::DrawHistory& history, const DoubleTraceSearch& search) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < search.rules.size(); ++i) {
    const RuleColumn column = rule_column(history, search, search.rules[i]);
    lines.push_back(count_label("第", static_cast<int>(i) + 1) + "," + std::to_string(column.hits) + "," +
                    fixed_point_line(search.rules[i], search.query.order) + "," + plan_text(column));
  }
  return lines;
}

}  // namespace intervals
