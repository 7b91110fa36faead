#include "analysis/backtest/backtest_texts.h"

#include <algorithm>
#include <limits>

#include "core/numbers.h"

namespace backtest {
namespace {

core::Result<int> read_between(const std::string& text, long long lo, long long hi, const std::string& refusal) {
  const auto value = core::to_int_strict(text);
  if (value && *value >= lo && *value <= hi) return *value;
  return core::Error::warning(refusal);
}

}  // namespace

core::Result<int> read_test(const std::string& text, const std::string& name) {
  return read_between(text, 1, std::numeric_limits<int>::max(), name + " 必須至少為 1: " + text);
}

core::Result<int> read_count(const std::string& text, const std::string& name) {
  return read_between(text, 1, 38, name + " 必須是 1 到 38: " + text);
}

core::Result<int> read_window(const std::string& text, const std::string& name) {
  return read_between(text, 1, kMaxWindow, name + " 必須是 1 到 " + std::to_string(kMaxWindow) + ": " + text);
}

core::Result<int> read_run_length(const std::string& text, const std::string& name) {
  return read_between(text, 2, 5, name + " 必須是 2、3、4 或 5");
}

core::Result<std::array<bool, statistics::kRules>> read_rules(const std::string& text, const std::string& name) {
  std::array<bool, statistics::kRules> on{};
  if (text.empty()) return on;
  for (std::size_t from = 0;;) {
    const std::size_t comma = text.find(',', from);
    const std::string item = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    const auto rule = core::to_int_strict(item);
    if (!rule) return core::Error::warning(core::not_an_integer(item));
    if (*rule < 1 || *rule > statistics::kRules) return core::Error::warning(name + " 必須是 1 到 10");
    on[static_cast<std::size_t>(*rule - 1)] = true;
    if (comma == std::string::npos) return on;
    from = comma + 1;
  }
}

core::Result<Settings> read_settings(const Texts& texts, const TextNames& names) {
  Settings s;
  s.method = texts.method;
  const auto test = read_test(texts.test, names.test);
  if (!test) return test.error();
  s.test = *test;
  switch (texts.method) {
    case Method::hot:
    case Method::cold: {
      const auto count = read_count(texts.count, names.count);
      if (!count) return count.error();
      s.count = *count;
      if (texts.method == Method::cold) break;
      const auto window = read_window(texts.window, names.window);
      if (!window) return window.error();
      s.window = *window;
      break;
    }
    case Method::rules: {
      const auto run_length = read_run_length(texts.run_length, names.run_length);
      if (!run_length) return run_length.error();
      const auto rules = read_rules(texts.rules, names.rules);
      if (!rules) return rules.error();
      s.run_length = *run_length;
      s.rules = *rules;
      break;
    }
    case Method::moving: {
      const auto rule = moving::read_rule_texts(texts.moving, texts.order, names.moving);
      if (!rule) return rule.error();
      s.moving = rule->rule;
      s.moving_title = moving::moving_title(rule->boxes, texts.order);
      break;
    }
  }
  return s;
}

Texts hot_texts(int window, int count) {
  Texts t;
  t.method = Method::hot;
  t.window = std::to_string(window);
  if (count >= 1) t.count = std::to_string(count);
  return t;
}

Texts cold_texts(int count) {
  Texts t;
  t.method = Method::cold;
  if (count >= 1) t.count = std::to_string(count);
  return t;
}

Texts rules_texts(int run_length, const std::array<bool, statistics::kRules>& on) {
  Texts t;
  t.method = Method::rules;
  t.run_length = std::to_string(run_length);
  t.rules.clear();
  for (int r = 1; r <= statistics::kRules; ++r)
    if (on[static_cast<std::size_t>(r - 1)]) (t.rules += t.rules.empty() ? "" : ",") += std::to_string(r);
  return t;
}

Texts moving_texts(const moving::MovingBoxes& boxes, core::BallOrder order) {
  Texts t;
  t.method = Method::moving;
  t.order = order;
  t.moving.position = boxes.average ? "average" : boxes.positions[0];
  if (boxes.average) t.moving.average_of = boxes.positions[0] + "," + boxes.positions[1] + "," + boxes.positions[2];
  t.moving.look_back = boxes.look_back;
  t.moving.amounts.clear();
  const int count = std::clamp(boxes.prediction_count, 1, moving::kMaxPredictions);
  for (int i = 0; i < count; ++i) {
    if (i > 0) t.moving.amounts += ",";
    t.moving.amounts += (boxes.signs[static_cast<std::size_t>(i)] == "加" ? "+" : "-") + boxes.amounts[static_cast<std::size_t>(i)];
  }
  return t;
}

}  // namespace backtest
