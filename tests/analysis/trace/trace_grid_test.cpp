// The trace grid: marks, tail counts, the summary block, the text form, the ordering
// keys, the export and the sorted display.
#include <gtest/gtest.h>

#include <map>

#include "analysis/trace/sorted_grid.h"
#include "analysis/trace/trace.h"
#include "support/draw_tables.h"

namespace trace {
namespace {

// Draw 1 holds the hand-edited balls 45 and 00, which have no column.
const TraceTable& grid_table() {
  static const TraceTable t = make_trace_table(test_support::history_of({
      {10, 20, 35, 45, 0},   // 1
      {1, 2, 3, 4, 5},       // 2
      {10, 11, 12, 13, 14},  // 3
  }));
  return t;
}

TraceResult traced(TraceTab tab, const std::string& number, int distance, const std::string& extra = "1") {
  TraceBoxes b;
  b.tab = tab;
  b.number = number;
  b.position = extra;
  b.step = extra;
  b.issue = "098003";
  return *trace_tab(grid_table(), b, distance, all_draws(grid_table()));
}

// A text-form line: 53 fields, each followed by ",", holding `cells` at their columns.
std::string line(const std::map<int, std::string>& cells) {
  std::string text;
  for (int c = 0; c < 53; ++c) {
    const auto it = cells.find(c);
    (text += it == cells.end() ? "" : it->second) += ',';
  }
  return text;
}

std::map<int, std::string> with(std::map<int, std::string> cells, const std::map<int, std::string>& more) {
  cells.insert(more.begin(), more.end());
  return cells;
}

std::map<int, std::string> header() {
  std::map<int, std::string> cells;
  const auto texts = grid_header(39);
  for (std::size_t c = 0; c < texts.size(); ++c) cells[static_cast<int>(c)] = texts[c];
  return cells;
}

TEST(TextForm, RowsAndSummaryOfASmallTrace) {
  // Rows: draws 1 and 3. Columns: 10 -> 11, 11..14 -> 12..15, 20 -> 21, 35 -> 36; tails 42..51.
  const std::map<int, std::string> first_row_counts{{11, "2"}, {21, "1"}, {36, "1"}, {42, "2"}, {47, "1"}};
  const std::map<int, std::string> second_row_counts{{12, "1"}, {13, "1"}, {14, "1"}, {15, "1"},
                                                     {43, "1"}, {44, "1"}, {45, "1"}, {46, "1"}};
  const auto counts = with(first_row_counts, second_row_counts);
  const std::vector<std::string> expected{
      line(header()),
      line({{0, "2009/01/01"}, {1, "098001"}, {11, "●"}, {21, "●"}, {36, "●"}, {42, "2"}, {47, "1"}}),
      line({{0, "2009/01/03"},
            {1, "098003"},
            {11, "●"},
            {12, "●"},
            {13, "●"},
            {14, "●"},
            {15, "●"},
            {42, "1"},
            {43, "1"},
            {44, "1"},
            {45, "1"},
            {46, "1"}}),
      line({}),
      line(with({{0, "期數 2"}, {1, " 號   碼"}}, header())),
      line(with({{1, "    ●"}}, counts)),
      line({{0, "統計 "}, {1, "      "}}),
      line(with({{0, "最近 2 期"}, {1, "    ●"}}, counts)),
      line(with({{0, "連莊開出"}}, first_row_counts)),
      line(with({{0, "隔二版開出"}}, second_row_counts)),
      line({{0, "隔三版開出"}}),
      line({{0, "隔四版開出"}}),
      line({{0, "隔五版開出"}}),
      line({{0, "隔六版開出"}}),
      line({{0, "隔七版以上"}}),
  };
  const TraceResult shown = traced(TraceTab::Single, "10", 0);
  EXPECT_EQ(shown.label, "本期");
  EXPECT_EQ(text_form(shown.grid, 39), expected);
}

TEST(TextForm, EmptyTraceStillHasItsSummary) {
  const auto lines = text_form(traced(TraceTab::Single, "5", 0).grid, 39);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[2], line(with({{0, "期數 0"}, {1, " 號   碼"}}, header())));
  EXPECT_EQ(lines[5], line({{0, "最近 0 期"}, {1, "    ●"}}));
}

TEST(TraceGrid, DrawnTabMarksPositionsAndCycleCountsOneMore) {
  const TraceResult drawn = traced(TraceTab::Drawn, "10", 0);
  EXPECT_EQ(drawn.grid.cell(11, 1), "１");
  EXPECT_EQ(drawn.grid.cell(21, 1), "２");
  EXPECT_EQ(drawn.grid.cell(36, 1), "３");
  EXPECT_EQ(drawn.grid.cell(15, 2), "５");
  EXPECT_EQ(drawn.grid.cell(1, 5), "    ●");  // counts row label
  EXPECT_EQ(drawn.grid.cell(11, 5), "2");

  // Cycle back from draw 3, step 2: the draw after it, then draw 2; R = 1 shows 2.
  const TraceResult cycle = traced(TraceTab::Cycle, "", 0, "2");
  EXPECT_EQ(cycle.trace_list, (std::vector<int>{2}));
  EXPECT_EQ(cycle.grid.cell(0, 3), "期數 2");
  EXPECT_EQ(cycle.grid.cell(0, 6), "最近 2 期");
}

TEST(TraceGrid, GapClassesCountFromRowZero) {
  // 07 is marked in trace rows 2, 3 and 10 (every draw holds 01, so the rows are the draws).
  std::vector<test_support::Balls> draws(10, {1, 14, 15, 16, 17});
  draws[1] = draws[2] = draws[9] = {1, 7, 22, 38, 39};
  const TraceTable t = make_trace_table(test_support::history_of(draws));
  TraceBoxes b;
  b.number = "01";
  const auto shown = trace_tab(t, b, 0, all_draws(t));
  const int r = 10, column = 8;
  EXPECT_EQ(shown->grid.cell(column, r + 3), "3");
  const std::vector<std::string> classes{"1", "1", "", "", "", "", "1"};
  for (int g = 0; g < 7; ++g) EXPECT_EQ(shown->grid.cell(column, r + 6 + g), classes[static_cast<std::size_t>(g)]) << g;
  // 01 in every row: ten gaps of one.
  EXPECT_EQ(shown->grid.cell(2, r + 6), "10");
}

TEST(SortKeys, TotalsWithTheHigherNumberOrDigitFirst) {
  const SortKeys keys = traced(TraceTab::Single, "10", 0).keys;
  EXPECT_EQ(keys.number_sort_key[10], 2010);
  EXPECT_EQ(keys.number_sort_key[11], 1011);
  EXPECT_EQ(keys.number_sort_key[1], 1);
  // Tail sums: 0 -> 3 (10 twice, 20); 1..5 -> 1 each; equal sums put the higher digit first.
  EXPECT_EQ(keys.tail_sort_key, (std::array<int, 10>{3000, 1005, 1004, 1003, 1002, 1001, 9, 8, 7, 6}));
}

TEST(SortedGrid, ColumnsMoveWholeByTotals) {
  const TraceResult shown = traced(TraceTab::Single, "10", 0);
  const core::TextGrid sorted = sorted_grid(shown.grid, shown.keys, 39);
  ASSERT_EQ(sorted.columns(), kSortedColumns);
  ASSERT_EQ(sorted.rows(), shown.grid.rows());
  const std::vector<std::string> first_numbers{"10", "35", "20", "14", "13", "12", "11", "39"};
  for (std::size_t i = 0; i < first_numbers.size(); ++i)
    EXPECT_EQ(sorted.cell(static_cast<int>(i) + 2, 0), first_numbers[i]);
  const std::vector<std::string> tails{"０", "５", "４", "３", "２", "１", "９", "８", "７", "６"};
  for (int j = 0; j < 10; ++j) EXPECT_EQ(sorted.cell(42 + j, 0), tails[static_cast<std::size_t>(j)]);
  EXPECT_EQ(sorted.cell(3, 1), "●");   // 35 in draw 1
  EXPECT_EQ(sorted.cell(3, 5), "1");   // its count came along
  EXPECT_EQ(sorted.cell(43, 1), "1");  // tail 5 of draw 1
  EXPECT_EQ(sorted.cell(41, 0), "");   // the spacer stays empty
  EXPECT_EQ(sorted.cell(1, 1), "098001");
  EXPECT_EQ(text_form(sorted, 39).front().rfind("日     期, 期  數,10,35,20,", 0), 0u);
}

TEST(ExportTrace, RowsUpToTheIssue) {
  const TraceResult shown = traced(TraceTab::Single, "10", 0);
  const TraceExport some = export_trace(shown, ExportBound::up_to("098002"));
  ASSERT_EQ(some.rows.size(), 1u);
  EXPECT_EQ(some.rows[0].date, "2009/01/01");
  EXPECT_EQ(some.rows[0].issue, "098001");
  EXPECT_EQ(some.rows[0].marks, (1ull << 10) | (1ull << 20) | (1ull << 35));
  EXPECT_EQ(export_trace(shown, ExportBound::all_rows()).rows.size(), 2u);
  EXPECT_TRUE(export_trace(shown, ExportBound::up_to("000000")).rows.empty());
}

}  // namespace
}  // namespace trace
