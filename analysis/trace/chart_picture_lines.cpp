#include "analysis/trace/chart_picture_lines.h"

#include <algorithm>
#include <vector>

#include "core/numbers.h"

namespace trace {
namespace {

struct Series {
  std::string_view name;
  std::string ChartData::*title;
  std::vector<Bar> ChartData::*bars;
};
constexpr Series kSeries[] = {{"numbers", &ChartData::number_title, &ChartData::numbers},
                              {"heads", &ChartData::head_title, &ChartData::heads},
                              {"tails", &ChartData::tail_title, &ChartData::tails}};

std::string one_line(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
  return text;
}

std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    parts.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return parts;
    start = tab + 1;
  }
}

}  // namespace

std::string chart_picture_lines(const ChartData& data) {
  std::string lines;
  for (const Series& series : kSeries) {
    lines += "chart\t" + std::string(series.name) + "\t" + one_line(data.*series.title) + "\n";
    for (const Bar& bar : data.*series.bars)
      lines += "bar\t" + one_line(bar.label) + "\t" + std::to_string(bar.value) + "\n";
  }
  return lines;
}

core::Result<ChartData> read_chart_picture_lines(std::string_view lines) {
  ChartData data;
  const Series* current = nullptr;
  int number = 0;
  for (std::size_t start = 0; start < lines.size();) {
    const std::size_t end = std::min(lines.find('\n', start), lines.size());
    const std::string_view line = lines.substr(start, end - start);
    start = end + 1;
    ++number;
    const auto parts = fields(line);
    const auto series = std::find_if(std::begin(kSeries), std::end(kSeries), [&](const Series& s) {
      return parts.size() == 3 && parts[0] == "chart" && parts[1] == s.name;
    });
    const auto value = parts.size() == 3 ? core::to_int_strict(parts[2]) : std::nullopt;
    if (series != std::end(kSeries)) {
      current = series;
      data.*current->title = std::string(parts[2]);
    } else if (current && parts[0] == "bar" && value) {
      (data.*current->bars).push_back({std::string(parts[1]), *value});
    } else {
      return core::Error::error("圖表資料第 " + std::to_string(number) + " 行無法讀取: " + std::string(line));
    }
  }
  return data;
}

}  // namespace trace
