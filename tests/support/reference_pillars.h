// A literal model of the pillar optimisation's text algorithms, for differential tests
// only: number lists as concatenated two-digit texts, the per-draw pillar check comparing
// texts cut from the period lines, 12-character sort keys and a descending text sort.
// It is slow on purpose: it follows the text algorithm step by step and shares no code
// with the engine.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace reference {

// Copy(text, position, count) with 1-based positions, clipped at the end of the text.
inline std::string copy(const std::string& text, int position, int count) {
  if (position < 1 || position > static_cast<int>(text.size())) return "";
  return text.substr(position - 1, count);
}

inline std::vector<std::string> split2(const std::string& numbers) {
  std::vector<std::string> parts;
  for (size_t i = 0; i + 1 < numbers.size() && parts.size() < 20; i += 2) parts.push_back(numbers.substr(i, 2));
  return parts;
}

inline std::string pick_type1(const std::string& numbers, int k) {
  const auto a = split2(numbers);
  const int n = static_cast<int>(a.size());
  std::string out;
  if (k == 2)
    for (int j = 1; j < n; ++j) out += a[0] + a[j];
  if (k == 3)
    for (int i = 1; i < n - 1; ++i)
      for (int j = i + 1; j < n; ++j) out += a[0] + a[i] + a[j];
  if (k == 4)
    for (int i = 1; i < n - 2; ++i)
      for (int j = i + 1; j < n - 1; ++j)
        for (int l = j + 1; l < n; ++l) out += a[0] + a[i] + a[j] + a[l];
  return out;
}

inline std::string pick_type2(const std::string& numbers, int k) {
  const auto a = split2(numbers);
  const int n = static_cast<int>(a.size());
  std::string out;
  if (k == 2)
    for (int i = 0; i < n - 1; ++i)
      for (int j = i + 1; j < n; ++j) out += a[i] + a[j];
  if (k == 3)
    for (int i = 0; i < n - 2; ++i)
      for (int j = i + 1; j < n - 1; ++j)
        for (int l = j + 1; l < n; ++l) out += a[i] + a[j] + a[l];
  if (k == 4)
    for (int i = 0; i < n - 3; ++i)
      for (int j = i + 1; j < n - 2; ++j)
        for (int l = j + 1; l < n - 1; ++l)
          for (int m = l + 1; m < n; ++m) out += a[i] + a[j] + a[l] + a[m];
  return out;
}

inline std::vector<std::string> pieces(const std::string& text, int width) {
  std::vector<std::string> out;
  for (size_t i = 0; i + width <= text.size(); i += width) out.push_back(text.substr(i, width));
  return out;
}

// The free numbers: S without the chosen ones, sorted ascending by text.
inline std::string free_numbers(const std::string& s, const std::string& used) {
  std::vector<std::string> rest;
  const auto taken = split2(used);
  for (const auto& n : split2(s))
    if (std::find(taken.begin(), taken.end(), n) == taken.end()) rest.push_back(n);
  std::sort(rest.begin(), rest.end());
  std::string out;
  for (const auto& n : rest) out += n;
  return out;
}

