// What the double-trace boxes (and the options of the command line that stand for them)
// may hold, and the message that refuses anything else. The window and the command line
// read their texts through these, so both refuse with the same words.
//
// Integers are read by the caller (a box with the program's number-box reading, an option
// with the command line's strict one); these check what the integer means.
#pragma once

#include <string>
#include <string_view>

#include "core/draw_history.h"
#include "core/result.h"

namespace intervals {

// The base draw L of a date "yyyy/mm/dd": the newest draw with that date.
// "沒有開獎資料" for an empty table, "沒有這個日期的開獎資料: " + date for a date no draw has.
[[nodiscard]] core::Result<int> read_base_date(const core::DrawHistory& history, std::string_view date);

// Number X or Y: one or two digits naming 1..39, as the two-digit ball text ("5" -> "05").
// Anything else: "號碼必須是 01 到 39: " + text.
[[nodiscard]] core::Result<std::string> read_trace_number(std::string_view text);

// 且下 d1: Y comes 0 .. n - L draws after X, else "且下期數必須是 0 到 " + (n - L) + ": " + d1.
[[nodiscard]] core::Result<int> check_later(const core::DrawHistory& history, int base_draw, int later);

// 連準 R: at least 1, else "連準必須至少為 1: " + text (the text as typed).
[[nodiscard]] core::Result<int> check_run(int run, std::string_view text);

}  // namespace intervals
