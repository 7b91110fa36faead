#include "pillars/arithmetic/arrangements.h"

#include <algorithm>

namespace pillars::arith {

namespace {

constexpr std::array<int, 4> kSizes2222{2, 2, 2, 2};
constexpr std::array<int, 3> kSizes333{3, 3, 3};
constexpr std::array<int, 5> kSizes11222{1, 1, 2, 2, 2};
constexpr std::array<int, 4> kSizes2233{2, 2, 3, 3};

// How one nesting level picks its pillar(s) from the free positions.
struct Level {
  bool first_number;  // pick_type1 when true, pick_type2 otherwise
  int k;
};

// The levels before the last pillar, which takes whatever is left. The 1x1x2x2x2 shape
// takes its two single pillars as one pair, which leaves the position sequence as is.
std::span<const Level> levels_of(Shape shape) {
  static constexpr Level k2222[]{{true, 2}, {true, 2}, {true, 2}};
  static constexpr Level k333[]{{true, 3}, {true, 3}};
  static constexpr Level k11222[]{{false, 2}, {true, 2}, {true, 2}};
  static constexpr Level k2233[]{{true, 2}, {false, 2}, {true, 3}};
  switch (shape) {
    case Shape::k2x2x2x2: return k2222;
    case Shape::k3x3x3: return k333;
    case Shape::k1x1x2x2x2: return k11222;
    case Shape::k2x2x3x3: return k2233;
  }
  return {};
}

void enumerate_level(std::span<const Level> levels, const std::vector<int>& free,
                     Arrangement& current, std::vector<Arrangement>& out) {
  if (levels.empty()) {
    Arrangement done = current;
    for (const int p : free) done.positions[done.count++] = static_cast<std::uint8_t>(p);
    out.push_back(done);
    return;
  }
  const Level level = levels.front();
  const int n = static_cast<int>(free.size());
  const auto groups = level.first_number ? first_number_groups(n, level.k) : all_groups(n, level.k);
  for (const auto& group : groups) {
    Arrangement next = current;
    std::vector<bool> taken(free.size(), false);
    for (int g = 0; g < level.k; ++g) {
      next.positions[next.count++] = static_cast<std::uint8_t>(free[group[g]]);
      taken[group[g]] = true;
    }
    std::vector<int> rest;
    for (size_t i = 0; i < free.size(); ++i)
      if (!taken[i]) rest.push_back(free[i]);
    enumerate_level(levels.subspan(1), rest, next, out);
  }
}

std::vector<Arrangement> build(Shape shape) {
  std::vector<int> all(shape_numbers(shape));
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  std::vector<Arrangement> out;
  out.reserve(shape_arrangement_count(shape));
  Arrangement start;
  enumerate_level(levels_of(shape), all, start, out);
  return out;
}

}  // namespace

std::span<const int> shape_sizes(Shape shape) {
  switch (shape) {
    case Shape::k2x2x2x2: return kSizes2222;
    case Shape::k3x3x3: return kSizes333;
    case Shape::k1x1x2x2x2: return kSizes11222;
    case Shape::k2x2x3x3: return kSizes2233;
  }
  return {};
}

int shape_numbers(Shape shape) {
  int total = 0;
  for (const int s : shape_sizes(shape)) total += s;
  return total;
}

int shape_arrangement_count(Shape shape) {
  switch (shape) {
    case Shape::k2x2x2x2: return 105;
    case Shape::k3x3x3: return 280;
    case Shape::k1x1x2x2x2: return 420;
    case Shape::k2x2x3x3: return 2520;
  }
  return 0;
}

std::vector<PositionGroup> first_number_groups(int n, int k) {
  std::vector<PositionGroup> groups;
  if (k == 2) {
    for (int j = 1; j < n; ++j) groups.push_back({0, j, 0, 0});
  } else if (k == 3) {
    for (int i = 1; i < n - 1; ++i)
      for (int j = i + 1; j < n; ++j) groups.push_back({0, i, j, 0});
  } else if (k == 4) {
    for (int i = 1; i < n - 2; ++i)
      for (int j = i + 1; j < n - 1; ++j)
        for (int l = j + 1; l < n; ++l) groups.push_back({0, i, j, l});
  }
  return groups;
}

std::vector<PositionGroup> all_groups(int n, int k) {
  std::vector<PositionGroup> groups;
  if (k == 2) {
    for (int i = 0; i < n - 1; ++i)
      for (int j = i + 1; j < n; ++j) groups.push_back({i, j, 0, 0});
  } else if (k == 3) {
    for (int i = 0; i < n - 2; ++i)
      for (int j = i + 1; j < n - 1; ++j)
        for (int l = j + 1; l < n; ++l) groups.push_back({i, j, l, 0});
  } else if (k == 4) {
    for (int i = 0; i < n - 3; ++i)
      for (int j = i + 1; j < n - 2; ++j)
        for (int l = j + 1; l < n - 1; ++l)
          for (int m = l + 1; m < n; ++m) groups.push_back({i, j, l, m});
  }
  return groups;
}

const std::vector<Arrangement>& arrangements(Shape shape) {
  static const std::array<std::vector<Arrangement>, 4> tables{
      build(Shape::k2x2x2x2), build(Shape::k3x3x3), build(Shape::k1x1x2x2x2),
      build(Shape::k2x2x3x3)};
  return tables[static_cast<size_t>(shape)];
}

}  // namespace pillars::arith
