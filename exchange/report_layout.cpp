#include "exchange/report_layout.h"

#include <cmath>

namespace exchange {
namespace {

// Byte offsets just past each UTF-8 code point of `text`.
std::vector<std::size_t> code_point_ends(std::string_view text) {
  std::vector<std::size_t> ends;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    i = std::min(i + length, text.size());
    ends.push_back(i);
  }
  return ends;
}

char32_t decode_at(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
  ++i;
  for (int k = 0; k < extra && i < text.size(); ++k, ++i) cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
  return cp;
}

bool is_wide(char32_t cp) {
  return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) || (cp >= 0xAC00 && cp <= 0xD7A3) ||
         (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
         (cp >= 0xFFE0 && cp <= 0xFFE6) || cp >= 0x20000;
}

std::string_view trim_trailing_blanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The longest prefix of `text` (in bytes, on a character boundary, at least one
// character) whose width fits.
std::size_t fitting_prefix(std::string_view text, double width, const MeasureText& measure) {
  const std::vector<std::size_t> ends = code_point_ends(text);
  std::size_t low = 0, high = ends.size();  // ends[0 .. low) fit; ends[high ..) do not
  while (low < high) {
    const std::size_t mid = (low + high) / 2;
    if (measure(text.substr(0, ends[mid])) <= width) low = mid + 1;
    else high = mid;
  }
  return low == 0 ? ends.front() : ends[low - 1];
}

}  // namespace

double line_pitch_mm(double points) { return points_to_mm(points * kLineSpacing); }

int lines_per_page(const ReportGeometry& geometry, double points) {
  const int lines = static_cast<int>(std::floor(geometry.body_height() / line_pitch_mm(points) + 1e-9));
  return lines < 1 ? 1 : lines;
}

MeasureText estimated_measure(double points) {
  const double em = points_to_mm(points);
  return [em](std::string_view text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size();) width += is_wide(decode_at(text, i)) ? em : em / 2;
    return width;
  };
}

std::vector<std::string> wrap_line(std::string_view line, double width, const MeasureText& measure) {
  std::vector<std::string> pieces;
  std::string_view rest = line;
  while (measure(trim_trailing_blanks(rest)) > width) {
    const std::size_t fit = fitting_prefix(rest, width, measure);
    const std::size_t blank = rest.substr(0, fit + 1).find_last_of(' ');
    const std::size_t cut = blank != std::string_view::npos && blank > 0 ? blank : fit;
    pieces.emplace_back(trim_trailing_blanks(rest.substr(0, cut)));
    rest.remove_prefix(cut);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  }
  if (pieces.empty() || !rest.empty()) pieces.emplace_back(rest);
  return pieces;
}

std::string page_number_text(int number) { return "頁次 " + std::to_string(number); }

ReportDocument layout_report(std::string title, const std::vector<std::string>& lines,
                             const core::LocalDateTime& printed_at, double body_points,
                             const MeasureText& measure) {
  ReportDocument document;
  document.body_points = body_points;
  document.title = std::move(title);
  document.printed_at = "列印時間 " + core::format_date_time(printed_at);
  const MeasureText& width_of = measure ? measure : estimated_measure(body_points);
  const auto per_page = static_cast<std::size_t>(lines_per_page(document.geometry, body_points));
  const double width = document.geometry.inner_width();
  document.pages.push_back(ReportPage{1, {}});
  for (const auto& line : lines) {
    for (auto& piece : wrap_line(line, width, width_of)) {
      if (document.pages.back().lines.size() == per_page)
        document.pages.push_back(ReportPage{static_cast<int>(document.pages.size()) + 1, {}});
      document.pages.back().lines.push_back(std::move(piece));
    }
  }
  return document;
}

}  // namespace exchange
