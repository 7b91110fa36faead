// The moving-pattern grid: every draw with the rule's predictions for it and whether they
// came up in that draw, the next one or the one after ("三期內"), plus one sentence per
// predicted row for the notes ("版路明細").
//
// Rows of `sgl`: 0 the header, i = 1 .. n draw i (oldest first), n + 1 the prediction for
// the coming draw ("本期預測"). Row q predicts from draw s = q - K; rows with s < 1 have no
// prediction. Every ball, shown or read, is taken in the order the rule names.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/moving/moving_rule.h"
#include "core/draw_history.h"
#include "core/text_grid.h"

namespace moving {

inline constexpr int kGridColumns = 13;
inline constexpr int kPredictionColumn = 9;  // 預    測; 本期開出, 隔一期開, 隔二期開 follow

struct MovingPattern {
  core::TextGrid sgl;                       // n + 2 rows x 13 columns
  std::vector<std::string> pattern_detail;  // element q for grid row q; empty without prediction
  int look_back = 1;
};

// A rule that cannot be evaluated (check_moving_rule) is refused, so no grid looks as if
// the rule had simply never predicted anything.
[[nodiscard]] core::Result<MovingPattern> moving_pattern(const core::DrawHistory& history, const MovingRule& rule);

// The window's recompute of its active tab from the box texts; a refusal names the first
// bad box, and the window keeps its grid as it was.
[[nodiscard]] core::Result<MovingPattern> show_moving(const core::DrawHistory& history, const MovingBoxes& boxes,
                                                      core::BallOrder order);

// The sentence selecting a cell appends to the notes: one of the result columns (9 and
// beyond) of a predicted row; nullopt for any other cell.
[[nodiscard]] std::optional<std::string> note_for_cell(const MovingPattern& pattern, int column, int row);

// Every sentence in row order: what selecting each predicted row in turn appends.
[[nodiscard]] std::vector<std::string> detail_lines(const MovingPattern& pattern);

}  // namespace moving
