// The mask-based trace code against the literal text model on random tables: the same
// rows, the same grid text, the same pair and triple lists, for every tab.
#include <gtest/gtest.h>

#include <random>

#include "analysis/trace/choice_ranking.h"
#include "analysis/trace/trace.h"
#include "support/draw_tables.h"
#include "support/reference_trace.h"

namespace trace {
namespace {

// Five different balls, now and then one without a column (00, 40..99).
test_support::Balls random_draw(std::mt19937& rng) {
  std::vector<int> all(39);
  for (int i = 0; i < 39; ++i) all[static_cast<std::size_t>(i)] = i + 1;
  std::shuffle(all.begin(), all.end(), rng);
  test_support::Balls balls{all[0], all[1], all[2], all[3], all[4]};
  if (rng() % 25 == 0) balls[rng() % 5] = rng() % 2 ? 0 : 40 + static_cast<int>(rng() % 60);
  return balls;
}

std::string random_number(std::mt19937& rng) {
  const int n = static_cast<int>(rng() % 46);  // 00..45, some without a column
  return rng() % 20 == 0 ? std::to_string(n) : reference::two(n);
}

reference::Query random_query(std::mt19937& rng, int tab, const core::DrawHistory& h) {
  reference::Query q;
  q.tab = tab;
  q.number = random_number(rng);
  if (tab == 1) q.number += "." + random_number(rng);
  if (tab == 2) q.number += "." + random_number(rng) + "." + random_number(rng);
  if (h.draw_count > 0 && rng() % 2) {  // numbers of one draw, so that pairs and triples do occur
    const auto i = static_cast<std::size_t>(rng() % h.draw_count);
    q.number = h.ltno_sorted[0][i];
    for (int k = 1; k <= tab && tab <= 2; ++k) q.number += "." + h.ltno_sorted[static_cast<std::size_t>(k)][i];
  }
  q.position = 1 + static_cast<int>(rng() % 7);
  q.p1 = 1 + static_cast<int>(rng() % 7);
  q.p2 = 1 + static_cast<int>(rng() % 7);
  q.sign = rng() % 2 ? 1 : -1;
  q.amount = static_cast<int>(rng() % 12) - 2;
  q.step = 1 + static_cast<int>(rng() % 4);
  q.issue = h.draw_count && rng() % 4 ? h.issue_no[rng() % h.draw_count] : "none";
  return q;
}

TraceBoxes boxes_of(const reference::Query& q) {
  TraceBoxes b;
  b.tab = static_cast<TraceTab>(q.tab);
  b.number = q.number;
  b.position = std::to_string(q.position);
  b.p1 = std::to_string(q.p1);
  b.p2 = std::to_string(q.p2);
  b.sign = q.sign > 0 ? "加" : "減";
  b.amount = std::to_string(q.amount);
  b.issue = q.issue;
  b.step = std::to_string(q.step);
  return b;
}

TEST(TraceAgainstReference, RowsGridAndRankingsOnRandomTables) {
  std::mt19937 rng(539);
  for (const int draws : {0, 1, 7, 60, 240}) {
    std::vector<test_support::Balls> table_draws;
    for (int i = 0; i < draws; ++i) table_draws.push_back(random_draw(rng));
    const core::DrawHistory history = test_support::history_of(table_draws);
    const TraceTable table = make_trace_table(history);
    for (int tab = 0; tab < kTabCount; ++tab) {
      for (int round = 0; round < 6; ++round) {
        const reference::Query q = random_query(rng, tab, history);
        const int distance = static_cast<int>(rng() % 11) - 5;
        SCOPED_TRACE("draws " + std::to_string(draws) + " tab " + std::to_string(tab) + " number " + q.number +
                     " distance " + std::to_string(distance));
        const auto source = round % 2 ? reference::rows(history, q, 0, all_draws(table)) : all_draws(table);
        const auto ours = trace_tab(table, boxes_of(q), distance, source);
        ASSERT_TRUE(ours.ok()) << ours.error().text;
        const auto rows = reference::rows(history, q, distance, source);
        ASSERT_EQ(ours->trace_list, rows);
        const core::TextGrid grid = reference::grid(history, q, rows, table.dates);
        ASSERT_EQ(text_form(ours->grid, 39), text_form(grid, 39));
        if (round > 1) continue;  // the literal rankings are slow; two rounds per tab suffice
        const int R = static_cast<int>(rows.size());
        ASSERT_EQ(choice_items(rank_pairs(ours->row_marks, 39), 1000), reference::ranked(grid, R, 2));
        ASSERT_EQ(choice_items(rank_triples(ours->row_marks, 39), 20000), reference::ranked(grid, R, 3));
      }
    }
  }
}

}  // namespace
}  // namespace trace
