// The fixed-shape pillar analyses: every division of exactly 8, 9 or 10 selected numbers
// into the 2x2x2x2, 3x3x3, 1x1x2x2x2 or 2x2x3x3 shape, scored over the period list and
// reported best first in the result memo; the winner goes to the pillar controls.
//
//   period lines -> ball masks -> co-occurrence counts -> scored arrangements -> report
//
// Also the types every optimisation command shares with its window.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pillars/arithmetic/arrangements.h"
#include "pillars/arithmetic/ranking.h"
#include "pillars/arithmetic/star_counts.h"
#include "pillars/optimise_report.h"

namespace pillars {

// What a window reads before the command runs.
struct OptimiseInput {
  std::span<const std::string> period_lines;  // Memo1, as it stands
  std::string_view period_title;
  std::span<const std::string> selection;     // sel_no[1..sel_count], two-digit texts
  int priority_index = 0;                     // RG1 item index
};

// A refused command: the warning text, and what the window changes besides.
struct OptimiseRefusal {
  std::string message;
  bool show_selection_page = true;  // make TS4 (page index 2) active
  std::string cb9_text;             // new text of cb9; empty leaves it
};

// The pillar controls a command sets before it runs: CB_Select, ComboBox1..8 (sizes,
// "0" beyond the count) and the costs the size change computes.
struct ShapeLayout {
  int pillar_count = 0;
  std::array<int, 8> pillar_size{};
  arith::StarCounts cost;
};
[[nodiscard]] ShapeLayout shape_layout(arith::Shape shape);

// What a finished command leaves: Memo2's lines, the layout, and the winning pillars to
// load into pillar_no and Mx1..Mx4 (Mx5 for 1x1x2x2x2) before showing TS6.
struct OptimiseReport {
  std::vector<std::string> memo2;
  ShapeLayout layout;
  PillarNumbers best;
};

struct FixedShapeAnalysis {
  std::optional<OptimiseRefusal> refused;
  OptimiseReport report;  // meaningful when not refused
};

// Button12 (2x2x2x2), Button28 (3x3x3), Button29 (1x1x2x2x2), Button30 (2x2x3x3). Only
// the 2x2x3x3 analysis follows the priority index; the others rank four-star first.
[[nodiscard]] FixedShapeAnalysis analyse_fixed_shape(arith::Shape shape, const OptimiseInput& input);

// The selection as ascending values with their two-digit texts; nullopt for an entry
// that is not a two-digit number 01..49 or a repeated number.
struct SelectionNumbers {
  std::vector<int> values;
  std::vector<std::string> texts;
};
[[nodiscard]] std::optional<SelectionNumbers> selection_numbers(std::span<const std::string> selection);

}  // namespace pillars
