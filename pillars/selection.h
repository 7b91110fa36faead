// Number selection ("選擇號碼"): the checked number boxes are the truth; these functions
// derive the selection from them and tell the window which boxes each command sets.
//
// The window applies a command's box settings in order through the boxes themselves,
// so every actual change runs the box's click handler (CB01Click rebuilds the selection
// and may warn about more than 30 numbers; tail and head boxes run their filters), as
// the program has always behaved.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/result.h"

namespace pillars {

inline constexpr int kSelectionLimit = 30;

// The checked states of the number boxes CB01 .. CB49: entry n-1 is box n.
using NumberBoxes = std::array<bool, 49>;

// The selection rebuilt from the number boxes (CB01Click).
struct Selection {
  std::vector<std::string> sel_no;  // checked numbers, two-digit text, ascending
  int sel_count = 0;
  std::string sel_text;       // "01,02,...,15, 16," : a blank before the 16th number
  std::string count_text;     // lb_selectNo: the count in decimal
  std::string count_caption;  // Label28, Label42, Label56: "  共計 N 個"
  bool over_limit = false;    // more than 30: show msg::kSelectionOverLimit
};
// Boxes above max_ball are ignored.
[[nodiscard]] Selection rebuild_selection(const NumberBoxes& checked, int max_ball);

// One box setting of a command: check (true) or uncheck number box `number`.
struct BoxSetting {
  int number = 0;
  bool checked = false;
  bool operator==(const BoxSetting&) const = default;
};

// CBT1Click: the number boxes a tail-box click sets, in order. `tails` entry d is box
// CBTd, `heads` entry h is box CBHh.
[[nodiscard]] std::vector<BoxSetting> tail_filter(const std::array<bool, 10>& tails,
                                                  const std::array<bool, 5>& heads, int max_ball);
// CBH0Click: the same for a head-box click.
[[nodiscard]] std::vector<BoxSetting> head_filter(const std::array<bool, 10>& tails,
                                                  const std::array<bool, 5>& heads, int max_ball);

// Button7Click: the numbers to check after Clear_CB, in order: the first `n` of the
// frequency order (no_count as ordered by show_sumno; number = code mod 100). Refuses
// an n above max_ball; n <= 0 checks nothing.
[[nodiscard]] core::Result<std::vector<int>> most_frequent(std::span<const int> ordered_no_count, int n,
                                                      int max_ball);

}  // namespace pillars
