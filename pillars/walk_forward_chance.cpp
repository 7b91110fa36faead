#include "pillars/walk_forward_chance.h"

#include <numeric>
#include <vector>

#include "pillars/arithmetic/star_counts.h"

namespace pillars {

namespace {

// Running sums over the splits: the number of draws, the sums of each star count and of
// its square, and the draws that give each count, all weighted by the draws of the split.
// Exact integers.
struct Sums {
  long long draws = 0;
  std::array<long long, 3> wins{};
  std::array<long long, 3> squares{};
  std::array<std::vector<long long>, 3> draws_with{};  // [j][x]: draws with x wins
};

void visit_splits(std::span<const int> sizes, std::size_t pillar, int left, long long weight,
                  std::vector<int>& hits, int others, Sums& sums) {
  if (pillar == sizes.size()) {
    const long long w = weight * binomial(others, left);
    if (w == 0) return;
    const arith::StarCounts c = arith::symmetric_sums(hits);
    const std::array<long long, 3> wins{c.two, c.three, c.four};
    sums.draws += w;
    for (int j = 0; j < 3; ++j) {
      sums.wins[j] += w * wins[j];
      sums.squares[j] += w * wins[j] * wins[j];
      auto& with = sums.draws_with[j];
      if (with.size() <= static_cast<std::size_t>(wins[j])) with.resize(static_cast<std::size_t>(wins[j]) + 1);
      with[static_cast<std::size_t>(wins[j])] += w;
    }
    return;
  }
  for (int h = 0; h <= sizes[pillar] && h <= left; ++h) {
    hits[pillar] = h;
    visit_splits(sizes, pillar + 1, left - h, weight * binomial(sizes[pillar], h), hits, others, sums);
  }
}

}  // namespace

long long binomial(int n, int k) {
  if (k < 0 || n < 0 || k > n) return 0;
  long long c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

ChanceMoments chance_moments(std::span<const int> sizes, int max_ball, int balls) {
  ChanceMoments m;
  for (const int s : sizes)
    if (s < 0 || s > 8) return m;
  const int others = max_ball - std::accumulate(sizes.begin(), sizes.end(), 0);
  if (others < 0 || balls < 0 || balls > max_ball) return m;
  Sums sums;
  std::vector<int> hits(sizes.size());
  visit_splits(sizes, 0, balls, 1, hits, others, sums);
  if (sums.draws == 0) return m;
  const long double n = static_cast<long double>(sums.draws);
  for (int j = 0; j < 3; ++j) {
    // Var = (N * sum of squares - (sum)^2) / N^2, the numerator taken exactly.
    const __int128 numerator = static_cast<__int128>(sums.squares[j]) * sums.draws -
                               static_cast<__int128>(sums.wins[j]) * sums.wins[j];
    m.mean[j] = static_cast<double>(sums.wins[j] / n);
    m.variance[j] = static_cast<double>(static_cast<long double>(numerator) / (n * n));
    for (const long long with : sums.draws_with[j]) m.one_draw[j].push_back(static_cast<double>(with / n));
  }
  return m;
}

}  // namespace pillars
