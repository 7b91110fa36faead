// The sliding best-subset search against the full search at every step of windows that
// slide by one or several draws, over selections that keep, swap and take back numbers,
// for both runs and every priority. Small windows of draws from few numbers make equal
// scores common, so the ties between subsets are decided as the full search decides them.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "pillars/arithmetic/best_subset.h"
#include "pillars/walk_forward_subsets.h"

namespace pillars {
namespace {

using arith::Priority;
using arith::SubsetRun;

std::vector<std::uint64_t> random_masks(std::mt19937& rng, int count, int top) {
  std::vector<std::uint64_t> masks;
  std::vector<int> all(top);
  for (int i = 0; i < top; ++i) all[i] = i + 1;
  for (int d = 0; d < count; ++d) {
    std::shuffle(all.begin(), all.end(), rng);
    std::uint64_t mask = 0;
    for (int k = 0; k < 5; ++k) mask |= std::uint64_t{1} << all[k];
    masks.push_back(mask);
  }
  return masks;
}

// The window's most frequent numbers, then now and then one swapped for a random other.
std::vector<int> selection_of(std::span<const std::uint64_t> window, int size, std::mt19937& rng) {
  std::vector<int> code(39);
  for (int n = 1; n <= 39; ++n) {
    code[n - 1] = n;
    for (const auto m : window) code[n - 1] += static_cast<int>(m >> n & 1u) * 100;
  }
  std::sort(code.begin(), code.end(), std::greater<>());
  std::vector<int> numbers;
  for (int r = 0; r < size; ++r) numbers.push_back(code[r] % 100);
  if (std::uniform_int_distribution<int>(0, 3)(rng) == 0) numbers[rng() % size] = code[size + rng() % 4] % 100;
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

TEST(SlidingSubsetSearch, GivesTheFullSearchsFirstRowAtEveryStep) {
  const struct {
    SubsetRun run;
    int window, step, steps, top;
  } cases[] = {
      {SubsetRun::eight_of_twelve, 10, 1, 8, 16},
      {SubsetRun::eight_of_twelve, 25, 3, 5, 20},
      {SubsetRun::ten_of_fifteen, 12, 1, 4, 18},
      {SubsetRun::ten_of_fifteen, 40, 2, 3, 22},
  };
  std::mt19937 rng(539);
  for (const auto& c : cases) {
    for (const Priority priority : {Priority::four_first, Priority::three_first, Priority::two_first}) {
      const auto masks = random_masks(rng, c.window + c.step * c.steps, c.top);
      SlidingSubsetSearch sliding(c.run, priority);
      for (int k = 0; k < c.steps; ++k) {
        SCOPED_TRACE("window " + std::to_string(c.window) + " step " + std::to_string(k));
        const std::span<const std::uint64_t> window(masks.data() + k * c.step, c.window);
        const std::span<const std::uint64_t> entered(masks.data() + k * c.step + c.window - c.step, c.step);
        const auto numbers = selection_of(window, arith::run_selection_size(c.run), rng);
        const auto table = arith::CoOccurrence::build(window, numbers);
        ASSERT_TRUE(table);
        arith::BestSubsetSearch full(c.run, *table, priority, 1);
        full.compute_all();
        const auto expected = full.ranked().front().best;
        const auto got = sliding.best(*table, window, entered);
        ASSERT_TRUE(got);
        EXPECT_EQ(got->wins, expected.wins);
        EXPECT_EQ(got->arrangement, expected.arrangement);
      }
      // Most steps need only some subsets searched again.
      EXPECT_LT(sliding.searched(), sliding.calls() * arith::run_subset_count(c.run));
    }
  }
}

TEST(SlidingSubsetSearch, RefusesATableOfAnotherSize) {
  const std::vector<std::uint64_t> window{0x3eu};
  const std::vector<int> twelve{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  SlidingSubsetSearch search(SubsetRun::ten_of_fifteen, Priority::four_first);
  EXPECT_FALSE(search.best(*arith::CoOccurrence::build(window, twelve), window, window));
}

}  // namespace
}  // namespace pillars
