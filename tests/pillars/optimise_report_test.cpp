#include <gtest/gtest.h>

#include "pillars/arithmetic/ranking.h"
#include "pillars/optimise_period.h"
#include "pillars/optimise_report.h"

namespace pillars {
namespace {

using arith::Priority;
using arith::StarCounts;

// The ranking compares the counts in the priority's order, as the report's rows list them.
TEST(RankingOrder, FieldOrderPerPriority) {
  const StarCounts w{297, 41, 2};
  using Counts = std::array<std::int64_t, 3>;
  EXPECT_EQ(arith::ordered_counts(w, Priority::four_first), (Counts{2, 41, 297}));
  EXPECT_EQ(arith::ordered_counts(w, Priority::three_first), (Counts{41, 297, 2}));
  EXPECT_EQ(arith::ordered_counts(w, Priority::two_first), (Counts{297, 41, 2}));
}

TEST(ArrangementRow, LabelsFollowThePriority) {
  const PillarNumbers four{{"01", "18"}, {"05", "30"}, {"07", "23"}, {"12", "33"}};
  const StarCounts w{297, 41, 2};
  EXPECT_EQ(arrangement_row(w, Priority::four_first, four, false),
            "四星2碰,三星41碰,二星297碰---(01,18) x (05,30) x (07,23) x (12,33)");
  EXPECT_EQ(arrangement_row(w, Priority::three_first, four, false),
            "三星41碰,二星297碰,四星2碰---(01,18) x (05,30) x (07,23) x (12,33)");
  EXPECT_EQ(arrangement_row(w, Priority::two_first, four, false),
            "二星297碰,三星41碰,四星2碰---(01,18) x (05,30) x (07,23) x (12,33)");
  const PillarNumbers three{{"01", "02", "03"}, {"04", "05", "06"}, {"07", "08", "09"}};
  EXPECT_EQ(arrangement_row({30, 5, 0}, Priority::four_first, three, true),
            "三星5碰,二星30碰---(01,02,03) x (04,05,06) x (07,08,09)");
  const PillarNumbers singles{{"01"}, {"02"}, {"03", "04"}, {"05", "06"}, {"07", "08"}};
  EXPECT_EQ(arrangement_row({}, Priority::four_first, singles, false),
            "四星0碰,三星0碰,二星0碰---(01) x (02) x (03,04) x (05,06) x (07,08)");
}

TEST(ReportLines, FixedTexts) {
  EXPECT_EQ(separator_line(17), "￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣");
  EXPECT_EQ(separator_line(0), "");
  EXPECT_EQ(priority_subtitle(Priority::four_first), "以下按四星優先，四-三-二星開出統計排列");
  EXPECT_EQ(priority_subtitle(Priority::three_first), "以下按三星優先，三-二-四星開出統計排列");
  EXPECT_EQ(priority_subtitle(Priority::two_first), "以下按二星優先，二-三-四星開出統計排列");
  EXPECT_EQ(cost_lines({37, 60, 36}), (std::vector<std::string>{"成本二星 37 碰", "成本三星 60 碰", "成本四星 36 碰"}));
  const std::vector<std::string> unused{"03", "11", "17", "29"};
  EXPECT_EQ(left_out_line(unused), "【沒有用到的號碼：03x11x17x29】");
  EXPECT_EQ(subset_count_line(199), "※ 以上結果為計算所有組合之 ﹙199 / 3003 ﹚");
  EXPECT_EQ(eight_of_twelve_time_line("2024/01/02 09:05:00", "2024/01/02 09:05:01"),
            "( 計算時間 2024/01/02 09:05:00 - 2024/01/02 09:05:01 )");
  EXPECT_EQ(ten_of_fifteen_time_line("2024/01/02 09:05:00", "2024/01/02 09:05:01"),
            " 計算時間 2024/01/02 09:05:00 - 2024/01/02 09:05:01 ");
}

TEST(PeriodMasks, BallFieldsByPosition) {
  EXPECT_EQ(period_line_balls("0001,2009/01/02,096001,05,12,23,30,38"), (std::array<int, 5>{5, 12, 23, 30, 38}));
  EXPECT_EQ(period_line_mask("0001,2009/01/02,096001,05,12,23,30,38"),
            (1ull << 5) | (1ull << 12) | (1ull << 23) | (1ull << 30) | (1ull << 38));
  EXPECT_EQ(period_line_balls("0001,2009/01/02,096001,05,12,23,3"), (std::array<int, 5>{5, 12, 23, 0, 0}))
      << "short line: missing and one-character fields match nothing";
  EXPECT_EQ(period_line_balls("0001,2009/01/02,096001,5 ,12,x3,30,38"), (std::array<int, 5>{0, 12, 0, 30, 38}));
  EXPECT_EQ(period_line_mask(""), 0u);
  EXPECT_EQ(period_line_mask("0001,2009/01/02,096001,00,99,64,63,01"), (1ull << 63) | (1ull << 1))
      << "00 and numbers past 63 set no bit";
}

}  // namespace
}  // namespace pillars
