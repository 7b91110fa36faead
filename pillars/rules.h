// The workbench's input rules, each read one way whether the panel, the command line or
// the engine meets it: the priority 4/3/2, which shapes rank by it, the shape words and
// the typed number list.
//
// The surfaces still word and order their refusals as they always have: a reader answers
// what is wrong, each surface decides when it asks and how the answer reaches the user.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "pillars/arithmetic/arrangements.h"
#include "pillars/arithmetic/ranking.h"

namespace pillars {

// The priorities in the order every surface offers them: 4, 3, 2 (the option's words, the
// radio buttons left to right).
inline constexpr std::array<arith::Priority, 3> kPriorities{arith::Priority::four_first, arith::Priority::three_first,
                                                            arith::Priority::two_first};
inline constexpr std::array<std::string_view, 3> kPriorityWords{"4", "3", "2"};

// 4, 3 or 2 as written for the priority.
[[nodiscard]] int priority_digit(arith::Priority priority);
// "4", "3", "2"; nullopt for any other word.
[[nodiscard]] std::optional<arith::Priority> priority_of_word(std::string_view word);

// Of the fixed shapes only 2x2x3x3 ranks by the asked priority; the others always rank
// four-star first (3x3x3 has no four-star win and shows its three-star count instead).
[[nodiscard]] bool shape_follows_priority(arith::Shape shape);
[[nodiscard]] arith::Priority shape_priority(arith::Shape shape, arith::Priority asked);

// The fixed shapes in the order the command line lists them, and their words.
inline constexpr std::array<arith::Shape, 4> kShapes{arith::Shape::k2x2x2x2, arith::Shape::k3x3x3,
                                                     arith::Shape::k1x1x2x2x2, arith::Shape::k2x2x3x3};
inline constexpr std::array<std::string_view, 4> kShapeWords{"2x2x2x2", "3x3x3", "1x1x2x2x2", "2x2x3x3"};
[[nodiscard]] std::optional<arith::Shape> shape_of_word(std::string_view word);

// How strictly a typed ball number is read: the command line's documents take only an
// optional sign and digits; the optimisation commands have always also taken blanks.
enum class BallText { strict, lenient };

// A ball number 1..max_ball; nullopt for anything else.
[[nodiscard]] std::optional<int> read_ball(std::string_view word, int max_ball, BallText how = BallText::strict);

// The numbers of a fixed selection: exactly `required` distinct balls 1..max_ball.
// Refused with msg::not_a_ball of the first that is no ball, else "必須選 N 個號碼";
// accepted in ascending order.
[[nodiscard]] core::Result<std::vector<int>> check_number_list(const std::vector<int>& numbers, int required,
                                                               int max_ball);

// The typed words of such a selection as balls, read strictly, in order; the first word
// that is none refused with msg::not_a_ball as typed.
[[nodiscard]] core::Result<std::vector<int>> read_balls(std::span<const std::string> words, int max_ball);

// "必須選 N 個號碼": the refusal of a list of the wrong size. The command line asks it of the
// words before reading them, the panel and the engine through check_number_list.
[[nodiscard]] core::Error wrong_number_count(int required);

}  // namespace pillars
