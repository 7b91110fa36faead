// Whether the draw file holds draws that can have happened, for the user's check of the
// history and for copies that come from outside (downloads, imports) before they may
// replace the file. The loader itself stays lenient: it reads what the user typed.
//
//   judge_draw_line("2026/08/26,115207,45,00,24,24,06") -> {Ball, "號碼「45」不在 01 到 39 之間"}
//   check_history(bytes, today) -> {"第 12 行：號碼 24 出現兩次", "第 40 行之前缺少期數 103045", ...}
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace core {

inline constexpr const char* kNoProblemsFound = "沒有發現問題";

enum class DrawLineFault {
  None,    // a possible draw
  Layout,  // not "yyyy/mm/dd,xxxxxx,00,00,00,00,00" (six-digit issue, two-digit balls)
  Date,    // the columns are right, the date is no calendar day
  Ball,    // a ball outside 01..39 or a ball twice
};

struct DrawLineVerdict {
  DrawLineFault fault = DrawLineFault::None;
  std::string reason;  // what is wrong, for a message after "第 N 行："; "" for None
};

// Judges a line as read (trailing blanks allowed, leading ones shift the columns).
[[nodiscard]] DrawLineVerdict judge_draw_line(std::string_view line);

struct LineProblem {
  int line = 0;  // 1-based line number in the file
  std::string reason;
};

// The first line the loader would read (every line up to the first whose trimmed length
// is not 32, future draws included) that is no possible draw; nullopt when all are.
// The reason reads "第 N 行：..." .
[[nodiscard]] std::optional<LineProblem> first_impossible_draw(std::string_view bytes);

// The draw-file editor's lines as the file keeps them. Blank lines are dropped: one left
// between two draws (a draw typed after pressing Enter on the last, empty line) would end
// every load there. Refuses (warning) at the first other line the loader would stop at,
// naming it by its line in the editor.
[[nodiscard]] Result<std::vector<std::string>> lines_to_save(const std::vector<std::string>& typed);

// The first line that is not blank at or after the line where the loader stops reading
// (its first line whose trimmed length is not 32): in a copy from outside, an HTML tail,
// a message or a line cut short, which would cut every later load short. nullopt when the
// draws are followed by blank lines or nothing. The reason reads "第 N 行「...」".
[[nodiscard]] std::optional<LineProblem> first_line_after_the_draws(std::string_view bytes);

// Every problem of a draw file, one sentence each naming its line, in line order: lines
// that are not draw lines (the first one also says where the load stops), impossible
// dates and balls, an issue given twice, two issues of one date, an issue whose ROC year
// is not its date's, a date earlier than the line before, issue numbers missing within a
// year (between the year's issues, and before its first one but in the file's first
// year), draws missing at the end of a year (its last draw is followed by days, up to its
// end, on the weekdays that year or the next has draws), whole years missing, and lines
// dated after `today` ("" = not checked) that stand before a line the loader takes.
// Empty when the file is sound; blank lines at its end are no problem.
[[nodiscard]] std::vector<std::string> check_history(std::string_view bytes, std::string_view today = {});

}  // namespace core
