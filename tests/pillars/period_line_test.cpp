#include "pillars/period_line.h"

#include <gtest/gtest.h>

#include "core/loader.h"

namespace pillars {
namespace {

core::DrawHistory one_draw(const std::string& line) {
  core::DrawHistory h;
  h.orirec = {line};
  h.draw_count = 1;
  EXPECT_TRUE(core::put_to_ltno(h));
  return h;
}

TEST(FormatPeriodLine, FixedColumnsWithSortedBalls) {
  const auto h = one_draw("2009/01/02,098002,38,05,30,12,23");
  const std::string line = format_period_line(h, 1, 1);
  EXPECT_EQ(line, "0001,2009/01/02,098002,05,12,23,30,38");
  EXPECT_EQ(line.size(), kPeriodLineLength);
  EXPECT_EQ(format_period_line(h, 1, 1234).substr(0, 5), "1234,");
}

TEST(BallTexts, ReadsFieldsAndShortLines) {
  const std::string line = "0001,2009/01/02,098002,05,12,23,30,38";
  const BallTexts balls = ball_texts(line);
  EXPECT_EQ(balls[0], "05");
  EXPECT_EQ(balls[4], "38");
  EXPECT_EQ(draw_text(line), "0512233038");
  EXPECT_EQ(split_draw_text("0512233038")[3], "30");

  // Cut in the fourth ball: the fourth field is one character, the fifth empty.
  const std::string cut_line = line.substr(0, 33);
  const BallTexts cut = ball_texts(cut_line);
  EXPECT_EQ(cut[3], "3");
  EXPECT_EQ(cut[4], "");
  EXPECT_EQ(ball_texts("")[0], "");
}

TEST(TextToken, EqualOnlyForEqualTwoCharacterTexts) {
  EXPECT_EQ(text_token("05"), text_token("05"));
  EXPECT_NE(text_token("05"), text_token("50"));
  EXPECT_EQ(text_token("5"), 0u);
  EXPECT_EQ(text_token(""), 0u);
  EXPECT_EQ(text_token("055"), 0u);
}

TEST(ParseLineNumbers, AcceptsTwoDigitFieldsOnly) {
  const auto numbers = parse_line_numbers("0001,2009/01/02,098002,05,12,23,30,38");
  ASSERT_TRUE(numbers);
  EXPECT_EQ(numbers->ball, (std::array<int, 5>{5, 12, 23, 30, 38}));
  EXPECT_EQ(numbers->tail, (std::array<int, 5>{5, 2, 3, 0, 8}));

  EXPECT_FALSE(parse_line_numbers("0001,2009/01/02,098002,05,12,23,30,3"));   // short
  EXPECT_FALSE(parse_line_numbers("0001,2009/01/02,098002,05,1x,23,30,38"));  // letter
  EXPECT_FALSE(parse_line_numbers("0001,2009/01/02,098002,05, 2,23,30,38"));  // blank
  EXPECT_FALSE(parse_line_numbers(""));
  // Positions outside the ball fields are not read.
  EXPECT_TRUE(parse_line_numbers("xxxxxxxxxxxxxxxxxxxxxxx05,12,23,30,38 extra"));
}

TEST(DayText, FormatsTableDayNumbers) {
  EXPECT_EQ(day_text(39087), "2007/01/05");
  EXPECT_EQ(day_text(39087.75), "2007/01/05");
}

}  // namespace
}  // namespace pillars
