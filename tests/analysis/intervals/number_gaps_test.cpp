// Gap runs of single numbers, the longest-gap label, the grid and the per-number summaries.
#include "analysis/intervals/number_gaps.h"

#include <gtest/gtest.h>

#include "analysis/intervals/number_summary.h"
#include "core/ball_text.h"
#include "support/hand_made_draws.h"

namespace intervals {
namespace {

// Twelve draws: 07 in draws 3, 4 and 10; 20 only in the newest draw; 30 whenever 07 is
// missing; 31 in all but the newest; 32, 33 and 34 in every draw; the rest never.
core::DrawHistory twelve_draws() {
  std::vector<test_support::Balls> draws;
  for (int d = 1; d <= 12; ++d) {
    const bool seven = d == 3 || d == 4 || d == 10;
    draws.push_back({seven ? 7 : 30, d == 12 ? 20 : 31, 32, 33, 34});
  }
  return test_support::hand_made_history(draws);
}

TEST(analyse_intervals, GapRunsOfOneNumber) {
  const auto analysis = analyse_intervals(twelve_draws());
  struct Case {
    const char* name;
    int number;
    std::vector<int> cells;
  };
  const Case cases[] = {
      {"drawn three times", 7, {2, 0, 5, 2}},
      {"drawn only in the newest draw", 20, {11, 0}},
      {"never drawn", 38, {12}},
      {"drawn in every draw", 32, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"missing from the newest draw", 31, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(analysis.numbers[c.number - 1].cells, c.cells) << c.name;
  EXPECT_EQ(analysis.max_rows, 12);
  // Every never-drawn number holds 12 in row 1; the lowest of them names the longest gap.
  EXPECT_EQ(analysis.longest_gap, "12期  號碼 01 位置 001");
  ASSERT_EQ(analysis.grid.rows(), 17);
  EXPECT_EQ(analysis.grid.column(7)[0], "07");
  EXPECT_EQ(analysis.grid.column(7), (std::vector<std::string>{"07", " 2", " -", " 5", " 2", "", "", "", "", "", "",
                                                                "", "", "", "", "", ""}));
  EXPECT_EQ(analysis.grid.cell(0, 16), "016");
  EXPECT_EQ(analysis.grid.cell(20, 1), "11");
}

TEST(analyse_intervals, EmptyTableAndLongRuns) {
  const auto empty = analyse_intervals(core::DrawHistory{});
  EXPECT_EQ(empty.longest_gap, "0期  ");
  ASSERT_EQ(empty.grid.rows(), 5);
  EXPECT_EQ(empty.grid.row(0)[39], "39");
  std::vector<std::string> last_row(40, "");
  last_row[0] = "004";
  EXPECT_EQ(empty.grid.row(4), last_row);
  EXPECT_TRUE(show_no(empty, "01").empty());
  EXPECT_TRUE(all_summaries(empty).empty());

  // 01 in all 2,500 draws: far beyond the 300 appearances and 200 labelled rows of old.
  std::vector<test_support::Balls> draws(2500, test_support::Balls{1, 2, 3, 4, 5});
  for (int d = 0; d < 2500; d += 7) draws[d] = {1, 10, 11, 12, 13};
  const auto full = analyse_intervals(test_support::hand_made_history(draws));
  EXPECT_EQ(full.max_rows, 2500);
  EXPECT_EQ(full.numbers[0].cells.size(), 2501U);
  ASSERT_EQ(full.grid.rows(), 2505);
  EXPECT_EQ(full.grid.cell(0, 1000), "1000");
  EXPECT_EQ(full.grid.cell(0, 2504), "2504");
  EXPECT_EQ(full.grid.cell(1, 2501), " -");
  EXPECT_EQ(show_no(full, "01")[1], "開出次數 2500   最長間隔 0   平均間隔 0.00");
  EXPECT_EQ(show_no(full, "10")[1], "開出次數 358   最長間隔 6   平均間隔 5.97");
}

TEST(show_no, SummaryLinesForTheTypedText) {
  const auto analysis = analyse_intervals(twelve_draws());
  const std::vector<std::string> seven = {"07 分析  至100012期", "開出次數 3   最長間隔 5   平均間隔 2.25",
                                          "間隔明細, 2, -, 5  (目前 2期未開)", ""};
  EXPECT_EQ(show_no(analysis, "07"), seven);
  EXPECT_EQ(show_no(analysis, "20")[2], "間隔明細,11  (上期開出)");
  EXPECT_EQ(show_no(analysis, "38")[1], "開出次數 0   最長間隔 12   平均間隔 12.00");
  EXPECT_EQ(show_no(analysis, "38")[2], "間隔明細  (目前12期未開)");
  struct Case {
    const char* typed;
    const char* heading;  // "" for no lines
    int reads;            // the number whose counts follow
  };
  for (const auto c : {Case{" +07", " +07 分析  至100012期", 7}, Case{"7 ", "7  分析  至100012期", 1},
                       Case{"0", "", 0}, Case{"-7", "", 0}, Case{"99999999999", "", 0}}) {
    SCOPED_TRACE(c.typed);
    const auto lines = show_no(analysis, c.typed);
    if (c.reads == 0) {
      EXPECT_TRUE(lines.empty());
      continue;
    }
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0], c.heading);
    EXPECT_EQ(lines[2], show_no(analysis, core::ball_text(c.reads))[2]);
  }
  const auto all = all_summaries(analysis);
  ASSERT_EQ(all.size(), 39U * 4);
  EXPECT_EQ(all[0], "01 分析  至100012期");
  EXPECT_EQ(std::vector<std::string>(all.begin() + 24, all.begin() + 28), seven);
}

TEST(average_text, ExactQuotientRoundedHalfUp) {
  struct Case {
    long long total, cells;
    const char* text;
  };
  for (const auto c : {Case{2173, 328, "6.63"}, Case{12, 1, "12.00"}, Case{1, 3, "0.33"}, Case{2, 3, "0.67"},
                       Case{1, 8, "0.13"}})
    EXPECT_EQ(average_text(c.total, c.cells), c.text) << c.total << "/" << c.cells;
}

}  // namespace
}  // namespace intervals
