#include "core/ball_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(BallText, TwoDigitsBothWays) {
  const std::pair<int, const char*> texts[] = {{0, "00"}, {5, "05"}, {39, "39"}, {99, "99"}, {100, "100"}, {-3, "-03"}};
  for (const auto& [value, text] : texts) EXPECT_EQ(core::ball_text(value), text) << value;
  EXPECT_EQ(core::two_digit_value("07"), 7);
  for (const char* bad : {"7", " 7", "7x", "007", ""}) EXPECT_FALSE(core::two_digit_value(bad)) << bad;
  EXPECT_EQ(core::ball_value("39"), 39);
  EXPECT_FALSE(core::ball_value("40"));
  EXPECT_FALSE(core::ball_value("00"));
  EXPECT_EQ(core::ball_texts(3), (std::vector<std::string>{"01", "02", "03"}));
  EXPECT_TRUE(core::ball_texts(0).empty());
}

}  // namespace
