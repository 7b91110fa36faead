#include "analysis/trace/choice_view.h"

#include <optional>

#include "analysis/trace/trace_messages.h"
#include "core/numbers.h"

namespace trace {
namespace {

// The number at characters first, first+1 of the box text, when it is one of 1..max_ball.
std::optional<int> chosen_number(std::string_view text, std::size_t first, int max_ball) {
  if (first >= text.size()) return std::nullopt;
  const auto n = core::to_int_strict(text.substr(first, 2));
  if (!n || *n < 1 || *n > max_ball) return std::nullopt;
  return n;
}

void copy_column(core::TextGrid& to, int to_column, const core::TextGrid& from, int from_column) {
  for (int r = 0; r < to.rows(); ++r) to.set_cell(to_column, r, from.cell(from_column, r));
}

}  // namespace

core::Status check_choice(std::string_view text, int size, int max_ball) {
  bool whole = text.size() == static_cast<std::size_t>(3 * size - 1);
  for (int k = 0; k < size && whole; ++k)
    whole = chosen_number(text, static_cast<std::size_t>(3 * k), max_ball).has_value();
  if (!whole) return core::Error::warning(msg::bad_choice(text, size, max_ball));
  return {};
}

ChoiceView open_choice_view(const core::TextGrid& trace_grid, int row_count, int size, int max_ball,
                            std::string_view first_item) {
  ChoiceView view;
  view.size = size;
  view.grid.resize(trace_grid.rows(), 2 + size);
  copy_column(view.grid, 0, trace_grid, 0);
  copy_column(view.grid, 1, trace_grid, 1);
  pick_choice(view, trace_grid, row_count, max_ball, first_item);
  return view;
}

void pick_choice(ChoiceView& view, const core::TextGrid& trace_grid, int row_count, int max_ball,
                 std::string_view text) {
  for (int k = 0; k < view.size; ++k)
    if (const auto n = chosen_number(text, static_cast<std::size_t>(3 * k), max_ball))
      copy_column(view.grid, 2 + k, trace_grid, *n + 1);
  int union_count = 0, hit_count = 0;
  for (int r = 1; r <= row_count; ++r) {
    int filled = 0;
    for (int k = 0; k < view.size; ++k) filled += view.grid.cell(2 + k, r).empty() ? 0 : 1;
    union_count += filled > 0 ? 1 : 0;
    hit_count += filled;
  }
  view.trace_rows = "拖牌總期數 " + std::to_string(row_count);
  view.hit_rows = (view.size == 2 ? "二中一期數 " : "三中一期數 ") + std::to_string(union_count);
  view.numbers_drawn = "開出號碼數 " + std::to_string(hit_count);
  view.grid.set_rows(row_count + 13);
}

}  // namespace trace
