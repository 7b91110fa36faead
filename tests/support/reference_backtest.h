// A literal model of the number backtest for the differential tests: each step reads the
// draws before its test draw straight from the table's texts and sorts, scans and
// convolves the plain way (every probability kept, the binomials multiplied out), and the
// lines are written with printf. Slow on purpose; it shares no code with the program.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/dates.h"
#include "core/draw_history.h"

namespace test_support {

struct ReferenceBacktest {
  std::string method = "hot";  // hot, cold, rules, moving
  int test = 300, count = 5, window = 30, run_length = 3;
  std::vector<int> rules{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  bool sorted = false, average = false;  // moving: ball order, tab
  std::vector<int> positions{1};         // moving: one, or three with average
  int look_back = 1;
  std::vector<long long> offsets{0};
};

namespace reference_backtest_detail {

inline int ball_of(const core::DrawHistory& h, bool sorted, int draw, int position) {
  const std::string& text = (sorted ? h.ltno_sorted : h.ltno_drawn)[position - 1][draw - 1];
  if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') return -1;
  return std::stoi(text);
}

inline bool holds(const core::DrawHistory& h, int draw, int number) {
  for (int k = 1; k <= 5; ++k)
    if (ball_of(h, false, draw, k) == number) return true;
  return false;
}

// The first `count` numbers by value descending, then number descending.
inline std::set<int> first_by_value(const std::vector<int>& value, int count) {
  std::vector<std::pair<int, int>> keyed;
  for (int n = 1; n <= 39; ++n) keyed.push_back({value[n], n});
  std::sort(keyed.rbegin(), keyed.rend());
  std::set<int> out;
  for (int r = 0; r < count; ++r) out.insert(keyed[r].second);
  return out;
}

inline std::set<int> numbers_for(const core::DrawHistory& h, const ReferenceBacktest& s, int t) {
  std::set<int> out;
  if (s.method == "hot" || s.method == "cold") {
    std::vector<int> value(40, 0);
    for (int x = 1; x <= 39; ++x) {
      if (s.method == "hot") {
        for (int d = t - s.window; d <= t - 1; ++d)
          for (int k = 1; k <= 5; ++k) value[x] += ball_of(h, false, d, k) == x;
      } else {
        int last = 0;
        for (int j = t - 1; j >= 1 && last == 0; --j)
          if (holds(h, j, x)) last = j;
        value[x] = (t - 1) - last;
      }
    }
    return first_by_value(value, s.count);
  }
  if (s.method == "rules") {
    const int R = t - 1, L = s.run_length;
    const int steps[] = {0, 1, -1, 2, -2};
    for (const int rule : s.rules) {
      const int g = rule <= 5 ? 1 : 2, d = steps[(rule - 1) % 5];
      std::vector<int> rho(L + 1);
      for (int j = 1; j <= L; ++j) rho[j] = R - g * (L - j) - (g - 1);
      if (rho[1] < 1) continue;
      const int lo = d < 0 ? 1 + L * -d : 1, hi = d > 0 ? 39 - L * d : 39;
      for (int n = lo; n <= hi; ++n) {
        bool all = true;
        for (int j = 1; j <= L; ++j) all = all && holds(h, rho[j], n + (j - 1) * d);
        if (all) out.insert(n + L * d);
      }
    }
    return out;
  }
  const int src = t - s.look_back;
  if (src < 1) return out;
  long long base = 0;
  if (s.average) {
    for (const int p : s.positions) base += ball_of(h, s.sorted, src, p);
    base /= 3;
  } else {
    base = ball_of(h, s.sorted, src, s.positions[0]);
  }
  for (const long long offset : s.offsets) {
    long long r = (base + offset + 77) % 39;
    if (r < 0) r += 39;
    out.insert(static_cast<int>(r) + 1);
  }
  return out;
}

inline double choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  double v = 1;
  for (int i = 1; i <= k; ++i) v = v * (n - k + i) / i;
  return v;
}

inline std::string printed(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

inline std::string two(int n) { return printed("%02.0f", n); }

}  // namespace reference_backtest_detail

// The lines `backtest` prints after its title: the header, the steps and the summary.
inline std::vector<std::string> reference_backtest_lines(const core::DrawHistory& h, const ReferenceBacktest& s) {
  using namespace reference_backtest_detail;
  const int n = h.draw_count;
  std::vector<std::string> lines{"序號,日期,期數,預測號碼,個數,命中號碼,命中數"};
  std::vector<double> law{1.0};  // P(total = x)
  int P = 0, A = 0;
  long long N = 0, H = 0;
  double B = 0, V = 0;
  const double p = 5.0 / 39;
  for (int k = 1; k <= s.test; ++k) {
    const int t = n - s.test + k;
    const std::set<int> numbers = numbers_for(h, s, t);
    std::string listed, hit;
    int hits = 0;
    for (const int x : numbers) {
      listed += (listed.empty() ? "" : ".") + two(x);
      if (holds(h, t, x)) {
        hit += (hit.empty() ? "" : ".") + two(x);
        ++hits;
      }
    }
    const int c = static_cast<int>(numbers.size());
    lines.push_back(printed("%04.0f", k) + "," + core::day_text(h.draw_date[t - 1]) + "," + h.issue_no[t - 1] + "," +
                    listed + "," + std::to_string(c) + "," + hit + "," + std::to_string(hits));
    P += c > 0;
    A += hits > 0;
    N += c;
    H += hits;
    B += 1 - choose(39 - c, 5) / choose(39, 5);
    V += c * p * (1 - p) * (39 - c) / 38;
    if (c == 0) continue;
    std::vector<double> next(law.size() + 5, 0.0);
    for (std::size_t i = 0; i < law.size(); ++i)
      for (int x = 0; x <= std::min(c, 5); ++x) next[i + x] += law[i] * choose(c, x) * choose(39 - c, 5 - x) / choose(39, 5);
    law = next;
  }
  double upper = 0, lower = 0;
  for (std::size_t x = 0; x < law.size(); ++x) (static_cast<long long>(x) >= H ? upper : lower) += law[x];
  lower += H < static_cast<long long>(law.size()) ? law[H] : 0;
  const double E = N * p, z = V > 0 ? (H - E) / std::sqrt(V) : 0;
  const char* verdict = upper <= 0.025 ? "高於隨機" : lower <= 0.025 ? "低於隨機" : "與隨機無顯著差異";
  const std::vector<std::string> summary{
      "有預測期數," + std::to_string(P),
      "預測號碼總數," + std::to_string(N),
      "命中總數," + std::to_string(H),
      "命中率," + printed("%.4f", N ? static_cast<double>(H) / N : 0.0),
      "隨機命中率," + printed("%.4f", p),
      "期望命中數," + printed("%.4f", E),
      "至少中一期數," + std::to_string(A) + "," + printed("%.4f", B),
      "z值," + printed("%.2f", z),
      "上尾機率," + printed("%.4f", std::min(upper, 1.0)),
      "下尾機率," + printed("%.4f", std::min(lower, 1.0)),
      std::string("結論,") + verdict};
  lines.insert(lines.end(), summary.begin(), summary.end());
  return lines;
}

}  // namespace test_support
