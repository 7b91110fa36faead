#include "pillars/arithmetic/shape_scoring.h"

#include <array>

#include "pillars/arithmetic/hoisted_2x2x3x3.h"

namespace pillars::arith {

namespace {

constexpr int kMaxPillars = 8;

struct PillarBits {
  std::array<std::array<std::uint32_t, kMaxArrangedNumbers>, kMaxPillars> bits{};
  std::array<int, kMaxPillars> size{};
  int count = 0;
};

std::int64_t cross_pairs(const CoOccurrence& t, const PillarBits& p) {
  std::int64_t sum = 0;
  for (int a = 0; a < p.count; ++a)
    for (int b = a + 1; b < p.count; ++b)
      for (int i = 0; i < p.size[a]; ++i)
        for (int j = 0; j < p.size[b]; ++j) sum += t.count(p.bits[a][i] | p.bits[b][j]);
  return sum;
}

std::int64_t cross_triples(const CoOccurrence& t, const PillarBits& p) {
  std::int64_t sum = 0;
  for (int a = 0; a < p.count; ++a)
    for (int b = a + 1; b < p.count; ++b)
      for (int c = b + 1; c < p.count; ++c)
        for (int i = 0; i < p.size[a]; ++i)
          for (int j = 0; j < p.size[b]; ++j) {
            const std::uint32_t ij = p.bits[a][i] | p.bits[b][j];
            for (int k = 0; k < p.size[c]; ++k) sum += t.count(ij | p.bits[c][k]);
          }
  return sum;
}

std::int64_t cross_quads(const CoOccurrence& t, const PillarBits& p) {
  std::int64_t sum = 0;
  for (int a = 0; a < p.count; ++a)
    for (int b = a + 1; b < p.count; ++b)
      for (int c = b + 1; c < p.count; ++c)
        for (int d = c + 1; d < p.count; ++d)
          for (int i = 0; i < p.size[a]; ++i)
            for (int j = 0; j < p.size[b]; ++j)
              for (int k = 0; k < p.size[c]; ++k) {
                const std::uint32_t ijk = p.bits[a][i] | p.bits[b][j] | p.bits[c][k];
                for (int l = 0; l < p.size[d]; ++l) sum += t.count(ijk | p.bits[d][l]);
              }
  return sum;
}

}  // namespace

bool is_valid_subset(const CoOccurrence& table, std::span<const int> subset, int count) {
  if (static_cast<int>(subset.size()) != count) return false;
  for (size_t i = 0; i < subset.size(); ++i) {
    if (subset[i] < 0 || subset[i] >= table.size()) return false;
    if (i > 0 && subset[i] <= subset[i - 1]) return false;
  }
  return true;
}

StarCounts score_arrangement(const CoOccurrence& table, const Arrangement& arrangement,
                             std::span<const int> sizes) {
  if (sizes.size() > static_cast<size_t>(kMaxPillars)) return {};
  PillarBits p;
  p.count = static_cast<int>(sizes.size());
  int next = 0;
  for (int i = 0; i < p.count; ++i) {
    if (sizes[i] < 0 || next + sizes[i] > arrangement.count) return {};
    p.size[i] = sizes[i];
    for (int m = 0; m < sizes[i]; ++m) {
      const int position = arrangement.positions[next++];
      if (position >= table.size()) return {};
      p.bits[i][m] = 1u << position;
    }
  }
  if (next != arrangement.count) return {};
  return {cross_pairs(table, p), cross_triples(table, p), cross_quads(table, p)};
}

std::vector<ScoredArrangement> score_shape(Shape shape, const CoOccurrence& table,
                                           std::span<const int> subset) {
  std::vector<ScoredArrangement> scored;
  if (!is_valid_subset(table, subset, shape_numbers(shape))) return scored;
  const auto& list = arrangements(shape);
  scored.reserve(list.size());
  for (const Arrangement& local : list) {
    ScoredArrangement entry;
    entry.arrangement.count = local.count;
    for (int i = 0; i < local.count; ++i)
      entry.arrangement.positions[i] = static_cast<std::uint8_t>(subset[local.positions[i]]);
    entry.wins = score_arrangement(table, entry.arrangement, shape_sizes(shape));
    scored.push_back(entry);
  }
  return scored;
}

std::optional<ScoredArrangement> best_of_shape(Shape shape, const CoOccurrence& table,
                                               std::span<const int> subset, Priority priority) {
  if (shape == Shape::k2x2x3x3) return best_2x2x3x3(table, subset, priority);
  const auto scored = score_shape(shape, table, subset);
  if (scored.empty()) return std::nullopt;
  const ScoredArrangement* best = &scored.front();
  for (const auto& entry : scored)
    if (ranks_before(entry, *best, priority)) best = &entry;
  return *best;
}

}  // namespace pillars::arith
