#include "pillars/walk_forward.h"

#include <algorithm>
#include <cmath>

#include "core/dates.h"
#include "core/numbers.h"
#include "pillars/arithmetic/arrangements.h"
#include "pillars/arithmetic/best_subset.h"
#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/arithmetic/shape_scoring.h"
#include "pillars/messages.h"
#include "pillars/optimise_period.h"
#include "pillars/period_line.h"
#include "pillars/rules.h"
#include "pillars/walk_forward_subsets.h"

namespace pillars {

namespace {

struct MethodFacts {
  std::string_view name;
  int numbers;
  arith::Shape shape;
  bool subsets;
};

MethodFacts facts(WalkMethod method) {
  using arith::Shape;
  switch (method) {
    case WalkMethod::k2x2x2x2: return {kWalkMethodNames[0], 8, Shape::k2x2x2x2, false};
    case WalkMethod::k1x1x2x2x2: return {kWalkMethodNames[1], 8, Shape::k1x1x2x2x2, false};
    case WalkMethod::k3x3x3: return {kWalkMethodNames[2], 9, Shape::k3x3x3, false};
    case WalkMethod::k2x2x3x3: return {kWalkMethodNames[3], 10, Shape::k2x2x3x3, false};
    case WalkMethod::eight_of_twelve: return {kWalkMethodNames[4], 12, Shape::k2x2x2x2, true};
    case WalkMethod::ten_of_fifteen: return {kWalkMethodNames[5], 15, Shape::k2x2x3x3, true};
  }
  return {"", 0, Shape::k2x2x2x2, false};
}

arith::SubsetRun subset_run(WalkMethod method) {
  return method == WalkMethod::eight_of_twelve ? arith::SubsetRun::eight_of_twelve
                                               : arith::SubsetRun::ten_of_fifteen;
}

// The winning bets of the pillars on one draw: E2, E3, E4 of the hits per pillar.
arith::StarCounts wins_on(const std::vector<std::vector<int>>& pillars, std::uint64_t draw) {
  arith::SymmetricSums sums;
  for (const auto& pillar : pillars) {
    int hits = 0;
    for (const int n : pillar) hits += static_cast<int>(draw >> n & 1u);
    sums.add(hits);
  }
  return sums.counts();
}

std::array<std::int64_t, 3> as_array(const arith::StarCounts& c) { return {c.two, c.three, c.four}; }

}  // namespace

std::string_view walk_method_name(WalkMethod method) { return facts(method).name; }

std::optional<WalkMethod> walk_method_of(std::string_view name) {
  for (const WalkMethod m : kWalkMethods)
    if (facts(m).name == name) return m;
  return std::nullopt;
}

WalkMethod walk_method_at(int index) {
  return index >= 0 && index < static_cast<int>(kWalkMethods.size()) ? kWalkMethods[index] : kWalkMethods[0];
}

int walk_method_index(WalkMethod method) { return static_cast<int>(method); }

int walk_method_numbers(WalkMethod method) { return facts(method).numbers; }

std::span<const int> walk_method_sizes(WalkMethod method) { return arith::shape_sizes(facts(method).shape); }

bool walk_method_follows_priority(WalkMethod method) {
  return facts(method).subsets || shape_follows_priority(facts(method).shape);
}

arith::Priority walk_priority(WalkMethod method, arith::Priority asked) {
  return walk_method_follows_priority(method) ? asked : arith::Priority::four_first;
}

core::Result<int> read_walk_count(WalkCount which, std::string_view label, std::string_view text) {
  const auto value = core::to_int_strict(text);
  if (which == WalkCount::train) {
    if (value && *value >= 1 && *value <= kMaxTrain) return *value;
    return core::Error::warning(std::string(label) + " 必須是 1 到 " + std::to_string(kMaxTrain) + ": " +
                                std::string(text));
  }
  if (value && *value >= 1) return *value;
  return core::Error::warning(std::string(label) + " 必須至少為 1: " + std::string(text));
}

namespace {

// ０..９ in UTF-8: EF BC 90 .. EF BC 99.
bool walk_entry_has_full_width_digit(std::string_view text) {
  for (std::size_t i = 0; i + 2 < text.size(); ++i)
    if (text.substr(i, 2) == "\xEF\xBC" && static_cast<unsigned char>(text[i + 2]) >= 0x90 &&
        static_cast<unsigned char>(text[i + 2]) <= 0x99)
      return true;
  return false;
}

bool walk_entry_all_ascii_digits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

core::Result<int> read_walk_count_entry(WalkCount which, std::string_view label, std::string_view text) {
  const std::string name(label);
  if (text.empty()) return core::Error::warning(name + " 不可空白");
  if (walk_entry_has_full_width_digit(text)) return core::Error::warning(name + " 請用半形數字: " + std::string(text));
  if (which != WalkCount::train && walk_entry_all_ascii_digits(text) && !core::to_int_strict(text))
    return core::Error::warning(name + " 數字太大: " + std::string(text));
  return read_walk_count(which, label, text);
}

core::Result<WalkForwardRun> WalkForwardRun::start(const core::DrawHistory& history, WalkSettings settings) {
  if (!settings.numbers.empty()) {
    auto numbers = check_number_list(settings.numbers, walk_method_numbers(settings.method), history.max_ball);
    if (!numbers) return numbers.error();
    settings.numbers = std::move(*numbers);
  }
  if (settings.train < 1 || settings.train > kMaxTrain)
    return core::Error::warning("訓練期數必須是 1 到 " + std::to_string(kMaxTrain));
  if (settings.test < 1) return core::Error::warning("測試期數必須至少為 1");
  if (settings.step < 1) return core::Error::warning("重選間隔必須至少為 1");
  const long long needed = static_cast<long long>(settings.train) + settings.test;
  if (needed > history.draw_count)
    return core::Error::warning(std::string(msg::kTooFewDraws) + ": 需要 " + std::to_string(needed) + " 期, 只有 " +
                                std::to_string(history.draw_count) + " 期");
  settings.priority = walk_priority(settings.method, settings.priority);
  return WalkForwardRun(history, std::move(settings));
}

WalkForwardRun::WalkForwardRun(const core::DrawHistory& history, WalkSettings settings)
    : settings_(std::move(settings)), max_ball_(history.max_ball) {
  const int n = history.draw_count;
  for (int d = 1; d <= n; ++d) {
    masks_.push_back(period_line_mask(format_period_line(history, d, 1)));
    dates_.push_back(core::day_text(history.draw_date[d - 1]));
    issues_.push_back(history.issue_no[d - 1]);
  }
  first_test_ = n - settings_.test + 1;
  total_ = (settings_.test - 1) / settings_.step + 1;
  chance_ = chance_moments(walk_method_sizes(settings_.method), max_ball_);
  if (facts(settings_.method).subsets)
    subsets_ = std::make_unique<SlidingSubsetSearch>(subset_run(settings_.method), settings_.priority);
}

WalkForwardRun::WalkForwardRun(WalkForwardRun&&) noexcept = default;
WalkForwardRun& WalkForwardRun::operator=(WalkForwardRun&&) noexcept = default;
WalkForwardRun::~WalkForwardRun() = default;

long long WalkForwardRun::subsets_searched() const { return subsets_ ? subsets_->searched() : 0; }

// The most frequent numbers of draws first..end-1 (0-based), counted as the statistics
// count them: higher count first, then the higher number; returned ascending.
std::vector<int> WalkForwardRun::numbers_for(int first, int end) const {
  if (!settings_.numbers.empty()) return settings_.numbers;
  std::vector<int> code(max_ball_);
  for (int n = 1; n <= max_ball_; ++n) code[n - 1] = n;
  for (int d = first; d < end; ++d)
    for (int n = 1; n <= max_ball_; ++n)
      if (masks_[d] >> n & 1u) code[n - 1] += 100;
  const int count = std::min(walk_method_numbers(settings_.method), max_ball_);
  std::partial_sort(code.begin(), code.begin() + count, code.end(), std::greater<>());
  std::vector<int> numbers;
  for (int r = 0; r < count; ++r) numbers.push_back(code[r] % 100);
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

WalkStep WalkForwardRun::compute_step(int index, std::vector<arith::StarCounts>& draw_wins) {
  const int t = first_test_ + (index - 1) * settings_.step;  // 1-based
  const int window_first = t - settings_.train - 1;          // 0-based, inclusive
  const int window_end = t - 1;                              // 0-based, exclusive
  WalkStep step;
  step.index = index;
  step.draw = t;
  step.date = dates_[t - 1];
  step.issue = issues_[t - 1];
  step.numbers = numbers_for(window_first, window_end);

  const std::span<const std::uint64_t> window(masks_.data() + window_first, settings_.train);
  const MethodFacts method = facts(settings_.method);
  const auto table = arith::CoOccurrence::build(window, step.numbers);
  std::optional<arith::ScoredArrangement> best;
  if (table && subsets_) {
    // The draws that entered the window since the previous step.
    const int entered_first = std::max(window_first, window_end - settings_.step);
    best = subsets_->best(*table, window, {masks_.data() + entered_first, masks_.data() + window_end});
  } else if (table) {
    std::vector<int> all(step.numbers.size());
    for (std::size_t p = 0; p < all.size(); ++p) all[p] = static_cast<int>(p);
    best = arith::best_of_shape(method.shape, *table, all, settings_.priority);
  }
  if (best) {
    const auto sizes = arith::shape_sizes(method.shape);
    int next = 0;
    for (const int size : sizes) {
      std::vector<int> pillar;
      for (int m = 0; m < size; ++m) pillar.push_back(step.numbers[best->arrangement.positions[next++]]);
      step.pillars.push_back(std::move(pillar));
    }
    step.in_sample = best->wins;
  }
  const int last = std::min(t + settings_.step - 1, static_cast<int>(masks_.size()));
  draw_wins.clear();
  for (int d = t; d <= last; ++d) {
    draw_wins.push_back(wins_on(step.pillars, masks_[d - 1]));
    step.out_of_sample += draw_wins.back();
    ++step.played;
  }
  return step;
}

int WalkForwardRun::ranked_star() const {
  return settings_.method == WalkMethod::k3x3x3 ? 3 : priority_digit(settings_.priority);
}

// One more random draw in each total's law per played draw, and the ranked star's point.
void WalkForwardRun::add_to_chance(const std::vector<arith::StarCounts>& draw_wins) {
  const int j = ranked_star() - 2;
  for (const arith::StarCounts& wins : draw_wins) {
    for (int star = 0; star < 3; ++star) chance_total_[star].add(chance_.one_draw[star]);
    const core::CountDistribution& law = chance_total_[j];
    WalkPoint point;
    point.played = points_.empty() ? 1 : points_.back().played + 1;
    point.wins = (points_.empty() ? 0 : points_.back().wins) + as_array(wins)[j];
    point.expected = chance_.mean[j] * static_cast<double>(point.played);
    point.low = law.quantile(kVerdictTail);
    point.high = law.quantile(1 - kVerdictTail);
    points_.push_back(point);
  }
}

void WalkForwardRun::compute_next() {
  if (finished()) return;
  std::vector<arith::StarCounts> draw_wins;
  steps_.push_back(compute_step(computed() + 1, draw_wins));
  add_to_chance(draw_wins);
}

void WalkForwardRun::compute_all() {
  while (!finished()) compute_next();
}

WalkSummary WalkForwardRun::summary() const {
  WalkSummary s;
  s.cost = arith::symmetric_sums(walk_method_sizes(settings_.method));
  s.steps = computed();
  std::array<std::int64_t, 3> in{}, out{};
  for (const WalkStep& step : steps_) {
    const auto a = as_array(step.in_sample), b = as_array(step.out_of_sample);
    for (int j = 0; j < 3; ++j) {
      in[j] += a[j];
      out[j] += b[j];
    }
    s.played += step.played;
  }
  for (int j = 0; j < 3; ++j) {
    if (s.steps > 0) s.in_sample[j] = static_cast<double>(in[j]) / (static_cast<double>(settings_.train) * s.steps);
    if (s.played > 0) s.out_of_sample[j] = static_cast<double>(out[j]) / static_cast<double>(s.played);
    s.chance[j] = chance_.mean[j];
    const double variance = chance_.variance[j];
    if (variance > 0 && s.played > 0)
      s.z[j] = (s.out_of_sample[j] - s.chance[j]) / std::sqrt(variance / static_cast<double>(s.played));
    s.totals[j] = out[j];
    s.expected_totals[j] = s.chance[j] * static_cast<double>(s.played);
    s.upper_tail[j] = chance_total_[j].at_least(out[j]);
    s.lower_tail[j] = chance_total_[j].at_most(out[j]);
  }
  s.ranked_star = ranked_star();
  const int r = s.ranked();
  s.verdict = s.upper_tail[r] <= kVerdictTail   ? Verdict::above_chance
              : s.lower_tail[r] <= kVerdictTail ? Verdict::below_chance
                                                : Verdict::no_difference;
  return s;
}

}  // namespace pillars
