// A literal model of the trace computations, written straight from the text rules: balls
// compared as texts, the grid filled and summarised cell by cell, pairs and triples
// counted over the grid's cells and ordered by zero-padded text keys (wide enough that
// no count overflows its field). The differential tests hold the mask-based code to it.
#pragma once

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/draw_history.h"
#include "core/text_grid.h"

namespace reference {

struct Query {
  int tab = 0;  // 0 single .. 6 cycle, as the trace window orders its tabs
  std::string number;
  int position = 1, p1 = 1, sign = 1, amount = 1, p2 = 2, step = 1;
  std::string issue;
};

inline std::string two(int v) {
  char t[16];
  std::snprintf(t, sizeof t, "%02d", v);
  return t;
}

inline bool is_ball(const std::string& text) {
  return text.size() == 2 && std::isdigit(static_cast<unsigned char>(text[0])) &&
         std::isdigit(static_cast<unsigned char>(text[1]));
}

inline bool in_draw(const core::DrawHistory& h, const std::string& x, int i) {
  for (int k = 0; k < 5; ++k)
    if (is_ball(x) && h.ltno_drawn[k][i - 1] == x) return true;
  return false;
}

inline std::string part(const std::string& text, std::size_t first) {
  return first - 1 < text.size() ? text.substr(first - 1, 2) : std::string();
}

inline const std::string& at(const core::BallColumns& balls, int p, int i) { return balls[p - 1][i - 1]; }

inline bool matches(const core::DrawHistory& h, const Query& q, int i) {
  switch (q.tab) {
    case 0: return in_draw(h, q.number, i);
    case 1: return in_draw(h, part(q.number, 1), i) && in_draw(h, part(q.number, 4), i);
    case 2:
      return in_draw(h, part(q.number, 1), i) && in_draw(h, part(q.number, 4), i) && in_draw(h, part(q.number, 7), i);
    case 3: return is_ball(q.number) && at(h.ltno_sorted, q.position, i) == q.number;
    case 4: return is_ball(q.number) && at(h.ltno_drawn, q.position, i) == q.number;
    case 5: {
      const std::string &a = at(h.ltno_sorted, q.p1, i), &b = at(h.ltno_sorted, q.p2, i);
      return !a.empty() && !b.empty() && std::stoi(a) + q.sign * q.amount == std::stoi(b);
    }
  }
  return false;
}

inline std::vector<int> rows(const core::DrawHistory& h, const Query& q, int d, const std::vector<int>& source) {
  const int n = h.draw_count;
  std::vector<int> out;
  if (q.tab == 6) {
    int e = n;
    for (int i = n; i >= 1; --i)
      if (h.issue_no[i - 1] == q.issue) {
        e = i;
        break;
      }
    for (int f = 0; f <= n - 1; ++f)
      if (const int t = e + 1 + d - q.step * f; t >= 1 && t <= n) out.insert(out.begin(), t);
    return out;
  }
  std::vector<int> visit = source;
  if (q.tab != 0) {
    visit.clear();
    for (int i = 1; i <= n; ++i) visit.push_back(i);
  }
  for (const int i : visit)
    if (matches(h, q, i) && i + d >= 1 && i + d <= n) out.push_back(i + d);
  return out;
}

inline std::string count(int c) { return c ? std::to_string(c) : std::string(); }

// The summarised grid, cell by cell; column 41 and the 53rd field stay empty.
inline core::TextGrid grid(const core::DrawHistory& h, const Query& q, const std::vector<int>& list,
                           const std::vector<std::string>& dates) {
  const int R = static_cast<int>(list.size());
  core::TextGrid g(R + 13, 52);
  const char* digits[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  std::vector<std::string> header{"日     期", " 期  數"};
  for (int n = 1; n <= 39; ++n) header.push_back(two(n));
  header.push_back("");
  for (const char* d : digits) header.push_back(d);
  g.set_row(0, header);
  for (int r = 1; r <= R; ++r) {
    const int t = list[r - 1];
    for (int k = 1; k <= 5; ++k) {
      const std::string& ball = h.ltno_drawn[k - 1][t - 1];
      for (int n = 1; n <= 39; ++n)
        if (ball == two(n)) g.set_cell(n + 1, r, q.tab == 4 ? digits[k] : "●");
    }
    g.set_cell(0, r, dates[t - 1]);
    g.set_cell(1, r, h.issue_no[t - 1]);
    for (int d = 0; d < 10; ++d) {
      int c = 0;
      for (int n = 1; n <= 39; ++n) c += n % 10 == d && !g.cell(n + 1, r).empty();
      g.set_cell(42 + d, r, count(c));
    }
  }
  const int P = R + 1;
  const int shown = q.tab == 6 ? R + 1 : R;
  g.set_row(P + 1, header);
  g.set_cell(0, P + 1, "期數 " + std::to_string(shown));
  g.set_cell(1, P + 1, " 號   碼");
  g.set_cell(1, P + 2, "    ●");
  g.set_cell(1, P + 3, "      ");
  g.set_cell(1, P + 4, "    ●");
  g.set_cell(0, P + 3, "統計 ");
  g.set_cell(0, P + 4, "最近 " + std::to_string(shown) + " 期");
  const char* labels[7] = {"連莊開出",   "隔二版開出", "隔三版開出", "隔四版開出",
                           "隔五版開出", "隔六版開出", "隔七版以上"};
  for (int c = 2; c <= 51; ++c) {
    int marks = 0, last = 0, gaps[8] = {};
    for (int r = 1; r <= R; ++r) {
      if (g.cell(c, r).empty()) continue;
      ++marks;
      const int gap = r - last;
      ++gaps[gap >= 1 && gap <= 6 ? gap : 7];
      last = r;
    }
    g.set_cell(c, P + 2, count(marks));
    g.set_cell(c, P + 4, count(marks));
    for (int k = 1; k <= 7; ++k) g.set_cell(c, P + 4 + k, count(gaps[k]));
  }
  for (int k = 1; k <= 7; ++k) g.set_cell(0, P + 4 + k, labels[k - 1]);
  return g;
}

// Entries of the pair (size 2) or triple (size 3) list, best first, as "aa.bb(.cc)".
inline std::vector<std::string> ranked(const core::TextGrid& g, int R, int size) {
  std::vector<std::string> keys;
  std::vector<int> pick(static_cast<std::size_t>(size));
  std::function<void(int, int)> choose = [&](int from, int depth) {
    if (depth == size) {
      int u = 0, hits = 0;
      for (int r = 1; r <= R; ++r) {
        int filled = 0;
        for (const int n : pick) filled += !g.cell(n + 1, r).empty();
        u += filled > 0;
        hits += filled;
      }
      if (size == 3 && !(R > 0 && static_cast<double>(u) / R > 0.3)) return;
      char key[32];
      std::snprintf(key, sizeof key, "%05d%05d", u, hits);
      std::string text = key;
      for (int k = 0; k < size; ++k) text += (k ? "." : "") + two(pick[static_cast<std::size_t>(k)]);
      keys.push_back(text);
      return;
    }
    for (int n = from; n <= 39; ++n) {
      pick[static_cast<std::size_t>(depth)] = n;
      choose(n + 1, depth + 1);
    }
  };
  choose(1, 0);
  std::sort(keys.begin(), keys.end(), std::greater<>());
  for (auto& k : keys) k = k.substr(10);
  return keys;
}

}  // namespace reference
