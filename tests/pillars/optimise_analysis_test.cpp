#include <gtest/gtest.h>

#include <random>

#include "pillars/optimise_analysis.h"
#include "pillars/optimise_texts.h"
#include "support/arith_fixtures.h"
#include "support/random_period.h"
#include "support/reference_pillars.h"

namespace pillars {
namespace {

using arith::Shape;

const std::vector<std::string> kEight{"01", "02", "03", "04", "05", "06", "07", "08"};

core::Result<OptimiseReport> run(Shape shape, const std::vector<std::string>& selection,
                                 const std::vector<std::string>& period = {}, int priority = 0) {
  return analyse_fixed_shape(shape, {period, "驗證期間：2009/01/01 至 2009/03/31 共   57 期", selection,
                                     testdata::kModelPriorities[priority]});
}

TEST(AnalyseFixedShape, WrongSelectionSizeIsRefused) {
  const std::vector<std::string> seven(kEight.begin(), kEight.end() - 1);
  auto nine = kEight;
  nine.push_back("09");
  struct Case {
    const char* label;
    Shape shape;
    std::vector<std::string> selection;
    std::string_view message;
    int required;
  };
  const Case cases[] = {
      {"2x2x2x2 with 7", Shape::k2x2x2x2, seven, optimise_text::kNeedEight, 8},
      {"2x2x2x2 with 9", Shape::k2x2x2x2, nine, optimise_text::kNeedEight, 8},
      {"1x1x2x2x2 with 9", Shape::k1x1x2x2x2, nine, optimise_text::kNeedEight, 8},
      {"3x3x3 with 8", Shape::k3x3x3, kEight, optimise_text::kNeedNine, 9},
      {"2x2x3x3 with 9", Shape::k2x2x3x3, nine, optimise_text::kNeedTen, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const auto result = run(c.shape, c.selection);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error(), core::Error::warning(std::string(c.message)));
    EXPECT_EQ(arith::shape_numbers(c.shape), c.required);
  }
  {
    SCOPED_TRACE("not a two-digit ball, or repeated");
    for (const auto& bad : {std::vector<std::string>{"01", "02", "03", "04", "05", "06", "07", "5"},
                            std::vector<std::string>{"01", "02", "03", "04", "05", "06", "07", "07"}}) {
      const auto result = run(Shape::k2x2x2x2, bad);
      ASSERT_FALSE(result.ok());
      EXPECT_EQ(result.error(), core::Error::warning(std::string(optimise_text::kBadSelection)));
      EXPECT_FALSE(selection_numbers(bad).ok());
    }
  }
}

TEST(AnalyseFixedShape, EmptyPeriodReportsInDescendingArrangementText) {
  const auto result = run(Shape::k2x2x2x2, kEight);
  ASSERT_TRUE(result.ok());
  const auto& memo = result->lines;
  const std::vector<std::string> head{"８碼立柱 = 2x2x2x2 優柱分析",
                                      "",
                                      "驗證期間：2009/01/01 至 2009/03/31 共   57 期",
                                      "",
                                      "您選擇的立柱號碼( 8 碼)",
                                      "01,02,03,04,05,06,07,08",
                                      "",
                                      "成本二星 24 碰",
                                      "成本三星 32 碰",
                                      "成本四星 16 碰",
                                      "",
                                      "以下按四星/三星/二星次數排列三十組",
                                      "￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣"};
  ASSERT_EQ(memo.size(), head.size() + 60) << "30 rows, each followed by an empty line";
  EXPECT_EQ(std::vector<std::string>(memo.begin(), memo.begin() + head.size()), head);
  EXPECT_EQ(memo[13], "四星0碰,三星0碰,二星0碰---(01,08) x (02,07) x (03,06) x (04,05)");
  EXPECT_EQ(memo[14], "");
  EXPECT_EQ(memo[15], "四星0碰,三星0碰,二星0碰---(01,08) x (02,07) x (03,05) x (04,06)");
  EXPECT_EQ(result->best, (PillarNumbers{{"01", "08"}, {"02", "07"}, {"03", "06"}, {"04", "05"}}));
  EXPECT_EQ(result->layout.pillar_count, 4);
  EXPECT_EQ(result->layout.pillar_size, (std::array<int, 8>{2, 2, 2, 2, 0, 0, 0, 0}));
}

TEST(AnalyseFixedShape, LayoutsTitlesAndRowsPerShape) {
  auto nine = kEight;
  nine.push_back("09");
  auto ten = nine;
  ten.push_back("10");
  {
    SCOPED_TRACE("3x3x3: no four-star count in its rows");
    const auto r = run(Shape::k3x3x3, nine).value();
    EXPECT_EQ(r.lines[0], "９碼立柱 = 3x3x3 優柱分析");
    EXPECT_EQ(r.lines[9], "成本四星 0 碰");
    EXPECT_EQ(r.lines[11], "以下按三星/二星次數排列三十組");
    EXPECT_EQ(r.lines[12], separator_line(15));
    EXPECT_EQ(r.lines[13], "三星0碰,二星0碰---(01,08,09) x (02,06,07) x (03,04,05)");
    EXPECT_EQ(r.layout.pillar_count, 3);
    EXPECT_EQ(r.layout.cost, (arith::StarCounts{27, 27, 0}));
  }
  {
    SCOPED_TRACE("1x1x2x2x2: five pillars");
    const auto r = run(Shape::k1x1x2x2x2, kEight).value();
    EXPECT_EQ(r.lines[0], "８碼立柱 = 1x1x2x2x2 優柱分析");
    EXPECT_EQ(r.lines[13], "四星0碰,三星0碰,二星0碰---(07) x (08) x (01,06) x (02,05) x (03,04)");
    EXPECT_EQ(r.layout.pillar_size, (std::array<int, 8>{1, 1, 2, 2, 2, 0, 0, 0}));
    EXPECT_EQ(r.best.size(), 5u);
  }
  {
    SCOPED_TRACE("2x2x3x3 follows the priority in subtitle and labels; 20 rows");
    const auto r = run(Shape::k2x2x3x3, ten, {}, 2).value();
    EXPECT_EQ(r.lines[0], "１０碼立柱 = 2x2x3x3 優柱分析");
    EXPECT_EQ(r.lines[4], "您選擇的立柱號碼( 10 碼)");
    EXPECT_EQ(r.lines[11], "以下按二星優先，二-三-四星開出統計排列");
    EXPECT_EQ(r.lines[12], separator_line(20));
    EXPECT_EQ(r.lines.size(), 13u + 40);
    EXPECT_EQ(r.lines[13].rfind("二星0碰,三星0碰,四星0碰---(01,10)", 0), 0u) << r.lines[13];
  }
}

TEST(AnalyseFixedShape, ReportRowsAgainstTheTextModel) {
  std::mt19937 rng(4);
  const std::pair<Shape, const char*> shapes[] = {
      {Shape::k2x2x2x2, "2x2x2x2"}, {Shape::k3x3x3, "3x3x3"}, {Shape::k1x1x2x2x2, "1x1x2x2x2"}, {Shape::k2x2x3x3, "2x2x3x3"}};
  for (const auto& [shape, name] : shapes) {
    const auto numbers = testdata::random_selection(rng, arith::shape_numbers(shape));
    const auto period = testdata::random_period(rng, 25, numbers);
    for (int priority = 0; priority < 3; ++priority) {
      SCOPED_TRACE(std::string(name) + " priority " + std::to_string(priority));
      const auto r = run(shape, testdata::texts(numbers), period, priority);
      ASSERT_TRUE(r.ok());
      // Only the 2x2x3x3 analysis follows the priority.
      const int used = shape == Shape::k2x2x3x3 ? priority : 0;
      const auto entries = reference::ranked_entries(name, testdata::joined(numbers), period, used);
      const size_t rows = shape == Shape::k2x2x3x3 ? 20 : 30;
      ASSERT_EQ(r->lines.size(), 13 + 2 * rows);
      for (size_t i = 0; i < rows; ++i)
        ASSERT_EQ(r->lines[13 + 2 * i],
                  reference::row_line(entries[i], reference::sizes_of(name), used, shape == Shape::k3x3x3))
            << "row " << i + 1;
    }
  }
}

}  // namespace
}  // namespace pillars
