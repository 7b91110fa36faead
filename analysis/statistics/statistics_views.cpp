#include "analysis/statistics/statistics_views.h"

#include <utility>

#include "core/ball_text.h"
#include "core/numbers.h"

namespace statistics {
namespace {

// Calls visit(j, balls) for the j-th draw in range (j from 1), oldest first; returns the count.
template <class Visit>
int for_each_in_range(const core::DrawHistory& h, const core::Date& from, const core::Date& to, Visit visit) {
  const double first = core::day_number(from), last = core::day_number(to);
  int j = 0;
  for (int i = 0; i < h.draw_count && i < core::kDrawCapacity; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (h.draw_date[at] < first || h.draw_date[at] > last) continue;
    std::array<int, core::kBallsPerDraw> balls{};
    for (std::size_t k = 0; k < balls.size(); ++k) balls[k] = core::two_digit_value(h.ltno_drawn[k][at]).value_or(-1);
    visit(++j, balls);
  }
  return j;
}

// The window's exchange sort: positions follow their keys, descending.
std::vector<BallValue> arrange(const std::vector<int>& values, const std::vector<long long>& keys_in,
                               Arrangement arrangement) {
  const int max_ball = static_cast<int>(values.size()) - 1;
  std::vector<int> pos(values.size());
  std::vector<long long> keys = keys_in;
  for (int n = 1; n <= max_ball; ++n) pos[static_cast<std::size_t>(n)] = n;
  if (arrangement == Arrangement::ByValue)
    for (std::size_t a = 1; a < pos.size(); ++a)
      for (std::size_t b = a + 1; b < pos.size(); ++b)
        if (keys[a] < keys[b]) {
          std::swap(keys[a], keys[b]);
          std::swap(pos[a], pos[b]);
        }
  std::vector<BallValue> positions;
  for (std::size_t k = 1; k < pos.size(); ++k) positions.push_back({pos[k], values[static_cast<std::size_t>(pos[k])]});
  return positions;
}

}  // namespace

NumberView number_view(const core::DrawHistory& history, const core::Date& from, const core::Date& to, View view,
                       Arrangement arrangement) {
  const int max_ball = history.max_ball;
  const auto size = static_cast<std::size_t>(max_ball) + 1;
  std::vector<int> counts(size);
  LastSeen seen(max_ball);
  const int c = for_each_in_range(history, from, to, [&](int, const auto& balls) {
    seen.add(balls);
    for (const int b : balls)
      if (b >= 1 && b <= max_ball) ++counts[static_cast<std::size_t>(b)];
  });
  std::vector<int> values(size);
  std::vector<long long> keys(size);
  long long sum = 0;
  for (int n = 1; n <= max_ball; ++n) {
    const auto at = static_cast<std::size_t>(n);
    values[at] = view == View::Gaps ? seen.gap(n) : counts[at];
    keys[at] = values[at] * 100LL + (view == View::Gaps ? 0 : n);
    sum += values[at];
  }
  NumberView out;
  out.count = c;
  out.positions = arrange(values, keys, arrangement);
  out.average = view == View::Gaps ? average_text(sum, max_ball) : average_text(5LL * c, max_ball);
  return out;
}

TailView tail_view(const core::DrawHistory& history, const core::Date& from, const core::Date& to) {
  TailView out;
  out.count = for_each_in_range(history, from, to, [&](int, const auto& balls) {
    for (const int b : balls)
      if (b >= 0) ++out.tails[static_cast<std::size_t>(b % 10)];
  });
  out.average = average_text(5LL * out.count, 10);
  return out;
}

std::string value_text(View view, int value) {
  return view == View::Tails && value == 0 ? std::string() : std::to_string(value);
}

bool highlighted(View view, int value) { return view == View::Gaps && value == 0; }

std::string average_text(long long numerator, long long denominator) {
  if (denominator <= 0) return "平均值為 0.00";
  const bool negative = numerator < 0;
  const long long magnitude = negative ? -numerator : numerator;
  const long long hundredths = (magnitude * 200 + denominator) / (2 * denominator);
  std::string text = "平均值為 ";
  if (negative && hundredths) text += '-';
  return text.append(std::to_string(hundredths / 100)).append(".").append(core::zero_pad(hundredths % 100, 2));
}

}  // namespace statistics
