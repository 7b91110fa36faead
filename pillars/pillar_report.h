// Manual pillar verification ("手動輸入驗證") and its report in Memo2: the pillar memos
// copied into pillar_no, every period draw checked against the pillars
// (CHECK_Bingo_pillar), the decorated lines and the summary with the layout's cost and
// the bets won.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "pillars/draw_marks.h"
#include "pillars/pillar_cost.h"

namespace pillars {

// pillar_no: row i-1 holds pillar i, entry s-1 its s-th number as text ("05").
using PillarTable = std::array<std::array<std::string, kMaxPillars>, kMaxPillars>;
// How many entries of each row the check uses: the line count of the pillar's memo
// (at most 8).
using PillarLengths = std::array<int, kMaxPillars>;

// Button27Click, step 2: pillars 1 .. pillar_count take the first lines (at most 8) of
// their memo; entries beyond a memo's line count keep their previous text; other rows
// are unchanged. Also returns the lengths the check uses.
struct PillarsFromMemos {
  PillarTable pillar_no;
  PillarLengths lengths{};
};
[[nodiscard]] PillarsFromMemos read_pillar_memos(const PillarTable& previous,
                                                 std::span<const std::vector<std::string>> memos,
                                                 int pillar_count);

// The report prices the layout by the declared sizes and scores the memos' numbers, so
// both must describe the same bets: refuses, naming the first active pillar whose memo
// holds another count of lines than its size ("第2柱輸入了 3 個號碼,但設定為 2 個...").
[[nodiscard]] core::Status check_memo_sizes(std::span<const std::vector<std::string>> memos,
                                            const PillarSizes& pillar_size, int pillar_count);

// CHECK_Bingo_pillar: a draw as ten characters against pillars 1 .. pillar_count, each
// holding the first lengths[i] entries of its row. Run totals are the caller's.
[[nodiscard]] DrawMarks CHECK_Bingo_pillar(std::string_view draw_text, const PillarTable& pillar_no,
                                           const PillarLengths& lengths, int pillar_count);

struct PillarReportInput {
  std::size_t checked_lines = 0;         // the period's line count (Memo1): how many lines are checked
  std::span<const std::string> report_lines;  // what the report (Memo2) holds now
  const PillarTable* table = nullptr;    // pillar_no
  PillarLengths lengths{};
  int pillar_count = 4;
  PillarSizes pillar_size{};             // the listing shows this many entries per pillar
  arith::StarCounts cost;                // cost2, cost3, cost4
  std::string_view period_title;
};

struct PillarReport {
  std::vector<std::string> lines;  // the report's new content (Memo2)
  arith::StarCounts totals;        // pillar_tot2, pillar_tot3, pillar_tot4
};

// 驗證 (the sheet's Button26Click): lines 1 .. checked_lines of the report (those it has) become decorated
// lines, then the pillar listing and the summary are appended. pillar_count and sizes
// are bounded to the table (0 .. 8); refusing them is the size boxes' job.
[[nodiscard]] PillarReport pillar_report(const PillarReportInput& in);

}  // namespace pillars
