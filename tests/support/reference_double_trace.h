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

inline bool drawn_in(const core::DrawHistory& h, const std::string& text, int draw) {
  if (draw < 1 || draw > h.draw_count) return false;
  for (int k = 0; k < 5; ++k)
    if (h.ltno_copy[k][draw - 1] == text) return true;
  return false;
}

inline std::vector<int> matches(const core::DrawHistory& h, const std::string& x, int later, const std::string& y,
                                int distance) {
  std::vector<int> found;
  for (int i = 1; i <= h.draw_count - distance + 1; ++i)
    if (drawn_in(h, x, i) && drawn_in(h, y, i + later)) found.push_back(i);
  return found;
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

// `run` as lowered by the search (M - 1 when M is smaller).
inline std::vector<Rule> ranked_rules(const core::DrawHistory& h, const std::vector<int>& m, int distance, int run) {
  const int count = static_cast<int>(m.size());
  std::vector<Rule> rules;
  for (int p = 1; p <= 5 && rules.size() < 1000; ++p) {
    for (int o = 1 - distance; o <= 9 && rules.size() < 1000; ++o) {
      int hits = 0, recent = 0;
      for (int j = 1; j <= count; ++j) {
        const int source = m[j - 1] - o;
        if (source < 1 || !drawn_in(h, h.ltno_copy[p - 1][source - 1], m[j - 1] + distance)) continue;
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
