#include "core/count_distribution.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

constexpr double kNegligible = 1e-15;

double choose(int n, int k) {
  if (k < 0 || k > n) return 0.0;
  double value = 1.0;
  for (int i = 1; i <= k; ++i) value = value * (n - k + i) / i;
  return value;
}

}  // namespace

void CountDistribution::add(std::span<const double> one_draw) {
  if (one_draw.empty()) return;
  std::vector<double> sum(probability_.size() + one_draw.size() - 1, 0.0);
  for (std::size_t i = 0; i < probability_.size(); ++i) {
    if (probability_[i] == 0.0) continue;
    for (std::size_t x = 0; x < one_draw.size(); ++x) sum[i + x] += probability_[i] * one_draw[x];
  }
  probability_ = std::move(sum);
  drop_negligible_ends();
}

void CountDistribution::drop_negligible_ends() {
  std::size_t low = 0;
  while (low + 1 < probability_.size() && probability_[low] < kNegligible) ++low;
  std::size_t high = probability_.size();
  while (high > low + 1 && probability_[high - 1] < kNegligible) --high;
  probability_ = std::vector<double>(probability_.begin() + static_cast<std::ptrdiff_t>(low),
                                     probability_.begin() + static_cast<std::ptrdiff_t>(high));
  first_ += static_cast<long long>(low);
}

double CountDistribution::at_least(long long x) const {
  double sum = 0.0;
  for (std::size_t i = probability_.size(); i-- > 0;) {
    if (first_ + static_cast<long long>(i) < x) break;
    sum += probability_[i];
  }
  return std::min(sum, 1.0);
}

double CountDistribution::at_most(long long x) const {
  double sum = 0.0;
  for (std::size_t i = 0; i < probability_.size(); ++i) {
    if (first_ + static_cast<long long>(i) > x) break;
    sum += probability_[i];
  }
  return std::min(sum, 1.0);
}

long long CountDistribution::quantile(double p) const {
  double sum = 0.0;
  for (std::size_t i = 0; i < probability_.size(); ++i) {
    sum += probability_[i];
    // The tolerance keeps a quantile that sits exactly on a step (p = 0.5 of a fair coin)
    // from moving one value up through rounding.
    if (sum >= p - 1e-12) return first_ + static_cast<long long>(i);
  }
  return first_ + static_cast<long long>(probability_.size()) - 1;
}

double CountDistribution::mean() const {
  double sum = 0.0;
  for (std::size_t i = 0; i < probability_.size(); ++i)
    sum += probability_[i] * static_cast<double>(first_ + static_cast<long long>(i));
  return sum;
}

std::vector<double> hits_distribution(int numbers, int max_ball, int balls) {
  if (numbers < 0 || numbers > max_ball || balls < 0 || balls > max_ball) return {};
  const double all = choose(max_ball, balls);
  std::vector<double> law;
  for (int x = 0; x <= std::min(numbers, balls); ++x)
    law.push_back(choose(numbers, x) * choose(max_ball - numbers, balls - x) / all);
  return law;
}

}  // namespace core
