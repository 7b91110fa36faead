#include "pillars/period_query.h"

#include <algorithm>
#include <cstdint>

#include "core/dates.h"
#include "core/numbers.h"
#include "pillars/messages.h"
#include "pillars/period_line.h"

namespace pillars {
namespace {

int draw_count_of(const core::DrawHistory& history) {
  // The columns hold kDrawCapacity entries; never read past them whatever draw_count says.
  const auto capacity = static_cast<int>(std::min(history.draw_date.size(), history.issue_no.size()));
  return std::clamp(history.draw_count, 0, std::min(capacity, core::kDrawCapacity));
}

std::string period_count_text(std::size_t count) { return "  " + std::to_string(count); }

// Appends the period lines of the given draws (1-based), numbered from 1.
std::vector<std::string> lines_of(const core::DrawHistory& history, const std::vector<int>& draws) {
  std::vector<std::string> lines;
  lines.reserve(draws.size());
  for (int draw : draws)
    lines.push_back(format_period_line(history, draw, static_cast<int>(lines.size()) + 1));
  return lines;
}

// First index (1-based) of the most recent n entries of a list of `count`; may exceed count.
std::int64_t first_of_recent(std::int64_t count, int n) {
  return std::max<std::int64_t>(count - static_cast<std::int64_t>(n) + 1, 1);
}

core::Result<BoxNumber> read_box(std::string_view text) {
  const auto value = core::to_int(text);
  if (!value) return core::Error::error(msg::not_an_integer(text));
  return BoxNumber{*value, std::string(text)};
}

}  // namespace

std::vector<std::string> get_sumno(const core::DrawHistory& history, int start_day, int end_day) {
  std::vector<std::string> lines;
  const int count = draw_count_of(history);
  for (int d = 1; d <= count; ++d) {
    const double day = history.draw_date[d - 1];
    if (day >= start_day && day <= end_day)
      lines.push_back(format_period_line(history, d, static_cast<int>(lines.size()) + 1));
  }
  return lines;
}

PeriodResult query_date_range(const core::DrawHistory& history, int start_day, int end_day) {
  PeriodResult result;
  result.source_mode = SourceMode::DateRange;
  result.lines = get_sumno(history, start_day, end_day);
  result.count_text = period_count_text(result.lines.size());
  result.period_title = "驗證期間：" + day_text(start_day) + " 至 " + day_text(end_day) + " 共 " +
                        result.count_text + " 期";
  return result;
}

core::Result<BoxNumber> read_count_box(std::string_view text) { return read_box(text); }

core::Result<BoxNumber> read_interval_box(std::string_view text) {
  auto box = read_box(text);
  if (box.ok() && box->value < 1) return core::Error::warning(std::string(msg::kIntervalBelowOne));
  return box;
}

core::Result<BoxNumber> read_position_box(std::string_view text) {
  auto box = read_box(text);
  if (box.ok() && (box->value < 1 || box->value > kBalls))
    return core::Error::warning(std::string(msg::kPositionOutOfRange));
  return box;
}

PeriodResult query_recent(const core::DrawHistory& history, const BoxNumber& recent_count) {
  PeriodResult result;
  result.source_mode = SourceMode::MostRecent;
  result.period_title = "最近 " + recent_count.text + " 期驗證";
  const int count = draw_count_of(history);
  std::vector<int> draws;
  for (std::int64_t d = first_of_recent(count, recent_count.value); d <= count; ++d)
    draws.push_back(static_cast<int>(d));
  if (!draws.empty()) result.first_day = static_cast<int>(history.draw_date[draws.front() - 1]);
  result.lines = lines_of(history, draws);
  result.count_text = period_count_text(result.lines.size());
  return result;
}

PeriodResult query_every(const core::DrawHistory& history, const BoxNumber& interval,
                         const BoxNumber& recent_count) {
  PeriodResult result;
  result.source_mode = SourceMode::EveryMth;
  result.period_title = "每 " + interval.text + " 期一次，取最近 " + recent_count.text + " 期驗證";
  const int count = draw_count_of(history);
  const int m = std::max(interval.value, 1);
  const int r = count % m;
  for (int d = 1; d <= count; ++d)
    if ((d - r) % m == 0) result.pick_draws.push_back(d);
  const auto picked = static_cast<std::int64_t>(result.pick_draws.size());
  std::vector<int> draws;
  for (std::int64_t j = first_of_recent(picked, recent_count.value); j <= picked; ++j)
    draws.push_back(result.pick_draws[j - 1]);
  if (!draws.empty()) result.first_day = static_cast<int>(history.draw_date[draws.front() - 1]);
  result.lines = lines_of(history, draws);
  result.count_text = period_count_text(result.lines.size());
  return result;
}

std::vector<std::string> recent_draw_dates(const core::DrawHistory& history, int count) {
  std::vector<std::string> dates;
  for (int d = draw_count_of(history); d >= 1 && static_cast<int>(dates.size()) < count; --d)
    dates.push_back(day_text(history.draw_date[d - 1]));
  return dates;
}

core::Result<TraceSetup> trace_setup(const core::DrawHistory& history, std::string_view date_text,
                                  std::string_view position_text) {
  const auto position = read_position_box(position_text);
  if (!position.ok()) return position.error();
  const int count = draw_count_of(history);
  // Compare as day numbers: the same as comparing "yyyy/mm/dd" texts, without
  // formatting every date of the table.
  const auto date = core::parse_date(date_text);
  if (date) {
    const int wanted = core::day_number(*date);
    for (int d = count; d >= 1; --d) {
      if (static_cast<int>(history.draw_date[d - 1]) != wanted) continue;
      return TraceSetup{history.ltno_sorted[position->value - 1][d - 1], std::to_string(count - d + 1)};
    }
  }
  return core::Error::warning(msg::no_draw_on(date_text));
}

core::Result<TraceInputs> read_trace_inputs(std::string_view position_text, std::string_view number_text,
                                       std::string_view distance_text, bool fixed_position) {
  const auto position = read_position_box(position_text);
  if (!position.ok()) return position.error();
  const auto distance = read_count_box(distance_text);
  if (!distance.ok()) return distance.error();
  return TraceInputs{*position, std::string(number_text), *distance, fixed_position};
}

core::Result<TraceInputs> read_trace_boxes(std::string_view position_text, std::string_view number_text,
                                      std::string_view distance_text, bool fixed_position) {
  auto inputs = read_trace_inputs(position_text, number_text, distance_text, fixed_position);
  if (inputs.ok() && inputs->distance.value < 1) return core::Error::warning(std::string(msg::kDistanceBelowOne));
  return inputs;
}

PeriodResult query_trace(const core::DrawHistory& history, const TraceInputs& in) {
  PeriodResult result;
  result.source_mode = SourceMode::NumberTrace;
  const int count = draw_count_of(history);
  const int a = std::clamp(in.position.value, 1, kBalls) - 1;
  const std::int64_t n = in.distance.value;
  const std::int64_t last = std::min<std::int64_t>(count, count - n + 1);
  for (std::int64_t d = 1; d <= last; ++d) {
    const auto i = static_cast<std::size_t>(d - 1);
    bool found = false;
    if (in.fixed_position) {
      found = history.ltno_sorted[a][i] == in.number;
    } else {
      for (int k = 0; k < kBalls && !found; ++k) found = history.ltno_sorted[k][i] == in.number;
    }
    if (found) result.pick_draws.push_back(static_cast<int>(d));
  }
  // The last draw collected is the reference draw, whose follower is not drawn yet.
  std::vector<int> draws;
  for (std::size_t j = 0; j + 1 < result.pick_draws.size(); ++j) {
    const std::int64_t target = result.pick_draws[j] + n;
    if (target >= 1 && target <= count) draws.push_back(static_cast<int>(target));
  }
  result.lines = lines_of(history, draws);
  result.count_text = period_count_text(result.lines.size());
  const std::string tail = "之下" + in.distance.text + "期統計驗證 (共 " +
                           std::to_string(result.lines.size()) + " 期)";
  result.period_title = in.fixed_position
                            ? "當第 " + in.position.text + " 支開" + in.number + tail
                            : "當" + in.number + "不定點開出 " + tail;
  return result;
}

}  // namespace pillars
