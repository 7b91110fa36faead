// The trace summary chart: series, titles and memos in summary and query modes.
#include <gtest/gtest.h>

#include "analysis/trace/trace_chart.h"
#include "support/draw_tables.h"

namespace trace {
namespace {

const TraceTable& chart_table() {
  static const TraceTable t = make_trace_table(test_support::history_of({
      {6, 18, 22, 30, 45},  // 1 (45 has no column)
      {1, 2, 3, 4, 5},      // 2
      {6, 18, 7, 17, 27},   // 3
      {11, 13, 23, 33, 0},  // 4 (00 has no column)
      {6, 12, 18, 24, 36},  // 5
      {6, 18, 30, 31, 32},  // 6: the reference of 拖下一期
  }));
  return t;
}

ChartSettings settings(std::initializer_list<int> next, std::initializer_list<int> levels = {1}) {
  ChartSettings s;
  s.from = {2009, 1, 1};
  s.to = {2009, 1, 6};
  s.next = {};
  s.levels = {};
  for (const int k : next) s.next[static_cast<std::size_t>(k - 1)] = true;
  for (const int l : levels) s.levels[static_cast<std::size_t>(l - 1)] = true;
  return s;
}

ChartSettings query(ChartQueryKind kind, std::string text, std::initializer_list<int> next = {1}) {
  ChartSettings s = settings(next, {});
  s.query = ChartQuery{kind, text, {}, false};
  if (s.query->positional()) {
    std::size_t j = 0, start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
      s.query->fields[j++] = text.substr(start, comma - start);
    s.query->fields[j] = text.substr(start);
  }
  return s;
}

// The memo lines' issue numbers (their third field), header left out.
std::vector<std::string> issues(const std::vector<std::string>& memo) {
  std::vector<std::string> out;
  for (std::size_t i = 1; i < memo.size(); ++i) out.push_back(memo[i].substr(18, 6));
  return out;
}

std::vector<std::string> labels(const std::vector<Bar>& bars) {
  std::vector<std::string> out;
  for (const auto& b : bars) out.push_back(b.label + "=" + std::to_string(b.value));
  return out;
}

TEST(ChartSummary, NewestDrawIsTheReferenceOfTheFirstDistance) {
  ChartSettings s = settings({1});
  s.sorted = false;
  const ChartData data = run_chart(chart_table(), s, "今彩539");
  EXPECT_EQ(data.period_draws, 6);
  EXPECT_EQ(data.number_title, "拖牌號碼統計(2009/01/01-2009/01/06)");
  EXPECT_EQ(data.tail_title, "拖牌尾數統計(2009/01/01-2009/01/06)");
  EXPECT_EQ(data.head_title, "拖牌頭數統計(2009/01/01-2009/01/06)");
  EXPECT_EQ(data.resembling_draws.front(), "編號, 開獎日期__, 期數__, 號碼");
  EXPECT_EQ(data.resembling_draws[1], "0001, 2009/01/01, 098001, 06,18,22,30,45,");
  EXPECT_EQ(data.following_draws[1], "0001, 2009/01/02, 098002, 01,02,03,04,05,");
  // The newest draw matches itself but has no following draw.
  EXPECT_EQ(issues(data.resembling_draws), (std::vector<std::string>{"098001", "098003", "098005", "098006"}));
  EXPECT_EQ(issues(data.following_draws), (std::vector<std::string>{"098002", "098004", "098006"}));
  ASSERT_EQ(data.numbers.size(), 39u);
  EXPECT_EQ(labels(data.numbers)[0], "01=1");
  EXPECT_EQ(labels(data.numbers)[6], "07=0");
  EXPECT_EQ(labels(data.tails), (std::vector<std::string>{"0尾=1", "1尾=3", "2尾=2", "3尾=4", "4尾=1", "5尾=1", "6尾=1",
                                                          "7尾=0", "8尾=1", "9尾=0"}));
  EXPECT_EQ(labels(data.heads), (std::vector<std::string>{"0頭=6", "1頭=3", "2頭=1", "3頭=4"}));
  EXPECT_TRUE(data.messages.empty());
}

TEST(ChartSummary, SortedBarsPutTheHigherItemFirstOnTies) {
  const ChartData data = run_chart(chart_table(), settings({1}), "今彩539");
  EXPECT_EQ(labels(data.tails), (std::vector<std::string>{"3尾=4", "1尾=3", "2尾=2", "8尾=1", "6尾=1", "5尾=1", "4尾=1",
                                                          "0尾=1", "9尾=0", "7尾=0"}));
  EXPECT_EQ(labels(data.numbers).front(), "33=1");
  EXPECT_EQ(labels(data.numbers).back(), "07=0");
  // Nothing counted: zero bars in descending item order.
  const ChartData none = run_chart(chart_table(), settings({}), "今彩539");
  EXPECT_EQ(labels(none.heads), (std::vector<std::string>{"3頭=0", "2頭=0", "1頭=0", "0頭=0"}));
  EXPECT_EQ(none.resembling_draws.size(), 1u);
}

TEST(ChartSummary, LevelsDistancesAndThePeriod) {
  struct Case {
    const char* name;
    ChartSettings s;
    std::vector<std::string> memo1, memo2;
  };
  ChartSettings period = settings({1});
  period.from = {2009, 1, 2};
  period.to = {2009, 1, 5};
  const Case cases[] = {
      {"each ticked level lists again",
       settings({1}, {1, 3}),
       {"098001", "098003", "098005", "098006", "098001", "098006"},
       {"098002", "098004", "098006", "098002"}},
      {"second distance: the draw before the newest", settings({2}, {3}), {"098005"}, {}},
      {"fewer draws than the distance: no reference", settings({7}), {}, {}},
      {"the period limits the matched draws, not the following ones",
       period,
       {"098003", "098005"},
       {"098004", "098006"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ChartData data = run_chart(chart_table(), c.s, "今彩539");
    EXPECT_EQ(issues(data.resembling_draws), c.memo1);
    EXPECT_EQ(issues(data.following_draws), c.memo2);
  }
  EXPECT_EQ(run_chart(chart_table(), period, "今彩539").period_draws, 4);
}

TEST(ChartQuery, MatchesTitlesAndMessages) {
  auto with_order = [](ChartSettings s, bool ascending) {
    s.query->ascending = ascending;
    return s;
  };
  struct Case {
    const char* name;
    ChartSettings s;
    std::vector<std::string> memo1;
    std::string title_prefix;
  };
  const Case cases[] = {
      {"numbers", query(ChartQueryKind::Numbers, "0618"), {"098001", "098003", "098005", "098006"}, "今彩539 0618"},
      {"numbers without spaces",
       query(ChartQueryKind::Numbers, " 06 18"),
       {"098001", "098003", "098005", "098006"},
       "今彩539 0618"},
      {"a number twice needs two balls", query(ChartQueryKind::Numbers, "0606"), {}, "今彩539 0606"},
      {"one character matches nothing", query(ChartQueryKind::Numbers, "6"), {}, "今彩539 6"},
      {"tail anywhere", query(ChartQueryKind::Tails, "7"), {"098003"}, "今彩539尾數7"},
      {"a tail twice needs two balls", query(ChartQueryKind::Tails, "33"), {"098004"}, "今彩539尾數33"},
      {"position in ascending order",
       with_order(query(ChartQueryKind::Positions, ",18,,,"), true),
       {"098001", "098006"},
       "今彩539 ,18,,,"},
      {"position in drawn order",
       query(ChartQueryKind::Positions, ",18,,,"),
       {"098001", "098003", "098006"},
       "今彩539 ,18,,,"},
      {"position tail",
       query(ChartQueryKind::PositionTails, "6,,,,"),
       {"098001", "098003", "098005", "098006"},
       "今彩539 6,,,,"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ChartData data = run_chart(chart_table(), c.s, "今彩539");
    EXPECT_EQ(issues(data.resembling_draws), c.memo1);
    EXPECT_EQ(data.number_title, c.title_prefix + "拖牌號碼統計(2009/01/01-2009/01/06)");
    EXPECT_EQ(data.messages.size(), data.following_draws.size() > 1 ? 0u : 1u);
  }
  EXPECT_EQ(run_chart(chart_table(), query(ChartQueryKind::Numbers, "0606", {1, 2}), "今彩539").messages,
            (std::vector<std::string>(2, "您查詢的號碼0606尚無開出記錄,故無統計資訊")));
  EXPECT_EQ(run_chart(chart_table(), query(ChartQueryKind::PositionTails, "9,,,,"), "今彩539").messages,
            (std::vector<std::string>{"您查詢的尾數9,,,,尚無開出記錄,故無統計資訊"}));
}

TEST(ChartQuery, PositionalQueriesListTheLastDistanceInTheirOrder) {
  const ChartData data = run_chart(chart_table(), query(ChartQueryKind::Positions, ",18,,,", {1, 2}), "今彩539");
  // Memo1 starts afresh at distance 2; the counter runs on; Memo2 keeps both distances.
  EXPECT_EQ(data.resembling_draws, (std::vector<std::string>{
                            "編號, 開獎日期__, 期數__, 號碼", "0004, 2009/01/01, 098001, 06,18,22,30,45,",
                            "0005, 2009/01/03, 098003, 06,18,07,17,27,", "0006, 2009/01/06, 098006, 06,18,30,31,32,"}));
  EXPECT_EQ(issues(data.following_draws), (std::vector<std::string>{"098002", "098004", "098003", "098005"}));
}

}  // namespace
}  // namespace trace
