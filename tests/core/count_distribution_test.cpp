#include "core/count_distribution.h"

#include <cstdio>
#include <random>

#include "core/number_format.h"
#include "support/comma_decimal_locale.h"
#include <gtest/gtest.h>

namespace {

TEST(HitsDistribution, IsTheHypergeometricLawOfOneDraw) {
  const auto five = core::hits_distribution(5);
  ASSERT_EQ(five.size(), 6u);
  EXPECT_NEAR(five[5], 1.0 / 575757.0, 1e-18);  // C(39,5) = 575,757 draws
  double total = 0.0, mean = 0.0;
  for (std::size_t x = 0; x < five.size(); ++x) total += five[x], mean += static_cast<double>(x) * five[x];
  EXPECT_NEAR(total, 1.0, 1e-15);
  EXPECT_NEAR(mean, 5.0 * 5.0 / 39.0, 1e-15);
  EXPECT_EQ(core::hits_distribution(0), std::vector<double>{1.0});
  EXPECT_TRUE(core::hits_distribution(40).empty());
}

// The convolution against a brute-force count of every outcome of a few small dice.
TEST(CountDistribution, TailsAndQuantilesMatchEveryOutcomeCounted) {
  const std::vector<std::vector<double>> dice = {{0.5, 0.5}, {0.2, 0.3, 0.5}, {0.0, 0.9, 0.1}, {1.0}};
  core::CountDistribution total;
  for (const auto& die : dice) total.add(die);
  std::vector<double> exact(6, 0.0);
  for (int a = 0; a < 2; ++a)
    for (int b = 0; b < 3; ++b)
      for (int c = 0; c < 3; ++c) exact[a + b + c] += dice[0][a] * dice[1][b] * dice[2][c];
  for (int x = -1; x <= 6; ++x) {
    double up = 0.0, down = 0.0;
    for (int v = 0; v < 6; ++v) (v >= x ? up : down) += exact[v];
    EXPECT_NEAR(total.at_least(x), up, 1e-15) << x;
    EXPECT_NEAR(total.at_most(x - 1), down, 1e-15) << x;
  }
  for (const double p : {0.025, 0.3, 0.5, 0.975}) {
    int expected = 0;
    for (double below = exact[0]; below < p; below += exact[++expected]) {}
    EXPECT_EQ(total.quantile(p), expected) << p;
  }
  EXPECT_NEAR(total.mean(), 0.5 + 1.3 + 1.1, 1e-15);
  core::CountDistribution coin;
  coin.add(std::vector<double>{0.5, 0.5});
  EXPECT_EQ(coin.quantile(0.5), 0);  // exactly on the step: the lower value
}

// Thousands of draws keep their whole mass in a narrow support once the far tails go.
TEST(CountDistribution, ManyDrawsStayExactWhereItMatters) {
  core::CountDistribution total;
  const auto ten = core::hits_distribution(10);
  for (int draw = 0; draw < 2400; ++draw) total.add(ten);
  EXPECT_NEAR(total.mean(), 2400 * 10 * 5.0 / 39.0, 1e-6);
  EXPECT_NEAR(total.at_least(0), 1.0, 1e-10);  // what the dropped ends took
  const long long median = total.quantile(0.5);
  EXPECT_NEAR(total.at_most(median) + total.at_least(median + 1), 1.0, 1e-10);
  EXPECT_EQ(total.at_least(12001), 0.0);
}

TEST(FixedNumber, RoundsAsPrintfAndIgnoresTheLocale) {
  std::mt19937_64 random(39);
  std::uniform_real_distribution<double> any(-50.0, 50.0);
  std::vector<double> values = {0.0, -0.0, 0.00005, 0.00015, 0.125, 2.5, 1e-17, 123456.78915};
  for (int i = 0; i < 2000; ++i) values.push_back(any(random));
  for (const double value : values)
    for (const int decimals : {0, 2, 4}) {
      char expected[64];
      std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
      EXPECT_EQ(core::fixed(value, decimals), expected) << value;
    }
  // Under a comma-decimal locale printf writes "0,9345"; the engine's numbers keep ".".
  const test_support::CommaDecimalLocale comma;
  ASSERT_TRUE(comma.active()) << comma.missing();
  char printed[32];
  std::snprintf(printed, sizeof printed, "%.4f", 0.93449);
  EXPECT_STREQ(printed, "0,9345");
  EXPECT_EQ(core::fixed(0.93449, 4), "0.9345");
  EXPECT_EQ(core::fixed(-2.5, 2), "-2.50");
}

}  // namespace
