// Scoring arrangements of one shape from the co-occurrence table: a layout's two-,
// three- and four-star wins over the period are the sums, over pairs, triples and
// quadruples of numbers in different pillars, of the draws that contain them.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "pillars/arithmetic/arrangements.h"
#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/arithmetic/ranking.h"
#include "pillars/arithmetic/star_counts.h"

namespace pillars::arith {

// Wins of one arrangement (selection positions) cut into pillars of `sizes` (at most 8
// pillars). Zero counts when the sizes do not add up to the arrangement's length.
[[nodiscard]] StarCounts score_arrangement(const CoOccurrence& table, const Arrangement& arrangement,
                                           std::span<const int> sizes);

// Every arrangement of the shape over the numbers at `subset` (strictly ascending
// selection positions, shape_numbers(shape) of them), in enumeration order, with
// selection positions. Empty when `subset` does not fit.
[[nodiscard]] std::vector<ScoredArrangement> score_shape(Shape shape, const CoOccurrence& table,
                                                         std::span<const int> subset);

// The arrangement that ranks first. The 2x2x3x3 shape uses the hoisted engine.
[[nodiscard]] std::optional<ScoredArrangement> best_of_shape(Shape shape, const CoOccurrence& table,
                                                             std::span<const int> subset,
                                                             Priority priority);

// True when `subset` holds `count` strictly ascending positions of the table's selection.
[[nodiscard]] bool is_valid_subset(const CoOccurrence& table, std::span<const int> subset, int count);

}  // namespace pillars::arith
