// What a trace tab asks for: the texts of its boxes, read into a query, and the texts
// that name the trace (distance label and title).
//
// Tabs of the trace window, in their order:
//   Single     不定位單支拖牌  a number anywhere in the draw (also the pinned level)
//   Pair       不定位雙星拖牌  two numbers, box "aa.bb"
//   Triple     不定位三星拖牌  three numbers, box "aa.bb.cc"
//   Ascending  大小定位拖牌    a number at a position of the ascending balls
//   Drawn      落球定位拖牌    a number at a position of the drawn balls
//   Add        大小加減版路    ascending ball p1 plus/minus k equals ascending ball p2
//   Cycle      週期法          every step-th draw back from the draw after an issue
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/trace/trace_table.h"
#include "core/result.h"

namespace trace {

enum class TraceTab { Single, Pair, Triple, Ascending, Drawn, Add, Cycle };
inline constexpr int kTabCount = 7;

// The box texts of one tab as typed; boxes the tab has not are ignored.
struct TraceBoxes {
  TraceTab tab = TraceTab::Single;
  std::string number = "01";   // number, pair or triple box
  std::string position = "1";  // Ascending, Drawn: cb_fix11 / cb_fix21
  std::string p1 = "1";        // Add: cb_add1 .. cb_add4
  std::string sign = "加";
  std::string amount = "1";
  std::string p2 = "2";
  std::string issue;        // Cycle: cb_latest_ck, the draw the cycle counts back from
  std::string step = "01";  // Cycle: cb_ck
};

// The boxes read. Numbers that are not two-digit texts are kNoBall and match nothing.
struct TraceQuery {
  TraceTab tab = TraceTab::Single;
  std::array<int, 3> numbers{kNoBall, kNoBall, kNoBall};
  int position = 1;  // 1..7; 6 and 7 hold no ball
  int p1 = 1, sign = 1, amount = 1, p2 = 2;
  std::string issue;
  int step = 1;
};

// The position boxes accept 1..7; anything else is refused with "第？支錯誤".
[[nodiscard]] core::Result<int> read_position(std::string_view text);
// "加" is +1, "減" is -1; any other word is refused.
[[nodiscard]] core::Result<int> read_sign(std::string_view word);
// A number box: an optional sign and digits, else the conversion message.
[[nodiscard]] core::Result<int> read_integer(std::string_view text);
// The cycle step: an integer of at least 1 (0 would list one draw over and over, a
// negative step would run the cycle forwards).
[[nodiscard]] core::Result<int> read_step(std::string_view text);

// The checks of the position and sign boxes alone, in the order read_trace_boxes runs
// them (a command line checks them before its own distance option).
[[nodiscard]] core::Status check_trace_positions(const TraceBoxes& boxes);
// Every box of the tab: positions, sign, amount, step, in that order.
[[nodiscard]] core::Result<TraceQuery> read_trace_boxes(const TraceBoxes& boxes);

// "本期" for 0, "下 3 期" for +3, "上 12 期" for -12.
[[nodiscard]] std::string distance_label(int distance);
// The trace's title (analysis_title), from the box texts as typed and the label.
[[nodiscard]] std::string trace_title(const TraceBoxes& boxes, std::string_view label);
// lbn1 of the single-number tab: the distance label, a space and the issue of the draw
// `distance` places after draw s (nothing after the space while that draw is still to come).
[[nodiscard]] std::string target_label(const TraceTable& table, int s, int distance);

// The number box of a tab after its issue box chose draw s: its items and its text.
//   Single, Drawn: the drawn balls, text the first; Ascending: the ascending balls, text
//   the smallest; Pair / Triple: the ten pairs / triples of the ascending balls joined
//   by ".", text the first. Other tabs have no number box (empty).
struct NumberBox {
  std::vector<std::string> items;
  std::string text;
};
[[nodiscard]] NumberBox number_box(const TraceTable& table, int s, TraceTab tab);

}  // namespace trace
