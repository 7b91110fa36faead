#include "analysis/trace/trace_table.h"

#include <algorithm>
#include <bit>

#include "core/ball_text.h"
#include "core/dates.h"

namespace trace {
namespace {

std::vector<std::string> texts_of(const std::array<int, kBalls>& values) {
  std::vector<std::string> texts;
  for (const int v : values) texts.push_back(v == kNoBall ? std::string() : core::ball_text(v));
  return texts;
}

TraceDraw draw_of(const core::DrawHistory& h, std::size_t i, std::uint64_t columns) {
  TraceDraw draw;
  for (std::size_t k = 0; k < kBalls; ++k) {
    draw.drawn[k] = number_value(h.ltno_drawn[k][i]);
    draw.sorted[k] = number_value(h.ltno_sorted[k][i]);
    if (draw.drawn[k] == kNoBall) continue;
    draw.balls.add(draw.drawn[k]);
    if (draw.drawn[k] < 64) draw.marks |= (std::uint64_t{1} << draw.drawn[k]) & columns;
  }
  return draw;
}

}  // namespace

void BallSet::add(int value) {
  if (value < 0 || value > 127) return;
  (value < 64 ? low : high) |= std::uint64_t{1} << (value & 63);
}

bool BallSet::contains(int value) const {
  if (value < 0 || value > 127) return false;
  return ((value < 64 ? low : high) >> (value & 63)) & 1;
}

int BallSet::common(const BallSet& other) const {
  return std::popcount(low & other.low) + std::popcount(high & other.high);
}

std::uint64_t ball_range_mask(int max_ball) {
  max_ball = std::clamp(max_ball, 0, 62);
  return ((std::uint64_t{1} << (max_ball + 1)) - 1) & ~std::uint64_t{1};
}

int number_value(std::string_view text) {
  const auto value = core::two_digit_value(text);
  return value ? *value : kNoBall;
}

TraceTable make_trace_table(const core::DrawHistory& history) {
  TraceTable table;
  table.max_ball = std::clamp(history.max_ball, 1, kMaxColumnBall);
  const std::uint64_t columns = ball_range_mask(table.max_ball);
  const auto count = static_cast<std::size_t>(history.stored_draws());
  table.draws.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    table.draws.push_back(draw_of(history, i, columns));
    const int day = static_cast<int>(history.draw_date[i]);
    table.days.push_back(day);
    table.dates.push_back(core::format_date(core::date_from_day_number(day)));
    table.issues.push_back(history.issue_no[i]);
  }
  return table;
}

std::optional<int> find_issue(const TraceTable& table, std::string_view issue) {
  for (int i = table.draw_count(); i >= 1; --i)
    if (table.issue(i) == issue) return i;
  return std::nullopt;
}

int next_draw_distance(const TraceTable& table, int s) { return table.draw_count() - s + 1; }

std::vector<std::string> latest_issues(const TraceTable& table, int count) {
  std::vector<std::string> issues;
  for (int i = table.draw_count(); i >= 1 && static_cast<int>(issues.size()) < count; --i)
    issues.push_back(table.issue(i));
  return issues;
}

std::vector<std::string> drawn_texts(const TraceTable& table, int s) { return texts_of(table.draw(s).drawn); }
std::vector<std::string> sorted_texts(const TraceTable& table, int s) { return texts_of(table.draw(s).sorted); }

}  // namespace trace
