// What a pillar layout wins on a draw that owes nothing to the past: five balls drawn
// uniformly without replacement from 1..max_ball. A draw's winning bets depend only on how
// many of its balls fall into each pillar, so summing over every way the balls can split
// between the pillars and the other numbers, each split weighted by its count of draws
// (the multivariate hypergeometric law), gives the exact law of the two-, three- and
// four-star wins of one draw, and from it their mean and variance; no simulation.
//   sizes 2,2,2,2 -> means 0.3239, 0.0350, 0.0010 wins per draw;
//                    four-star: P(0) = 0.99904..., P(1) = 0.00095..., P(2) = 0.0000017...
#pragma once

#include <array>
#include <span>
#include <vector>

namespace pillars {

// Index 0, 1, 2: two-, three- and four-star wins of one random draw.
struct ChanceMoments {
  std::array<double, 3> mean{};
  std::array<double, 3> variance{};
  // one_draw[j][x]: the probability of x wins; the laws a total over many draws convolves.
  std::array<std::vector<double>, 3> one_draw;
};

// Pillars of `sizes` (each 0..8); zero moments when the sizes need more numbers than
// max_ball or `balls` is outside 0..max_ball.
[[nodiscard]] ChanceMoments chance_moments(std::span<const int> sizes, int max_ball = 39, int balls = 5);

// C(n, k); 0 outside 0 <= k <= n.
[[nodiscard]] long long binomial(int n, int k);

}  // namespace pillars
