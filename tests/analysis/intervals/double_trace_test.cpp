// The double-trace search on a hand-made table whose rules are known, and what the window
// shows for them.
#include "analysis/intervals/double_trace_view.h"

#include <gtest/gtest.h>

#include <algorithm>

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

core::DrawHistory sorted_table() {
  auto h = test_support::history_of(kDraws);
  core::set_ball_order(h, core::BallOrder::Sorted);
  return h;
}

DoubleTraceQuery latest_with_run(const core::DrawHistory& h, int run) {
  auto query = date_choice(h, h.draw_count);
  query.run = run;
  return query;
}

TEST(date_choice, DefaultsOfAnOlderDate) {
  const auto h = sorted_table();
  const auto older = date_choice(h, 3);
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
      {0, 0, {{5, 1, 3}, {2, 0, 3}, {5, 9, 0}}, 50},  // every position and offset 0 .. 9
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
  const auto first = show_double_trace(h, search, core::BallOrder::Sorted, 1);
  EXPECT_EQ(first.lb_sortidx, "第 1 組");
  EXPECT_EQ(first.lb_tot, "共 2 組");
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

  const auto beyond = show_double_trace(h, search, core::BallOrder::Sorted, 9);  // the last rule
  EXPECT_EQ(beyond.lb_sortidx, "第 2 組");
  EXPECT_EQ(beyond.plan, "準3版  13.__.__");
  EXPECT_EQ(beyond.mm[1], "【定點】當期第2順球");
  EXPECT_EQ(beyond.mm[6], "當  期2020/01/02_100002期01 10 30 31 32 第2順球 10");
  EXPECT_EQ(rule_list_lines(h, search, core::BallOrder::Drawn),
            (std::vector<std::string>{"第 1 組,3,【定點】上1期第5落球,準3版  39.__.__",
                                      "第 2 組,3,【定點】當期第2落球,準3版  13.__.__"}));
}

TEST(show_double_trace, NoRuleFewMatchesAndAReset) {
  const auto h = sorted_table();
  const auto none = show_double_trace(h, search_double_trace(h, latest_with_run(h, 4)), core::BallOrder::Sorted, 1);
  EXPECT_EQ(none.lb_sortidx, "第 0 組");
  EXPECT_EQ(none.lb_tot, "共 0 組");
  EXPECT_EQ(none.plan, "無");
  EXPECT_FALSE(none.steps_enabled);
  EXPECT_TRUE(none.mm.empty());
  for (int r = 1; r < none.sgl.rows(); ++r) EXPECT_EQ(none.sgl.cell(9, r), "") << r;

  auto never = latest_with_run(h, 3);
  never.x = never.y = "09";  // no match: the run becomes -1 and every pair is a rule
  const auto empty_search = search_double_trace(h, never);
  EXPECT_EQ(empty_search.query.run, -1);
  const auto empty = show_double_trace(h, empty_search, core::BallOrder::Sorted, 1);
  EXPECT_EQ(empty.lb_tot, "共 50 組");
  EXPECT_EQ(empty.plan, "準0版  ");
  EXPECT_EQ(empty.mm, (std::vector<std::string>{"【基準期】09，09同期開", "【定點】上9期第5順球", "【預測】下1期開",
                                                "【驗證】準0版走第1版"}));
  ASSERT_EQ(empty.sgl.rows(), 2);
  EXPECT_EQ(empty.sgl.cell(12, 1), "   ");

  const auto reset = reset_view(h, search_double_trace(h, latest_with_run(h, 3)));
  EXPECT_EQ(reset.lb_sortidx, "第  0  組");
  EXPECT_EQ(reset.lb_tot, "共  0  組");
  EXPECT_EQ(reset.plan, "---");
  EXPECT_FALSE(reset.steps_enabled);
  ASSERT_EQ(reset.sgl.rows(), 6);
  EXPECT_EQ(reset.sgl.cell(1, 4), "100008");
  EXPECT_EQ(reset.sgl.cell(9, 1), "");
}

TEST(reset_view, ListsTheLastThirteenOfManyMatches) {
  std::vector<test_support::Balls> draws(30, test_support::Balls{1, 2, 3, 4, 5});
  const auto h = test_support::history_of(draws);
  const auto reset = reset_view(h, search_double_trace(h, date_choice(h, 30)));
  ASSERT_EQ(reset.sgl.rows(), 15);
  EXPECT_EQ(reset.sgl.cell(1, 1), "100018");
  EXPECT_EQ(reset.sgl.cell(1, 13), "100030");
  EXPECT_EQ(reset.sgl.cell(1, 14), "");
}

}  // namespace
}  // namespace intervals
