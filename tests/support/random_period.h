// Random period lines and selections for the differential tests: draws favour the
// selected numbers so that pairs, triples and quadruples co-occur often, and a few
// damaged lines (short, empty, one-digit fields) test that both sides ignore them alike.
#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace testdata {

inline std::string two(int v) {
  char t[16];
  std::snprintf(t, sizeof t, "%02d", v);
  return t;
}

inline std::string period_line(int sequence, std::array<int, 5> balls) {
  std::sort(balls.begin(), balls.end());
  char t[64];
  std::snprintf(t, sizeof t, "%04d,2009/01/02,096%03d,%02d,%02d,%02d,%02d,%02d", sequence, sequence % 1000,
                balls[0], balls[1], balls[2], balls[3], balls[4]);
  return t;
}

inline std::vector<int> random_selection(std::mt19937& rng, int n) {
  std::vector<int> all(39);
  for (int i = 0; i < 39; ++i) all[i] = i + 1;
  std::shuffle(all.begin(), all.end(), rng);
  std::vector<int> sel(all.begin(), all.begin() + n);
  std::sort(sel.begin(), sel.end());
  return sel;
}

inline std::vector<std::string> texts(const std::vector<int>& numbers) {
  std::vector<std::string> out;
  for (const int n : numbers) out.push_back(two(n));
  return out;
}

inline std::string joined(const std::vector<int>& numbers) {
  std::string out;
  for (const int n : numbers) out += two(n);
  return out;
}

inline std::vector<std::string> random_period(std::mt19937& rng, int draws, const std::vector<int>& favoured,
                                              bool damaged_lines = true) {
  std::vector<std::string> lines;
  std::uniform_int_distribution<int> any(1, 39);
  std::uniform_int_distribution<size_t> pick_favoured(0, favoured.empty() ? 0 : favoured.size() - 1);
  std::bernoulli_distribution from_favoured(0.6);
  for (int d = 1; d <= draws; ++d) {
    std::array<int, 5> balls{};
    for (int k = 0; k < 5; ++k) {
      int b;
      do {
        b = !favoured.empty() && from_favoured(rng) ? favoured[pick_favoured(rng)] : any(rng);
      } while (std::find(balls.begin(), balls.begin() + k, b) != balls.begin() + k);
      balls[k] = b;
    }
    std::string line = period_line(d, balls);
    if (damaged_lines && d % 13 == 0) line = line.substr(0, 31);   // balls 4 and 5 missing
    if (damaged_lines && d % 17 == 0) line.replace(26, 2, "5 ");   // ball 2 not two digits
    if (damaged_lines && d % 29 == 0) line.clear();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace testdata
