#include "core/ball_order.h"

#include <algorithm>

#include "core/ball_text.h"

namespace core {

const BallColumns& ball_columns(const DrawHistory& history, BallOrder order) {
  return order == BallOrder::Sorted ? history.ltno_sorted : history.ltno_drawn;
}

void set_ball_order(DrawHistory& history, BallOrder order) {
  const BallColumns& source = ball_columns(history, order);
  for (int k = 0; k < kBallRows; ++k) history.ltno_copy[k] = source[k];
}

std::string_view order_word(BallOrder order) { return order == BallOrder::Sorted ? "順" : "落"; }

std::vector<DrawBalls> ball_values(const DrawHistory& history, BallOrder order) {
  const BallColumns& balls = ball_columns(history, order);
  const int count = history.stored_draws();
  std::vector<DrawBalls> values(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    for (int k = 0; k < kBallsPerDraw; ++k) values[i][k] = two_digit_value(balls[k][i]).value_or(-1);
  return values;
}

}  // namespace core