// Enumerate(shape, S): "2x2x2x2", "3x3x3", "1x1x2x2x2" or "2x2x3x3".
inline std::vector<std::string> enumerate(const std::string& shape, const std::string& s) {
  std::vector<std::string> list;
  if (shape == "2x2x2x2") {
    for (const auto& p1 : pieces(pick_type1(s, 2), 4)) {
      const auto f6 = free_numbers(s, p1);
      for (const auto& p2 : pieces(pick_type1(f6, 2), 4)) {
        const auto f4 = free_numbers(s, p1 + p2);
        for (const auto& p3 : pieces(pick_type1(f4, 2), 4)) list.push_back(p1 + p2 + p3 + free_numbers(s, p1 + p2 + p3));
      }
    }
  } else if (shape == "3x3x3") {
    for (const auto& p1 : pieces(pick_type1(s, 3), 6)) {
      const auto f6 = free_numbers(s, p1);
      for (const auto& p2 : pieces(pick_type1(f6, 3), 6)) list.push_back(p1 + p2 + free_numbers(s, p1 + p2));
    }
  } else if (shape == "1x1x2x2x2") {
    for (const auto& p12 : pieces(pick_type2(s, 2), 4)) {
      const auto f6 = free_numbers(s, p12);
      for (const auto& p3 : pieces(pick_type1(f6, 2), 4)) {
        const auto f4 = free_numbers(s, p12 + p3);
        for (const auto& p4 : pieces(pick_type1(f4, 2), 4)) list.push_back(p12 + p3 + p4 + free_numbers(s, p12 + p3 + p4));
      }
    }
  } else if (shape == "2x2x3x3") {
    for (const auto& p1 : pieces(pick_type1(s, 2), 4)) {
      const auto f8 = free_numbers(s, p1);
      for (const auto& p2 : pieces(pick_type2(f8, 2), 4)) {
        const auto f6 = free_numbers(s, p1 + p2);
        for (const auto& p3 : pieces(pick_type1(f6, 3), 6)) list.push_back(p1 + p2 + p3 + free_numbers(s, p1 + p2 + p3));
      }
    }
  }
  return list;
}

inline std::vector<int> sizes_of(const std::string& shape) {
  if (shape == "2x2x2x2") return {2, 2, 2, 2};
  if (shape == "3x3x3") return {3, 3, 3};
  if (shape == "1x1x2x2x2") return {1, 1, 2, 2, 2};
  return {2, 2, 3, 3};
}

// The module state the pillar check reads and writes, 1-based.
struct PillarState {
  int pillar_count = 4;
  std::array<std::array<std::string, 9>, 9> pillar_no{};
  std::array<int, 9> memo_lines{};
  long pillar_tot2 = 0, pillar_tot3 = 0, pillar_tot4 = 0;
  long draw_hits2 = 0, draw_hits3 = 0, draw_hits4 = 0;
  std::array<std::string, 6> ball_mark{};
};

// CHECK_Bingo_pillar on a draw text of ten characters.
inline void CHECK_Bingo_pillar(PillarState& st, const std::string& draw) {
  std::array<int, 9> hit{};
  for (int k = 1; k <= 5; ++k) st.ball_mark[k] = "__";
  st.draw_hits2 = st.draw_hits3 = st.draw_hits4 = 0;
  std::array<std::string, 6> ball{};
  for (int k = 1; k <= 5; ++k) ball[k] = copy(draw, 2 * k - 1, 2);
  for (int i = 1; i <= st.pillar_count; ++i)
    for (int m = 1; m <= std::min(st.memo_lines[i], 8); ++m)
      for (int s = 1; s <= 5; ++s)
        if (st.pillar_no[i][m] == ball[s]) {
          st.ball_mark[s] = ball[s];
          ++hit[i];
          break;
        }
  const int p = st.pillar_count;
  for (int i = 1; i <= p; ++i)
    for (int j = i + 1; j <= p; ++j) {
      st.draw_hits2 += hit[i] * hit[j];
      for (int k = j + 1; k <= p; ++k) {
        st.draw_hits3 += hit[i] * hit[j] * hit[k];
        for (int l = k + 1; l <= p; ++l) st.draw_hits4 += hit[i] * hit[j] * hit[k] * hit[l];
      }
    }
  st.pillar_tot2 += st.draw_hits2;
  st.pillar_tot3 += st.draw_hits3;
  st.pillar_tot4 += st.draw_hits4;
}

inline std::string format0(long value, int width) {
  std::string t = std::to_string(value);
  return t.size() < static_cast<size_t>(width) ? std::string(width - t.size(), '0') + t : t;
}

// priority: 0 four-star first, 1 three-star first, else two-star first.
inline std::string sort_key(long t2, long t3, long t4, int priority) {
  if (priority == 0) return format0(t4, 3) + format0(t3, 4) + format0(t2, 4) + "_";
  if (priority == 1) return format0(t3, 4) + format0(t2, 4) + format0(t4, 3) + "_";
  return format0(t2, 4) + format0(t3, 4) + format0(t4, 3) + "_";
}

struct Totals {
  long two = 0, three = 0, four = 0;
};

