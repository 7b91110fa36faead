// The mask-based double-trace search against the literal reference on random tables.
#include <gtest/gtest.h>

#include <random>

#include "analysis/intervals/double_trace_search.h"
#include "core/ball_order.h"
#include "support/hand_made_draws.h"
#include "support/reference_double_trace.h"

namespace intervals {
namespace {

std::vector<DoubleTraceRule> from_reference(const std::vector<reference::Rule>& rules) {
  std::vector<DoubleTraceRule> converted;
  for (const auto& r : rules) converted.push_back({r.position, r.offset, r.hits});
  return converted;
}

// A query a user could make: a date of the table, X and Y mostly among the balls there.
// The wide query (an early date, X = Y, a run of 1) keeps most pairs as rules, up to the
// limit of 1000 on the larger tables.
DoubleTraceQuery random_query(std::mt19937& rng, const core::DrawHistory& h, core::BallOrder order, bool wide) {
  const int n = h.draw_count;
  const int base = wide ? std::max(1, n / 8) : std::uniform_int_distribution<int>(1, n)(rng);
  DoubleTraceQuery q = date_choice(h, base, order);
  q.later = wide ? 0 : std::uniform_int_distribution<int>(0, n - base)(rng);
  const auto pick = [&](int draw) {
    const int k = std::uniform_int_distribution<int>(0, 5)(rng);
    return k < 5 ? draw_balls(h, order, draw)[k] : std::string("07");
  };
  q.x = wide ? q.x : pick(base);
  q.y = wide ? q.x : pick(base + q.later);
  const int runs[] = {-2, 0, 1, 2, 3, 4, 6};  // below 1: no rule
  q.run = wide ? 1 : runs[std::uniform_int_distribution<int>(0, 6)(rng)];
  return q;
}

TEST(DoubleTraceAgainstReference, RandomTablesBothOrders) {
  std::mt19937 rng(5392);
  struct Table {
    int draws, top;  // a small top makes hits common; 99 takes the literal path
  };
  int capped = 0;
  for (const auto t : {Table{1, 39}, Table{12, 8}, Table{60, 10}, Table{200, 39}, Table{400, 8}, Table{80, 99}}) {
    auto h = test_support::hand_made_history(test_support::random_draws(rng, t.draws, t.top));
    for (int trial = 0; trial < 12; ++trial) {
      const auto order = trial % 2 ? core::BallOrder::Drawn : core::BallOrder::Sorted;
      // The working column holds the other order: the search reads the order it is given.
      core::set_ball_order(h, trial % 2 ? core::BallOrder::Sorted : core::BallOrder::Drawn);
      const auto q = random_query(rng, h, order, trial == 0);
      SCOPED_TRACE("draws " + std::to_string(t.draws) + " top " + std::to_string(t.top) + " base " +
                   std::to_string(q.base_draw) + " later " + std::to_string(q.later) + " run " + std::to_string(q.run));
      const auto search = search_double_trace(h, q);
      const auto matches = reference::matches(h, q.x, q.later, q.y, q.distance);
      ASSERT_EQ(search.matches, matches);
      const int run = reference::lowered_run(static_cast<int>(matches.size()), q.run);
      ASSERT_EQ(search.query.run, run);
      const bool ascending = order == core::BallOrder::Sorted;
      ASSERT_EQ(search.rules, from_reference(reference::ranked_rules(h, ascending, matches, q.distance, run)));
      capped += search.rules.size() == kMaxRules ? 1 : 0;
      if (matches.size() < 2 || run < 1) continue;
      auto lowered = q;
      lowered.run = run;
      const auto masked = detail::mask_rule_search(h, search.matches, lowered);
      ASSERT_EQ(masked.has_value(), t.top < 64);
      if (masked) {
        ASSERT_EQ(*masked, detail::literal_rule_search(h, search.matches, lowered));
      }
    }
  }
  EXPECT_GT(capped, 0) << "no search reached the limit of 1000 rules";
}

}  // namespace
}  // namespace intervals
