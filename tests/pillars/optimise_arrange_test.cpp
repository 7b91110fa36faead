#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "pillars/optimise_arrange.h"
#include "pillars/messages.h"
#include "pillars/optimise_texts.h"
#include "support/random_period.h"
#include "support/reference_pillars.h"

namespace pillars {
namespace {

core::Result<ComputerArrangement> arrange(const std::vector<std::string>& period, const std::vector<std::string>& selection,
                              std::array<int, 8> sizes) {
  int count = 0;
  while (count < 8 && sizes[count] > 0) ++count;
  return computer_arrange({period, selection, std::max(count, 3), sizes});
}

// Draws (by text comparison, as chkBingo does) containing every number of the group.
int draws_with(const std::vector<std::string>& period, const std::vector<std::string>& group) {
  int hits = 0;
  for (const auto& line : period) {
    int found = 0;
    for (const auto& n : group)
      for (const int at : {24, 27, 30, 33, 36})
        if (reference::copy(line, at, 2) == n) {
          ++found;
          break;
        }
    hits += found == static_cast<int>(group.size());
  }
  return hits;
}

// The least drawn-together group of free numbers, smaller numbers first among equals.
std::vector<std::string> least_shared(const std::vector<std::string>& period, std::vector<std::string> free, int k) {
  std::sort(free.begin(), free.end());
  std::vector<std::string> best;
  int best_count = 1 << 30;
  std::string list;
  for (const auto& n : free) list += n;
  for (const auto& g : reference::pieces(reference::pick_type2(list, k), 2 * k)) {
    const auto members = reference::split2(g);
    const int c = draws_with(period, members);
    if (c < best_count) best_count = c, best = members;
  }
  return best;
}

TEST(ComputerArrange, Refusals) {
  std::vector<std::string> four{"01", "02", "03", "04"};
  std::vector<std::string> twenty_one;  // NOLINT
  for (int n = 1; n <= 21; ++n) twenty_one.push_back(testdata::two(n));
  const std::vector<std::string> nine{"01", "02", "03", "04", "05", "06", "07", "08", "09"};
  const std::vector<std::string> bad{"01", "02", "03", "04", "05", "06", "07", "5x"};
  struct Case {
    const char* label;
    const std::vector<std::string>& selection;
    std::array<int, 8> sizes;
    std::string_view message;
  };
  const Case cases[] = {
      {"four numbers", four, {2, 2, 2, 2}, optimise_text::kArrangeRange},
      {"twenty-one numbers", twenty_one, {8, 8, 5}, optimise_text::kArrangeRange},
      {"sizes add up to 8, nine selected", nine, {2, 2, 2, 2}, optimise_text::kArrangeTotal},
      {"not a ball", bad, {2, 2, 2, 2}, optimise_text::kBadSelection},
      {"a pillar of nine", nine, {9, 0, 0}, msg::kPillarSizeOutOfRange},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const ArrangeInput input{{}, c.selection, 3, c.sizes};
    EXPECT_EQ(check_arrangement(input).error(), core::Error::warning(std::string(c.message)));
    const auto r = computer_arrange(input);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error(), check_arrangement(input).error());
  }
  // Only the count refusal is told by the selection's size.
  EXPECT_LT(static_cast<int>(four.size()), kArrangeMinNumbers);
  EXPECT_GT(static_cast<int>(twenty_one.size()), kArrangeMaxNumbers);
  EXPECT_TRUE(check_arrangement({{}, nine, 4, {2, 2, 2, 3}}).ok());
}

TEST(ComputerArrange, PairPillarsTakeTheLeastSharedFreePairs) {
  std::mt19937 rng(52);
  const auto numbers = testdata::random_selection(rng, 8);
  const auto period = testdata::random_period(rng, 120, numbers, false);
  const auto selection = testdata::texts(numbers);
  auto shuffled = selection;
  std::shuffle(shuffled.begin(), shuffled.end(), rng);
  const auto r = arrange(period, shuffled, {2, 2, 2, 2});
  ASSERT_TRUE(r.ok());
  const auto& a = *r;
  EXPECT_EQ(a.selection, selection) << "sel_no sorted ascending";
  std::vector<std::string> free = selection;
  for (int p = 0; p < 3; ++p) {
    const auto expected = least_shared(period, free, 2);
    EXPECT_EQ((std::vector<std::string>{a.pillar_no[p][0], a.pillar_no[p][1]}), expected) << "pillar " << p + 1;
    for (const auto& n : expected) free.erase(std::find(free.begin(), free.end(), n));
  }
  EXPECT_EQ((std::vector<std::string>{a.pillar_no[3][0], a.pillar_no[3][1]}), free) << "pillar 4: the two left";
  ASSERT_EQ(a.pillar_memos.size(), 4u);
  EXPECT_EQ(a.pillar_memos[0], (std::vector<std::string>{a.pillar_no[0][0], a.pillar_no[0][1]}));
}

TEST(ComputerArrange, TripleAndSinglePillars) {
  std::mt19937 rng(53);
  {
    SCOPED_TRACE("3,3,3: each pillar a triple, the last one the three left");
    const auto numbers = testdata::random_selection(rng, 9);
    const auto period = testdata::random_period(rng, 150, numbers, false);
    const auto a = arrange(period, testdata::texts(numbers), {3, 3, 3}).value();
    std::set<std::string> used;
    for (int p = 0; p < 3; ++p)
      for (int s = 0; s < 3; ++s) used.insert(a.pillar_no[p][s]);
    EXPECT_EQ(used.size(), 9u);
    EXPECT_EQ((std::vector<std::string>{a.pillar_no[0][0], a.pillar_no[0][1], a.pillar_no[0][2]}),
              least_shared(period, testdata::texts(numbers), 3));
  }
  {
    SCOPED_TRACE("1,1,2,2,2: the single pillars take order_no 1 and 2");
    const auto numbers = testdata::random_selection(rng, 8);
    const auto period = testdata::random_period(rng, 150, numbers, false);
    const auto a = arrange(period, testdata::texts(numbers), {1, 1, 2, 2, 2}).value();
    EXPECT_EQ(a.pillar_no[0][0], a.order_no[0]);
    EXPECT_EQ(a.pillar_no[1][0], a.order_no[1]);
    for (int p = 2; p < 5; ++p)
      for (int s = 0; s < 2; ++s) {
        EXPECT_NE(a.pillar_no[p][s], a.order_no[0]);
        EXPECT_NE(a.pillar_no[p][s], a.order_no[1]);
      }
  }
  {
    SCOPED_TRACE("4,4: a triple each, slot 4 from order_no");
    const auto numbers = testdata::random_selection(rng, 8);
    const auto period = testdata::random_period(rng, 150, numbers, false);
    const auto a = arrange(period, testdata::texts(numbers), {4, 4, 0}).value();
    std::vector<std::string> rest;
    for (const auto& n : a.order_no)
      if (!n.empty() && n != a.pillar_no[0][0] && n != a.pillar_no[0][1] && n != a.pillar_no[0][2] &&
          n != a.pillar_no[1][0] && n != a.pillar_no[1][1] && n != a.pillar_no[1][2] &&
          std::find(rest.begin(), rest.end(), n) == rest.end())
        rest.push_back(n);
    ASSERT_GE(rest.size(), 2u);
    EXPECT_EQ(a.pillar_no[0][3], rest[0]);
    EXPECT_EQ(a.pillar_no[1][3], rest[1]);
  }
}

TEST(ComputerArrange, OrderingsAndHiddenMemos) {
  // 01-02 twice, 01-03 once, 02-03 once; 04 and 05 share nothing.
  const std::vector<std::string> period{testdata::period_line(1, {1, 2, 3, 30, 31}),
                                        testdata::period_line(2, {1, 2, 20, 30, 31}),
                                        testdata::period_line(3, {4, 21, 22, 30, 31}),
                                        testdata::period_line(4, {5, 23, 24, 32, 33})};
  const auto a = arrange(period, {"05", "04", "03", "02", "01"}, {1, 1, 3}).value();
  EXPECT_EQ(a.hot2_list.front(), (HotEntry{2, "0102"}));
  EXPECT_EQ(a.hot2_list.back(), (HotEntry{0, "0104"})) << "equal counts: greater numbers first, so the least pair is last";
  EXPECT_EQ(a.mm_2.front(), "0102  002");
  EXPECT_EQ(a.hot3_list.front(), (HotEntry{1, "010203"}));
  EXPECT_EQ(a.mm3_2.front(), "010203  001");
  // Pair totals: 01: 3, 02: 3, 03: 2 -> codes 203, 301, 302.
  EXPECT_EQ(a.m2, (std::vector<std::string>{"203", "301", "302"}));
  EXPECT_EQ(a.m3, (std::vector<std::string>{"101", "102", "103"}));
  // The triple ordering overwrites the head; numbers sharing nothing follow, ascending.
  EXPECT_EQ(std::vector<std::string>(a.order_no.begin(), a.order_no.begin() + 6),
            (std::vector<std::string>{"01", "02", "03", "04", "05", ""}));
  EXPECT_EQ(a.pillar_no[0][0], "01");
  EXPECT_EQ(a.pillar_no[1][0], "02");
  EXPECT_EQ((std::vector<std::string>{a.pillar_no[2][0], a.pillar_no[2][1], a.pillar_no[2][2]}),
            (std::vector<std::string>{"03", "04", "05"}))
      << "the least shared free triple";
}

}  // namespace
}  // namespace pillars

