#include "analysis/trace/chart_titles.h"

namespace trace {

std::string shown_number_title(const ChartData& data, const ChartSettings& settings, std::string_view game_name) {
  if (!settings.query || !settings.query->positional()) return data.number_title;
  const ChartQuery& query = *settings.query;
  static constexpr std::string_view kCaption = "拖牌號碼統計";
  const std::size_t caption = data.number_title.find(kCaption);
  const std::string period = caption == std::string::npos ? std::string() : data.number_title.substr(caption);
  std::string title = std::string(game_name) + (query.asks_tails() ? "尾數" : "");
  for (std::size_t j = 0; j < query.fields.size(); ++j) {
    if (query.fields[j].empty()) continue;
    title += " 第" + std::to_string(j + 1) + (query.ascending ? "順球 " : "落球 ") + query.fields[j];
  }
  return title + " " + period;
}

}  // namespace trace
