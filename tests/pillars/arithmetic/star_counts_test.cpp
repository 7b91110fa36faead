#include <gtest/gtest.h>

#include <vector>

#include "pillars/arithmetic/pillar_check.h"
#include "pillars/arithmetic/star_counts.h"

namespace pillars::arith {
namespace {

StarCounts sums(std::vector<int> v) { return symmetric_sums(v); }

TEST(SymmetricSums, PillarCostsOfTheWorkedLayouts) {
  EXPECT_EQ(sums({2, 2, 2, 2}), (StarCounts{24, 32, 16}));
  EXPECT_EQ(sums({1, 1, 2, 2, 2}), (StarCounts{25, 38, 28}));
  EXPECT_EQ(sums({3, 3, 3}), (StarCounts{27, 27, 0})) << "three pillars: no four-star bets";
  EXPECT_EQ(sums({2, 2, 3, 3}), (StarCounts{37, 60, 36}));
  EXPECT_EQ(sums({3, 3, 3, 3}), (StarCounts{54, 108, 81}));
  EXPECT_EQ(sums({2, 2, 2, 2, 0, 0, 0, 0}), (StarCounts{24, 32, 16})) << "inactive pillars add nothing";
  EXPECT_EQ(sums({8, 8, 8, 8, 8, 8, 8, 8}), (StarCounts{28 * 64, 56 * 512, 70 * 4096})) << "largest layout";
  EXPECT_EQ(sums({}), (StarCounts{}));
}

TEST(SymmetricSums, WinningBetsOfOneDraw) {
  EXPECT_EQ(sums({2, 1, 0, 0}), (StarCounts{2, 0, 0}));
  EXPECT_EQ(sums({1, 1, 1, 1}), (StarCounts{6, 4, 1}));
  EXPECT_EQ(sums({1, 1, 1, 1, 1}), (StarCounts{10, 10, 5})) << "five balls in five pillars";
}

TEST(CheckDraw, MarksFirstEqualBallAndCountsHitsPerPillar) {
  const std::array<int, 5> balls{5, 12, 23, 30, 38};
  {
    SCOPED_TRACE("two pillars hit once each");
    const std::vector<std::vector<int>> pillars{{5, 1}, {23, 2}, {3, 4}, {6, 7}};
    const auto check = check_draw(pillars, balls);
    EXPECT_EQ(check.marked, (std::array<bool, 5>{true, false, true, false, false}));
    EXPECT_EQ(check.wins, (StarCounts{1, 0, 0}));
  }
  {
    SCOPED_TRACE("two hits in one pillar win no bet");
    const std::vector<std::vector<int>> pillars{{5, 12}, {1, 2}, {3, 4}, {6, 7}};
    EXPECT_EQ(check_draw(pillars, balls).wins, (StarCounts{}));
  }
  {
    SCOPED_TRACE("hits 2,1,1,1");
    const std::vector<std::vector<int>> pillars{{5, 12}, {23}, {30}, {38}};
    EXPECT_EQ(check_draw(pillars, balls).wins, sums({2, 1, 1, 1}));
  }
  {
    SCOPED_TRACE("the same number in two pillars counts in both");
    const std::vector<std::vector<int>> pillars{{5}, {5}, {1}};
    const auto check = check_draw(pillars, balls);
    EXPECT_EQ(check.wins, (StarCounts{1, 0, 0}));
    EXPECT_TRUE(check.marked[0]);
  }
  {
    SCOPED_TRACE("0 never matches, not even an unreadable ball");
    const std::vector<std::vector<int>> pillars{{0, 5}, {0}, {0}};
    const auto check = check_draw(pillars, {5, 0, 0, 0, 0});
    EXPECT_EQ(check.marked, (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(check.wins, (StarCounts{}));
  }
  {
    SCOPED_TRACE("no pillar number drawn");
    const std::vector<std::vector<int>> pillars{{1, 2}, {3, 4}, {6, 7}, {8, 9}};
    const auto check = check_draw(pillars, balls);
    EXPECT_EQ(check.marked, (std::array<bool, 5>{}));
    EXPECT_EQ(check.wins, (StarCounts{}));
  }
}

}  // namespace
}  // namespace pillars::arith
