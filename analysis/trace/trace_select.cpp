#include "analysis/trace/trace_select.h"

#include <algorithm>

namespace trace {
namespace {

// The ball at a 1-based position; positions 6 and 7 exist but hold no ball.
int ball_at(const std::array<int, kBalls>& balls, int position) {
  return position >= 1 && position <= kBalls ? balls[static_cast<std::size_t>(position - 1)] : kNoBall;
}

bool holds_all(const TraceDraw& draw, const std::array<int, 3>& numbers, int count) {
  for (int k = 0; k < count; ++k)
    if (!draw.balls.contains(numbers[static_cast<std::size_t>(k)])) return false;
  return true;
}

// The property of a draw that each rule (but the cycle) tests.
bool matches(const TraceDraw& draw, const TraceQuery& q) {
  switch (q.tab) {
    case TraceTab::Single: return holds_all(draw, q.numbers, 1);
    case TraceTab::Pair: return holds_all(draw, q.numbers, 2);
    case TraceTab::Triple: return holds_all(draw, q.numbers, 3);
    case TraceTab::Ascending: return q.numbers[0] != kNoBall && ball_at(draw.sorted, q.position) == q.numbers[0];
    case TraceTab::Drawn: return q.numbers[0] != kNoBall && ball_at(draw.drawn, q.position) == q.numbers[0];
    case TraceTab::Add: {
      const int first = ball_at(draw.sorted, q.p1), second = ball_at(draw.sorted, q.p2);
      if (first == kNoBall || second == kNoBall) return false;
      return first + static_cast<long long>(q.sign) * q.amount == second;
    }
    case TraceTab::Cycle: return false;
  }
  return false;
}

void keep_inside(std::vector<int>& rows, long long target, int draw_count) {
  if (target >= 1 && target <= draw_count) rows.push_back(static_cast<int>(target));
}

std::vector<int> cycle_rows(const TraceTable& table, const TraceQuery& q, int distance) {
  const int n = table.draw_count();
  const long long e = find_issue(table, q.issue).value_or(n);
  std::vector<int> rows;
  for (long long f = 0; f < n; ++f) keep_inside(rows, e + 1 + distance - q.step * f, n);
  std::reverse(rows.begin(), rows.end());
  return rows;
}

}  // namespace

std::vector<int> all_draws(const TraceTable& table) {
  std::vector<int> draws(static_cast<std::size_t>(table.draw_count()));
  for (std::size_t i = 0; i < draws.size(); ++i) draws[i] = static_cast<int>(i) + 1;
  return draws;
}

std::vector<int> select_rows(const TraceTable& table, const TraceQuery& query, int distance,
                             std::span<const int> source) {
  if (query.tab == TraceTab::Cycle) return cycle_rows(table, query, distance);
  const int n = table.draw_count();
  std::vector<int> rows;
  auto visit = [&](int i) {
    if (i >= 1 && i <= n && matches(table.draw(i), query)) keep_inside(rows, static_cast<long long>(i) + distance, n);
  };
  if (query.tab == TraceTab::Single) {
    for (const int i : source) visit(i);
  } else {
    for (int i = 1; i <= n; ++i) visit(i);
  }
  return rows;
}

}  // namespace trace
