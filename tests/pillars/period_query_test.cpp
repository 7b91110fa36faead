#include "pillars/period_query.h"

#include <gtest/gtest.h>

#include "core/result.h"

#include <cstdio>

#include "core/dates.h"
#include "core/loader.h"
#include "pillars/messages.h"

namespace pillars {
namespace {

int day(std::string_view text) { return core::day_number(*core::parse_date(text)); }

std::string draw_line(int day_number, int issue, std::array<int, 5> balls) {
  char line[40];
  std::snprintf(line, sizeof line, "%s,%06d,%02d,%02d,%02d,%02d,%02d",
                core::format_date(core::date_from_day_number(day_number)).c_str(), issue, balls[0],
                balls[1], balls[2], balls[3], balls[4]);
  return line;
}

// Five distinct balls that vary from draw to draw.
std::array<int, 5> balls_of(int draw) {
  std::array<int, 5> b{};
  unsigned seed = 2654435761u * static_cast<unsigned>(draw);
  for (int k = 0; k < 5;) {
    seed = seed * 1103515245u + 12345u;
    const int v = static_cast<int>((seed >> 16) % 39) + 1;
    if (std::find(b.begin(), b.begin() + k, v) == b.begin() + k) b[k++] = v;
  }
  return b;
}

core::DrawHistory history_of(const std::vector<std::string>& lines) {
  core::DrawHistory h;
  h.orirec = lines;
  h.draw_count = static_cast<int>(lines.size());
  EXPECT_TRUE(core::put_to_ltno(h));
  return h;
}

// `count` daily draws from `first_day`.
core::DrawHistory daily_history(int count, int first_day) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back(draw_line(first_day + i - 1, 100000 + i, balls_of(i)));
  return history_of(lines);
}

int draw_of(const std::string& period_line) { return std::stoi(period_line.substr(16, 6)) - 100000; }

std::vector<int> draws_of(const PeriodResult& r) {
  std::vector<int> draws;
  for (const auto& line : r.lines) draws.push_back(draw_of(line));
  return draws;
}

BoxNumber box(int value) { return {value, std::to_string(value)}; }

TEST(QueryDateRange, IncludesBothEndsAndTitlesTheCount) {
  const auto h = daily_history(57, day("2009/01/02"));
  const auto r = query_date_range(h, day("2009/01/01"), day("2009/03/31"));
  EXPECT_EQ(r.source_mode, pillars::SourceMode::DateRange);
  ASSERT_EQ(r.lines.size(), 57u);
  EXPECT_EQ(r.lines.front().substr(0, 16), "0001,2009/01/02,");
  EXPECT_EQ(r.lines.back().substr(0, 16), "0057,2009/02/27,");
  EXPECT_EQ(r.count_text, "  57");
  EXPECT_EQ(r.period_title, "驗證期間：2009/01/01 至 2009/03/31 共   57 期");
  EXPECT_FALSE(r.first_day);

  // First and last day are draw days.
  EXPECT_EQ(query_date_range(h, day("2009/01/05"), day("2009/01/07")).lines.size(), 3u);
  // Same dates twice: identical result.
  EXPECT_EQ(query_date_range(h, day("2009/01/01"), day("2009/03/31")).lines, r.lines);
}

TEST(QueryDateRange, EmptyPeriods) {
  const auto h = daily_history(10, day("2009/01/02"));
  const auto reversed = query_date_range(h, day("2009/01/08"), day("2009/01/03"));
  EXPECT_TRUE(reversed.lines.empty());
  EXPECT_EQ(reversed.count_text, "  0");
  EXPECT_EQ(reversed.period_title, "驗證期間：2009/01/08 至 2009/01/03 共   0 期");
  EXPECT_TRUE(query_date_range(core::DrawHistory{}, 0, 100000).lines.empty());
}

TEST(QueryRecent, TakesTheLatestDraws) {
  const auto h = daily_history(30, day("2009/01/02"));
  const auto r = query_recent(h, box(5));
  EXPECT_EQ(r.source_mode, pillars::SourceMode::MostRecent);
  EXPECT_EQ(r.period_title, "最近 5 期驗證");
  EXPECT_EQ(draws_of(r), (std::vector<int>{26, 27, 28, 29, 30}));
  EXPECT_EQ(r.lines.front().substr(0, 4), "0001");
  EXPECT_EQ(r.first_day, day("2009/01/27"));
  EXPECT_EQ(r.count_text, "  5");

  // More than the table: every draw, picker at the first.
  const auto all = query_recent(h, box(1000));
  EXPECT_EQ(all.lines.size(), 30u);
  EXPECT_EQ(all.first_day, day("2009/01/02"));

  // Zero, negative and extreme counts: no line, the picker is left alone.
  for (int n : {0, -5, INT_MIN}) {
    const auto none = query_recent(h, box(n));
    EXPECT_TRUE(none.lines.empty()) << n;
    EXPECT_EQ(none.count_text, "  0");
    EXPECT_FALSE(none.first_day);
  }
  EXPECT_EQ(query_recent(h, box(INT_MAX)).lines.size(), 30u);
  // The title quotes the box text as typed.
  EXPECT_EQ(query_recent(h, {50, " 50"}).period_title, "最近  50 期驗證");
}

TEST(QueryEvery, CountsBackFromTheLatestDraw) {
  const auto h = daily_history(1000, day("2005/01/01"));
  const auto r = query_every(h, box(3), box(4));
  EXPECT_EQ(r.source_mode, pillars::SourceMode::EveryMth);
  EXPECT_EQ(r.period_title, "每 3 期一次，取最近 4 期驗證");
  EXPECT_EQ(draws_of(r), (std::vector<int>{991, 994, 997, 1000}));
  EXPECT_EQ(r.pick_draws.size(), 334u);  // 1, 4, ..., 1000
  EXPECT_EQ(r.pick_draws.front(), 1);
  EXPECT_EQ(r.first_day, h.draw_date[990]);

  // draw_count a multiple of M: M, 2M, ..., draw_count.
  const auto multiple = query_every(h, box(10), box(1000));
  EXPECT_EQ(multiple.lines.size(), 100u);
  EXPECT_EQ(draw_of(multiple.lines.front()), 10);
  EXPECT_EQ(multiple.first_day, h.draw_date[9]);

  // M = 1 is the most recent N.
  EXPECT_EQ(query_every(h, box(1), box(7)).lines, query_recent(h, box(7)).lines);
  // M beyond the table: only the latest draw.
  EXPECT_EQ(draws_of(query_every(h, box(5000), box(4))), std::vector<int>{1000});
  // N <= 0: nothing listed, picker unchanged.
  const auto none = query_every(h, box(3), box(0));
  EXPECT_TRUE(none.lines.empty());
  EXPECT_FALSE(none.first_day);
}

TEST(ReadBoxes, RefuseWhatTheQueriesCannotUse) {
  EXPECT_EQ(read_count_box("50")->value, 50);
  EXPECT_EQ(read_count_box("-3")->value, -3);
  EXPECT_EQ(read_count_box("5x").error(), core::Error::error(std::string(msg::not_an_integer("5x"))));
  EXPECT_EQ(read_count_box("").error(), core::Error::error(std::string(msg::not_an_integer(""))));
  EXPECT_EQ(read_count_box("99999999999").error(), core::Error::error(std::string(msg::not_an_integer("99999999999"))));

  EXPECT_EQ(read_interval_box("1")->value, 1);
  EXPECT_EQ(read_interval_box("0").error(), core::Error::warning(std::string(msg::kIntervalBelowOne)));
  EXPECT_EQ(read_interval_box("-2").error(), core::Error::warning(std::string(msg::kIntervalBelowOne)));

  EXPECT_EQ(read_position_box("5")->value, 5);
  EXPECT_EQ(read_position_box("0").error(), core::Error::warning(std::string(msg::kPositionOutOfRange)));
  EXPECT_EQ(read_position_box("6").error(), core::Error::warning(std::string(msg::kPositionOutOfRange)));
  EXPECT_EQ(read_position_box("a").error(), core::Error::error(std::string(msg::not_an_integer("a"))));
}

// Draws built so the trace is known: number 17 stands second smallest in draws 3, 7
// and 10 (the latest); 17 also appears as the largest ball in draw 5.
core::DrawHistory trace_history() {
  std::vector<std::string> lines;
  for (int i = 1; i <= 10; ++i) {
    std::array<int, 5> b{1, 20, 25, 30, 35};
    if (i == 3 || i == 7 || i == 10) b = {2, 17, 25, 30, 35};
    if (i == 5) b = {2, 5, 6, 9, 17};
    lines.push_back(draw_line(day("2010/03/01") + i, 100000 + i, b));
  }
  return history_of(lines);
}

TEST(RecentDrawDates, NewestFirstAndBounded) {
  const auto h = trace_history();
  const auto dates = recent_draw_dates(h);
  ASSERT_EQ(dates.size(), 10u);  // fewer draws than 20: one date per draw
  EXPECT_EQ(dates.front(), "2010/03/11");
  EXPECT_EQ(recent_draw_dates(h, 3).back(), "2010/03/09");
  EXPECT_TRUE(recent_draw_dates(core::DrawHistory{}).empty());
}

TEST(TraceSetup, SetsNumberAndDistance) {
  const auto h = trace_history();
  const auto latest = trace_setup(h, "2010/03/11", "2");
  ASSERT_TRUE(latest.ok());
  EXPECT_EQ(latest->number, "17");
  EXPECT_EQ(latest->prediction, "1");
  // The third date of the list traces three draws ahead.
  const auto third = trace_setup(h, "2010/03/09", "1");
  EXPECT_EQ(third->number, "01");
  EXPECT_EQ(third->prediction, "3");

  EXPECT_EQ(trace_setup(h, "2010/04/01", "1").error(), core::Error::warning(std::string(msg::no_draw_on("2010/04/01"))));
  EXPECT_EQ(trace_setup(h, "not a date", "1").error(), core::Error::warning(std::string(msg::no_draw_on("not a date"))));
  EXPECT_EQ(trace_setup(h, "2010/03/11", "7").error(), core::Error::warning(std::string(msg::kPositionOutOfRange)));
  EXPECT_FALSE(trace_setup(core::DrawHistory{}, "", "1").ok());
}

TEST(QueryTrace, ListsTheFollowersOfEachEarlierOccurrence) {
  const auto h = trace_history();
  const auto in = read_trace_inputs("2", "17", "1", true);
  ASSERT_TRUE(in.ok());
  const auto r = query_trace(h, *in);
  EXPECT_EQ(r.source_mode, pillars::SourceMode::NumberTrace);
  EXPECT_EQ(r.pick_draws, (std::vector<int>{3, 7, 10}));
  EXPECT_EQ(draws_of(r), (std::vector<int>{4, 8}));
  EXPECT_EQ(r.lines[1].substr(0, 4), "0002");
  EXPECT_EQ(r.count_text, "  2");
  EXPECT_EQ(r.period_title, "當第 2 支開17之下1期統計驗證 (共 2 期)");
  EXPECT_FALSE(r.first_day);

  // Anywhere: draw 5 joins.
  const auto anywhere = query_trace(h, *read_trace_inputs("2", "17", "1", false));
  EXPECT_EQ(draws_of(anywhere), (std::vector<int>{4, 6, 8}));
  EXPECT_EQ(anywhere.period_title, "當17不定點開出 之下1期統計驗證 (共 3 期)");

  // Distance 3: draws up to 8 are searched (3, 7), the last collected (7) is dropped.
  EXPECT_EQ(draws_of(query_trace(h, *read_trace_inputs("2", "17", "3", true))), std::vector<int>{6});
}

TEST(QueryTrace, EmptyAndOutOfModelInputs) {
  const auto h = trace_history();
  // "5" is not the two-digit text of a ball.
  EXPECT_TRUE(query_trace(h, *read_trace_inputs("2", "7", "1", true)).lines.empty());
  // Found only once: nothing listed.
  const auto once = query_trace(h, *read_trace_inputs("5", "17", "1", true));
  EXPECT_TRUE(once.lines.empty());
  EXPECT_EQ(once.period_title, "當第 5 支開17之下1期統計驗證 (共 0 期)");
  // Distance beyond the table.
  EXPECT_TRUE(query_trace(h, *read_trace_inputs("2", "17", "11", true)).lines.empty());
  // Zero and negative distances stay inside the table.
  EXPECT_EQ(draws_of(query_trace(h, *read_trace_inputs("2", "17", "0", true))), (std::vector<int>{3, 7}));
  EXPECT_EQ(draws_of(query_trace(h, *read_trace_inputs("2", "17", "-3", true))), (std::vector<int>{4}));
  EXPECT_TRUE(query_trace(h, *read_trace_inputs("2", "17", "-2147483648", true)).lines.empty());

  EXPECT_EQ(read_trace_inputs("9", "17", "1", true).error(), core::Error::warning(std::string(msg::kPositionOutOfRange)));
  EXPECT_EQ(read_trace_inputs("1", "17", "x", true).error(), core::Error::error(std::string(msg::not_an_integer("x"))));
}

}  // namespace
}  // namespace pillars
