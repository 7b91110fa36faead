#include "core/dates.h"

#include <gtest/gtest.h>

namespace {

TEST(Dates, ParseFormatAndDayNumbers) {
  EXPECT_EQ(core::day_number(*core::parse_date("2007/01/05")), 39087);
  EXPECT_EQ(core::format_date(core::date_from_day_number(39087)), "2007/01/05");
  EXPECT_EQ(core::day_number(*core::parse_date("1899/12/30")), 0);
  for (const char* bad : {"2007/13/45", "2007/02/30", "2007-01-05", "2007/1/5", "", "abcd/ef/gh", "2007/00/10"})
    EXPECT_FALSE(core::parse_date(bad)) << bad;
  EXPECT_TRUE(core::parse_date("2024/02/29"));
  EXPECT_FALSE(core::parse_date("2023/02/29"));
}

}  // namespace
