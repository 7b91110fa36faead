// The double-trace rule search ("雙連拖定位獨支").
//
// A match is a draw i in which X came and, d1 draws later (0: the same draw), Y came. For
// each ball position p and offset o the search asks: did the ball at position p of draw
// m - o (for each match m) come up again in draw m + V? The pairs that hit in the most
// recent matches ("連準" R) are the rules, ranked by their total hits. One match or none
// teaches nothing: it gives no rule.
//
// Draws are numbered 1 .. n, oldest first; draw n + 1 is the coming draw, which has no
// issue number and no balls. Balls are read in the order the query names; position p is
// the p-th ball in that order.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ball_order.h"
#include "core/draw_history.h"

namespace intervals {

inline constexpr int kMaxRules = 1000;
inline constexpr int kLastOffset = 9;  // offsets run 1 - V .. 9

struct DoubleTraceQuery {
  int base_draw = 1;  // L: the draw of the chosen date
  std::string x;      // 開 X, two digits
  int later = 0;      // d1: Y comes d1 draws after X
  std::string y;      // 開 Y, two digits
  int distance = 1;   // V: the draw predicted lies V draws after a match (n - L + 1)
  int run = 3;        // R, 連準: at least 1 (a smaller run gives no rule)
  core::BallOrder order = core::BallOrder::Sorted;  // 順球 or 落球
};

struct DoubleTraceRule {
  int position = 1;  // p, 1..5
  int offset = 0;    // o: the source draw is m - o
  int hits = 0;      // matches whose source ball came up in draw m + V
  bool operator==(const DoubleTraceRule&) const = default;
};

struct DoubleTraceSearch {
  DoubleTraceQuery query;              // run lowered to M - 1 when there are fewer matches (M >= 2)
  std::vector<int> matches;            // the match draws, ascending
  std::vector<DoubleTraceRule> rules;  // ranked, at most kMaxRules
};

// The newest draw whose date reads `date` ("yyyy/mm/dd"); nullopt when none does.
[[nodiscard]] std::optional<int> draw_of_date(const core::DrawHistory& history, std::string_view date);

// The dates of the newest `count` draws, newest first: the items of the date box.
[[nodiscard]] std::vector<std::string> recent_dates(const core::DrawHistory& history, int count);

// The five balls of a draw in the given order (empty texts outside 1 .. n): the items of
// the number boxes.
[[nodiscard]] std::array<std::string, 5> draw_balls(const core::DrawHistory& history, core::BallOrder order,
                                                    int draw);

// Whether `text` is one of the balls of draw d; the coming draw and beyond hold none.
[[nodiscard]] bool among_balls(const core::DrawHistory& history, const std::string& text, int draw);

// What choosing the date of draw L sets: X and Y the first ball of L in that order,
// d1 = n - L, V = n - L + 1, R = 3.
[[nodiscard]] DoubleTraceQuery date_choice(const core::DrawHistory& history, int base_draw, core::BallOrder order);

// Every draw i = 1 .. n - V + 1 with X among its balls and Y among those of draw i + d1.
[[nodiscard]] std::vector<int> double_trace_matches(const core::DrawHistory& history, const DoubleTraceQuery& query);

// The matches, the run length after lowering and the ranked rules. With M <= 1 matches
// (or a run below 1) there is no rule and the run stays as given.
[[nodiscard]] DoubleTraceSearch search_double_trace(const core::DrawHistory& history, const DoubleTraceQuery& query);

// The ranking of the rules: hits descending, then the text p + offset text + "00"
// descending. So position 5 ranks before 1, and offsets run 9 .. 0, then -99 .. -10,
// -09 .. -01, a longer text before its own prefix (-149 before -14).
[[nodiscard]] bool ranks_before(const DoubleTraceRule& a, const DoubleTraceRule& b);

// The offset as the rule key writes it: "003", "-03", "-1017".
[[nodiscard]] std::string offset_text(int offset);

namespace detail {
// The rules before ranking, in search order (p = 1..5, o = 1 - V .. 9), at most kMaxRules,
// for the query's order, distance and (lowered) run. The mask search needs every ball of
// the table to be two digits below 64; the literal search compares ball texts and serves
// every other table.
[[nodiscard]] std::optional<std::vector<DoubleTraceRule>> mask_rule_search(const core::DrawHistory& history,
                                                                           const std::vector<int>& matches,
                                                                           const DoubleTraceQuery& query);
[[nodiscard]] std::vector<DoubleTraceRule> literal_rule_search(const core::DrawHistory& history,
                                                               const std::vector<int>& matches,
                                                               const DoubleTraceQuery& query);
}  // namespace detail

}  // namespace intervals
