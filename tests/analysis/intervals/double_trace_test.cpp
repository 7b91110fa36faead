// The double-trace search on a hand-made table whose rules are known, and what the window
// shows for them.
#include "analysis/intervals/double_trace_view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/intervals/double_trace_boxes.h"
#include "core/ball_order.h"
#include "support/hand_made_draws.h"

namespace intervals {
namespace {

// 01 comes in draws 2, 4, 6 and 8 (the newest). Two rules hit after each of the first
// three: the second ball of the match itself (10, 11, 12 come in the next draw) and the
// fifth ball of the draw before it (24, 28, 38 come in the next draw). No other position
// and offset ever hits.
const std::vector<test_support::Balls> kDraws = {
    {20, 21, 22, 23, 24}, {1, 10, 30, 31, 32}, {10, 24, 26, 27, 28}, {1, 11, 33, 34, 35},
    {11, 28, 36, 37, 38}, {1, 12, 14, 15, 16}, {12, 17, 18, 38, 39}, {1, 13, 35, 36, 37}};

// Searched in ascending order; the working column ltno_copy keeps the drawn order it was
// derived with, which no search reads.
core::DrawHistory sorted_table() { return test_support::hand_made_history(kDraws); }

DoubleTraceQuery latest_with_run(const core::DrawHistory& h, int run) {
  auto query = date_choice(h, h.draw_count, core::BallOrder::Sorted);
  query.run = run;
  return query;
}

TEST(date_choice, DefaultsOfAnOlderDate) {
  const auto h = sorted_table();
  const auto older = date_choice(h, 3, core::BallOrder::Sorted);
  EXPECT_EQ(older.x + older.y, "1001");
  EXPECT_EQ(older.later, 5);
  EXPECT_EQ(older.distance, 6);
  EXPECT_EQ(recent_dates(h, 3), (std::vector<std::string>{"2020/01/08", "2020/01/07", "2020/01/06"}));
}

TEST(double_trace_matches, XThenYLaterWithinTheTable) {
  const auto h = sorted_table();
  struct Case {
    const char* name;
    std::string x, y;
    int later, distance;
    std::vector<int> matches;
  };
  const Case cases[] = {
      {"same draw, latest date", "01", "01", 0, 1, {2, 4, 6, 8}},
      {"Y one draw later", "01", "11", 1, 1, {4}},
      {"Y beyond the table matches nothing", "13", "01", 1, 1, {}},
      {"matches end V - 1 draws before the newest", "01", "01", 0, 3, {2, 4, 6}},
      {"X never drawn", "09", "09", 0, 1, {}},
  };
  for (const auto& c : cases) {
    DoubleTraceQuery q{1, c.x, c.later, c.y, c.distance, 3};
    EXPECT_EQ(double_trace_matches(h, q), c.matches) << c.name;
  }
}

TEST(search_double_trace, RulesRankedByHitsThenPositionAndOffset) {
  const auto h = sorted_table();
  struct Case {
    int run, lowered;
    std::vector<DoubleTraceRule> first;
    std::size_t count;
  };
  const Case cases[] = {
      {3, 3, {{5, 1, 3}, {2, 0, 3}}, 2},
      {2, 2, {{5, 1, 3}, {2, 0, 3}}, 2},
      {4, 4, {}, 0},                               // the coming draw cannot hit
      {5, 3, {{5, 1, 3}, {2, 0, 3}}, 2},           // more than the matches: lowered to M - 1
      {0, 0, {}, 0},                               // a run below 1 keeps nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("run " + std::to_string(c.run));
    const auto search = search_double_trace(h, latest_with_run(h, c.run));
    EXPECT_EQ(search.matches, (std::vector<int>{2, 4, 6, 8}));
    EXPECT_EQ(search.query.run, c.lowered);
    ASSERT_EQ(search.rules.size(), c.count);
    EXPECT_TRUE(std::equal(c.first.begin(), c.first.end(), search.rules.begin()));
  }
}

TEST(ranks_before, HitsThenPositionThenOffsetText) {
  const std::vector<DoubleTraceRule> expected = {{1, -1, 4},  {5, 9, 3},   {5, 0, 3},  {5, -149, 3},
                                                 {5, -14, 3}, {5, -10, 3}, {5, -1, 3}, {1, 0, 3}};
  auto shuffled = expected;
  std::reverse(shuffled.begin(), shuffled.end());
  std::sort(shuffled.begin(), shuffled.end(), ranks_before);
  EXPECT_EQ(shuffled, expected);
  EXPECT_EQ(offset_text(3), "003");
  EXPECT_EQ(offset_text(-3), "-03");
  EXPECT_EQ(offset_text(-1017), "-1017");
}

TEST(show_double_trace, GridPlanAndExplanationOfEachRule) {
  const auto h = sorted_table();
  const auto search = search_double_trace(h, latest_with_run(h, 3));
  const auto first = show_double_trace(h, search, 1);
  EXPECT_EQ(first.rule_caption, "第 1 組");
  EXPECT_EQ(first.rule_total, "共 2 組");
  EXPECT_EQ(first.plan, "準3版  39.__.__");
  EXPECT_TRUE(first.steps_enabled);
  ASSERT_EQ(first.sgl.rows(), 6);
  EXPECT_EQ(first.sgl.row(0), (std::vector<std::string>{" 日     期", " 期 數", "一", "二", "三", "四", "五", "", "",
                                                        "預測 ", "驗證期", "開獎號碼", "命中"}));
  EXPECT_EQ(first.sgl.row(1), (std::vector<std::string>{"2020/01/02", "100002", "01", "10", "30", "31", "32", "", "",
                                                        "24.__.__", "100003", "10.24.26.27.28.", "24 "}));
  EXPECT_EQ(first.sgl.row(4), (std::vector<std::string>{"2020/01/08", "100008", "01", "13", "35", "36", "37", "", "",
                                                        "39.__.__", "", ".....", ""}));
  EXPECT_EQ(first.sgl.row(5), (std::vector<std::string>{"", "", "", "", "", "", "", "", "", "   ", "   ", "   ", "   "}));
  const std::vector<std::string> memo = {
      "【基準期】01，01同期開", "【定點】上1期第5順球", "【預測】下1期開", "【驗證】準3版走第4版", "",
      "*****2020/01/02_100002期01 10 30 31 32 同期開01,01", "上1期2020/01/01_100001期20 21 22 23 24 第5順球 24",
      "下1期2020/01/03_100003期10 24 26 27 28  開出24 ", "",
      "*****2020/01/04_100004期01 11 33 34 35 同期開01,01", "上1期2020/01/03_100003期10 24 26 27 28 第5順球 28",
      "下1期2020/01/05_100005期11 28 36 37 38  開出28 ", "",
      "*****2020/01/06_100006期01 12 14 15 16 同期開01,01", "上1期2020/01/05_100005期11 28 36 37 38 第5順球 38",
      "下1期2020/01/07_100007期12 17 18 38 39  開出38 ", "",
      "*****2020/01/08_100008期01 13 35 36 37 同期開01,01", "上1期2020/01/07_100007期12 17 18 38 39 第5順球 39",
      "下1期預測39.__.__"};
  EXPECT_EQ(first.mm, memo);

  const auto beyond = show_double_trace(h, search, 9);  // the last rule
  EXPECT_EQ(beyond.rule_caption, "第 2 組");
  EXPECT_EQ(beyond.plan, "準3版  13.__.__");
  EXPECT_EQ(beyond.mm[1], "【定點】當期第2順球");
  EXPECT_EQ(beyond.mm[6], "當  期2020/01/02_100002期01 10 30 31 32 第2順球 10");
  auto drawn = latest_with_run(h, 3);  // these draws came in ascending order: the same rules
  drawn.order = core::BallOrder::Drawn;
  EXPECT_EQ(rule_list_lines(h, search_double_trace(h, drawn)),
            (std::vector<std::string>{"第 1 組,3,【定點】上1期第5落球,準3版  39.__.__",
                                      "第 2 組,3,【定點】當期第2落球,準3版  13.__.__"}));
}

// One match or none teaches nothing: no rule, whatever the run, and the run stays as set.
// Two matches lower a longer run to one.
TEST(search_double_trace, FewMatchesGiveNoRule) {
  const auto h = sorted_table();
  struct Case {
    const char* name;
    std::string x, y;
    int distance, run;
    std::size_t matches;
    int run_after;
  };
  const Case cases[] = {
      {"no match", "09", "09", 1, 3, 0, 3},
      {"no match, run 1", "09", "09", 1, 1, 0, 1},
      {"one match", "01", "13", 1, 3, 1, 3},
      {"one match, run 1", "01", "13", 1, 1, 1, 1},
      {"two matches", "01", "01", 5, 3, 2, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DoubleTraceQuery q{h.draw_count + 1 - c.distance, c.x, 0, c.y, c.distance, c.run};
    const auto search = search_double_trace(h, q);
    EXPECT_EQ(search.matches.size(), c.matches);
    EXPECT_EQ(search.query.run, c.run_after);
    EXPECT_EQ(search.rules.empty(), c.matches < 2);
    const auto view = show_double_trace(h, search, 1);
    if (c.matches >= 2) continue;
    EXPECT_EQ(view.rule_caption, "第 0 組");
    EXPECT_EQ(view.rule_total, "共 0 組");
    EXPECT_EQ(view.plan, "無");
    EXPECT_FALSE(view.steps_enabled);
    EXPECT_TRUE(view.mm.empty());
    ASSERT_EQ(view.sgl.rows(), static_cast<int>(c.matches) + 2);
    EXPECT_EQ(view.sgl.cell(9, 0), "預測 ");  // the header row stands over an empty list
    for (int r = 1; r < view.sgl.rows(); ++r) EXPECT_EQ(view.sgl.cell(12, r), "") << r;
  }
}

TEST(show_double_trace, NoRuleReachesTheRunAndAReset) {
  const auto h = sorted_table();
  const auto none = show_double_trace(h, search_double_trace(h, latest_with_run(h, 4)), 1);
  EXPECT_EQ(none.rule_caption, "第 0 組");
  EXPECT_EQ(none.rule_total, "共 0 組");
  EXPECT_EQ(none.plan, "無");
  EXPECT_FALSE(none.steps_enabled);
  EXPECT_TRUE(none.mm.empty());
  for (int r = 1; r < none.sgl.rows(); ++r) EXPECT_EQ(none.sgl.cell(9, r), "") << r;

  const auto reset = reset_view(h, search_double_trace(h, latest_with_run(h, 3)));
  EXPECT_EQ(reset.rule_caption, "第  0  組");
  EXPECT_EQ(reset.rule_total, "共  0  組");
  EXPECT_EQ(reset.plan, "---");
  EXPECT_FALSE(reset.steps_enabled);
  ASSERT_EQ(reset.sgl.rows(), 6);
  EXPECT_EQ(reset.sgl.cell(1, 4), "100008");
  EXPECT_EQ(reset.sgl.cell(9, 1), "");
}

// What the boxes (and the options standing for them) may hold, and the words that refuse
// the rest.
TEST(DoubleTraceBoxes, ReadOrRefuse) {
  const auto h = sorted_table();  // eight draws
  struct Case {
    const char* name;
    core::Result<std::string> read;
    std::string expected;  // the value, or the refusal
  };
  const auto text_of = [](const core::Result<int>& r) {
    return r ? core::Result<std::string>(std::to_string(*r)) : core::Result<std::string>(r.error());
  };
  const Case cases[] = {
      {"one digit", read_trace_number("5"), "05"},
      {"two digits", read_trace_number("39"), "39"},
      {"zero", read_trace_number("00"), "號碼必須是 01 到 39: 00"},
      {"above 39", read_trace_number("40"), "號碼必須是 01 到 39: 40"},
      {"three digits", read_trace_number("005"), "號碼必須是 01 到 39: 005"},
      {"a sign", read_trace_number("+5"), "號碼必須是 01 到 39: +5"},
      {"empty", read_trace_number(""), "號碼必須是 01 到 39: "},
      {"later 0", text_of(check_later(h, 3, 0)), "0"},
      {"later to the newest draw", text_of(check_later(h, 3, 5)), "5"},
      {"later past the table", text_of(check_later(h, 3, 6)), "且下期數必須是 0 到 5: 6"},
      {"later negative", text_of(check_later(h, 8, -1)), "且下期數必須是 0 到 0: -1"},
      {"run 1", text_of(check_run(1, "1")), "1"},
      {"run 0", text_of(check_run(0, "0")), "連準必須至少為 1: 0"},
      {"run as typed", text_of(check_run(-2, "-2")), "連準必須至少為 1: -2"},
      {"a date", text_of(read_base_date(h, "2020/01/03")), "3"},
      {"a date of no draw", text_of(read_base_date(h, "2020/01/09")), "沒有這個日期的開獎資料: 2020/01/09"},
      {"an empty table", text_of(read_base_date(core::DrawHistory{}, "2020/01/03")), "沒有開獎資料"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.read ? *c.read : c.read.error().text, c.expected) << c.name;
}

TEST(reset_view, ListsTheLastThirteenOfManyMatches) {
  std::vector<test_support::Balls> draws(30, test_support::Balls{1, 2, 3, 4, 5});
  const auto h = test_support::hand_made_history(draws);
  const auto reset = reset_view(h, search_double_trace(h, date_choice(h, 30, core::BallOrder::Sorted)));
  ASSERT_EQ(reset.sgl.rows(), 15);
  EXPECT_EQ(reset.sgl.cell(1, 1), "100018");
  EXPECT_EQ(reset.sgl.cell(1, 13), "100030");
  EXPECT_EQ(reset.sgl.cell(1, 14), "");
}

}  // namespace
}  // namespace intervals
