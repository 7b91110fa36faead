#include "core/ball_text.h"

#include "core/numbers.h"

namespace core {

std::string ball_text(int value) {
  // Ball texts are built by the ten thousand in the hot-combination lists: two
  // characters directly, the general padding only for values it cannot hold.
  if (value >= 0 && value < 100) return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
  return zero_pad(value, 2);
}

std::vector<std::string> ball_texts(int max_ball) {
  std::vector<std::string> texts;
  for (int n = 1; n <= max_ball; ++n) texts.push_back(ball_text(n));
  return texts;
}

}  // namespace core