// Scoring steps 1-4 for one arrangement: the pillar table from the arrangement, the
// memos holding exactly its numbers, the check over every period line.
inline Totals score_totals(const std::string& arrangement, const std::vector<int>& sizes,
                           const std::vector<std::string>& period) {
  PillarState st;
  st.pillar_count = static_cast<int>(sizes.size());
  int at = 0;
  for (int p = 1; p <= st.pillar_count; ++p) {
    for (int s = 1; s <= sizes[p - 1]; ++s, ++at) st.pillar_no[p][s] = arrangement.substr(2 * at, 2);
    st.memo_lines[p] = sizes[p - 1];
  }
  for (const auto& line : period) {
    const std::string draw = copy(line, 24, 2) + copy(line, 27, 2) + copy(line, 30, 2) + copy(line, 33, 2) + copy(line, 36, 2);
    CHECK_Bingo_pillar(st, draw);
  }
  return {st.pillar_tot2, st.pillar_tot3, st.pillar_tot4};
}

// Step 5: the sorted entry, key + arrangement.
inline std::string score_entry(const std::string& arrangement, const std::vector<int>& sizes,
                               const std::vector<std::string>& period, int priority) {
  const Totals t = score_totals(arrangement, sizes, period);
  return sort_key(t.two, t.three, t.four, priority) + arrangement;
}

// Enumerate, score and sort descending by text.
inline std::vector<std::string> ranked_entries(const std::string& shape, const std::string& s,
                                               const std::vector<std::string>& period, int priority) {
  std::vector<std::string> entries;
  for (const auto& a : enumerate(shape, s)) entries.push_back(score_entry(a, sizes_of(shape), period, priority));
  std::sort(entries.begin(), entries.end(), std::greater<>());
  return entries;
}

// A row line read back from a sorted entry: counts from the key by its priority layout,
// numbers from character 13.
inline std::string row_line(const std::string& entry, const std::vector<int>& sizes, int priority, bool three_pillar) {
  long f1, f2, f3;
  if (priority == 0) {
    f1 = std::stol(entry.substr(0, 3)), f2 = std::stol(entry.substr(3, 4)), f3 = std::stol(entry.substr(7, 4));
  } else {
    f1 = std::stol(entry.substr(0, 4)), f2 = std::stol(entry.substr(4, 4)), f3 = std::stol(entry.substr(8, 3));
  }
  std::string row;
  if (three_pillar) {
    row = "三星" + std::to_string(f2) + "碰,二星" + std::to_string(f3) + "碰---";
  } else if (priority == 0) {
    row = "四星" + std::to_string(f1) + "碰,三星" + std::to_string(f2) + "碰,二星" + std::to_string(f3) + "碰---";
  } else if (priority == 1) {
    row = "三星" + std::to_string(f1) + "碰,二星" + std::to_string(f2) + "碰,四星" + std::to_string(f3) + "碰---";
  } else {
    row = "二星" + std::to_string(f1) + "碰,三星" + std::to_string(f2) + "碰,四星" + std::to_string(f3) + "碰---";
  }
  const std::string numbers = entry.substr(12);
  int at = 0;
  for (size_t p = 0; p < sizes.size(); ++p) {
    if (p > 0) row += " x ";
    row += "(";
    for (int s = 0; s < sizes[p]; ++s, ++at) {
      if (s > 0) row += ",";
      row += numbers.substr(2 * at, 2);
    }
    row += ")";
  }
  return row;
}

// The subset lists: the selection without four (of 12) or five (of 15) positions,
// chosen by nested loops, the first position outermost.
inline std::vector<std::string> subset_list(const std::vector<std::string>& sel) {
  const int n = static_cast<int>(sel.size());
  std::vector<std::string> list;
  auto without = [&](std::vector<int> out) {
    std::string s;
    for (int i = 0; i < n; ++i)
      if (std::find(out.begin(), out.end(), i) == out.end()) s += sel[i];
    list.push_back(s);
  };
  if (n == 12) {
    for (int i = 0; i < n; ++i)
      for (int j = i + 1; j < n; ++j)
        for (int k = j + 1; k < n; ++k)
          for (int l = k + 1; l < n; ++l) without({i, j, k, l});
  } else {
    for (int i = 0; i < n; ++i)
      for (int j = i + 1; j < n; ++j)
        for (int k = j + 1; k < n; ++k)
          for (int l = k + 1; l < n; ++l)
            for (int m = l + 1; m < n; ++m) without({i, j, k, l, m});
  }
  return list;
}

