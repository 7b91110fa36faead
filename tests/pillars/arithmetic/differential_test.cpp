// The engine against the literal text model: same scores, same order, for every shape,
// every priority and both best-subset runs.
#include <gtest/gtest.h>

#include <random>

#include "pillars/arithmetic/best_subset.h"
#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/arithmetic/hoisted_2x2x3x3.h"
#include "pillars/arithmetic/shape_scoring.h"
#include "pillars/optimise_period.h"
#include "support/arith_fixtures.h"
#include "support/random_period.h"
#include "support/reference_pillars.h"

namespace pillars::arith {
namespace {

struct ShapeCase {
  Shape shape;
  const char* name;
};
constexpr ShapeCase kNamedShapes[] = {{Shape::k2x2x2x2, "2x2x2x2"},
                                 {Shape::k3x3x3, "3x3x3"},
                                 {Shape::k1x1x2x2x2, "1x1x2x2x2"},
                                 {Shape::k2x2x3x3, "2x2x3x3"}};

// The engine's entry as the model writes it: key of its counts, then its numbers.
std::string entry_text(const ScoredArrangement& e, const std::vector<int>& selection, int priority) {
  std::string numbers;
  for (int i = 0; i < e.arrangement.count; ++i) numbers += testdata::two(selection[e.arrangement.positions[i]]);
  return reference::sort_key(e.wins.two, e.wins.three, e.wins.four, priority) + numbers;
}

std::vector<int> first_positions(int n) {
  std::vector<int> p(n);
  for (int i = 0; i < n; ++i) p[i] = i;
  return p;
}

TEST(EngineAgainstReference, EveryShapeAndPriority) {
  std::mt19937 rng(539);
  for (const int draws : {0, 1, 9, 45}) {
    for (const auto& c : kNamedShapes) {
      const auto selection = testdata::random_selection(rng, shape_numbers(c.shape));
      const auto period = testdata::random_period(rng, draws, selection);
      const auto table = testdata::table_of(period, selection);
      const auto scored = score_shape(c.shape, table, first_positions(shape_numbers(c.shape)));
      for (int priority = 0; priority < 3; ++priority) {
        SCOPED_TRACE(std::string(c.name) + " draws " + std::to_string(draws) + " priority " + std::to_string(priority));
        auto ours = scored;
        rank_arrangements(ours, testdata::kModelPriorities[priority]);
        std::vector<std::string> texts;
        for (const auto& e : ours) texts.push_back(entry_text(e, selection, priority));
        const auto expected = reference::ranked_entries(c.name, testdata::joined(selection), period, priority);
        ASSERT_EQ(texts, expected);
        const auto best = best_of_shape(c.shape, table, first_positions(shape_numbers(c.shape)),
                                        testdata::kModelPriorities[priority]);
        ASSERT_TRUE(best.has_value());
        EXPECT_EQ(entry_text(*best, selection, priority), expected.front());
      }
    }
  }
}

TEST(HoistedScorer, MatchesGenericScorerOnSubsetsOfLargerSelections) {
  std::mt19937 rng(2024);
  for (int round = 0; round < 6; ++round) {
    const int n = 10 + round % 6;
    const auto selection = testdata::random_selection(rng, n);
    const auto period = testdata::random_period(rng, 60 + 40 * round, selection);
    const auto table = testdata::table_of(period, selection);
    auto subset = first_positions(n);
    std::shuffle(subset.begin(), subset.end(), rng);
    subset.resize(10);
    std::sort(subset.begin(), subset.end());
    SCOPED_TRACE("round " + std::to_string(round));
    const auto generic = score_shape(Shape::k2x2x3x3, table, subset);
    const auto hoisted = score_2x2x3x3_hoisted(table, subset);
    ASSERT_EQ(hoisted.size(), generic.size());
    for (size_t i = 0; i < generic.size(); ++i) {
      ASSERT_EQ(hoisted[i].arrangement, generic[i].arrangement) << i;
      ASSERT_EQ(hoisted[i].wins, generic[i].wins) << i;
    }
    for (int priority = 0; priority < 3; ++priority) {
      auto ranked = generic;
      rank_arrangements(ranked, testdata::kModelPriorities[priority]);
      const auto best = best_2x2x3x3(table, subset, testdata::kModelPriorities[priority]);
      ASSERT_TRUE(best.has_value());
      EXPECT_EQ(best->arrangement, ranked.front().arrangement);
      EXPECT_EQ(best->wins, ranked.front().wins);
    }
  }
}

// The model's run: every subset's best entry, sorted descending.
std::vector<std::string> reference_run(const std::vector<std::string>& subsets, const char* shape,
                                       const std::vector<std::string>& period, int priority, size_t count) {
  std::vector<std::string> bests;
  for (size_t s = 0; s < count; ++s) bests.push_back(reference::subset_best(shape, subsets[s], period)[priority]);
  std::sort(bests.begin(), bests.end(), std::greater<>());
  return bests;
}

std::vector<std::string> engine_texts(const std::vector<SubsetBest>& list, const std::vector<int>& selection,
                                      int priority) {
  std::vector<std::string> texts;
  for (const auto& b : list) texts.push_back(entry_text(b.best, selection, priority));
  return texts;
}

TEST(BestSubsetAgainstReference, EightOfTwelveFullRunEveryPriority) {
  std::mt19937 rng(812);
  const auto selection = testdata::random_selection(rng, 12);
  const auto period = testdata::random_period(rng, 30, selection);
  const auto subsets = reference::subset_list(testdata::texts(selection));
  ASSERT_EQ(subsets.size(), 495u);
  std::array<std::vector<std::string>, 3> expected;
  {
    std::array<std::vector<std::string>, 3> bests;
    for (const auto& s : subsets) {
      const auto b = reference::subset_best("2x2x2x2", s, period);
      for (int p = 0; p < 3; ++p) bests[p].push_back(b[p]);
    }
    for (int p = 0; p < 3; ++p) {
      std::sort(bests[p].begin(), bests[p].end(), std::greater<>());
      expected[p] = bests[p];
    }
  }
  for (int priority = 0; priority < 3; ++priority) {
    SCOPED_TRACE(priority);
    BestSubsetSearch search(SubsetRun::eight_of_twelve, testdata::table_of(period, selection), testdata::kModelPriorities[priority]);
    search.compute_all();
    EXPECT_EQ(engine_texts(search.ranked(), selection, priority), expected[priority]);
  }
}

TEST(BestSubsetAgainstReference, TenOfFifteenSampledSubsetsAndOrder) {
  std::mt19937 rng(1510);
  const auto selection = testdata::random_selection(rng, 15);
  const auto period = testdata::random_period(rng, 30, selection);
  const auto subsets = reference::subset_list(testdata::texts(selection));
  ASSERT_EQ(subsets.size(), 3003u);
  for (int priority = 0; priority < 3; ++priority) {
    SCOPED_TRACE(priority);
    BestSubsetSearch search(SubsetRun::ten_of_fifteen, testdata::table_of(period, selection), testdata::kModelPriorities[priority]);
    search.compute_all();
    const auto bests = search.bests();
    ASSERT_EQ(bests.size(), 3003u);
    for (const size_t s : {size_t{0}, size_t{1}, size_t{1234}, size_t{3002}, size_t(rng() % 3003)}) {
      EXPECT_EQ(entry_text(bests[s].best, selection, priority),
                reference::subset_best("2x2x3x3", subsets[s], period)[priority])
          << "subset " << s + 1;
    }
    auto texts = engine_texts(bests, selection, priority);
    std::sort(texts.begin(), texts.end(), std::greater<>());
    EXPECT_EQ(engine_texts(search.ranked(), selection, priority), texts) << "bests ordered as their texts";
  }
}

TEST(BestSubsetAgainstReference, TenOfFifteenStoppedRunEqualsTheModelOverTheComputedSubsets) {
  std::mt19937 rng(77);
  const auto selection = testdata::random_selection(rng, 15);
  const auto period = testdata::random_period(rng, 20, selection);
  const auto subsets = reference::subset_list(testdata::texts(selection));
  BestSubsetSearch search(SubsetRun::ten_of_fifteen, testdata::table_of(period, selection), Priority::two_first);
  while (search.next_subset() < 31) search.compute_next();  // a stop noticed at subset 31
  ASSERT_EQ(search.computed(), 30);
  EXPECT_EQ(engine_texts(search.ranked(), selection, 2), reference_run(subsets, "2x2x3x3", period, 2, 30));
}

}  // namespace
}  // namespace pillars::arith
