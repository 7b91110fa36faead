#include "analysis/backtest/number_backtest.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/ball_order.h"
#include "core/dates.h"
#include "pillars/statistics.h"

namespace backtest {
namespace {

struct MethodFacts {
  std::string_view word;
  const char* name;
};

MethodFacts facts(Method method) {
  switch (method) {
    case Method::hot: return {"hot", "熱門號碼"};
    case Method::cold: return {"cold", "遺漏號碼"};
    case Method::rules: return {"rules", "版路"};
    case Method::moving: return {"moving", "移動式版路"};
  }
  return {"", ""};
}

std::uint64_t mask_of(const core::DrawBalls& balls, int max_ball) {
  std::uint64_t mask = 0;
  for (const int b : balls)
    if (b >= 1 && b <= max_ball) mask |= std::uint64_t{1} << b;
  return mask;
}

core::Error too_few_draws(long long needed, int n) {
  return core::Error::warning("開獎資料不足: 需要 " + std::to_string(needed) + " 期, 只有 " + std::to_string(n) + " 期");
}

}  // namespace

std::string_view method_word(Method method) { return facts(method).word; }

std::optional<Method> method_of(std::string_view word) {
  for (const Method m : kMethods)
    if (facts(m).word == word) return m;
  return std::nullopt;
}

std::string method_name(Method method) { return facts(method).name; }

std::string title(const Settings& s) {
  switch (s.method) {
    case Method::hot:
      return "熱門號碼: 前" + std::to_string(s.window) + "期出現最多的 " + std::to_string(s.count) + " 個號碼";
    case Method::cold: return "遺漏號碼: 最久未開的 " + std::to_string(s.count) + " 個號碼";
    case Method::rules: {
      std::string rules;
      for (int r = 1; r <= statistics::kRules; ++r)
        if (s.rules[static_cast<std::size_t>(r - 1)]) (rules += rules.empty() ? "" : ".") += std::to_string(r);
      return "版路: 連準" + std::to_string(s.run_length) + "版, 規則 " + (rules.empty() ? "無" : rules);
    }
    case Method::moving: return "移動式版路: " + s.moving_title;
  }
  return {};
}

int Step::count() const { return std::popcount(numbers); }
int Step::hit_count() const { return std::popcount(hits); }

std::string verdict_text(Verdict verdict) {
  switch (verdict) {
    case Verdict::above_chance: return "高於隨機";
    case Verdict::below_chance: return "低於隨機";
    case Verdict::no_difference: return "與隨機無顯著差異";
  }
  return {};
}

core::Result<Backtest> Backtest::start(const core::DrawHistory& history, Settings settings) {
  const int n = history.stored_draws();
  const bool hot = settings.method == Method::hot, counted = hot || settings.method == Method::cold;
  if (settings.test < 1) return core::Error::warning("測試期數必須至少為 1");
  if (counted && (settings.count < 1 || settings.count >= history.max_ball))
    return core::Error::warning("號碼個數必須是 1 到 " + std::to_string(history.max_ball - 1));
  if (hot && (settings.window < 1 || settings.window > kMaxWindow))
    return core::Error::warning("統計期數必須是 1 到 " + std::to_string(kMaxWindow));
  if (settings.method == Method::rules && (settings.run_length < 2 || settings.run_length > 5))
    return core::Error::warning("連準必須是 2、3、4 或 5");
  if (settings.method == Method::moving)
    if (const auto usable = moving::check_moving_rule(settings.moving); !usable) return usable.error();
  const long long needed = static_cast<long long>(settings.test) + (hot ? settings.window : 1);
  if (needed > n) return too_few_draws(needed, n);
  return Backtest(history, std::move(settings));
}

Backtest::Backtest(const core::DrawHistory& history, Settings settings)
    : settings_(std::move(settings)), max_ball_(history.max_ball) {
  const int n = history.stored_draws();
  balls_ = core::ball_values(history, core::BallOrder::Drawn);
  balls_.resize(static_cast<std::size_t>(n));
  if (settings_.method == Method::moving) {
    rule_balls_ = core::ball_values(history, settings_.moving.order);
    rule_balls_.resize(static_cast<std::size_t>(n));
  }
  for (int d = 1; d <= n; ++d) {
    masks_.push_back(mask_of(balls_[static_cast<std::size_t>(d - 1)], max_ball_));
    dates_.push_back(core::day_text(history.draw_date[static_cast<std::size_t>(d - 1)]));
    issues_.push_back(history.issue_no[static_cast<std::size_t>(d - 1)]);
  }
  first_test_ = n - settings_.test + 1;
  for (int c = 0; c <= max_ball_; ++c) one_draw_.push_back(core::hits_distribution(c, max_ball_));
  if (settings_.method == Method::hot) {
    window_counts_.assign(static_cast<std::size_t>(max_ball_), 0);
    for (int d = first_test_ - settings_.window; d < first_test_; ++d)
      for (const int b : balls_[static_cast<std::size_t>(d - 1)])
        if (b >= 1 && b <= max_ball_) ++window_counts_[static_cast<std::size_t>(b - 1)];
  }
  if (settings_.method == Method::cold) {
    seen_.emplace(max_ball_);
    for (int d = 1; d < first_test_; ++d) seen_->add(balls_[static_cast<std::size_t>(d - 1)]);
  }
}

// The first K numbers of the order of `values` (entry n - 1 for number n).
std::uint64_t Backtest::most_of(const std::vector<int>& values) const {
  const std::vector<int> order = pillars::frequency_order(values);
  std::uint64_t numbers = 0;
  for (int r = 0; r < settings_.count && r < static_cast<int>(order.size()); ++r) numbers |= std::uint64_t{1} << order[r];
  return numbers;
}

// N(t) from draws 1 .. t-1; the sliding tables are then moved on past draw t.
std::uint64_t Backtest::numbers_for(int t) {
  std::uint64_t numbers = 0;
  switch (settings_.method) {
    case Method::hot: {
      numbers = most_of(window_counts_);
      const auto slide = [&](int draw, int by) {
        for (const int b : balls_[static_cast<std::size_t>(draw - 1)])
          if (b >= 1 && b <= max_ball_) window_counts_[static_cast<std::size_t>(b - 1)] += by;
      };
      slide(t, +1);
      slide(t - settings_.window, -1);
      break;
    }
    case Method::cold: {
      std::vector<int> gaps(static_cast<std::size_t>(max_ball_));
      for (int x = 1; x <= max_ball_; ++x) gaps[static_cast<std::size_t>(x - 1)] = seen_->gap(x);
      numbers = most_of(gaps);
      seen_->add(balls_[static_cast<std::size_t>(t - 1)]);
      break;
    }
    case Method::rules: {
      const std::span<const std::uint64_t> before(masks_.data(), static_cast<std::size_t>(t - 1));
      for (int rule = 1; rule <= statistics::kRules; ++rule) {
        if (!settings_.rules[static_cast<std::size_t>(rule - 1)]) continue;
        const std::uint64_t starts = statistics::walk_starts(before, settings_.run_length, rule, max_ball_);
        numbers |= statistics::walk_predictions(starts, settings_.run_length, rule);
      }
      break;
    }
    case Method::moving: {
      const long long s = static_cast<long long>(t) - settings_.moving.look_back;
      if (s < 1) break;
      for (const int value : moving::rule_predictions(settings_.moving, rule_balls_[static_cast<std::size_t>(s - 1)], max_ball_))
        if (value >= 1) numbers |= std::uint64_t{1} << value;
      break;
    }
  }
  return numbers;
}

void Backtest::compute_next() {
  if (finished()) return;
  Step step;
  step.index = computed() + 1;
  step.draw = first_test_ + step.index - 1;
  step.numbers = numbers_for(step.draw);
  step.hits = step.numbers & masks_[static_cast<std::size_t>(step.draw - 1)];
  const int c = step.count();
  if (c > 0) total_.add(one_draw_[static_cast<std::size_t>(c)]);
  CurvePoint point;
  point.hits = (curve_.empty() ? 0 : curve_.back().hits) + step.hit_count();
  point.expected = (curve_.empty() ? 0 : curve_.back().expected) + c * 5.0 / max_ball_;
  point.low = total_.quantile(0.025);
  point.high = total_.quantile(0.975);
  curve_.push_back(point);
  steps_.push_back(step);
}

void Backtest::compute_all() {
  while (!finished()) compute_next();
}

Summary Backtest::summary(double threshold) const {
  Summary s;
  const double p = 5.0 / max_ball_;
  double variance = 0;
  for (const Step& step : steps_) {
    const int c = step.count(), hits = step.hit_count();
    if (c > 0) ++s.predicted_draws;
    s.numbers += c;
    s.hits += hits;
    if (hits > 0) ++s.hit_draws;
    s.expected_hit_draws += 1.0 - one_draw_[static_cast<std::size_t>(c)][0];
    variance += c * p * (1 - p) * (max_ball_ - c) / (max_ball_ - 1);
  }
  s.rate = s.numbers > 0 ? static_cast<double>(s.hits) / static_cast<double>(s.numbers) : 0.0;
  s.chance_rate = p;
  s.expected = static_cast<double>(s.numbers) * p;
  s.z = variance > 0 ? (static_cast<double>(s.hits) - s.expected) / std::sqrt(variance) : 0.0;
  s.upper = total_.at_least(s.hits);
  s.lower = total_.at_most(s.hits);
  s.threshold = threshold;
  s.verdict = s.upper <= threshold   ? Verdict::above_chance
              : s.lower <= threshold ? Verdict::below_chance
                                     : Verdict::no_difference;
  return s;
}

}  // namespace backtest
