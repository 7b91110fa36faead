// The pictures of trace-chart --png. The command line links no window code, so the
// charts are drawn by vantor39-chart-picture, the small program that lives beside
// vantor39-cli: it is handed the titles and bars on its standard input and draws them
// with the chart window's own code, as the window saves them.
#pragma once

#include <array>
#include <string>

#include "analysis/trace/trace_chart.h"
#include "core/result.h"

namespace cli {

// The number chart's file, then the head and tail charts' files: "out.png" gives
// out.png, out-heads.png and out-tails.png; any other FILE gives FILE, FILE-heads.png
// and FILE-tails.png.
[[nodiscard]] std::array<std::string, 3> chart_picture_files(const std::string& file);

// Draws the three charts into those files, all or none. Refused when the drawing
// program is missing or fails, with its reason.
[[nodiscard]] core::Status draw_chart_pictures(const trace::ChartData& data, const std::string& file);

}  // namespace cli
