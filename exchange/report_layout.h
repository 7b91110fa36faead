// The memo report as data: the pages of a list of text lines in the shared report layout,
// so pagination and every page's texts are fixed (and tested) without a toolkit. The
// report window (exchange/window/) and the PDF writer (exchange/window/adapters/) only
// draw what this computes.
//
// The page is A4 portrait, measured in millimetres from the top-left corner of the area
// inside the margins. Each page has
//   - a header band: the logo at the left, the title centred (18 pt), at the right
//     "列印時間 yyyy/mm/dd hh:mm:ss" and under it "頁次 N" (8 pt), a rule under the band;
//   - the body: the report's lines, left-aligned, word-wrapped to the body width, in
//     the Kai face at the report's body size, a fixed pitch per line;
//   - a footer band: a rule, then one line with the publisher's name and address (8 pt).
// An empty report still has one page with its header and footer.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"

namespace exchange {

inline constexpr const char* kReportTitle = "Morlin";
inline constexpr const char* kReportFooter = "Vantor 數據工作室    www.vantor39.example    本報表僅供號碼統計研究";
inline constexpr double kTitlePoints = 18;
inline constexpr double kBandPoints = 8;          // 列印時間, 頁次 and the footer line
inline constexpr double kDesignBodyPoints = 10;   // the report's body size until a print changes it
inline constexpr double kPrintBodyPoints = 12;    // what printing by date range sets
inline constexpr double kLineSpacing = 1.25;      // body line pitch, in ems

[[nodiscard]] constexpr double points_to_mm(double points) { return points * 25.4 / 72.0; }

struct ReportGeometry {
  double page_width = 210, page_height = 297;  // A4 portrait
  double margin_top = 10, margin_bottom = 3, margin_left = 10, margin_right = 10;
  double header_height = 20;  // the band; its rule is drawn on its lower edge
  double body_gap = 2;        // between the header rule and the first body line
  double footer_height = 7;   // the band at the bottom, its rule on its upper edge
  double logo_width = 34, logo_height = 14.5;

  [[nodiscard]] double inner_width() const { return page_width - margin_left - margin_right; }
  [[nodiscard]] double inner_height() const { return page_height - margin_top - margin_bottom; }
  [[nodiscard]] double body_top() const { return header_height + body_gap; }
  [[nodiscard]] double body_height() const { return inner_height() - body_top() - footer_height; }
  [[nodiscard]] double footer_top() const { return inner_height() - footer_height; }
};

// Body line pitch and capacity at a body size: 12 pt gives 48 lines per A4 page.
[[nodiscard]] double line_pitch_mm(double points);
[[nodiscard]] int lines_per_page(const ReportGeometry& geometry, double points);

// Width of a UTF-8 text in millimetres.
using MeasureText = std::function<double(std::string_view)>;

// An estimate for use without fonts: East Asian wide characters one em, others half.
[[nodiscard]] MeasureText estimated_measure(double points);

// Splits a line into pieces no wider than `width` (mm): after the last blank that keeps
// a piece within the width, else at a character. Trailing blanks never force a break;
// an empty line stays one empty piece.
[[nodiscard]] std::vector<std::string> wrap_line(std::string_view line, double width, const MeasureText& measure);

struct ReportPage {
  int number = 1;
  std::vector<std::string> lines;  // body lines after wrapping
};

struct ReportDocument {
  ReportGeometry geometry;
  double body_points = kDesignBodyPoints;
  std::string title;
  std::string printed_at;  // "列印時間 2024/05/01 14:03:09", the same on every page
  std::string footer = kReportFooter;
  std::vector<ReportPage> pages;  // never empty
};

// "頁次 3"
[[nodiscard]] std::string page_number_text(int number);

// Lays the lines out: wraps them with `measure` (the estimate when empty) and fills pages
// of lines_per_page lines each.
[[nodiscard]] ReportDocument layout_report(std::string title, const std::vector<std::string>& lines,
                                           const core::LocalDateTime& printed_at, double body_points,
                                           const MeasureText& measure = {});

}  // namespace exchange
