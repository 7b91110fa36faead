// What the trace windows make of typed number boxes, and the chart title they show for a
// positional query (the run's own title, which the command line prints, stays as it is).
#include <gtest/gtest.h>

#include "analysis/trace/chart_titles.h"
#include "analysis/trace/number_entry.h"

namespace trace {
namespace {

TEST(NumberEntry, ReadsOneOrTwoDigitsPerNumberAndRefusesTheRest) {
  struct Case {
    TraceTab tab;
    const char* typed;
    const char* read;  // nullptr: refused
  };
  const Case cases[] = {
      {TraceTab::Single, "5", "05"},          {TraceTab::Single, "05", "05"},
      {TraceTab::Drawn, "39", "39"},          {TraceTab::Single, "40", nullptr},
      {TraceTab::Single, "0", nullptr},       {TraceTab::Ascending, "5x", nullptr},
      {TraceTab::Single, "005", nullptr},     {TraceTab::Single, "", nullptr},
      {TraceTab::Pair, "3.17", "03.17"},      {TraceTab::Pair, "03.17", "03.17"},
      {TraceTab::Pair, "03", nullptr},        {TraceTab::Pair, "03.17.20", nullptr},
      {TraceTab::Pair, "03.", nullptr},       {TraceTab::Triple, "1.2.3", "01.02.03"},
      {TraceTab::Triple, "01.02", nullptr},   {TraceTab::Triple, "01.02.40", nullptr},
      {TraceTab::Add, "anything", "anything"},
  };
  for (const Case& c : cases) {
    const auto read = read_number_entry(c.tab, c.typed, 39);
    ASSERT_EQ(static_cast<bool>(read), c.read != nullptr) << c.typed;
    if (c.read) {
      EXPECT_EQ(*read, c.read);
    }
  }
  EXPECT_EQ(read_number_entry(TraceTab::Single, "5x", 39).error().text,
            "「5x」不是有效的號碼，請輸入兩位數的號碼，如 05 (01 到 39)");
  EXPECT_EQ(read_number_entry(TraceTab::Triple, "1.2", 39).error().text,
            "「1.2」不是有效的三星號碼，請輸入如 05.12.23 的 3 個號碼 (01 到 39)");
}

TEST(ChartTitles, PositionalQueriesNameTheirPositions) {
  ChartData data;
  data.number_title = "今彩539 ,15,,07,拖牌號碼統計(2009/01/01-2009/01/06)";
  ChartSettings settings;
  ChartQuery query{ChartQueryKind::Positions, "", {"", "15", "", "07", ""}, true};
  settings.query = query;
  EXPECT_EQ(shown_number_title(data, settings, "今彩539"),
            "今彩539 第2順球 15 第4順球 07 拖牌號碼統計(2009/01/01-2009/01/06)");
  settings.query = ChartQuery{ChartQueryKind::PositionTails, "", {"6", "", "", "", ""}, false};
  EXPECT_EQ(shown_number_title(data, settings, "今彩539"), "今彩539尾數 第1落球 6 拖牌號碼統計(2009/01/01-2009/01/06)");
  settings.query = ChartQuery{ChartQueryKind::Numbers, "0618", {}, false};
  EXPECT_EQ(shown_number_title(data, settings, "今彩539"), data.number_title);
}

}  // namespace
}  // namespace trace
