#include "exchange/print_lines.h"

#include <gtest/gtest.h>

#include "core/loader.h"

namespace {

core::DrawHistory loaded(const std::string& bytes) {
  core::DrawHistory history;
  (void)core::load_draw_lines(history, bytes, "2010/01/01");
  EXPECT_TRUE(core::put_to_ltno(history));
  return history;
}

const std::string kThreeDraws =
    "2009/01/05,098003,39,05,17,22,08\r\n"
    "2009/01/02,098001,01,02,03,04,05\r\n"
    "2009/01/03,098002,11,32,13,04,15\r\n";

TEST(count_draws_between, BothEndsAreInclusive) {
  const core::DrawHistory history = loaded(kThreeDraws);
  struct Case {
    core::Date from, to;
    int expected;
  };
  const Case cases[] = {
      {exchange::kFirstPrintDate, {2010, 1, 1}, 3},
      {{2009, 1, 2}, {2009, 1, 2}, 1},  // one day, on a draw
      {{2009, 1, 3}, {2009, 1, 5}, 2},  // both ends on draws
      {{2009, 1, 4}, {2009, 1, 4}, 0},  // a day without a draw
      {{2009, 1, 5}, {2009, 1, 2}, 0},  // from after to
  };
  for (const auto& c : cases)
    EXPECT_EQ(exchange::count_draws_between(history, c.from, c.to), c.expected)
        << core::format_date(c.from) << "-" << core::format_date(c.to);
}

TEST(date_range_lines, FollowTheGridOrderAndBallOrder) {
  const core::DrawHistory history = loaded(kThreeDraws);
  const auto drawn = exchange::records_grid(history, false);
  ASSERT_TRUE(drawn);
  EXPECT_EQ(exchange::date_range_lines(*drawn, {2009, 1, 3}, {2009, 1, 5}),
            (std::vector<std::string>{"001_2009/01/05  098003  39  05  17  22  08  ",
                                      "002_2009/01/03  098002  11  32  13  04  15  "}));
  const auto sorted = exchange::records_grid(history, true);
  ASSERT_TRUE(sorted);
  EXPECT_EQ(sorted->cell(2, 0), "順一");
  EXPECT_EQ(exchange::date_range_lines(*sorted, {2009, 1, 1}, {2009, 1, 3}),
            (std::vector<std::string>{"001_2009/01/03  098002  04  11  13  15  32  ",
                                      "002_2009/01/02  098001  01  02  03  04  05  "}));
  EXPECT_TRUE(exchange::date_range_lines(*drawn, {2009, 1, 4}, {2009, 1, 4}).empty());
  // The caller's table keeps its oldest-first order.
  EXPECT_EQ(history.orirec.front().substr(0, 10), "2009/01/02");
}

TEST(date_range_lines, NumbersGrowPastThreeDigitsAndSkipRowsWithoutADate) {
  core::TextGrid grid(1002, 7);
  for (int r = 1; r <= 1000; ++r) grid.set_cell(0, r, "2009/01/02");
  grid.set_cell(0, 1001, "not a date");
  const auto lines = exchange::date_range_lines(grid, {2009, 1, 1}, {2009, 1, 31});
  ASSERT_EQ(lines.size(), 1000u);
  EXPECT_EQ(lines[998].substr(0, 4), "999_");
  EXPECT_EQ(lines[999], "1000_2009/01/02" + std::string(7 * 2, ' '));  // seven cells, each and its two blanks
}

}  // namespace
