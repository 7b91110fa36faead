// A moving-pattern rule ("版路"): take one ball (or the average of three balls) of the draw
// K places back, add or subtract up to three amounts, wrap the results into 1 .. max_ball
// and predict those numbers for the current draw.
//
// The window passes the texts of its boxes (MovingBoxes); read_moving_rule turns them into
// numbers or refuses with the message of the first box that is wrong. The rule title
// ("版路標題") repeats the box texts exactly as typed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/ball_order.h"
#include "core/result.h"

namespace moving {

inline constexpr int kMaxPredictions = 3;

// The boxes of the active tab, as the window holds them.
struct MovingBoxes {
  bool average = false;                                 // tab 平均數加減法 (else 固定位置加減法)
  std::string look_back = "1";                          // 上 K 期
  std::array<std::string, 3> positions{"1", "2", "3"};  // 第 P 支; the one-position tab reads the first
  std::array<std::string, kMaxPredictions> signs{"加", "加", "加"};
  std::array<std::string, kMaxPredictions> amounts{"0", "0", "0"};
  int prediction_count = 1;                             // 一中一, 二中一 or 三中一
};

struct MovingRule {
  core::BallOrder order = core::BallOrder::Drawn;  // the order the rule reads and names its columns in
  bool average = false;
  int look_back = 1;                 // K >= 1
  std::array<int, 3> positions{1, 2, 3};  // 1..5; one-position rules use the first
  std::vector<long long> offsets{0};      // one to three signed amounts
};

// Checks, in this order: each position read (an integer, 1..5), the look-back (an integer,
// at least 1), each active amount (an integer). Sign 加 adds, anything else subtracts.
[[nodiscard]] core::Result<MovingRule> read_moving_rule(const MovingBoxes& boxes, core::BallOrder order);

// Whether a rule can be evaluated: positions 1..5, a look-back of at least 1, one to three
// offsets. A rule read from the boxes always can; a refusal names the first thing wrong.
[[nodiscard]] core::Status check_moving_rule(const MovingRule& rule);

// base + offset wrapped into 1 .. max_ball with the mathematical remainder:
// 39 加1 -> 1, 1 減1 -> 39, 5 減38 -> 6, 1 減100 -> 18.
[[nodiscard]] int wrap_prediction(long long base, long long offset, int max_ball);

// The base a rule reads from its source draw (balls in the rule's order): the ball at its
// position, or the average of its three positions with the remainder dropped.
[[nodiscard]] int rule_base(const MovingRule& rule, const core::DrawBalls& source);
// The rule's predictions from its source draw: entry i for offset i (wrapped into
// 1 .. max_ball), 0 beyond the rule's count of offsets.
[[nodiscard]] std::array<int, kMaxPredictions> rule_predictions(const MovingRule& rule, const core::DrawBalls& source,
                                                                int max_ball);

// "上1期落球第3支,本期開加5,本支,減12 三中一" or, averaging,
// "上2期順球第1,2,3支取平均數,本期開加3,減3 二中一".
[[nodiscard]] std::string moving_title(const MovingBoxes& boxes, core::BallOrder order);

// "本支" for one position, "本號" for the average: the word for an amount of 0.
[[nodiscard]] std::string zero_amount_word(bool average);

}  // namespace moving
