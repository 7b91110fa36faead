#include "pillars/optimise_analysis.h"

#include <algorithm>

#include "core/ball_text.h"
#include "pillars/arithmetic/cooccurrence.h"
#include "pillars/arithmetic/shape_scoring.h"
#include "pillars/optimise_period.h"
#include "pillars/optimise_texts.h"
#include "pillars/rules.h"

namespace pillars {

namespace {

struct ShapeCommand {
  std::string_view title;
  std::string_view fixed_subtitle;  // empty: "以下按" + the priority text
  std::string_view refusal;
  int separator_count;
  int rows;
};

ShapeCommand command_of(arith::Shape shape) {
  namespace t = optimise_text;
  switch (shape) {
    case arith::Shape::k2x2x2x2: return {t::kTitle2x2x2x2, t::kSubtitleFourThreeTwo, t::kNeedEight, 17, 30};
    case arith::Shape::k3x3x3: return {t::kTitle3x3x3, t::kSubtitleThreeTwo, t::kNeedNine, 15, 30};
    case arith::Shape::k1x1x2x2x2: return {t::kTitle1x1x2x2x2, t::kSubtitleFourThreeTwo, t::kNeedEight, 17, 30};
    case arith::Shape::k2x2x3x3: return {t::kTitle2x2x3x3, "", t::kNeedTen, 20, 20};
  }
  return {};
}

}  // namespace

ShapeLayout shape_layout(arith::Shape shape) {
  ShapeLayout layout;
  const auto sizes = arith::shape_sizes(shape);
  layout.pillar_count = static_cast<int>(sizes.size());
  std::copy(sizes.begin(), sizes.end(), layout.pillar_size.begin());
  layout.cost = arith::symmetric_sums(layout.pillar_size);
  return layout;
}

core::Result<SelectionNumbers> selection_numbers(std::span<const std::string> selection) {
  const core::Error refusal = core::Error::warning(std::string(optimise_text::kBadSelection));
  std::vector<int> values;
  for (const auto& text : selection) {
    const auto v = core::ball_value(text, 49);
    if (!v) return refusal;
    values.push_back(*v);
  }
  std::sort(values.begin(), values.end());
  if (std::adjacent_find(values.begin(), values.end()) != values.end()) return refusal;
  SelectionNumbers numbers;
  for (const int v : values) numbers.texts.push_back(core::ball_text(v));
  numbers.values = std::move(values);
  return numbers;
}

core::Result<arith::CoOccurrence> selection_table(std::span<const std::string> period_lines,
                                                  const SelectionNumbers& selection) {
  auto table = arith::CoOccurrence::build(period_masks(period_lines), selection.values);
  if (!table) return core::Error::warning(std::string(optimise_text::kPeriodTooLong));
  return std::move(*table);
}

core::Result<OptimiseReport> analyse_fixed_shape(arith::Shape shape, const OptimiseInput& input) {
  const ShapeCommand command = command_of(shape);
  const int required = arith::shape_numbers(shape);
  if (static_cast<int>(input.selection.size()) != required) return core::Error::warning(std::string(command.refusal));
  const auto selection = selection_numbers(input.selection);
  if (!selection) return selection.error();
  const auto table = selection_table(input.period_lines, *selection);
  if (!table) return table.error();
  const arith::Priority priority = shape_priority(shape, input.priority);
  std::vector<int> subset(required);
  for (int i = 0; i < required; ++i) subset[i] = i;
  auto scored = arith::score_shape(shape, *table, subset);
  arith::rank_arrangements(scored, priority);

  OptimiseReport report;
  report.layout = shape_layout(shape);
  const std::string subtitle =
      command.fixed_subtitle.empty() ? priority_subtitle(priority) : std::string(command.fixed_subtitle);
  report.lines = report_head({command.title, input.period_title,
                              "您選擇的立柱號碼( " + std::to_string(required) + " 碼)", selection->texts,
                              report.layout.cost, subtitle, command.separator_count});
  const auto sizes = arith::shape_sizes(shape);
  const int rows = std::min<int>(command.rows, static_cast<int>(scored.size()));
  for (int r = 0; r < rows; ++r) {
    const auto pillars = pillar_numbers(scored[r].arrangement, sizes, selection->texts);
    report.lines.push_back(arrangement_row(scored[r].wins, priority, pillars, shape == arith::Shape::k3x3x3));
    report.lines.push_back("");
  }
  if (!scored.empty()) report.best = pillar_numbers(scored.front().arrangement, sizes, selection->texts);
  return report;
}

}  // namespace pillars
