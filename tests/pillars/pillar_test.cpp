#include <gtest/gtest.h>

#include "core/result.h"

#include "pillars/messages.h"
#include "pillars/pillar_cost.h"
#include "pillars/pillar_report.h"

namespace pillars {
namespace {

arith::StarCounts cost_of(PillarSizes sizes) { return pillar_layout(sizes).cost; }

TEST(PillarLayout, CostTable) {
  EXPECT_EQ(cost_of({2, 2, 2, 2}), (arith::StarCounts{24, 32, 16}));
  EXPECT_EQ(cost_of({1, 1, 2, 2, 2}), (arith::StarCounts{25, 38, 28}));
  EXPECT_EQ(cost_of({3, 3, 3}), (arith::StarCounts{27, 27, 0}));
  EXPECT_EQ(cost_of({2, 2, 3, 3}), (arith::StarCounts{37, 60, 36}));
  EXPECT_EQ(cost_of({3, 3, 3, 3}), (arith::StarCounts{54, 108, 81}));
  EXPECT_EQ(pillar_layout({8, 8, 8, 8, 8, 8, 8, 8}).cost.four, 70 * 4096);
}

TEST(CostLabels, DefaultLayout) {
  const auto labels = cost_labels(pillar_layout({2, 2, 2, 2}));
  EXPECT_EQ(labels.two_star, "二星= 24 碰");
  EXPECT_EQ(labels.three_star, "三星= 32 碰");
  EXPECT_EQ(labels.four_star, "四星= 16 碰");
  EXPECT_EQ(labels.all_bets, "共= 72 碰");
  EXPECT_EQ(labels.number_total, "您立柱所有的號碼數為：8  請留意！必須和您上面所選的數目相同");
}

TEST(PillarCountChange, ZeroesInactiveBoxesAndRecosts) {
  const std::vector<std::string> six{"2", "2", "2", "2", "3", "1", "0", "0"};
  const auto change = pillar_count_change("4", six);
  ASSERT_TRUE(change.ok());
  EXPECT_EQ(change->pillar_count, 4);
  EXPECT_EQ(change->size_texts, (std::array<std::string, 8>{"2", "2", "2", "2", "0", "0", "0", "0"}));
  EXPECT_EQ(change->layout.cost, (arith::StarCounts{24, 32, 16}));
  EXPECT_EQ(change->layout.pillar_total, 8);

  EXPECT_EQ(pillar_count_change("3", six)->layout.cost.four, 0);  // three pillars: no four-star bet
  EXPECT_EQ(pillar_count_change("2", six).error(), core::Error::warning(std::string(msg::kPillarCountOutOfRange)));
  EXPECT_EQ(pillar_count_change("9", six).error(), core::Error::warning(std::string(msg::kPillarCountOutOfRange)));
  EXPECT_EQ(pillar_count_change("x", six).error(), core::Error::error(std::string(msg::not_an_integer("x"))));
  const std::vector<std::string> bad{"2", "9", "2", "2"};
  EXPECT_EQ(pillar_count_change("4", bad).error(), core::Error::warning(std::string(msg::kPillarSizeOutOfRange)));
}

TEST(SizeChange, RefusesWhatAPillarCannotHold) {
  EXPECT_TRUE(size_change(std::vector<std::string>{"8", "8", "8", "8", "8", "8", "8", "8"}).ok());
  EXPECT_EQ(size_change(std::vector<std::string>{"2", "-1"}).error(), core::Error::warning(std::string(msg::kPillarSizeOutOfRange)));
  EXPECT_EQ(size_change(std::vector<std::string>{"2", "two"}).error(), core::Error::error(std::string(msg::not_an_integer("two"))));
  EXPECT_EQ(size_change(std::vector<std::string>{" 3 ", "3", "3"})->cost.two, 27);
}

TEST(ReadPillarMemos, FirstEightLinesOverThePreviousTable) {
  PillarTable previous{};
  previous[0] = {"a", "b", "c", "d", "e", "f", "g", "h"};
  previous[5][0] = "kept";
  std::vector<std::vector<std::string>> memos{{"05", "12"},
                                              {"23", "30", "01", "02", "03", "04", "06", "07", "08"},
                                              {},
                                              {"5", ""}};
  const auto read = read_pillar_memos(previous, memos, 4);
  EXPECT_EQ(read.lengths, (PillarLengths{2, 8, 0, 2, 0, 0, 0, 0}));
  EXPECT_EQ(read.pillar_no[0][1], "12");
  EXPECT_EQ(read.pillar_no[0][2], "c");  // beyond the memo's lines: kept
  EXPECT_EQ(read.pillar_no[1][7], "07");
  EXPECT_EQ(read.pillar_no[5][0], "kept");
}

TEST(CheckMemoSizes, RefusesTheFirstPillarWhoseMemoIsNotItsSize) {
  using Memos = std::vector<std::vector<std::string>>;
  const std::vector<std::string> two{"01", "02"};
  const std::vector<std::string> nine{"01", "02", "03", "04", "05", "06", "07", "08", "09"};
  struct Case {
    const char* name;
    Memos memos;
    PillarSizes sizes;
    int pillar_count;
    std::string refusal;  // empty: accepted
  };
  const Case cases[] = {
      {"default layout", {two, two, two, two}, {2, 2, 2, 2}, 4, ""},
      // Priced as 5/2/0 bets but scored on eight numbers: the report would mix two layouts.
      {"sizes 1,1,2,0 with two numbers each", {two, two, two, two}, {1, 1, 2, 0}, 4,
       "第1柱輸入了 2 個號碼,但第1柱設定為 1 個,請修正號碼或柱的大小後再驗證"},
      {"the last pillar differs", {two, two, two, {"01", "02", "03"}}, {2, 2, 2, 2}, 4,
       "第4柱輸入了 3 個號碼,但第4柱設定為 2 個,請修正號碼或柱的大小後再驗證"},
      {"an empty line is a line", {two, two, {"01", ""}, two}, {2, 2, 2, 2}, 4, ""},
      {"nine lines are not eight", {nine, two, two}, {8, 2, 2}, 3,
       "第1柱輸入了 9 個號碼,但第1柱設定為 8 個,請修正號碼或柱的大小後再驗證"},
      {"inactive pillars are not looked at", {two, two, two, two, two}, {2, 2, 2, 0, 0}, 3, ""},
      {"an active pillar of size 0 with an empty memo", {two, two, {}, two}, {2, 2, 0, 2}, 4, ""},
      {"a missing memo holds nothing", {two, two}, {2, 2, 2}, 3,
       "第3柱輸入了 0 個號碼,但第3柱設定為 2 個,請修正號碼或柱的大小後再驗證"},
  };
  for (const Case& c : cases) {
    const core::Status status = check_memo_sizes(c.memos, c.sizes, c.pillar_count);
    if (c.refusal.empty())
      EXPECT_TRUE(status.ok()) << c.name;
    else
      EXPECT_EQ(status.ok() ? core::Error{} : status.error(), core::Error::warning(c.refusal)) << c.name;
  }
}

TEST(CheckBingoPillar, HitsPerPillar) {
  PillarTable table{};
  table[0] = {"05", "12"};
  table[1] = {"23", "30"};
  table[2] = {"07", "33"};
  table[3] = {"01", "18"};
  const PillarLengths two_each{2, 2, 2, 2};
  const auto one = CHECK_Bingo_pillar("0512233038", table, two_each, 4);
  EXPECT_EQ(one.ball_mark, (std::array<std::string, 5>{"05", "12", "23", "30", "__"}));
  EXPECT_EQ(one.hits, (arith::StarCounts{4, 0, 0}));  // hits 2, 2, 0, 0
  EXPECT_EQ(CHECK_Bingo_pillar("0105072338", table, two_each, 4).hits, (arith::StarCounts{6, 4, 1}));
  EXPECT_EQ(CHECK_Bingo_pillar("0205122038", table, two_each, 4).hits, (arith::StarCounts{0, 0, 0}));
  // Three pillars never win a four-star bet.
  EXPECT_EQ(CHECK_Bingo_pillar("0105072338", table, two_each, 3).hits.four, 0);
  // Only the first L entries take part.
  EXPECT_EQ(CHECK_Bingo_pillar("0512233038", table, {1, 1, 2, 2}, 4).hits, (arith::StarCounts{1, 0, 0}));
  // Text semantics: "5" never matches 05, empty entries match nothing.
  table[0] = {"5", ""};
  EXPECT_EQ(CHECK_Bingo_pillar("0512233038", table, two_each, 4).ball_mark[0], "__");
}

TEST(PillarReport, DecoratedLinesListingAndSummary) {
  const std::vector<std::string> lines{"0001,2009/01/02,098002,05,12,23,30,38",
                                       "0002,2009/01/03,098003,02,04,06,08,10",
                                       "0003,2009/01/05,098004,01,05,07,23,38"};
  PillarTable table{};
  table[0] = {"05", "12"};
  table[1] = {"23", "30"};
  table[2] = {"07", "33"};
  table[3] = {"01", "18"};
  PillarReportInput in;
  in.checked_lines = lines.size();
  in.report_lines = lines;
  in.table = &table;
  in.lengths = {2, 2, 2, 2};
  in.pillar_count = 4;
  in.pillar_size = {2, 2, 2, 2};
  in.cost = {24, 32, 16};
  in.period_title = "最近 3 期驗證";
  const auto report = pillar_report(in);
  const std::vector<std::string> expected{
      "0001,2009/01/02,098002,05,12,23,30,38,|,05,12,23,30,__,|,4,0,0",
      "0002,2009/01/03,098003,02,04,06,08,10,|,__,__,__,__,__,|,0,0,0",
      "0003,2009/01/05,098004,01,05,07,23,38,|,01,05,07,23,__,|,6,4,1",
      "", "最近 3 期驗證",
      "", "第1柱", "05", "12",
      "", "第2柱", "23", "30",
      "", "第3柱", "07", "33",
      "", "第4柱", "01", "18",
      "", "成本二星 24 碰", "成本三星 32 碰", "成本四星 16 碰",
      "", "開出星星統計", "二星開出 10 碰", "三星開出 4 碰", "四星開出 1 碰"};
  EXPECT_EQ(report.lines, expected);
  EXPECT_EQ(report.totals, (arith::StarCounts{10, 4, 1}));

  // Verifying the plain list twice gives the same report.
  EXPECT_EQ(pillar_report(in).lines, expected);

  // The listing follows the declared sizes, the check the memo lengths; a Memo2 shorter
  // than Memo1 decorates only the lines it has.
  in.pillar_size = {3, 2, 2, 1};
  in.report_lines = std::span(lines).first(1);
  const auto odd = pillar_report(in);
  EXPECT_EQ(odd.lines[0], expected[0]);
  EXPECT_EQ(odd.lines[4], "第1柱");
  EXPECT_EQ(odd.lines[7], "");  // the third entry of pillar 1 is empty
  EXPECT_EQ(odd.lines[8], "");
  EXPECT_EQ(odd.lines[9], "第2柱");
  EXPECT_EQ(odd.totals, (arith::StarCounts{4, 0, 0}));
}

}  // namespace
}  // namespace pillars
