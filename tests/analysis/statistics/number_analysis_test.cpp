// The number analysis counts: the last N rows, both orders, and the refused counts.
#include "analysis/statistics/number_analysis.h"

#include <gtest/gtest.h>

namespace statistics {
namespace {

trace::TraceExport rows_of(const std::vector<std::vector<int>>& marked) {
  trace::TraceExport out;
  for (const auto& numbers : marked) {
    std::uint64_t marks = 0;
    for (const int n : numbers) marks |= std::uint64_t{1} << n;
    out.rows.push_back({"2009/01/01", "098001", marks});
  }
  return out;
}

// Rows 1..4: 01 is marked in the first row only.
const trace::TraceExport kRows = rows_of({{1, 2}, {10, 20, 30}, {7, 17}, {7, 39}});

std::vector<std::string> tops(const std::vector<CountCell>& cells, std::size_t from, std::size_t count) {
  std::vector<std::string> out;
  for (std::size_t p = from; p < from + count; ++p) out.push_back(cells[p].top + ":" + cells[p].bottom);
  return out;
}

TEST(ShowAnalysis, CountsTheLastRowsInNumberOrder) {
  const auto counts = show_analysis(kRows, "3", false, 39);
  ASSERT_TRUE(counts.ok());
  ASSERT_EQ(counts->numbers.size(), 42u);
  EXPECT_EQ(tops(counts->numbers, 0, 2), (std::vector<std::string>{"1:", "2:"}));  // row 1 is not counted
  EXPECT_EQ(tops(counts->numbers, 6, 1), (std::vector<std::string>{"7:2"}));
  EXPECT_EQ(tops(counts->numbers, 38, 4), (std::vector<std::string>{"39:1", "40:", "41:", "42:"}));
  EXPECT_EQ(counts->tails[0].top, "  0");
  EXPECT_EQ(counts->tails[0].bottom, "3");  // 10, 20 and 30
  EXPECT_EQ(counts->tails[7].bottom, "3");
  EXPECT_EQ(counts->tails[1].bottom, "");
}

TEST(ShowAnalysis, SortedLargerNumberFirstOnEqualCounts) {
  const auto counts = show_analysis(kRows, "4", true, 39);
  EXPECT_EQ(tops(counts->numbers, 0, 4), (std::vector<std::string>{"7:2", "39:1", "30:1", "20:1"}));
  EXPECT_EQ(tops(counts->numbers, 38, 4), (std::vector<std::string>{"3:", "0:", "0:", "0:"}));
  EXPECT_EQ(counts->tails[0].top + counts->tails[0].bottom, "  73");
  EXPECT_EQ(counts->tails[1].top + counts->tails[1].bottom, "  03");
  EXPECT_EQ(counts->tails[2].top + counts->tails[2].bottom, "  91");
}

TEST(ShowAnalysis, CountsNothingOrRefuses) {
  struct Case {
    const char* recent;
    bool refused;
  };
  const Case cases[] = {{"0", false},   {"-3", false}, {"5", false},  {"2500", false},
                        {"2501", true}, {"x", true},   {"3.0", true}, {"", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.recent);
    const auto counts = show_analysis(kRows, c.recent, false, 39);
    ASSERT_EQ(counts.ok(), !c.refused);
    if (c.refused) {
      EXPECT_EQ(counts.error().text, kBadRecentCount);
      continue;
    }
    for (const auto& cell : counts->numbers) EXPECT_EQ(cell.bottom, "");
  }
  EXPECT_TRUE(show_analysis({}, "0", true, 39).ok());
}

TEST(RecentItems, TwoToTheRowCount) {
  EXPECT_EQ(recent_items(4), (std::vector<std::string>{"2", "3", "4"}));
  EXPECT_TRUE(recent_items(1).empty());
}

}  // namespace
}  // namespace statistics
