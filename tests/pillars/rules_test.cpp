#include "pillars/rules.h"

#include <gtest/gtest.h>

namespace {

using pillars::arith::Priority;
using pillars::arith::Shape;

// The refusal wins in the order the panel and the engine meet it: a word that is no ball
// before the count, and a repeat counts as a missing number.
TEST(NumberListRule, ReadsBallsThenCountsDistinctNumbers) {
  struct Case {
    std::vector<std::string> words;
    std::string refusal;  // empty: accepted
  };
  const Case cases[] = {
      {{"3", "1", "2"}, ""},
      {{"+3", "01", "39"}, ""},
      {{"1", "2"}, "必須選 3 個號碼"},
      {{"1", "2", "2"}, "必須選 3 個號碼"},
      {{"1", "40"}, "「40」不是有效的號碼"},
      {{"1", " 2", "3"}, "「 2」不是有效的號碼"},
      {{"0", "2", "3"}, "「0」不是有效的號碼"},
  };
  for (const Case& c : cases) {
    const auto balls = pillars::read_balls(c.words, 39);
    const auto checked = balls ? pillars::check_number_list(*balls, 3, 39) : balls;
    EXPECT_EQ(checked ? std::string() : checked.error().text, c.refusal) << c.words.front();
  }
  EXPECT_EQ(*pillars::check_number_list({3, 1, 2}, 3, 39), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(pillars::read_ball(" 7", 39, pillars::BallText::lenient), 7);
}

TEST(PriorityRule, WordsDigitsAndShapesAgree) {
  for (std::size_t i = 0; i < pillars::kPriorities.size(); ++i) {
    EXPECT_EQ(pillars::priority_of_word(pillars::kPriorityWords[i]), pillars::kPriorities[i]);
    EXPECT_EQ(std::to_string(pillars::priority_digit(pillars::kPriorities[i])), pillars::kPriorityWords[i]);
  }
  EXPECT_EQ(pillars::priority_of_word("1"), std::nullopt);
  for (std::size_t i = 0; i < pillars::kShapes.size(); ++i)
    EXPECT_EQ(pillars::shape_of_word(pillars::kShapeWords[i]), pillars::kShapes[i]);
  EXPECT_EQ(pillars::shape_priority(Shape::k2x2x3x3, Priority::two_first), Priority::two_first);
  EXPECT_EQ(pillars::shape_priority(Shape::k3x3x3, Priority::two_first), Priority::four_first);
}

}  // namespace