// The best sorted entry of one subset (the greatest in text order), for the three
// priorities 0, 1, 2 at once: the totals do not depend on the priority.
inline std::array<std::string, 3> subset_best(const std::string& shape, const std::string& subset,
                                              const std::vector<std::string>& period) {
  std::array<std::string, 3> best;
  for (const auto& a : enumerate(shape, subset)) {
    const Totals t = score_totals(a, sizes_of(shape), period);
    for (int p = 0; p < 3; ++p) best[p] = std::max(best[p], sort_key(t.two, t.three, t.four, p) + a);
  }
  return best;
}

// The walk-forward check's summary, computed from its printed lines alone.

// E2, E3, E4 of the values, by the products over every pair, triple and quadruple.
inline std::array<long long, 3> walk_symmetric(const std::vector<int>& v) {
  std::array<long long, 3> e{};
  const int n = static_cast<int>(v.size());
  for (int a = 0; a < n; ++a)
    for (int b = a + 1; b < n; ++b) {
      e[0] += v[a] * v[b];
      for (int c = b + 1; c < n; ++c) {
        e[1] += v[a] * v[b] * v[c];
        for (int d = c + 1; d < n; ++d) e[2] += v[a] * v[b] * v[c] * v[d];
      }
    }
  return e;
}

// law[j][x]: the share of all C(max_ball, 5) draws, counted one by one, in which pillars
// of `sizes` (consecutive numbers from 1) win x bets of star j + 2.
inline std::array<std::vector<double>, 3> walk_one_draw_law(const std::vector<int>& sizes, int max_ball = 39) {
  std::vector<int> pillar_of(max_ball + 1, -1);
  for (int p = 0, n = 1; p < static_cast<int>(sizes.size()); ++p)
    for (int k = 0; k < sizes[p]; ++k) pillar_of[n++] = p;
  std::array<std::map<long long, long long>, 3> draws_with;
  long long draws = 0;
  std::array<int, 5> b{};
  for (b[0] = 1; b[0] <= max_ball; ++b[0])
    for (b[1] = b[0] + 1; b[1] <= max_ball; ++b[1])
      for (b[2] = b[1] + 1; b[2] <= max_ball; ++b[2])
        for (b[3] = b[2] + 1; b[3] <= max_ball; ++b[3])
          for (b[4] = b[3] + 1; b[4] <= max_ball; ++b[4]) {
            std::vector<int> hits(sizes.size());
            for (const int ball : b)
              if (pillar_of[ball] >= 0) ++hits[pillar_of[ball]];
            const auto e = walk_symmetric(hits);
            for (int j = 0; j < 3; ++j) ++draws_with[j][e[j]];
            ++draws;
          }
  std::array<std::vector<double>, 3> law;
  for (int j = 0; j < 3; ++j) {
    law[j].assign(static_cast<std::size_t>(draws_with[j].rbegin()->first) + 1, 0.0);
    for (const auto& [x, count] : draws_with[j]) law[j][x] = static_cast<double>(count) / static_cast<double>(draws);
  }
  return law;
}

// The law of the total over `draws` draws: the full convolution, nothing dropped.
inline std::vector<long double> walk_total_law(const std::vector<double>& one, long long draws) {
  std::vector<long double> total{1.0L};
  for (long long d = 0; d < draws; ++d) {
    std::vector<long double> next(total.size() + one.size() - 1, 0.0L);
    for (std::size_t i = 0; i < total.size(); ++i)
      for (std::size_t x = 0; x < one.size(); ++x) next[i + x] += total[i] * one[x];
    total = std::move(next);
  }
  return total;
}

inline std::string walk_fixed(long double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
  return text;
}

inline std::vector<std::string> walk_fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (const char c : line) {
    if (c == ',') fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}

