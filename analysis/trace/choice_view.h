// The content of the two-of-one and three-of-one windows: the trace's date and issue
// columns beside the whole trace columns (header, marks, summary) of the chosen pair or
// triple, and the three count labels.
//
//   auto view = trace::open_choice_view(shown.grid, shown.trace_row_count(), 2, max_ball, items.front());
//   trace::pick_choice(view, shown.grid, shown.trace_row_count(), max_ball, box_text);  // on a box change
//
// A part of the box text that is not a number 1..max_ball leaves its column as it was
// (the first item's column, or empty), and the counts are taken over what the columns hold.
#pragma once

#include <string>
#include <string_view>

#include "core/result.h"
#include "core/text_grid.h"

namespace trace {

struct ChoiceView {
  int size = 2;        // 2: two-of-one, 3: three-of-one
  core::TextGrid grid;        // sg1: date, issue, then one column per chosen number
  std::string trace_rows;     // Label2: "拖牌總期數 R"
  std::string hit_rows;       // Label3: "二中一期數 U" / "三中一期數 U"
  std::string numbers_drawn;  // Label4: "開出號碼數 H"
};

// The window on showing: columns 0 and 1 of the trace grid, then `first_item` applied.
[[nodiscard]] ChoiceView open_choice_view(const core::TextGrid& trace_grid, int row_count, int size, int max_ball,
                                          std::string_view first_item);

// Whether `text` names a whole pair or triple as the box's items do: `size` numbers
// 1..max_ball of two digits, one character apart ("05.12.23"). Refused with the message
// the window shows; a half-right text would mix its columns with the previous choice's.
[[nodiscard]] core::Status check_choice(std::string_view text, int size, int max_ball);

// The box's change event: characters 1-2, 4-5 (and 7-8) of `text` choose the columns.
void pick_choice(ChoiceView& view, const core::TextGrid& trace_grid, int row_count, int max_ball,
                 std::string_view text);

}  // namespace trace
