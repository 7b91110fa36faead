#include "analysis/moving/moving_rule.h"

#include <algorithm>

#include "core/numbers.h"

namespace moving {
namespace {

constexpr const char* kCaptions[kMaxPredictions] = {"一中一", "二中一", "三中一"};

int active_count(const MovingBoxes& boxes) { return std::clamp(boxes.prediction_count, 1, kMaxPredictions); }
int position_count(const MovingBoxes& boxes) { return boxes.average ? 3 : 1; }

bool usable_position(long long position) { return position >= 1 && position <= core::kBallsPerDraw; }
core::Error position_refusal(const std::string& text) { return core::Error::warning("位置必須是 1 到 5: " + text); }
core::Error look_back_refusal(const std::string& text) { return core::Error::warning("期數必須至少為 1: " + text); }

core::Result<int> read_position(const std::string& text) {
  const auto value = core::to_int_strict(text);
  if (!value) return core::Error::warning(core::not_an_integer(text));
  if (!usable_position(*value)) return position_refusal(text);
  return *value;
}

core::Result<int> read_look_back(const std::string& text) {
  const auto value = core::to_int_strict(text);
  if (!value) return core::Error::warning(core::not_an_integer(text));
  if (*value < 1) return look_back_refusal(text);
  return *value;
}

std::string order_ball_word(core::BallOrder order) { return std::string(core::order_word(order)) + "球"; }

}  // namespace

core::Result<MovingRule> read_moving_rule(const MovingBoxes& boxes, core::BallOrder order) {
  MovingRule rule;
  rule.order = order;
  rule.average = boxes.average;
  for (int i = 0; i < position_count(boxes); ++i) {
    const auto position = read_position(boxes.positions[i]);
    if (!position) return position.error();
    rule.positions[i] = *position;
  }
  const auto look_back = read_look_back(boxes.look_back);
  if (!look_back) return look_back.error();
  rule.look_back = *look_back;
  rule.offsets.clear();
  for (int i = 0; i < active_count(boxes); ++i) {
    const auto amount = core::to_int_strict(boxes.amounts[i]);
    if (!amount) return core::Error::warning(core::not_an_integer(boxes.amounts[i]));
    const long long sign = boxes.signs[i] == "加" ? 1 : -1;
    rule.offsets.push_back(sign * *amount);  // 64-bit: 減 -2147483648 stays exact
  }
  return rule;
}

core::Status check_moving_rule(const MovingRule& rule) {
  for (int i = 0; i < (rule.average ? 3 : 1); ++i)
    if (!usable_position(rule.positions[i])) return position_refusal(std::to_string(rule.positions[i]));
  if (rule.look_back < 1) return look_back_refusal(std::to_string(rule.look_back));
  if (rule.offsets.empty() || rule.offsets.size() > kMaxPredictions)
    return core::Error::warning("加減數必須是一到三個: " + std::to_string(rule.offsets.size()));
  return {};
}

int wrap_prediction(long long base, long long offset, int max_ball) {
  const long long remainder = (base + offset + 2LL * max_ball - 1) % max_ball;
  return static_cast<int>(remainder < 0 ? remainder + max_ball : remainder) + 1;
}

int rule_base(const MovingRule& rule, const core::DrawBalls& source) {
  const auto& p = rule.positions;
  const auto ball = [&](int position) { return source[static_cast<std::size_t>(position - 1)]; };
  if (!rule.average) return ball(p[0]);
  return (ball(p[0]) + ball(p[1]) + ball(p[2])) / 3;
}

std::array<int, kMaxPredictions> rule_predictions(const MovingRule& rule, const core::DrawBalls& source, int max_ball) {
  std::array<int, kMaxPredictions> values{};
  const int base = rule_base(rule, source);
  for (std::size_t i = 0; i < values.size() && i < rule.offsets.size(); ++i)
    values[i] = wrap_prediction(base, rule.offsets[i], max_ball);
  return values;
}

std::string zero_amount_word(bool average) { return average ? "本號" : "本支"; }

std::string moving_title(const MovingBoxes& boxes, core::BallOrder order) {
  const int count = active_count(boxes);
  std::string amounts;
  for (int i = 0; i < count; ++i) {
    if (i > 0) amounts += ",";
    amounts += boxes.amounts[i] == "0" ? zero_amount_word(boxes.average) : boxes.signs[i] + boxes.amounts[i];
  }
  std::string title = "上" + boxes.look_back + "期" + order_ball_word(order) + "第" + boxes.positions[0];
  if (boxes.average) title += "," + boxes.positions[1] + "," + boxes.positions[2] + "支取平均數";
  else title += "支";
  return title + ",本期開" + amounts + " " + kCaptions[count - 1];
}

}  // namespace moving
