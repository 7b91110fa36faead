// The two ball orders of the draw table: as drawn (落球) and ascending (順球).
//
// Computations name the order they read and take the balls through ball_columns(); they
// never read the working column `ltno_copy`. That column only records the order last
// chosen in the moving-pattern or double-trace window, for the whole program, until the
// table is derived again: set_ball_order writes it when a user chooses.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/draw_history.h"

namespace core {

enum class BallOrder { Drawn, Sorted };

// ltno_drawn or ltno_sorted: ball k of draw i in the chosen order is [k-1][i-1].
[[nodiscard]] const BallColumns& ball_columns(const DrawHistory& history, BallOrder order);

// Records a user's order choice: every cell of ltno_copy (all 7 rows, the full capacity)
// becomes a copy of ltno_drawn or ltno_sorted.
void set_ball_order(DrawHistory& history, BallOrder order);

// "落" (drawn) or "順" (ascending): the word the windows put before 球, 一, 二 ...
[[nodiscard]] std::string_view order_word(BallOrder order);

// The five balls of draws 1 .. draw_count in the chosen order as numbers, element i-1 for
// draw i; -1 stands for a text that is not two digits. Hot loops compare these, not texts.
using DrawBalls = std::array<int, kBallsPerDraw>;
[[nodiscard]] std::vector<DrawBalls> ball_values(const DrawHistory& history, BallOrder order);

}  // namespace core
