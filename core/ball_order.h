// The working ball order. `ltno_copy` is the ball column group the analyses read; the
// moving-pattern and double-trace windows choose whether it holds the balls as drawn or in
// ascending order, and that choice holds for every window until the table is derived again.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/draw_history.h"

namespace core {

enum class BallOrder { Drawn, Sorted };

// Rewrites every cell of ltno_copy (all 7 rows, the full capacity) as a copy of
// ltno_drawn or ltno_sorted.
void set_ball_order(DrawHistory& history, BallOrder order);

// "落" (drawn) or "順" (ascending): the word the windows put before 球, 一, 二 ...
[[nodiscard]] std::string_view order_word(BallOrder order);

// The five working balls (ltno_copy) of draws 1 .. draw_count as numbers, element i-1 for
// draw i; -1 stands for a text that is not two digits. Hot loops compare these, not texts.
using DrawBalls = std::array<int, kBallsPerDraw>;
[[nodiscard]] std::vector<DrawBalls> working_ball_values(const DrawHistory& history);

}  // namespace core
