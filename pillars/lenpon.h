// Full-combination verification ("連碰驗證"): every two, three and four of the selected
// numbers is a bet; each period draw is checked against the selection and the report is
// written into Memo3.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "pillars/draw_marks.h"

namespace pillars {

// CHECK_Bingo_lenpon: a draw as ten characters (five two-digit balls) against the
// selection: marks and C(m,2), C(m,3), C(m,4) for m selected numbers drawn. The run
// totals are the caller's.
[[nodiscard]] DrawMarks CHECK_Bingo_lenpon(std::string_view draw_text,
                                           std::span<const std::string> sel_no);

struct LenponReport {
  std::vector<std::string> lines;  // the report's new content (Memo3)
  arith::StarCounts totals;        // lenpon_tot2, lenpon_tot3, lenpon_tot4
};

// Button9Click: checks every period line (Memo1); when detailed (cb_detail), line j of the
// report (Memo3) becomes the decorated period line j (positions the report does not have
// are skipped); then the summary
// is appended. Refuses fewer than 2 or more than 30 selected numbers
// (msg::kLenponSelectionSize; the window then shows the "選擇號碼" sheet).
[[nodiscard]] core::Result<LenponReport> lenpon_report(std::span<const std::string> period_lines,
                                                  std::span<const std::string> report_lines,
                                                  std::span<const std::string> sel_no,
                                                  bool detailed, std::string_view period_title);

}  // namespace pillars
