// Reading the rule boxes and the wrap-around of predictions. The refusal texts and the
// rule title are checked through the moving command's documented examples.
#include "analysis/moving/moving_rule.h"

#include <gtest/gtest.h>

namespace moving {
namespace {

TEST(wrap_prediction, StaysWithinOneToMaxBall) {
  struct Case {
    long long base, offset;
    int expected;
  };
  for (const auto c : {Case{39, 1, 1}, Case{1, -1, 39}, Case{5, -38, 6}, Case{1, -100, 18}, Case{14, 0, 14},
                       Case{0, 0, 39}, Case{20, 2147483647LL, 30}, Case{20, -2147483648LL, 9}})
    EXPECT_EQ(wrap_prediction(c.base, c.offset, 39), c.expected) << c.base << " " << c.offset;
}

TEST(read_moving_rule, WindowBoxesReadStrictlyAndOnlyWhileActive) {
  MovingBoxes b;
  b.positions[0] = " 1";  // a number box holds no blanks
  EXPECT_EQ(read_moving_rule(b, core::BallOrder::Drawn).error().text, "「 1」不是有效的整數");
  b.positions[0] = "+2";
  b.look_back = "02";
  b.prediction_count = 2;
  b.signs = {"減", "加", "減"};
  b.amounts = {"2147483647", "7", "x"};  // the third amount box is hidden for 二中一
  const auto rule = read_moving_rule(b, core::BallOrder::Sorted);
  ASSERT_TRUE(rule.ok());
  EXPECT_EQ(rule->positions[0], 2);
  EXPECT_EQ(rule->look_back, 2);
  EXPECT_EQ(rule->offsets, (std::vector<long long>{-2147483647LL, 7}));
  b.prediction_count = 3;
  EXPECT_EQ(read_moving_rule(b, core::BallOrder::Drawn).error().text, "「x」不是有效的整數");
}

}  // namespace
}  // namespace moving
