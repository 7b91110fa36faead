#include "pillars/lenpon.h"

#include <gtest/gtest.h>

#include "core/result.h"

#include "pillars/messages.h"

namespace pillars {
namespace {

const std::vector<std::string> kSelection{"05", "11", "17", "23"};

std::vector<std::string> period_lines() {
  return {"0001,2009/01/02,098002,05,11,17,29,38", "0002,2009/01/03,098003,01,02,03,04,06",
          "0003,2009/01/05,098004,05,11,17,23,30"};
}

TEST(CheckBingoLenpon, MarksAndWinningBets) {
  const DrawMarks marks = CHECK_Bingo_lenpon("0511172938", kSelection);
  EXPECT_EQ(marks.ball_mark, (std::array<std::string, 5>{"05", "11", "17", "__", "__"}));
  EXPECT_EQ(marks.hits, (arith::StarCounts{3, 1, 0}));

  EXPECT_EQ(CHECK_Bingo_lenpon("0511172338", kSelection).hits, (arith::StarCounts{6, 4, 1}));
  EXPECT_EQ(CHECK_Bingo_lenpon("0102030406", kSelection).hits, (arith::StarCounts{0, 0, 0}));
  const std::vector<std::string> two{"05", "11"};
  EXPECT_EQ(CHECK_Bingo_lenpon("0511172338", two).hits, (arith::StarCounts{1, 0, 0}));
  EXPECT_EQ(CHECK_Bingo_lenpon("0511", kSelection).ball_mark[2], "__");  // short draw text
}

TEST(LenponReport, DecoratedLinesThenSummary) {
  const auto lines = period_lines();
  const auto report = lenpon_report(lines, lines, kSelection, true, "最近 3 期驗證");
  ASSERT_TRUE(report.ok());
  const std::vector<std::string> expected{
      "0001,2009/01/02,098002,05,11,17,29,38,|,05,11,17,__,__,|,3,1,0",
      "0002,2009/01/03,098003,01,02,03,04,06,|,__,__,__,__,__,|,0,0,0",
      "0003,2009/01/05,098004,05,11,17,23,30,|,05,11,17,23,__,|,6,4,1",
      "",
      "最近 3 期驗證",
      "",
      "如果您選擇連碰號碼( 4 碼)",
      "05,11,17,23",
      "",
      "每期二星 6 碰",
      "每期三星 4 碰",
      "每期四星 1 碰",
      "",
      "※開出統計※",
      "二星開出 9 碰",
      "三星開出 5 碰",
      "四星開出 1 碰",
  };
  EXPECT_EQ(report->lines, expected);
  EXPECT_EQ(report->totals, (arith::StarCounts{9, 5, 1}));
}

TEST(LenponReport, WithoutDetailAndRepeated) {
  const auto lines = period_lines();
  const auto plain = lenpon_report(lines, lines, kSelection, false, "t");
  ASSERT_TRUE(plain.ok());
  EXPECT_EQ(std::vector<std::string>(plain->lines.begin(), plain->lines.begin() + 3), lines);
  EXPECT_EQ(plain->lines.size(), 3u + 14u);

  // A second run replaces the same lines again and appends a second summary.
  const auto first = lenpon_report(lines, lines, kSelection, true, "t");
  const auto second = lenpon_report(lines, first->lines, kSelection, true, "t");
  EXPECT_EQ(second->lines.size(), 3u + 28u);
  EXPECT_EQ(second->lines[0], first->lines[0]);
  EXPECT_EQ(second->totals, first->totals);

  // Memo3 shorter than Memo1: missing positions are skipped, the totals still count.
  const std::vector<std::string> one{lines[0]};
  const auto shorter = lenpon_report(lines, one, kSelection, true, "t");
  EXPECT_EQ(shorter->lines.size(), 1u + 14u);
  EXPECT_EQ(shorter->totals, (arith::StarCounts{9, 5, 1}));
}

TEST(LenponReport, SelectionSizesAndEmptyPeriod) {
  const auto lines = period_lines();
  EXPECT_EQ(lenpon_report(lines, lines, std::vector<std::string>{"05"}, true, "t").error(), core::Error::warning(std::string(msg::kLenponSelectionSize)));
  std::vector<std::string> many;
  for (int n = 1; n <= 31; ++n) many.push_back((n < 10 ? "0" : "") + std::to_string(n));
  EXPECT_EQ(lenpon_report(lines, lines, many, true, "t").error(), core::Error::warning(std::string(msg::kLenponSelectionSize)));

  many.pop_back();
  const auto thirty = lenpon_report({}, {}, many, true, "t");
  ASSERT_TRUE(thirty.ok());
  EXPECT_EQ(thirty->lines[6], "每期二星 435 碰");
  EXPECT_EQ(thirty->lines[7], "每期三星 4060 碰");
  EXPECT_EQ(thirty->lines[8], "每期四星 27405 碰");
  EXPECT_EQ(thirty->lines.back(), "四星開出 0 碰");
}

}  // namespace
}  // namespace pillars
