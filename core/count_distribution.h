// The exact law of a total of independent counts: hits of a number list over many draws,
// wins of a pillar layout over many played draws. Each draw adds one small distribution
// (its counts 0, 1, 2, ... with their probabilities); the total's law is their convolution.
// The verdicts of the backtests rest on its tails rather than on a normal approximation,
// which errs in the hopeful direction when the expected count is small.
//
//   CountDistribution total;                       // the total of no draws: 0 for sure
//   total.add({0.5, 0.5});                         // one fair coin
//   total.add({0.5, 0.5});                         // two: P(0) = .25, P(1) = .5, P(2) = .25
//   total.at_least(2) == 0.25; total.quantile(0.5) == 1
//
// Probabilities below 1e-15 at either end are dropped after each step: the verdicts are
// written with four decimals, and the support then stays a few hundred values wide instead
// of the whole range of the total.
#pragma once

#include <span>
#include <vector>

namespace core {

class CountDistribution {
 public:
  // Adds one independent count whose value x has probability one_draw[x]. An empty span
  // adds nothing.
  void add(std::span<const double> one_draw);

  [[nodiscard]] double at_least(long long x) const;  // P(total >= x)
  [[nodiscard]] double at_most(long long x) const;   // P(total <= x)
  // The smallest x with P(total <= x) >= p (0 < p < 1).
  [[nodiscard]] long long quantile(double p) const;
  [[nodiscard]] double mean() const;

 private:
  void drop_negligible_ends();

  long long first_ = 0;                  // the value of probability_[0]
  std::vector<double> probability_{1.0};
};

// P(x of `numbers` chosen numbers among `balls` drawn from 1..max_ball), x = 0..min(numbers,
// balls): the hypergeometric law of one draw's hits. Empty when numbers is outside
// 0..max_ball.
[[nodiscard]] std::vector<double> hits_distribution(int numbers, int max_ball = 39, int balls = 5);

}  // namespace core
