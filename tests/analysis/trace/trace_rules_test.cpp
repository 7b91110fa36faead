// Row selection of every tab, pinned mode, the box refusals, labels and titles.
#include <gtest/gtest.h>

#include "analysis/trace/trace.h"
#include "analysis/trace/trace_messages.h"
#include "support/draw_tables.h"

namespace trace {
namespace {

// Draw 2 is drawn 03 17 05 22 08 (ascending 03 05 08 17 22); draws 3 and 8 start with
// two consecutive numbers.
const TraceTable& rules_table() {
  static const TraceTable t = make_trace_table(test_support::history_of({
      {5, 12, 23, 30, 38},   // 1
      {3, 17, 5, 22, 8},     // 2
      {1, 2, 3, 4, 5},       // 3
      {17, 3, 11, 25, 30},   // 4
      {5, 11, 17, 23, 30},   // 5
      {12, 14, 16, 18, 20},  // 6
      {3, 17, 29, 31, 39},   // 7
      {5, 6, 7, 8, 9},       // 8
  }));
  return t;
}

TraceBoxes boxes(TraceTab tab, std::string number = "01") {
  TraceBoxes b;
  b.tab = tab;
  b.number = std::move(number);
  return b;
}

std::vector<int> rows_of(const TraceBoxes& b, int distance) {
  const auto result = trace_tab(rules_table(), b, distance, all_draws(rules_table()));
  EXPECT_TRUE(result.ok());
  return result ? result->trace_list : std::vector<int>{};
}

TEST(SelectRows, EveryTabAtEveryKindOfDistance) {
  auto at = [](TraceTab tab, std::string position, std::string number) {
    TraceBoxes b = boxes(tab, std::move(number));
    b.position = std::move(position);
    return b;
  };
  auto add = [](std::string p1, std::string sign, std::string amount, std::string p2) {
    TraceBoxes b = boxes(TraceTab::Add);
    b.p1 = std::move(p1), b.sign = std::move(sign), b.amount = std::move(amount), b.p2 = std::move(p2);
    return b;
  };
  auto cycle = [](std::string issue, std::string step) {
    TraceBoxes b = boxes(TraceTab::Cycle);
    b.issue = std::move(issue), b.step = std::move(step);
    return b;
  };
  struct Case {
    const char* name;
    TraceBoxes boxes;
    int distance;
    std::vector<int> rows;
  };
  const Case cases[] = {
      {"single itself", boxes(TraceTab::Single, "05"), 0, {1, 2, 3, 5, 8}},
      {"single next: the newest has no next", boxes(TraceTab::Single, "05"), 1, {2, 3, 4, 6}},
      {"single three back: the first three drop", boxes(TraceTab::Single, "05"), -3, {2, 5}},
      {"single beyond the end", boxes(TraceTab::Single, "05"), 8, {}},
      {"single beyond the start", boxes(TraceTab::Single, "05"), -8, {}},
      {"single one character", boxes(TraceTab::Single, "5"), 0, {}},
      {"pair", boxes(TraceTab::Pair, "03.17"), 0, {2, 4, 7}},
      {"pair one back", boxes(TraceTab::Pair, "03.17"), -1, {1, 3, 6}},
      {"pair text too short", boxes(TraceTab::Pair, "03"), 0, {}},
      {"triple in any drawn order", boxes(TraceTab::Triple, "05.11.17"), 2, {7}},
      {"ascending position", at(TraceTab::Ascending, "2", "05"), 0, {2}},
      {"ascending position 6 holds no ball", at(TraceTab::Ascending, "6", "05"), 0, {}},
      {"drawn position", at(TraceTab::Drawn, "3", "05"), 1, {3}},
      {"drawn position first", at(TraceTab::Drawn, "1", "05"), -1, {4, 7}},
      {"add consecutive smallest", add("1", "加", "1", "2"), 0, {3, 8}},
      {"add next draw", add("1", "加", "1", "2"), 1, {4}},
      {"subtract", add("2", "減", "1", "1"), 0, {3, 8}},
      {"add to position 7 holds no ball", add("1", "加", "1", "7"), 0, {}},
      {"cycle from the newest", cycle("098008", "3"), 0, {3, 6}},
      {"cycle unknown issue is the newest", cycle("zzz", "03"), 0, {3, 6}},
      {"cycle from an older draw", cycle("098005", "2"), 0, {2, 4, 6}},
      {"cycle one back", cycle("098005", "2"), -1, {1, 3, 5}},
      {"cycle step 1 past the newest", cycle("098008", "1"), 3, {5, 6, 7, 8}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(rows_of(c.boxes, c.distance), c.rows);
  }
}

TEST(SelectRows, PinnedModeEntersStepsAndLeaves) {
  const auto all = all_draws(rules_table());
  const auto first = trace_tab(rules_table(), boxes(TraceTab::Single, "05"), 0, all);
  ASSERT_TRUE(first.ok());
  // Entering: the single-number rule examines only the rows of the trace on screen.
  const auto pinned = trace_tab(rules_table(), boxes(TraceTab::Single, "30"), 0, first->trace_list);
  EXPECT_EQ(pinned->trace_list, (std::vector<int>{1, 5}));
  EXPECT_EQ(pinned->title, "本期開 30 本期 拖牌分析");
  // Stepping the pinned level shifts those draws; the newest draw's next does not exist.
  EXPECT_EQ(trace_tab(rules_table(), boxes(TraceTab::Single, "30"), 1, first->trace_list)->trace_list,
            (std::vector<int>{2, 6}));
  EXPECT_EQ(trace_tab(rules_table(), boxes(TraceTab::Single, "05"), 1, first->trace_list)->trace_list,
            (std::vector<int>{2, 3, 4, 6}));
  // Leaving: every draw again, the first trace unchanged.
  EXPECT_EQ(trace_tab(rules_table(), boxes(TraceTab::Single, "05"), 0, all)->trace_list, first->trace_list);
  // A pinned trace with no rows has nothing to examine.
  EXPECT_TRUE(trace_tab(rules_table(), boxes(TraceTab::Single, "05"), 0, {})->trace_list.empty());
}

TEST(ReadTraceBoxes, RefusesWhatTheBoxesCannotMean) {
  auto with = [](TraceTab tab, auto set) {
    TraceBoxes b = boxes(tab);
    set(b);
    return b;
  };
  const std::string position(msg::kBadPosition);
  struct Case {
    TraceBoxes boxes;
    std::string message;
  };
  const Case cases[] = {
      {with(TraceTab::Ascending, [](TraceBoxes& b) { b.position = "0"; }), position},
      {with(TraceTab::Ascending, [](TraceBoxes& b) { b.position = "8"; }), position},
      {with(TraceTab::Drawn, [](TraceBoxes& b) { b.position = "x"; }), position},
      {with(TraceTab::Drawn, [](TraceBoxes& b) { b.position = ""; }), position},
      {with(TraceTab::Add, [](TraceBoxes& b) { b.p1 = "9"; }), position},
      {with(TraceTab::Add, [](TraceBoxes& b) { b.p2 = "-1"; }), position},
      {with(TraceTab::Add, [](TraceBoxes& b) { b.sign = "乘"; }), msg::bad_sign("乘")},
      {with(TraceTab::Add, [](TraceBoxes& b) { b.amount = "1.5"; }), "「1.5」不是有效的整數"},
      {with(TraceTab::Cycle, [](TraceBoxes& b) { b.step = "0"; }), msg::step_below_one("0")},
      {with(TraceTab::Cycle, [](TraceBoxes& b) { b.step = "-2"; }), msg::step_below_one("-2")},
      {with(TraceTab::Cycle, [](TraceBoxes& b) { b.step = "a"; }), "「a」不是有效的整數"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const auto result = trace_tab(rules_table(), c.boxes, 0, all_draws(rules_table()));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().text, c.message);
  }
  // Boxes a tab has not are never read.
  EXPECT_TRUE(trace_tab(rules_table(), with(TraceTab::Single, [](TraceBoxes& b) { b.step = "x"; }), 0, {}).ok());
  EXPECT_TRUE(trace_tab(rules_table(), with(TraceTab::Drawn, [](TraceBoxes& b) { b.position = "7"; }), 0, {}).ok());
}

TEST(TraceTexts, LabelsAndTitlesOfEveryTab) {
  EXPECT_EQ(distance_label(0), "本期");
  EXPECT_EQ(distance_label(1), "下 1 期");
  EXPECT_EQ(distance_label(-12), "上 12 期");
  TraceBoxes b = boxes(TraceTab::Single, "05");
  b.position = "3", b.p1 = "1", b.sign = "減", b.amount = "02", b.p2 = "4", b.issue = "098008", b.step = "01";
  const std::pair<TraceTab, const char*> cases[] = {
      {TraceTab::Single, "本期開 05 下 2 期 拖牌分析"},
      {TraceTab::Pair, "本期開 05 下 2 期 拖牌分析"},
      {TraceTab::Ascending, "本期第 3 支開 05 下 2 期 拖牌分析"},
      {TraceTab::Drawn, "本期落球第 3 支開 05 下 2 期 拖牌分析"},
      {TraceTab::Add, "本期第 1 支減 02等於第 4支下 2 期 拖牌分析"},
      {TraceTab::Cycle, "第098008期之下一期往前推,每隔 01期 下 2 期 拖牌分析"},
  };
  for (const auto& [tab, title] : cases) {
    b.tab = tab;
    EXPECT_EQ(trace_title(b, distance_label(2)), title);
  }
}

TEST(IssueBoxes, NumberBoxesFollowTheChosenDraw) {
  EXPECT_EQ(find_issue(rules_table(), "098002"), 2);
  EXPECT_FALSE(find_issue(rules_table(), "098009").has_value());
  EXPECT_EQ(next_draw_distance(rules_table(), 8), 1);
  EXPECT_EQ(target_label(rules_table(), 8, 1), "下 1 期 ");
  EXPECT_EQ(target_label(rules_table(), 6, 1), "下 1 期 098007");
  EXPECT_EQ(target_label(rules_table(), 2, -2), "上 2 期 ");
  EXPECT_EQ(latest_issues(rules_table(), 3), (std::vector<std::string>{"098008", "098007", "098006"}));
  EXPECT_EQ(number_box(rules_table(), 2, TraceTab::Single).items, (std::vector<std::string>{"03", "17", "05", "22", "08"}));
  EXPECT_EQ(number_box(rules_table(), 2, TraceTab::Ascending).text, "03");
  const auto pairs = number_box(rules_table(), 4, TraceTab::Pair);
  EXPECT_EQ(pairs.items, (std::vector<std::string>{"03.11", "03.17", "03.25", "03.30", "11.17", "11.25", "11.30",
                                                   "17.25", "17.30", "25.30"}));
  EXPECT_EQ(pairs.text, "03.11");
  const auto triples = number_box(rules_table(), 4, TraceTab::Triple);
  EXPECT_EQ(triples.items.size(), 10u);
  EXPECT_EQ(triples.items.front(), "03.11.17");
  EXPECT_EQ(triples.items.back(), "17.25.30");
  EXPECT_TRUE(number_box(rules_table(), 9, TraceTab::Single).items.empty());
}

}  // namespace
}  // namespace trace
