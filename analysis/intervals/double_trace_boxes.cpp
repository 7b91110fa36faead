#include "analysis/intervals/double_trace_boxes.h"

#include <algorithm>

#include "analysis/intervals/double_trace_search.h"
#include "core/ball_text.h"

namespace intervals {

core::Result<int> read_base_date(const core::DrawHistory& history, std::string_view date) {
  if (history.draw_count <= 0) return core::Error::warning("沒有開獎資料");
  const auto base = draw_of_date(history, date);
  if (!base) return core::Error::warning("沒有這個日期的開獎資料: " + std::string(date));
  return *base;
}

core::Result<std::string> read_trace_number(std::string_view text) {
  const bool digits = !text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string::npos;
  // Padded with insert: GCC 12 wrongly warns (-Wrestrict) about "0" + std::string.
  std::string padded(text);
  if (padded.size() == 1) padded.insert(padded.begin(), '0');
  const auto value = digits ? core::ball_value(padded) : std::nullopt;
  if (!value) return core::Error::warning("號碼必須是 01 到 39: " + std::string(text));
  return core::ball_text(*value);
}

core::Result<int> check_later(const core::DrawHistory& history, int base_draw, int later) {
  const int most = history.stored_draws() - base_draw;
  if (later < 0 || later > most)
    return core::Error::warning("且下期數必須是 0 到 " + std::to_string(most) + ": " + std::to_string(later));
  return later;
}

core::Result<int> check_run(int run, std::string_view text) {
  if (run < 1) return core::Error::warning("連準必須至少為 1: " + std::string(text));
  return run;
}

}  // namespace intervals
