// Bringing the draw file up to date from the operator's result files (result_file.h).
//
// The draw file stays the source of truth: a draw whose issue it already holds keeps the
// file's line byte for byte (it may hold the drawn order, which the result files lack).
// A new draw becomes a draw line "yyyy/mm/dd,IIIIII,b1,b2,b3,b4,b5" with the balls as the
// result file gives them, unless it is dated after today. The new file holds every line
// oldest first, ordered by date, then issue, each ending in CR LF. A draw that the file
// holds with other balls or another date is a conflict: the file's line stays, and the
// conflict is listed for the user.
//
//   plan_import(file, draws, today) -> ImportPlan; import_summary(plan) ->
//   {"新增 6 期 (2026/08/24 – 2026/08/29), 已有 2500 期, 不一致 0 期"}
#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "exchange/result_file.h"

namespace exchange {

struct ImportConflict {
  std::string issue;
  std::string in_file;   // "2014/01/01 05,13,24,26,34", the balls as the draw file has them
  std::string imported;  // the same from the result file
};

struct ImportPlan {
  std::string bytes;                // the new draw file
  std::vector<std::string> added;   // the new draw lines, oldest first
  int already = 0;                  // draws the file holds as the result files do
  std::vector<ImportConflict> conflicts;
  int future = 0;                   // draws dated after today, left out
  [[nodiscard]] bool has_additions() const { return !added.empty(); }
};

// Merges `draws` into the draw file's bytes (empty for a missing file). Blank lines of
// the file are dropped; any other line that is no draw line refuses the import (the user
// repairs the file first: ordering it would move the line), naming the line.
[[nodiscard]] core::Result<ImportPlan> plan_import(std::string_view draw_file, std::span<const ResultDraw> draws,
                                                   std::string_view today);

// The draw file at `draw_path` (missing: empty) with the result files at `paths` merged in.
[[nodiscard]] core::Result<ImportPlan> plan_import_files(const std::string& draw_path,
                                                         const std::vector<std::string>& paths,
                                                         std::string_view today, const ImportProgress& progress = {});

// The summary the user confirms: "新增 N 期 (first – last), 已有 M 期, 不一致 K 期"
// (without the dates when nothing is new), the future draws left out when there are any,
// then one line per conflict, at most `conflicts_shown` and a line for the rest.
[[nodiscard]] std::vector<std::string> import_summary(
    const ImportPlan& plan, std::size_t conflicts_shown = std::numeric_limits<std::size_t>::max());

}  // namespace exchange
