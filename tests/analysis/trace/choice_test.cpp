// Two-of-one and three-of-one: orderings (also past 999), the 30 % threshold, and the
// sub-windows' columns and counts.
#include <gtest/gtest.h>

#include "analysis/trace/choice_ranking.h"
#include "analysis/trace/choice_view.h"
#include "analysis/trace/trace.h"
#include "support/draw_tables.h"

namespace trace {
namespace {

std::uint64_t bit(int n) { return std::uint64_t{1} << n; }

// `rows` rows; number n marked in the rows [first, first + count) of each run.
struct Run {
  int n, first, count;
};
std::vector<std::uint64_t> marked(int rows, std::initializer_list<Run> runs) {
  std::vector<std::uint64_t> marks(static_cast<std::size_t>(rows));
  for (const Run& run : runs)
    for (int r = run.first; r < run.first + run.count; ++r) marks[static_cast<std::size_t>(r)] |= bit(run.n);
  return marks;
}

TEST(RankPairs, UnionThenHitsThenNumbersDescending) {
  // 07 in 12 rows, 21 in 10 rows, 3 rows with both, of 40.
  const auto ranked = rank_pairs(marked(40, {{7, 0, 12}, {21, 9, 10}}), 39);
  ASSERT_EQ(ranked.size(), 741u);
  EXPECT_EQ(ranked[0].text(), "07.21");
  EXPECT_EQ(ranked[0].union_count, 19);
  EXPECT_EQ(ranked[0].hit_count, 22);
  // Then every pair with 07 (12 rows), the higher partner first; then those with 21.
  EXPECT_EQ(ranked[1].text(), "07.39");
  EXPECT_EQ(ranked[2].text(), "07.38");
  EXPECT_EQ(ranked[38].text(), "21.39");
  // Pairs of unmarked numbers: the higher first number, then the higher second number.
  EXPECT_EQ(ranked[38 + 37].text(), "38.39");
  EXPECT_EQ(ranked.back().text(), "01.02");
  EXPECT_EQ(choice_items(ranked, kPairItems).size(), 100u);
}

TEST(RankPairs, CountsOfAThousandAndMoreStayInOrder) {
  // 2500 rows: 01 in 1049 rows; 02 and 03 together in 999 others.
  const auto ranked = rank_pairs(marked(2500, {{1, 0, 1049}, {2, 1500, 999}, {3, 1500, 999}}), 39);
  EXPECT_EQ(ranked[0].text(), "01.03");
  EXPECT_EQ(ranked[1].text(), "01.02");
  EXPECT_EQ(ranked[1].union_count, 2048);
  // 01 with an unmarked number: 1049 rows, which outrank 999 rows whatever the hits
  // (three-digit count fields would put "999" first).
  EXPECT_EQ(ranked[37].text(), "01.04");
  EXPECT_EQ(ranked[37].union_count, 1049);
  EXPECT_EQ(ranked[38].text(), "02.03");
  EXPECT_EQ(ranked[38].union_count, 999);
  EXPECT_EQ(ranked[38].hit_count, 1998);
}

TEST(RankTriples, MoreThanThirtyPercentOfTheRows) {
  // 40 rows: 05 marked in 12 rows (exactly 30 %), 06 in one more row: 13.
  const auto ranked = rank_triples(marked(40, {{5, 0, 12}, {6, 12, 1}}), 39);
  // Only triples with 05 and 06 reach 13 rows; 05 without 06 stays at 12.
  ASSERT_EQ(ranked.size(), 37u);
  EXPECT_EQ(ranked.front().text(), "05.06.39");
  EXPECT_EQ(ranked.front().union_count, 13);
  EXPECT_EQ(ranked.front().hit_count, 13);
  EXPECT_EQ(ranked.back().text(), "01.05.06");
  EXPECT_TRUE(rank_triples({}, 39).empty());
}

TEST(RankTriples, CountsOfAThousandAndMoreStayInOrder) {
  // 01, 02, 03 together in 1049 rows; 04 in the 999 rows after them.
  const auto ranked = rank_triples(marked(2500, {{1, 0, 1049}, {2, 0, 1049}, {3, 0, 1049}, {4, 1049, 999}}), 39);
  EXPECT_EQ(ranked.front().text(), "02.03.04");
  EXPECT_EQ(ranked.front().union_count, 2048);
  EXPECT_EQ(ranked.front().hit_count, 3097);
  auto at = [&](const std::string& text) {
    for (std::size_t i = 0; i < ranked.size(); ++i)
      if (ranked[i].text() == text) return i;
    return ranked.size();
  };
  ASSERT_LT(at("01.02.03"), ranked.size());
  EXPECT_EQ(ranked[at("01.02.03")].hit_count, 3147);
  EXPECT_LT(at("01.02.03"), at("03.38.39"));  // 1049 rows, 3147 hits before 1049 rows, 1049 hits
  EXPECT_LT(at("03.38.39"), at("04.38.39"));  // 1049 rows before 999
  EXPECT_EQ(at("05.38.39"), ranked.size());   // no marks: not listed
  EXPECT_EQ(choice_items(ranked, kTripleItems).size(), std::min<std::size_t>(ranked.size(), 1000));
}

TEST(ChoiceView, ColumnsAndCountsOfThePick) {
  // Draws 1, 3 hold 07; draws 2, 3 hold 21; single "01" selects all three.
  const TraceTable table = make_trace_table(test_support::history_of({
      {1, 7, 10, 11, 12},
      {1, 21, 30, 31, 32},
      {1, 7, 21, 33, 34},
  }));
  TraceBoxes boxes;
  const auto shown = *trace_tab(table, boxes, 0, all_draws(table));
  const int rows = shown.trace_row_count();
  ChoiceView view = open_choice_view(shown.grid, rows, 2, 39, "07.21");
  ASSERT_EQ(view.grid.rows(), rows + 13);
  EXPECT_EQ(view.grid.row(0), (std::vector<std::string>{"日     期", " 期  數", "07", "21"}));
  EXPECT_EQ(view.grid.row(3), (std::vector<std::string>{"2009/01/03", "098003", "●", "●"}));
  EXPECT_EQ(view.grid.row(6), (std::vector<std::string>{"", "    ●", "2", "2"}));
  EXPECT_EQ(view.trace_rows, "拖牌總期數 3");
  EXPECT_EQ(view.hit_rows, "二中一期數 3");
  EXPECT_EQ(view.numbers_drawn, "開出號碼數 4");

  // A part that is not a number 1..39 keeps its column; three-of-one refuses 40 too.
  pick_choice(view, shown.grid, rows, 39, "40.10");
  EXPECT_EQ(view.grid.row(0), (std::vector<std::string>{"日     期", " 期  數", "07", "10"}));
  EXPECT_EQ(view.hit_rows, "二中一期數 2");
  EXPECT_EQ(view.numbers_drawn, "開出號碼數 3");
  ChoiceView three = open_choice_view(shown.grid, rows, 3, 39, "");
  pick_choice(three, shown.grid, rows, 39, "07.21.40");
  EXPECT_EQ(three.grid.row(0), (std::vector<std::string>{"日     期", " 期  數", "07", "21", ""}));
  EXPECT_EQ(three.hit_rows, "三中一期數 3");
  pick_choice(three, shown.grid, rows, 39, "x");
  EXPECT_EQ(three.grid.cell(3, 0), "21");
}

// The window takes a typed pair or triple only whole, so its columns never mix two choices.
TEST(ChoiceView, OnlyAWholePairOrTripleIsAChoice) {
  const struct {
    std::string_view text;
    int size;
    bool whole;
  } cases[] = {
      {"07.21", 2, true},       {"01.39", 2, true},     {"07-21", 2, true},  // any separator
      {"07.2", 2, false},       {"07.40", 2, false},    {"00.21", 2, false}, {"7.21", 2, false},
      {"07.21.", 2, false},     {"", 2, false},         {"05.12.23", 3, true}, {"05.4", 3, false},
      {"05.41.42", 3, false},   {"05.41", 3, false},    {"05.12.2x", 3, false}, {"-1.12.23", 3, false},
  };
  for (const auto& c : cases) {
    const core::Status checked = check_choice(c.text, c.size, 39);
    EXPECT_EQ(checked.ok(), c.whole) << c.text;
    if (!checked.ok()) {
      EXPECT_EQ(checked.error().text.rfind("「" + std::string(c.text) + "」不是有效的", 0), 0u);
    }
  }
  EXPECT_EQ(check_choice("05.41.42", 3, 39).error().text,
            "「05.41.42」不是有效的三中一號碼，請輸入如 05.12.23 的 3 個號碼 (01 到 39)");
}

}  // namespace
}  // namespace trace
