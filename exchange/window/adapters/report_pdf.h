// The report as a PDF file, in the same layout as the print preview. No Qt type here:
// the command line calls it directly; it creates an application object (offscreen)
// when the process has none.
#pragma once

#include <string>
#include <vector>

#include "core/clock.h"
#include "core/result.h"
#include "exchange/report_layout.h"

namespace exchange {

struct ReportRequest {
  std::string title = kReportTitle;
  std::vector<std::string> lines;
  core::LocalDateTime printed_at;
  double body_points = kPrintBodyPoints;
};

// Writes the PDF atomically (the old file stays whole on any failure). Returns the
// number of pages written; refusals name the file.
[[nodiscard]] core::Result<int> write_report_pdf(const std::string& path, const ReportRequest& request);

}  // namespace exchange
