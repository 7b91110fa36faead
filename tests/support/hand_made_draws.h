// Draw tables built from hand-made or random draws, derived as the loader derives them:
// draw i (1-based) is dated 2020/01/01 + i - 1 and numbered 100000 + i.
#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/draw_history.h"
#include "core/loader.h"

namespace test_support {

using Balls = std::array<int, 5>;  // in drawn order

inline std::string draw_date_of(int draw) {
  return core::format_date(core::date_from_day_number(core::day_number({2020, 1, 1}) + draw - 1));
}

inline std::string issue_of(int draw) { return std::to_string(100000 + draw); }

inline core::DrawHistory hand_made_history(const std::vector<Balls>& draws) {
  core::DrawHistory h;
  for (std::size_t i = 0; i < draws.size(); ++i) {
    const int d = static_cast<int>(i) + 1;
    const Balls& b = draws[i];
    char line[64];
    std::snprintf(line, sizeof line, "%s,%s,%02d,%02d,%02d,%02d,%02d", draw_date_of(d).c_str(), issue_of(d).c_str(),
                  b[0], b[1], b[2], b[3], b[4]);
    h.orirec.push_back(line);
  }
  h.draw_count = static_cast<int>(draws.size());
  if (!core::put_to_ltno(h)) h.draw_count = 0;
  return h;
}

// Five distinct balls out of 1 .. `top`: a small top makes repeats, and so hits, common.
inline Balls random_balls(std::mt19937& rng, int top = 39) {
  std::vector<int> all(static_cast<std::size_t>(top));
  for (int i = 0; i < top; ++i) all[i] = i + 1;
  std::shuffle(all.begin(), all.end(), rng);
  return {all[0], all[1], all[2], all[3], all[4]};
}

inline std::vector<Balls> random_draws(std::mt19937& rng, int count, int top = 39) {
  std::vector<Balls> draws;
  for (int i = 0; i < count; ++i) draws.push_back(random_balls(rng, top));
  return draws;
}

}  // namespace test_support
