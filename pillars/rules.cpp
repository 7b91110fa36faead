#include "pillars/rules.h"

#include <algorithm>

#include "core/numbers.h"
#include "pillars/messages.h"

namespace pillars {

core::Error wrong_number_count(int required) {
  return core::Error::warning("必須選 " + std::to_string(required) + " 個號碼");
}

int priority_digit(arith::Priority priority) {
  switch (priority) {
    case arith::Priority::four_first: return 4;
    case arith::Priority::three_first: return 3;
    case arith::Priority::two_first: return 2;
  }
  return 4;
}

std::optional<arith::Priority> priority_of_word(std::string_view word) {
  for (std::size_t i = 0; i < kPriorityWords.size(); ++i)
    if (kPriorityWords[i] == word) return kPriorities[i];
  return std::nullopt;
}

bool shape_follows_priority(arith::Shape shape) { return shape == arith::Shape::k2x2x3x3; }

arith::Priority shape_priority(arith::Shape shape, arith::Priority asked) {
  return shape_follows_priority(shape) ? asked : arith::Priority::four_first;
}

std::optional<arith::Shape> shape_of_word(std::string_view word) {
  for (std::size_t i = 0; i < kShapeWords.size(); ++i)
    if (kShapeWords[i] == word) return kShapes[i];
  return std::nullopt;
}

std::optional<int> read_ball(std::string_view word, int max_ball, BallText how) {
  const auto value = how == BallText::strict ? core::to_int_strict(word) : core::to_int(word);
  if (!value || *value < 1 || *value > max_ball) return std::nullopt;
  return value;
}

core::Result<std::vector<int>> check_number_list(const std::vector<int>& numbers, int required, int max_ball) {
  for (const int n : numbers)
    if (n < 1 || n > max_ball) return core::Error::warning(msg::not_a_ball(std::to_string(n)));
  std::vector<int> ascending = numbers;
  std::sort(ascending.begin(), ascending.end());
  const bool repeats = std::adjacent_find(ascending.begin(), ascending.end()) != ascending.end();
  if (repeats || static_cast<int>(numbers.size()) != required) return wrong_number_count(required);
  return ascending;
}

core::Result<std::vector<int>> read_balls(std::span<const std::string> words, int max_ball) {
  std::vector<int> numbers;
  for (const auto& word : words) {
    const auto ball = read_ball(word, max_ball);
    if (!ball) return core::Error::warning(msg::not_a_ball(word));
    numbers.push_back(*ball);
  }
  return numbers;
}

}  // namespace pillars
