// The statistics window's three views on small tables: values, arrangements with their
// tie orders, averages, empty ranges and hand-edited balls.
#include "analysis/statistics/statistics_views.h"

#include <gtest/gtest.h>

#include "support/draw_tables.h"

namespace statistics {
namespace {

constexpr core::Date kFirst{2009, 1, 1}, kLast{2009, 12, 31};

std::vector<std::string> shown(const NumberView& view, std::size_t from, std::size_t count) {
  std::vector<std::string> out;
  for (std::size_t k = from; k < from + count && k < view.positions.size(); ++k)
    out.push_back(std::to_string(view.positions[k].number) + "=" + std::to_string(view.positions[k].value));
  return out;
}

TEST(NumberView, SingleDrawInBothViewsAndOrders) {
  const auto history = test_support::history_of({{1, 2, 3, 4, 5}});
  struct Case {
    View view;
    Arrangement arrangement;
    std::size_t from;
    std::vector<std::string> positions;
    std::string average;
  };
  const Case cases[] = {
      // Equal counts: the larger number first.
      {View::Numbers, Arrangement::ByValue, 0, {"5=1", "4=1", "3=1", "2=1", "1=1", "39=0", "38=0"}, "平均值為 0.13"},
      {View::Numbers, Arrangement::ByNumber, 0, {"1=1", "2=1", "3=1"}, "平均值為 0.13"},
      // Gaps pack no number into their keys: the exchanges leave 05, 01, 02, 03, 04 last.
      {View::Gaps, Arrangement::ByValue, 0, {"6=1", "7=1", "8=1"}, "平均值為 0.87"},
      {View::Gaps, Arrangement::ByValue, 33, {"39=1", "5=0", "1=0", "2=0", "3=0", "4=0"}, "平均值為 0.87"},
      {View::Gaps, Arrangement::ByNumber, 0, {"1=0", "2=0", "3=0", "4=0", "5=0", "6=1"}, "平均值為 0.87"},
  };
  for (const auto& c : cases) {
    const NumberView view = number_view(history, kFirst, kLast, c.view, c.arrangement);
    EXPECT_EQ(view.count, 1);
    ASSERT_EQ(view.positions.size(), 39u);
    EXPECT_EQ(shown(view, c.from, c.positions.size()), c.positions);
    EXPECT_EQ(view.average, c.average);
  }
}

TEST(NumberView, GapsCountDrawsSinceTheLastInRange) {
  // Five draws; 01 only in the first, 02 in the last, 03 in draws 2 and 4, 40 hand-edited.
  const auto history = test_support::history_of(
      {{1, 10, 11, 12, 13}, {3, 14, 15, 16, 40}, {17, 18, 19, 20, 21}, {3, 22, 23, 24, 25}, {2, 26, 27, 28, 29}});
  const NumberView gaps = number_view(history, kFirst, kLast, View::Gaps, Arrangement::ByNumber);
  EXPECT_EQ(gaps.count, 5);
  EXPECT_EQ(shown(gaps, 0, 3), (std::vector<std::string>{"1=4", "2=0", "3=1"}));
  EXPECT_EQ(shown(gaps, 29, 1), (std::vector<std::string>{"30=5"}));
  const NumberView counts = number_view(history, kFirst, kLast, View::Numbers, Arrangement::ByValue);
  EXPECT_EQ(shown(counts, 0, 2), (std::vector<std::string>{"3=2", "29=1"}));
  // The range from the second draw on: 01 was never drawn in it.
  const NumberView later = number_view(history, {2009, 1, 2}, kLast, View::Gaps, Arrangement::ByNumber);
  EXPECT_EQ(later.count, 4);
  EXPECT_EQ(shown(later, 0, 1), (std::vector<std::string>{"1=4"}));
  EXPECT_TRUE(highlighted(View::Gaps, 0));
  EXPECT_FALSE(highlighted(View::Numbers, 0));
}

TEST(StatisticsViews, EmptyRange) {
  const auto history = test_support::history_of({{1, 2, 3, 4, 5}});
  // Numbers pack their number into the key, so 39 leads; equal gaps are never exchanged.
  const std::pair<View, std::vector<std::string>> cases[] = {{View::Numbers, {"39=0", "38=0"}},
                                                             {View::Gaps, {"1=0", "2=0"}}};
  for (const auto& [view, first] : cases) {
    const NumberView empty = number_view(history, kLast, kFirst, view, Arrangement::ByValue);
    EXPECT_EQ(empty.count, 0);
    EXPECT_EQ(shown(empty, 0, 2), first);
    EXPECT_EQ(empty.average, "平均值為 0.00");
    EXPECT_EQ(value_text(view, 0), "0");
  }
  const TailView tails = tail_view(history, kLast, kFirst);
  EXPECT_EQ(tails.count, 0);
  EXPECT_EQ(tails.tails, (std::array<int, 10>{}));
  EXPECT_EQ(value_text(View::Tails, 0), "");
  EXPECT_EQ(tails.average, "平均值為 0.00");
}

TEST(TailView, UnitsDigitsIncludingHandEditedBalls) {
  const auto history = test_support::history_of({{10, 20, 30, 5, 15}, {0, 45, 1, 2, 3}});
  const TailView tails = tail_view(history, kFirst, kLast);
  EXPECT_EQ(tails.count, 2);
  EXPECT_EQ(tails.tails, (std::array<int, 10>{4, 1, 1, 1, 0, 3, 0, 0, 0, 0}));
  EXPECT_EQ(tails.average, "平均值為 1.00");
  // 00 and 45 have no picture in the number view.
  const NumberView counts = number_view(history, kFirst, kLast, View::Numbers, Arrangement::ByNumber);
  int total = 0;
  for (const auto& p : counts.positions) total += p.value;
  EXPECT_EQ(total, 8);
}

TEST(AverageText, TwoDecimalsHalfAwayFromZero) {
  EXPECT_EQ(average_text(95, 39), "平均值為 2.44");
  EXPECT_EQ(average_text(95, 10), "平均值為 9.50");
  EXPECT_EQ(average_text(1, 8), "平均值為 0.13");
  EXPECT_EQ(average_text(-1, 8), "平均值為 -0.13");
  EXPECT_EQ(average_text(12345, 1), "平均值為 12345.00");
}

}  // namespace
}  // namespace statistics
