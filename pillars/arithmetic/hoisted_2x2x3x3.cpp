#include "pillars/arithmetic/hoisted_2x2x3x3.h"

#include <array>
#include <cstdint>
#include <memory>

#include "pillars/arithmetic/shape_scoring.h"

namespace pillars::arith {

namespace {

constexpr int kN = 10;
constexpr int kLocalMasks = 1 << kN;
constexpr int kFreeSets = 84;  // choices of {a, fx, fy} out of positions 1..9

// Per-subset tables, indexed by masks of local positions 0..9 of the subset.
struct SubsetTables {
  std::array<std::uint32_t, kN> bit{};          // selection-position bit of each local position
  std::array<int, kLocalMasks> pair_count{};    // pairs: draws containing both
  std::array<int, kLocalMasks> pair_triples{};  // pairs: triples of the subset containing the pair
  std::array<int, kLocalMasks> inner_pairs{};   // triples: sum of their three pairs
  std::array<int, kLocalMasks> inner_triples{}; // triples: triples with two or more members inside
  std::array<int, kLocalMasks> quad{};          // quadruples: draws containing all four
  std::array<int, kLocalMasks> quads_p1{};      // triples: quadruples adding a pillar-1 member
  // Per set of six free positions (pillars 3 and 4), per split: the within-pillar terms.
  std::array<std::array<int, 10>, kFreeSets> split_pairs{};
  std::array<std::array<int, 10>, kFreeSets> split_triples{};
  int total2 = 0, total3 = 0, total4 = 0;
};

// The ten splits of six free positions r0..r5 into pillar 3 = {r0, ri, rj} and pillar 4
// = the other three, in enumeration order (pick_type1 of the six), as the pair indices
// (into the 15 pairs of r0..r5 in lexicographic order) inside each pillar.
constexpr int pair_index(int i, int j) { return i * (11 - i) / 2 + j - i - 1; }
struct Split {
  int i, j;     // pillar 3 = r0, ri, rj
  int k, l, m;  // pillar 4 = rk, rl, rm
};
constexpr std::array<Split, 10> kSplits{{{1, 2, 3, 4, 5}, {1, 3, 2, 4, 5}, {1, 4, 2, 3, 5}, {1, 5, 2, 3, 4},
                                         {2, 3, 1, 4, 5}, {2, 4, 1, 3, 5}, {2, 5, 1, 3, 4}, {3, 4, 1, 2, 5},
                                         {3, 5, 1, 2, 4}, {4, 5, 1, 2, 3}}};
constexpr auto kSplitPairs = [] {
  std::array<std::array<int, 6>, 10> t{};
  for (int s = 0; s < 10; ++s) {
    const Split c = kSplits[s];
    t[s] = {pair_index(0, c.i), pair_index(0, c.j), pair_index(c.i, c.j),
            pair_index(c.k, c.l), pair_index(c.k, c.m), pair_index(c.l, c.m)};
  }
  return t;
}();

// Index 0..83 of a three-bit mask over positions 1..9 (bit p-1 for position p).
const std::array<std::int8_t, 512>& free_set_index() {
  static const auto table = [] {
    std::array<std::int8_t, 512> t{};
    t.fill(-1);
    int next = 0;
    for (int m = 0; m < 512; ++m)
      if (__builtin_popcount(m) == 3) t[m] = static_cast<std::int8_t>(next++);
    return t;
  }();
  return table;
}

void build_counts(const CoOccurrence& t, std::span<const int> subset, SubsetTables& s) {
  for (int i = 0; i < kN; ++i) s.bit[i] = 1u << subset[i];
  s.total2 = s.total3 = s.total4 = 0;
  for (int i = 0; i < kN; ++i)
    for (int j = i + 1; j < kN; ++j) {
      const int c = t.count(s.bit[i] | s.bit[j]);
      const int m = 1 << i | 1 << j;
      s.pair_count[m] = c;
      s.pair_triples[m] = 0;
      s.total2 += c;
    }
  for (int i = 0; i < kN; ++i)
    for (int j = i + 1; j < kN; ++j)
      for (int k = j + 1; k < kN; ++k) {
        const std::uint32_t ijk = s.bit[i] | s.bit[j] | s.bit[k];
        const int c = t.count(ijk);
        s.total3 += c;
        s.pair_triples[1 << i | 1 << j] += c;
        s.pair_triples[1 << i | 1 << k] += c;
        s.pair_triples[1 << j | 1 << k] += c;
        s.inner_triples[1 << i | 1 << j | 1 << k] = c;  // completed below
        for (int l = k + 1; l < kN; ++l) {
          const int q = t.count(ijk | s.bit[l]);
          s.quad[1 << i | 1 << j | 1 << k | 1 << l] = q;
          s.total4 += q;
        }
      }
  for (int i = 0; i < kN; ++i)
    for (int j = i + 1; j < kN; ++j)
      for (int k = j + 1; k < kN; ++k) {
        const int ij = 1 << i | 1 << j, ik = 1 << i | 1 << k, jk = 1 << j | 1 << k;
        const int m = ij | 1 << k;
        s.inner_pairs[m] = s.pair_count[ij] + s.pair_count[ik] + s.pair_count[jk];
        // A triple with all three members inside is counted by each of its three pairs.
        s.inner_triples[m] = s.pair_triples[ij] + s.pair_triples[ik] + s.pair_triples[jk] - 2 * s.inner_triples[m];
      }
}

// The within-pillar terms of every split of every set of six free positions: they do
// not depend on how the other four positions form pillars 1 and 2.
void build_splits(SubsetTables& s) {
  const auto& index = free_set_index();
  for (int taken = 0; taken < 512; ++taken) {
    const int id = index[taken];
    if (id < 0) continue;
    std::array<int, 6> r{};
    for (int p = 1, n = 0; p < kN; ++p)
      if (!(taken >> (p - 1) & 1)) r[n++] = p;
    for (int x = 0; x < 10; ++x) {
      const Split c = kSplits[x];
      const int p3 = 1 << r[0] | 1 << r[c.i] | 1 << r[c.j];
      const int p4 = 1 << r[c.k] | 1 << r[c.l] | 1 << r[c.m];
      s.split_pairs[id][x] = s.inner_pairs[p3] + s.inner_pairs[p4];
      s.split_triples[id][x] = s.inner_triples[p3] + s.inner_triples[p4];
    }
  }
}

// For pillar 1 = {0, a}: per triple (b, c, d) of the other eight positions, the
// quadruples that add a pillar-1 member.
void build_pillar1_quads(int a, const std::array<int, 8>& free, SubsetTables& s) {
  for (int i = 0; i < 8; ++i)
    for (int j = i + 1; j < 8; ++j)
      for (int k = j + 1; k < 8; ++k) {
        const int g = 1 << free[i] | 1 << free[j] | 1 << free[k];
        s.quads_p1[g] = s.quad[g | 1] + s.quad[g | 1 << a];
      }
}

// Where an arrangement sits in the enumeration: pillar 1 = {0, a}, pillar 2 = the x-th
// and y-th of the eight others, pillar 3 and 4 the split-th split of the six left.
struct Where {
  int a, x, y, split;
};

Arrangement arrangement_at(std::span<const int> subset, Where w) {
  std::array<int, 8> free{};
  for (int p = 1, n = 0; p < kN; ++p)
    if (p != w.a) free[n++] = p;
  std::array<int, 6> r{};
  for (int q = 0, n = 0; q < 8; ++q)
    if (q != w.x && q != w.y) r[n++] = free[q];
  const Split c = kSplits[w.split];
  const std::array<int, kN> local{0, w.a, free[w.x], free[w.y], r[0], r[c.i], r[c.j], r[c.k], r[c.l], r[c.m]};
  Arrangement out;
  out.count = kN;
  for (int i = 0; i < kN; ++i) out.positions[i] = static_cast<std::uint8_t>(subset[local[i]]);
  return out;
}

// Visits every arrangement in enumeration order, which is ascending arrangement text,
// with its two-, three- and four-star wins.
template <typename Visit>
void visit_all(const CoOccurrence& t, std::span<const int> subset, SubsetTables& s, Visit&& visit) {
  build_counts(t, subset, s);
  build_splits(s);
  const auto& index = free_set_index();
  for (int a = 1; a < kN; ++a) {
    std::array<int, 8> free{};
    for (int p = 1, n = 0; p < kN; ++p)
      if (p != a) free[n++] = p;
    build_pillar1_quads(a, free, s);
    const int p1 = 1 | 1 << a;
    for (int x = 0; x < 8; ++x)
      for (int y = x + 1; y < 8; ++y) {
        const int fx = free[x], fy = free[y];
        const int p2 = 1 << fx | 1 << fy;
        std::array<int, 6> r{};
        for (int q = 0, n = 0; q < 8; ++q)
          if (q != x && q != y) r[n++] = free[q];
        // M(c, d) over the 15 pairs of free positions: quadruples with one member in
        // pillar 1, one in pillar 2 and c, d.
        std::array<int, 15> m{};
        int m_total = 0;
        for (int i = 0, at = 0; i < 6; ++i)
          for (int j = i + 1; j < 6; ++j, ++at) {
            const int cd = 1 << r[i] | 1 << r[j];
            m[at] = s.quads_p1[cd | 1 << fx] + s.quads_p1[cd | 1 << fy];
            m_total += m[at];
          }
        const int base2 = s.total2 - s.pair_count[p1] - s.pair_count[p2];
        const int base3 = s.total3 - s.pair_triples[p1] - s.pair_triples[p2];
        const int id = index[((p1 | p2) & ~1) >> 1];
        const auto& inner2 = s.split_pairs[id];
        const auto& inner3 = s.split_triples[id];
        for (int split = 0; split < 10; ++split) {
          const auto& q = kSplitPairs[split];
          const int four = m_total - (m[q[0]] + m[q[1]] + m[q[2]] + m[q[3]] + m[q[4]] + m[q[5]]);
          visit(base2 - inner2[split], base3 - inner3[split], four, Where{a, x, y, split});
        }
      }
  }
}

// Counts in priority order packed in 21-bit fields (a period holds at most
// kMaxPeriodDraws draws and a draw adds at most 10).
template <Priority P>
std::uint64_t pack_score(int two, int three, int four) {
  auto f = [](int v) { return static_cast<std::uint64_t>(v); };
  if constexpr (P == Priority::four_first) return f(four) << 42 | f(three) << 21 | f(two);
  if constexpr (P == Priority::three_first) return f(three) << 42 | f(two) << 21 | f(four);
  return f(two) << 42 | f(three) << 21 | f(four);
}

template <Priority P>
ScoredArrangement best_for(const CoOccurrence& t, std::span<const int> subset) {
  thread_local SubsetTables tables;
  std::uint64_t best_score = 0;
  Where best_at{1, 0, 1, 0};
  StarCounts best_wins;
  // Enumeration runs in ascending arrangement text, so among equal scores the last one
  // seen is the one that ranks first.
  visit_all(t, subset, tables, [&](int two, int three, int four, Where at) {
    const std::uint64_t score = pack_score<P>(two, three, four);
    if (score < best_score) return;
    best_score = score;
    best_at = at;
    best_wins = {two, three, four};
  });
  return {best_wins, arrangement_at(subset, best_at)};
}

}  // namespace

std::optional<ScoredArrangement> best_2x2x3x3(const CoOccurrence& table, std::span<const int> subset,
                                              Priority priority) {
  if (!is_valid_subset(table, subset, kN)) return std::nullopt;
  switch (priority) {
    case Priority::four_first: return best_for<Priority::four_first>(table, subset);
    case Priority::three_first: return best_for<Priority::three_first>(table, subset);
    case Priority::two_first: return best_for<Priority::two_first>(table, subset);
  }
  return std::nullopt;
}

std::vector<ScoredArrangement> score_2x2x3x3_hoisted(const CoOccurrence& table,
                                                     std::span<const int> subset) {
  std::vector<ScoredArrangement> scored;
  if (!is_valid_subset(table, subset, kN)) return scored;
  scored.reserve(2520);
  auto tables = std::make_unique<SubsetTables>();
  visit_all(table, subset, *tables, [&](int two, int three, int four, Where at) {
    scored.push_back({{two, three, four}, arrangement_at(subset, at)});
  });
  return scored;
}

}  // namespace pillars::arith