namespace pillars {
namespace {

// Wherever the triple ordering overwrites part of the pair ordering, the pushed-out
// number still has to land in a pillar: every slot filled, every selected number placed.
TEST(ComputerArrange, EverySelectedNumberIsPlacedInEveryLayout) {
  std::mt19937 random(7);
  const std::vector<std::array<int, 8>> layouts = {
      {5, 5, 4}, {4, 4, 4, 2}, {3, 3, 3, 3, 2}, {1, 1, 3, 3, 4}, {2, 2, 2, 2, 2, 2, 2}, {8, 8, 4},
      {1, 1, 1, 1, 1, 1, 1, 3}, {1, 1, 1, 1, 2, 2, 2}};
  for (int round = 0; round < 40; ++round) {
    for (const auto& sizes : layouts) {
      int total = 0;
      for (int s : sizes) total += s;
      const auto selection = testdata::texts(testdata::random_selection(random, total));
      // Short periods leave few numbers in the orderings, which the single pillars rely on.
      const auto period = testdata::random_period(random, 4 + round % 20, testdata::random_selection(random, 12), false);
      const auto result = arrange(period, selection, sizes);
      ASSERT_TRUE(result.ok());
      std::multiset<std::string> placed;
      for (const auto& memo : result->pillar_memos) placed.insert(memo.begin(), memo.end());
      EXPECT_EQ(placed, std::multiset<std::string>(selection.begin(), selection.end()))
          << "round " << round << " layout starting " << sizes[0];
    }
  }
}

}  // namespace
}  // namespace pillars