// The summary lines (成本每期 .. 結論) for the settings line and the step lines as printed.
inline std::vector<std::string> walk_summary_lines(const std::vector<std::string>& printed) {
  const auto settings = walk_fields(printed.at(0));
  const std::string method = settings[0];
  const long long train = std::stoll(settings[1]);
  const int priority = std::stoi(settings[4]);
  const std::map<std::string, std::vector<int>> layouts{{"2x2x2x2", {2, 2, 2, 2}}, {"1x1x2x2x2", {1, 1, 2, 2, 2}},
                                                        {"3x3x3", {3, 3, 3}},       {"2x2x3x3", {2, 2, 3, 3}},
                                                        {"8of12", {2, 2, 2, 2}},    {"10of15", {2, 2, 3, 3}}};
  const std::vector<int> sizes = layouts.at(method);
  std::array<long long, 3> in{}, out{};
  long long steps = 0, played = 0;
  for (std::size_t i = 2; i < printed.size(); ++i) {
    const auto f = walk_fields(printed[i]);
    if (f.size() != 12 || f[0].size() != 4) break;  // the first summary line
    ++steps;
    played += std::stoll(f[8]);
    for (int j = 0; j < 3; ++j) {
      in[j] += std::stoll(f[5 + j]);
      out[j] += std::stoll(f[9 + j]);
    }
  }
  const auto cost = walk_symmetric(sizes);
  const auto law = walk_one_draw_law(sizes);
  std::array<std::string, 3> in_avg, out_avg, chance, z, expected, upper, lower;
  std::array<long double, 3> upper_tail{}, lower_tail{};
  for (int j = 0; j < 3; ++j) {
    long double mean = 0, square = 0;
    for (std::size_t x = 0; x < law[j].size(); ++x) {
      mean += law[j][x] * static_cast<long double>(x);
      square += law[j][x] * static_cast<long double>(x * x);
    }
    const long double variance = square - mean * mean;
    const long double b = played > 0 ? static_cast<long double>(out[j]) / played : 0;
    in_avg[j] = walk_fixed(steps > 0 ? static_cast<long double>(in[j]) / (train * steps) : 0, 4);
    out_avg[j] = walk_fixed(b, 4);
    chance[j] = walk_fixed(mean, 4);
    z[j] = walk_fixed(variance > 1e-18L && played > 0 ? (b - mean) / std::sqrt(variance / played) : 0, 2);
    expected[j] = walk_fixed(mean * played, 4);
    const auto total = walk_total_law(law[j], played);
    long double at_least = 0, at_most = 0;
    for (std::size_t x = 0; x < total.size(); ++x) (static_cast<long long>(x) >= out[j] ? at_least : at_most) += total[x];
    if (out[j] < static_cast<long long>(total.size())) at_most += total[out[j]];
    upper_tail[j] = std::min(at_least, 1.0L);
    lower_tail[j] = std::min(at_most, 1.0L);
    upper[j] = walk_fixed(upper_tail[j], 4);
    lower[j] = walk_fixed(lower_tail[j], 4);
  }
  const auto line = [](const std::string& title, const std::array<std::string, 3>& v) {
    return title + "," + v[0] + "," + v[1] + "," + v[2];
  };
  const int ranked = method == "3x3x3" ? 3 : priority;
  const int r = ranked - 2;
  const char* stars[] = {"二星", "三星", "四星"};
  const std::string verdict = upper_tail[r] <= 0.025L   ? "高於隨機"
                              : lower_tail[r] <= 0.025L ? "低於隨機"
                                                        : "與隨機無顯著差異";
  return {line("成本每期", {std::to_string(cost[0]), std::to_string(cost[1]), std::to_string(cost[2])}),
          line("樣本內每期平均", in_avg),
          line("樣本外每期平均", out_avg),
          line("隨機期望每期", chance),
          line("z值", z),
          line("樣本外總數", {std::to_string(out[0]), std::to_string(out[1]), std::to_string(out[2])}),
          line("隨機期望總數", expected),
          line("上尾機率", upper),
          line("下尾機率", lower),
          "結論," + std::string(stars[r]) + "," + verdict + "," + z[r]};
}

}  // namespace reference
