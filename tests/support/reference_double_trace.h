// The double-trace rule search written out literally, ball texts compared one by one, for
// the differential tests of the mask-based search.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/draw_history.h"

namespace reference {

struct Rule {
  int position, offset, hits;
};

// The balls of the chosen order: the ascending or the drawn column, read directly.
inline const core::BallColumns& balls_of(const core::DrawHistory& h, bool ascending) {
  return ascending ? h.ltno_sorted : h.ltno_drawn;
}

inline bool drawn_in(const core::DrawHistory& h, const std::string& text, int draw) {
  if (draw < 1 || draw > h.draw_count) return false;
  for (int k = 0; k < 5; ++k)
    if (h.ltno_drawn[k][draw - 1] == text) return true;
  return false;
}

inline std::vector<int> matches(const core::DrawHistory& h, const std::string& x, int later, const std::string& y,
                                int distance) {
  std::vector<int> found;
  for (int i = 1; i <= h.draw_count - distance + 1; ++i)
    if (drawn_in(h, x, i) && drawn_in(h, y, i + later)) found.push_back(i);
  return found;
}

// The run the search works with: one match or none teaches nothing and leaves the run as
// given; otherwise a run longer than the matches allow becomes M - 1.
inline int lowered_run(int match_count, int run) {
  return match_count >= 2 && match_count < run ? match_count - 1 : run;
}

// Position, then offset as "%03d" or "-" + "%02d", then "00": the order after the hits.
inline std::string rank_text(const Rule& r) {
  char text[32];
  if (r.offset >= 0) std::snprintf(text, sizeof text, "%d%03d00", r.position, r.offset);
  else std::snprintf(text, sizeof text, "%d-%02d00", r.position, -r.offset);
  return text;
}

inline bool ranks_below(const Rule& a, const Rule& b) {
  return a.hits != b.hits ? a.hits < b.hits : rank_text(a) < rank_text(b);
}

// `run` as lowered by the search (lowered_run). With fewer than two matches, or a run
// below 1, there is no rule.
inline std::vector<Rule> ranked_rules(const core::DrawHistory& h, bool ascending, const std::vector<int>& m,
                                      int distance, int run) {
  const int count = static_cast<int>(m.size());
  std::vector<Rule> rules;
  if (count < 2 || run < 1) return rules;
  const core::BallColumns& balls = balls_of(h, ascending);
  for (int p = 1; p <= 5 && rules.size() < 1000; ++p) {
    for (int o = 1 - distance; o <= 9 && rules.size() < 1000; ++o) {
      int hits = 0, recent = 0;
      for (int j = 1; j <= count; ++j) {
        const int source = m[j - 1] - o;
        if (source < 1 || !drawn_in(h, balls[p - 1][source - 1], m[j - 1] + distance)) continue;
        ++hits;
        if (static_cast<long long>(j) >= static_cast<long long>(count) - run) ++recent;
      }
      if (recent >= run) rules.push_back({p, o, hits});
    }
  }
  // The plain exchange sort, descending.
  for (std::size_t i = 0; i < rules.size(); ++i)
    for (std::size_t j = i + 1; j < rules.size(); ++j)
      if (ranks_below(rules[i], rules[j])) std::swap(rules[i], rules[j]);
  return rules;
}

}  // namespace reference
