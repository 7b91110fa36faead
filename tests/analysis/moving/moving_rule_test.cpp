// Reading the rule boxes, the wrap-around of predictions and the rule title.
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
                       Case{39, 0, 39}, Case{0, 0, 39}, Case{20, 2147483647LL, 30},
                       Case{20, -2147483648LL, 9}}) {
    EXPECT_EQ(wrap_prediction(c.base, c.offset, 39), c.expected) << c.base << " " << c.offset;
  }
}

MovingBoxes one_position(std::string position, std::string look_back, std::string amount = "0") {
  MovingBoxes b;
  b.positions[0] = std::move(position);
  b.look_back = std::move(look_back);
  b.amounts[0] = std::move(amount);
  return b;
}

TEST(read_moving_rule, RefusesTheFirstBadBoxInOrder) {
  MovingBoxes average;
  average.average = true;
  average.positions = {"1", "9", "x"};
  MovingBoxes third_amount = one_position("1", "1");
  third_amount.prediction_count = 3;
  third_amount.amounts = {"1", "2", "3a"};
  struct Case {
    const char* name;
    MovingBoxes boxes;
    std::string message;
  };
  const Case cases[] = {
      {"position 0", one_position("0", "1"), "位置必須是 1 到 5: 0"},
      {"position 6", one_position("6", "1"), "位置必須是 1 到 5: 6"},
      {"position not a number", one_position("x", "1"), "「x」不是有效的整數"},
      {"position with a blank", one_position(" 1", "1"), "「 1」不是有效的整數"},
      {"position before look-back", one_position("9", "0"), "位置必須是 1 到 5: 9"},
      {"second averaged position", average, "位置必須是 1 到 5: 9"},
      {"look-back 0", one_position("1", "0"), "期數必須至少為 1: 0"},
      {"look-back negative", one_position("1", "-3"), "期數必須至少為 1: -3"},
      {"look-back not a number", one_position("1", "1.5"), "「1.5」不是有效的整數"},
      {"look-back before amount", one_position("1", "0", "x"), "期數必須至少為 1: 0"},
      {"amount", one_position("1", "1", "x"), "「x」不是有效的整數"},
      {"third amount", third_amount, "「3a」不是有效的整數"},
  };
  for (const auto& c : cases) {
    const auto rule = read_moving_rule(c.boxes, core::BallOrder::Drawn);
    ASSERT_FALSE(rule.ok()) << c.name;
    EXPECT_EQ(rule.error().text, c.message) << c.name;
  }
}

TEST(read_moving_rule, ReadsSignsAndOnlyTheActiveAmounts) {
  MovingBoxes b = one_position("+2", "02");
  b.prediction_count = 2;
  b.signs = {"減", "加", "減"};
  b.amounts = {"2147483648x", "7", "x"};  // the first is refused below; the third is inactive
  EXPECT_FALSE(read_moving_rule(b, core::BallOrder::Drawn).ok());
  b.amounts[0] = "2147483647";
  const auto rule = read_moving_rule(b, core::BallOrder::Sorted);
  ASSERT_TRUE(rule.ok());
  EXPECT_EQ(rule->positions[0], 2);
  EXPECT_EQ(rule->look_back, 2);
  EXPECT_EQ(rule->offsets, (std::vector<long long>{-2147483647LL, 7}));
  EXPECT_EQ(rule->order, core::BallOrder::Sorted);
}

TEST(moving_title, RepeatsTheBoxTextsAsTyped) {
  MovingBoxes three = one_position("3", "1");
  three.prediction_count = 3;
  three.signs = {"加", "減", "減"};
  three.amounts = {"5", "0", "12"};
  MovingBoxes average;
  average.average = true;
  average.look_back = "02";
  average.prediction_count = 2;
  average.signs = {"加", "減", "加"};
  average.amounts = {"3", "3", "0"};
  MovingBoxes zero_average = average;
  zero_average.prediction_count = 1;
  zero_average.amounts[0] = "0";
  MovingBoxes padded = one_position("1", "1", "00");
  struct Case {
    MovingBoxes boxes;
    core::BallOrder order;
    std::string title;
  };
  const Case cases[] = {
      {three, core::BallOrder::Drawn, "上1期落球第3支,本期開加5,本支,減12 三中一"},
      {average, core::BallOrder::Sorted, "上02期順球第1,2,3支取平均數,本期開加3,減3 二中一"},
      {zero_average, core::BallOrder::Drawn, "上02期落球第1,2,3支取平均數,本期開本號 一中一"},
      {padded, core::BallOrder::Drawn, "上1期落球第1支,本期開加00 一中一"},
  };
  for (const auto& c : cases) EXPECT_EQ(moving_title(c.boxes, c.order), c.title);
}

}  // namespace
}  // namespace moving
