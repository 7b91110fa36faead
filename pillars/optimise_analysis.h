// The fixed-shape pillar analyses: every division of exactly 8, 9 or 10 selected numbers
// into the 2x2x2x2, 3x3x3, 1x1x2x2x2 or 2x2x3x3 shape, scored over the period list and
// reported best first in the result memo; the winner goes to the pillar controls.
//
//   period lines -> ball masks -> co-occurrence counts -> scored arrangements -> report
//
// Also the types every optimisation command shares. A command refuses with a warning;
// the caller compares the selection's size with the size a command requires
// (arith::shape_numbers, arith::run_selection_size) to tell a wrong count from other
// refusals.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pillars/arithmetic/arrangements.h"
#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/arithmetic/ranking.h"
#include "pillars/arithmetic/star_counts.h"
#include "pillars/optimise_report.h"
#include "core/result.h"

namespace pillars {

// What a command reads before it runs.
struct OptimiseInput {
  std::span<const std::string> period_lines;  // the period list, as it stands
  std::string_view period_title;
  std::span<const std::string> selection;     // sel_no[1..sel_count], two-digit texts
  arith::Priority priority = arith::Priority::four_first;
};

// The pillar layout of a shape: count, sizes (0 beyond the count) and its costs.
struct ShapeLayout {
  int pillar_count = 0;
  std::array<int, 8> pillar_size{};
  arith::StarCounts cost;
};
[[nodiscard]] ShapeLayout shape_layout(arith::Shape shape);

// What a finished command leaves: the report lines (Memo2), the layout, and the winning
// pillars, pillar 1 first.
struct OptimiseReport {
  std::vector<std::string> lines;  // what the report (Memo2) shows
  ShapeLayout layout;
  PillarNumbers best;
};

// The 2x2x2x2, 3x3x3, 1x1x2x2x2 and 2x2x3x3 analyses. Only 2x2x3x3 follows the priority;
// the others rank four-star first. Refused when the selection does not hold exactly
// arith::shape_numbers(shape) numbers, holds a text that is not a ball, or the period is
// too long to count.
[[nodiscard]] core::Result<OptimiseReport> analyse_fixed_shape(arith::Shape shape, const OptimiseInput& input);

// The selection as ascending values with their two-digit texts. Refused for an entry
// that is not a two-digit number 01..49, or a repeated number.
struct SelectionNumbers {
  std::vector<int> values;
  std::vector<std::string> texts;
};
[[nodiscard]] core::Result<SelectionNumbers> selection_numbers(std::span<const std::string> selection);

// The co-occurrence counts of the selection over the period lines; refused when the
// period holds more draws than the counts can take.
[[nodiscard]] core::Result<arith::CoOccurrence> selection_table(std::span<const std::string> period_lines,
                                                                const SelectionNumbers& selection);

}  // namespace pillars
