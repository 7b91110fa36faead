#include "analysis/intervals/double_trace_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "core/ball_text.h"
#include "core/dates.h"
#include "core/numbers.h"

namespace intervals {
namespace {


// Per position and offset, how many of the counted matches hit. Offset o is element
// o + V - 1 of its position's row of `width` = V + 9 elements.
struct HitCounts {
  int width = 0;
  std::vector<int> all, recent;
  int& at(std::vector<int>& counts, int p, int oi) { return counts[static_cast<std::size_t>(p) * width + oi]; }
};

HitCounts empty_counts(int distance) {
  HitCounts counts;
  counts.width = std::max(0, distance + kLastOffset);
  counts.all.assign(static_cast<std::size_t>(counts.width) * core::kBallsPerDraw, 0);
  counts.recent = counts.all;
  return counts;
}

// Matches j = M - R .. M (1-based) count towards the recent hits.
bool is_recent(std::size_t j0, std::size_t match_count, int run) {
  return static_cast<long long>(j0) + 1 >= static_cast<long long>(match_count) - run;
}

// The rules in search order: every position and offset whose recent hits reach R.
std::vector<DoubleTraceRule> rules_from(HitCounts& counts, int distance, int run) {
  std::vector<DoubleTraceRule> rules;
  for (int p = 0; p < core::kBallsPerDraw; ++p) {
    for (int oi = 0; oi < counts.width; ++oi) {
      if (counts.at(counts.recent, p, oi) < run) continue;
      rules.push_back({p + 1, oi + 1 - distance, counts.at(counts.all, p, oi)});
      if (static_cast<int>(rules.size()) == kMaxRules) return rules;
    }
  }
  return rules;
}

std::string rank_text(const DoubleTraceRule& rule) {
  return std::to_string(rule.position) + offset_text(rule.offset) + "00";
}

void rank(std::vector<DoubleTraceRule>& rules) {
  std::vector<std::string> texts;
  for (const auto& rule : rules) texts.push_back(rank_text(rule));
  std::vector<std::size_t> order(rules.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (rules[a].hits != rules[b].hits) return rules[a].hits > rules[b].hits;
    return texts[a] > texts[b];
  });
  std::vector<DoubleTraceRule> ranked;
  for (std::size_t i : order) ranked.push_back(rules[i]);
  rules = std::move(ranked);
}

// Bit b of a draw's mask is set when one of its balls is b; mask n + 1 (the coming draw) is 0.
struct BallMasks {
  std::array<std::vector<std::uint8_t>, core::kBallsPerDraw> bit;  // [p][d], d = 1 .. n
  std::vector<std::uint64_t> mask;                                 // [d], d = 1 .. n + 1
};

std::optional<BallMasks> ball_masks(const core::DrawHistory& h, core::BallOrder order) {
  const core::BallColumns& balls = core::ball_columns(h, order);
  const int n = h.stored_draws();
  BallMasks masks;
  masks.mask.assign(static_cast<std::size_t>(n) + 2, 0);
  for (auto& column : masks.bit) column.assign(static_cast<std::size_t>(n) + 1, 0);
  for (int d = 1; d <= n; ++d) {
    for (int k = 0; k < core::kBallsPerDraw; ++k) {
      const auto value = core::two_digit_value(balls[k][d - 1]);
      if (!value || *value >= 64) return std::nullopt;
      masks.bit[k][d] = static_cast<std::uint8_t>(*value);
      masks.mask[d] |= std::uint64_t{1} << *value;
    }
  }
  return masks;
}

// Adds match m's hits to one row of counts: offset element oi reads draw m + V - 1 - oi.
void add_mask_hits(int* row, int width, const std::uint8_t* bits, int n, int m, int distance,
                   std::uint64_t target) {
  const int top = m + distance - 1;
  const int first = std::max(0, top - n);
  const int last = std::min(width - 1, top - 1);
  for (int oi = first; oi <= last; ++oi) row[oi] += static_cast<int>((target >> bits[top - oi]) & 1U);
}

}  // namespace

std::string offset_text(int offset) { return core::zero_pad(offset, offset >= 0 ? 3 : 2); }

bool ranks_before(const DoubleTraceRule& a, const DoubleTraceRule& b) {
  if (a.hits != b.hits) return a.hits > b.hits;
  return rank_text(a) > rank_text(b);
}

std::optional<int> draw_of_date(const core::DrawHistory& history, std::string_view date) {
  const auto parsed = core::parse_date(date);
  if (!parsed) return std::nullopt;
  const double day = core::day_number(*parsed);
  for (int d = history.stored_draws(); d >= 1; --d)
    if (std::floor(history.draw_date[d - 1]) == day) return d;
  return std::nullopt;
}

