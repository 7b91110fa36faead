// Drawing the memo report on a paged device: the print preview's printer and the PDF
// writer both go through here, so the preview shows exactly what the PDF holds.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <string>
#include <vector>

#include "exchange/report_layout.h"

class QPagedPaintDevice;

namespace exchange {

// The report face: the Kai face from fonts-arphic-ukai, else Noto CJK.
[[nodiscard]] QFont report_font(double points);

// A4 portrait with the report's margins.
[[nodiscard]] QPageLayout report_page_layout(const ReportGeometry& geometry = {});

// Lays the lines out with the real widths of the body face on `device`.
[[nodiscard]] ReportDocument layout_for_device(const std::string& title, const std::vector<std::string>& lines,
                                               const core::LocalDateTime& printed_at, double body_points,
                                               const QPagedPaintDevice& device);

// Paints every page on `device` (its page layout already set); false when the device
// cannot be painted on.
[[nodiscard]] bool paint_report(QPagedPaintDevice& device, const ReportDocument& document);

}  // namespace exchange
