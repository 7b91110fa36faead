#include "core/numbers.h"

#include <gtest/gtest.h>

namespace {

TEST(Numbers, StrictIntegers) {
  EXPECT_EQ(core::to_int(" 42 "), 42);
  EXPECT_EQ(core::to_int("-3"), -3);
  EXPECT_EQ(core::to_int("+7"), 7);
  for (const char* bad : {"", "4x", "x", "99999999999", "1.5", "+-5", "--5", "+"}) EXPECT_FALSE(core::to_int(bad)) << bad;
  EXPECT_EQ(core::to_int_strict("-2147483648"), -2147483647 - 1);
  for (const char* bad : {" 42", "42 ", "2147483648", ""}) EXPECT_FALSE(core::to_int_strict(bad)) << bad;
  EXPECT_EQ(core::zero_pad(5, 2), "05");
  EXPECT_EQ(core::zero_pad(1234, 3), "1234");
}

}  // namespace
