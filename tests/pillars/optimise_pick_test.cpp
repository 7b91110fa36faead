#include <gtest/gtest.h>

#include "pillars/optimise_pick.h"

namespace pillars {
namespace {

TEST(PickType1, GroupsHoldingTheFirstNumber) {
  const std::string list = "0105071218";
  EXPECT_EQ(pick_type1(list, 2), "0105010701120118");
  EXPECT_EQ(pick_type1(list, 3), "010507010512010518010712010718011218");
  EXPECT_EQ(pick_type1(list, 4), "01050712010507180105121801071218");
  EXPECT_EQ(pick_type1("010203040506070809", 3).size(), 28u * 6) << "nine numbers: 28 triples";
  EXPECT_EQ(pick_type1("010203040506", 3).size(), 10u * 6) << "six numbers: 10 triples";
}

TEST(PickType2, EveryGroup) {
  EXPECT_EQ(pick_type2("0105071218", 2), "0105010701120118050705120518071207181218");
  EXPECT_EQ(pick_type2("0102030405060708", 2).size(), 28u * 4) << "eight numbers: 28 pairs";
  EXPECT_EQ(pick_type2("01020304", 4), "01020304");
  EXPECT_EQ(pick_type2("0102030405", 3).substr(0, 18), "010203010204010205");
}

TEST(PickTypes, OtherSizesAndOddInput) {
  for (const int k : {5, 1, 0, -2}) {
    EXPECT_EQ(pick_type1("0105071218", k), "") << k;
    EXPECT_EQ(pick_type2("0105071218", k), "") << k;
  }
  EXPECT_EQ(pick_type1("", 2), "");
  EXPECT_EQ(pick_type1("01", 2), "") << "one number makes no pair";
  EXPECT_EQ(pick_type2("01050", 2), "0105") << "an odd last character is ignored";
  std::string many;
  for (int n = 1; n <= 25; ++n) {
    many += static_cast<char>('0' + n / 10);
    many += static_cast<char>('0' + n % 10);
  }
  EXPECT_EQ(pick_type2(many, 2).size(), 190u * 4) << "at most 20 numbers are used";
}

}  // namespace
}  // namespace pillars