std::vector<std::string> recent_dates(const core::DrawHistory& history, int count) {
  std::vector<std::string> dates;
  for (int d = history.stored_draws(); d >= 1 && static_cast<int>(dates.size()) < count; --d)
    dates.push_back(core::day_text(history.draw_date[d - 1]));
  return dates;
}

// A draw's five balls are the same set in either order.
bool among_balls(const core::DrawHistory& history, const std::string& text, int draw) {
  if (draw < 1 || draw > history.stored_draws()) return false;
  for (int k = 0; k < core::kBallsPerDraw; ++k)
    if (history.ltno_drawn[k][draw - 1] == text) return true;
  return false;
}

std::array<std::string, 5> draw_balls(const core::DrawHistory& history, core::BallOrder order, int draw) {
  std::array<std::string, 5> balls;
  if (draw < 1 || draw > history.stored_draws()) return balls;
  const core::BallColumns& columns = core::ball_columns(history, order);
  for (int k = 0; k < core::kBallsPerDraw; ++k) balls[k] = columns[k][draw - 1];
  return balls;
}

DoubleTraceQuery date_choice(const core::DrawHistory& history, int base_draw, core::BallOrder order) {
  const int n = history.stored_draws();
  DoubleTraceQuery query;
  query.order = order;
  query.base_draw = base_draw;
  query.x = draw_balls(history, order, base_draw)[0];
  query.later = n - base_draw;
  query.y = draw_balls(history, order, base_draw + query.later)[0];
  query.distance = n - base_draw + 1;
  return query;
}

std::vector<int> double_trace_matches(const core::DrawHistory& history, const DoubleTraceQuery& query) {
  std::vector<int> matches;
  const int last = history.stored_draws() - query.distance + 1;
  for (int i = 1; i <= last; ++i)
    if (among_balls(history, query.x, i) && among_balls(history, query.y, i + query.later)) matches.push_back(i);
  return matches;
}

DoubleTraceSearch search_double_trace(const core::DrawHistory& history, const DoubleTraceQuery& query) {
  DoubleTraceSearch search;
  search.query = query;
  search.matches = double_trace_matches(history, query);
  const int match_count = static_cast<int>(search.matches.size());
  // A rule needs a run of hits, and a hit needs a match before the last one.
  if (match_count <= 1 || query.run < 1) return search;
  if (match_count < query.run) search.query.run = match_count - 1;
  const int v = query.distance;
  if (v < 1 || v > history.stored_draws() + 1) return search;  // no verification draw to read
  auto rules = detail::mask_rule_search(history, search.matches, search.query);
  search.rules = rules ? std::move(*rules) : detail::literal_rule_search(history, search.matches, search.query);
  rank(search.rules);
  return search;
}

namespace detail {

std::optional<std::vector<DoubleTraceRule>> mask_rule_search(const core::DrawHistory& history,
                                                             const std::vector<int>& matches,
                                                             const DoubleTraceQuery& query) {
  const int distance = query.distance, run = query.run;
  const auto masks = ball_masks(history, query.order);
  if (!masks) return std::nullopt;
  const int n = history.stored_draws();
  HitCounts counts = empty_counts(distance);
  for (std::size_t j = 0; j < matches.size(); ++j) {
    const int m = matches[j];
    const int target = m + distance;
    if (m < 1 || target < 1 || target > n || masks->mask[target] == 0) continue;
    for (int p = 0; p < core::kBallsPerDraw; ++p) {
      const std::uint8_t* bits = masks->bit[p].data();
      add_mask_hits(&counts.at(counts.all, p, 0), counts.width, bits, n, m, distance, masks->mask[target]);
      if (is_recent(j, matches.size(), run))
        add_mask_hits(&counts.at(counts.recent, p, 0), counts.width, bits, n, m, distance, masks->mask[target]);
    }
  }
  return rules_from(counts, distance, run);
}

std::vector<DoubleTraceRule> literal_rule_search(const core::DrawHistory& history, const std::vector<int>& matches,
                                                 const DoubleTraceQuery& query) {
  const int distance = query.distance, run = query.run;
  const core::BallColumns& balls = core::ball_columns(history, query.order);
  const int n = history.stored_draws();
  HitCounts counts = empty_counts(distance);
  for (int p = 0; p < core::kBallsPerDraw; ++p) {
    for (int oi = 0; oi < counts.width; ++oi) {
      const int o = oi + 1 - distance;
      for (std::size_t j = 0; j < matches.size(); ++j) {
        const int m = matches[j];
        if (m - o < 1 || m - o > n) continue;  // no source draw
        if (!among_balls(history, balls[p][m - o - 1], m + distance)) continue;
        ++counts.at(counts.all, p, oi);
        if (is_recent(j, matches.size(), run)) ++counts.at(counts.recent, p, oi);
      }
    }
  }
  return rules_from(counts, distance, run);
}

}  // namespace detail
}  // namespace intervals
