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
// The oldest date with a run of 0 keeps every pair as a rule, up to the limit of 1000.
DoubleTraceQuery random_query(std::mt19937& rng, const core::DrawHistory& h, bool oldest) {
  const int n = h.draw_count;
  const int base = oldest ? 1 : std::uniform_int_distribution<int>(1, n)(rng);
  DoubleTraceQuery q = date_choice(h, base);
  q.later = std::uniform_int_distribution<int>(0, n - base)(rng);
  auto pick = [&](int draw) {
    const int k = std::uniform_int_distribution<int>(0, 5)(rng);
    return k < 5 ? h.ltno_copy[k][draw - 1] : std::string("07");
  };
  q.x = pick(base);
  q.y = pick(base + q.later);
  const int runs[] = {-2, 0, 1, 2, 3, 4, 6};
  q.run = oldest ? 0 : runs[std::uniform_int_distribution<int>(0, 6)(rng)];
  return q;
}

TEST(DoubleTraceAgainstReference, RandomTablesBothOrders) {
  std::mt19937 rng(5392);
  struct Table {
    int draws, top;  // a small top makes hits common; 99 takes the literal path
  };
  for (const auto t : {Table{1, 39}, Table{12, 8}, Table{60, 10}, Table{200, 39}, Table{400, 12}, Table{80, 99}}) {
    auto h = test_support::history_of(test_support::random_draws(rng, t.draws, t.top));
    for (int trial = 0; trial < 12; ++trial) {
      const auto order = trial % 2 ? core::BallOrder::Drawn : core::BallOrder::Sorted;
      core::set_ball_order(h, order);
      const auto q = random_query(rng, h, trial == 0);
      SCOPED_TRACE("draws " + std::to_string(t.draws) + " top " + std::to_string(t.top) + " base " +
                   std::to_string(q.base_draw) + " later " + std::to_string(q.later) + " run " + std::to_string(q.run));
      const auto search = search_double_trace(h, q);
      const auto matches = reference::matches(h, q.x, q.later, q.y, q.distance);
      ASSERT_EQ(search.matches, matches);
      const int run = static_cast<int>(matches.size()) < q.run ? static_cast<int>(matches.size()) - 1 : q.run;
      ASSERT_EQ(search.query.run, run);
      ASSERT_EQ(search.rules, from_reference(reference::ranked_rules(h, matches, q.distance, run)));
      const auto masked = detail::mask_rule_search(h, search.matches, q.distance, run);
      ASSERT_EQ(masked.has_value(), t.top < 64);
      if (masked) {
        ASSERT_EQ(*masked, detail::literal_rule_search(h, search.matches, q.distance, run));
      }
    }
  }
}

}  // namespace
}  // namespace intervals
