#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "pillars/arithmetic/best_subset.h"
#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/optimise_period.h"
#include "support/arith_fixtures.h"
#include "support/random_period.h"

namespace pillars::arith {
namespace {

TEST(SubsetMasks, LexicographicOrderAndEnds) {
  const auto& twelve = subset_masks(SubsetRun::eight_of_twelve);
  ASSERT_EQ(twelve.size(), 495u);
  EXPECT_EQ(twelve.front(), 0xFF0u) << "subset 1 holds positions 5..12";
  EXPECT_EQ(twelve.back(), 0x0FFu) << "subset 495 holds positions 1..8";
  EXPECT_EQ(twelve[1], 0xFE8u) << "subset 2 leaves out positions 1, 2, 3, 5";
  const auto& fifteen = subset_masks(SubsetRun::ten_of_fifteen);
  ASSERT_EQ(fifteen.size(), 3003u);
  EXPECT_EQ(fifteen.front(), 0x7FE0u) << "subset 1 holds positions 6..15";
  EXPECT_EQ(fifteen.back(), 0x03FFu) << "subset 3003 holds positions 1..10";
  for (const auto m : fifteen) ASSERT_EQ(std::popcount(m), 10);
}

TEST(BestSubsetSearch, StepwiseBatchedAndSingleThreadedRunsAgree) {
  std::mt19937 rng(5);
  const auto selection = testdata::random_selection(rng, 15);
  const auto period = testdata::random_period(rng, 80, selection);
  BestSubsetSearch stepwise(SubsetRun::ten_of_fifteen, testdata::table_of(period, selection), Priority::three_first, 2);
  BestSubsetSearch single(SubsetRun::ten_of_fifteen, testdata::table_of(period, selection), Priority::three_first, 1);
  single.compute_all();
  int steps = 0;
  while (!stepwise.finished()) {
    EXPECT_EQ(stepwise.next_subset(), steps + 1);
    stepwise.compute_next();
    ++steps;
  }
  EXPECT_EQ(steps, 3003);
  const auto a = stepwise.ranked(), b = single.ranked();
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i].subset, b[i].subset);
    ASSERT_EQ(a[i].best.wins, b[i].best.wins);
    ASSERT_EQ(a[i].best.arrangement, b[i].best.arrangement);
  }
}

TEST(BestSubsetSearch, ComputedAheadIsDiscardedAtAStop) {
  std::mt19937 rng(9);
  const auto selection = testdata::random_selection(rng, 12);
  const auto period = testdata::random_period(rng, 40, selection);
  BestSubsetSearch search(SubsetRun::eight_of_twelve, testdata::table_of(period, selection), Priority::four_first);
  for (int i = 0; i < 3; ++i) search.compute_next();
  const auto bests = search.bests();
  ASSERT_EQ(bests.size(), 3u) << "a batch was computed, but only three subsets count";
  EXPECT_EQ(bests[2].subset, 3);
  EXPECT_EQ(search.ranked().size(), 3u);
  EXPECT_EQ(bests[0].left_out, 0x00Fu);
  const std::uint32_t used_positions = [&] {
    std::uint32_t m = 0;
    for (int i = 0; i < bests[0].best.arrangement.count; ++i) m |= 1u << bests[0].best.arrangement.positions[i];
    return m;
  }();
  EXPECT_EQ(used_positions, 0xFF0u) << "the arrangement uses exactly the subset";
}

TEST(BestSubsetSearch, WrongSelectionSizeComputesNothing) {
  const std::vector<int> eleven{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  BestSubsetSearch search(SubsetRun::eight_of_twelve, *CoOccurrence::build({}, eleven), Priority::four_first);
  EXPECT_TRUE(search.finished());
  search.compute_next();
  search.compute_all();
  EXPECT_EQ(search.computed(), 0);
  EXPECT_TRUE(search.ranked().empty());
}

TEST(CoOccurrence, CountsAndRefusals) {
  const std::vector<std::string> period{"0001,2009/01/02,096001,05,12,23,30,38",
                                        "0002,2009/01/03,096002,05,12,13,30,39", ""};
  const std::vector<int> selection{5, 12, 30, 38};
  const auto t = testdata::table_of(period, selection);
  EXPECT_EQ(t.draw_count(), 3);
  EXPECT_EQ(t.count(0b0011), 2) << "05-12";
  EXPECT_EQ(t.count(0b0111), 2) << "05-12-30";
  EXPECT_EQ(t.count(0b1111), 1) << "05-12-30-38";
  EXPECT_EQ(t.count(0b1000), 1) << "38 alone";
  const std::vector<std::uint64_t> none;
  EXPECT_FALSE(CoOccurrence::build(none, std::vector<int>{12, 5}).has_value()) << "not ascending";
  EXPECT_FALSE(CoOccurrence::build(none, std::vector<int>{5, 5}).has_value()) << "repeated";
  EXPECT_FALSE(CoOccurrence::build(none, std::vector<int>{0, 5}).has_value()) << "not a ball";
  std::vector<int> seventeen(17);
  for (int i = 0; i < 17; ++i) seventeen[i] = i + 1;
  EXPECT_FALSE(CoOccurrence::build(none, seventeen).has_value()) << "too many";
}

}  // namespace
}  // namespace pillars::arith
