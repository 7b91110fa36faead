// The moving-pattern grid and notes on five hand-made draws, in both ball orders.
#include "analysis/moving/moving_pattern.h"

#include <gtest/gtest.h>

#include "support/hand_made_draws.h"

namespace moving {
namespace {

// Drawn order; ascending: 01 05 31 37 39 / 02 05 10 11 25 / 02 19 23 27 31 / 02 08 12 17 39 / 14 15 16 18 20.
const std::vector<test_support::Balls> kDraws = {
    {5, 31, 39, 1, 37}, {2, 25, 10, 11, 5}, {23, 2, 19, 31, 27}, {39, 12, 2, 8, 17}, {14, 15, 16, 18, 20}};

// Columns 9 .. 12 of one grid row.
struct ResultRow {
  int q;
  std::string p9, h0, h1, h2;
};

struct GridCase {
  const char* name;
  core::BallOrder order;
  MovingBoxes boxes;
  std::vector<ResultRow> rows;
};

MovingBoxes boxes(std::string look_back, bool average, std::array<std::string, 3> positions,
                  std::vector<std::pair<std::string, std::string>> amounts) {
  MovingBoxes b;
  b.look_back = std::move(look_back);
  b.average = average;
  b.positions = std::move(positions);
  b.prediction_count = static_cast<int>(amounts.size());
  for (std::size_t i = 0; i < amounts.size(); ++i) {
    b.signs[i] = amounts[i].first;
    b.amounts[i] = amounts[i].second;
  }
  return b;
}

// The working column holds the other order, as another window may have left it: the
// rule reads the order it names, never ltno_copy.
MovingPattern pattern_of(core::DrawHistory& h, core::BallOrder order, const MovingBoxes& b) {
  core::set_ball_order(h, order == core::BallOrder::Drawn ? core::BallOrder::Sorted : core::BallOrder::Drawn);
  auto pattern = show_moving(h, b, order);
  EXPECT_TRUE(pattern.ok());
  return std::move(pattern).value();
}

const GridCase kGridCases[] = {
    {"drawn, first ball, plus 0",
     core::BallOrder::Drawn,
     boxes("1", false, {"1"}, {{"加", "0"}}),
     {{1, "", "", "", ""}, {2, "05  ", "05 ", "", ""}, {3, "02  ", "02 ", "02 ", ""}, {4, "23  ", "", "", ""},
      {5, "39  ", "", "", ""}, {6, "14  ", "", "", ""}}},
    {"sorted, first ball, plus 0",
     core::BallOrder::Sorted,
     boxes("1", false, {"1"}, {{"加", "0"}}),
     {{2, "01  ", "", "", ""}, {3, "02  ", "02 ", "02 ", ""}, {4, "02  ", "02 ", "", ""}, {6, "14  ", "", "", ""}}},
    {"average of three, three amounts, wrapping above 39",
     core::BallOrder::Drawn,
     boxes("1", true, {"2", "3", "5"}, {{"加", "0"}, {"減", "3"}, {"加", "38"}}),
     {{2, "35 32 34", "", "", ""}, {3, "13 10 12", "", "12 ", ""}}},
    {"two amounts wrapping both ways, look-back 2",
     core::BallOrder::Drawn,
     boxes("2", false, {"4"}, {{"加", "1"}, {"減", "1"}}),
     {{2, "", "", "", ""}, {3, "02 39 ", "02 ", "02 39 ", ""}, {4, "12 10 ", "12 ", "", ""}, {6, "09 07 ", "", "", ""}}},
    {"a repeated prediction is listed each time",
     core::BallOrder::Drawn,
     boxes("1", false, {"1"}, {{"加", "0"}, {"減", "0"}}),
     {{2, "05 05 ", "05 05 ", "", ""}}},
};

TEST(moving_pattern, PredictionsAndHitsInTheNextThreeDraws) {
  for (const auto& c : kGridCases) {
    SCOPED_TRACE(c.name);
    auto h = test_support::hand_made_history(kDraws);
    const auto p = pattern_of(h, c.order, c.boxes);
    ASSERT_EQ(p.sgl.rows(), 7);
    for (const auto& row : c.rows) {
      SCOPED_TRACE("row " + std::to_string(row.q));
      EXPECT_EQ(p.sgl.cell(9, row.q), row.p9);
      EXPECT_EQ(p.sgl.cell(10, row.q), row.h0);
      EXPECT_EQ(p.sgl.cell(11, row.q), row.h1);
      EXPECT_EQ(p.sgl.cell(12, row.q), row.h2);
    }
  }
}

// The documented examples cover the drawn layout; the ascending one names and fills its
// position columns from the sorted balls.
TEST(moving_pattern, AscendingLayout) {
  auto h = test_support::hand_made_history(kDraws);
  const auto sorted = pattern_of(h, core::BallOrder::Sorted, MovingBoxes{});
  EXPECT_EQ(sorted.sgl.row(0)[2] + sorted.sgl.row(0)[7], "順一順六");
  EXPECT_EQ(sorted.sgl.row(1), (std::vector<std::string>{"2020/01/01", "100001", "01", "05", "31", "37", "39", "", "",
                                                         "", "", "", ""}));
  EXPECT_EQ(sorted.sgl.row(6), (std::vector<std::string>{"本期預測", "", "", "", "", "", "", "", "", "14  ", "", "", ""}));
}

TEST(moving_pattern, LookBackAtTheEdgeOfTheTable) {
  struct Case {
    const char* look_back;
    int first_predicted;  // 0: none
  };
  for (const auto c : {Case{"5", 6}, Case{"6", 0}, Case{"7", 0}, Case{"2147483647", 0}}) {
    SCOPED_TRACE(c.look_back);
    auto h = test_support::hand_made_history(kDraws);
    const auto p = pattern_of(h, core::BallOrder::Drawn, boxes(c.look_back, false, {"1"}, {{"加", "0"}}));
    ASSERT_EQ(p.sgl.rows(), 7);
    for (int q = 1; q <= 6; ++q) EXPECT_EQ(p.sgl.cell(9, q).empty(), q != c.first_predicted) << q;
    EXPECT_EQ(p.sgl.cell(0, 6), "本期預測");
    EXPECT_EQ(detail_lines(p).size(), c.first_predicted ? 1U : 0U);
  }
}

TEST(moving_pattern, NotesSentences) {
  auto h = test_support::hand_made_history(kDraws);
  const auto first = pattern_of(h, core::BallOrder::Drawn, MovingBoxes{});
  EXPECT_EQ(detail_lines(first),
            (std::vector<std::string>{
                "第001期(2020/01/01)第1落球開05下1期開本支 ,2020/01/02預測05.中 05 ",
                "第002期(2020/01/02)第1落球開02下1期開本支 ,2020/01/03預測02.中 02 ,隔一期中02 ",
                "第003期(2020/01/03)第1落球開23下1期開本支 ,2020/01/04預測23.沒中 ",
                "第004期(2020/01/04)第1落球開39下1期開本支 ,2020/01/05預測39.沒中 ",
                "第005期(2020/01/05)第1落球開14下1期開本支 ,第006期版路預測14  ",
            }));
  const auto average = pattern_of(h, core::BallOrder::Drawn, kGridCases[2].boxes);
  EXPECT_EQ(average.pattern_detail[3],
            "第002期(2020/01/02)第2,3,5落球平均數13下1期開本號 減3 加38 ,2020/01/03預測13.10.12.沒中 ,隔一期中12 ");
  const auto wrapped = pattern_of(h, core::BallOrder::Drawn, kGridCases[3].boxes);
  EXPECT_EQ(wrapped.pattern_detail[3],
            "第001期(2020/01/01)第4落球開01下2期開加1 減1 ,2020/01/03預測02.39.中 02 ,隔一期中02 39 ");
  EXPECT_EQ(wrapped.pattern_detail[6], "第004期(2020/01/04)第4落球開08下2期開加1 減1 ,第006期版路預測09 07 ");
}

TEST(note_for_cell, OnlyResultColumnsOfPredictedRows) {
  auto h = test_support::hand_made_history(kDraws);
  const auto p = pattern_of(h, core::BallOrder::Drawn, boxes("2", false, {"1"}, {{"加", "0"}}));
  struct Case {
    int column, row;
    bool appends;
  };
  for (const auto c : {Case{10, 3, true}, Case{9, 6, true}, Case{3, 3, false}, Case{13, 3, false}, Case{10, 2, false},
                       Case{10, 7, false}}) {
    SCOPED_TRACE(std::to_string(c.column) + "," + std::to_string(c.row));
    const auto note = note_for_cell(p, c.column, c.row);
    ASSERT_EQ(note.has_value(), c.appends);
    if (note) {
      EXPECT_EQ(*note, p.pattern_detail[c.row]);
    }
  }
}

// A rule built by hand that cannot be evaluated is refused, not shown as a grid without
// predictions.
TEST(moving_pattern, RefusesARuleItCannotEvaluate) {
  const auto h = test_support::hand_made_history(kDraws);
  const auto rule = [](std::array<int, 3> positions, bool average, int look_back, std::vector<long long> offsets) {
    MovingRule r;
    r.positions = positions;
    r.average = average;
    r.look_back = look_back;
    r.offsets = std::move(offsets);
    return r;
  };
  struct Case {
    MovingRule rule;
    const char* refusal;
  };
  const Case cases[] = {
      {rule({0, 2, 3}, false, 1, {0}), "位置必須是 1 到 5: 0"},
      {rule({1, 2, 6}, true, 1, {0}), "位置必須是 1 到 5: 6"},
      {rule({1, 2, 3}, false, 0, {0}), "期數必須至少為 1: 0"},
      {rule({1, 2, 3}, false, 1, {}), "加減數必須是一到三個: 0"},
      {rule({1, 2, 3}, false, 1, {1, 2, 3, 4}), "加減數必須是一到三個: 4"},
  };
  for (const auto& c : cases) {
    const auto pattern = moving_pattern(h, c.rule);
    ASSERT_FALSE(pattern.ok()) << c.refusal;
    EXPECT_EQ(pattern.error().text, c.refusal);
  }
  EXPECT_TRUE(moving_pattern(h, rule({1, 2, 6}, false, 1, {0})).ok());  // one position reads the first only
}

// An order choice rewrites the shared working column; computations read the order they name.
TEST(set_ball_order, RewritesTheWorkingColumnOnly) {
  auto h = test_support::hand_made_history(kDraws);
  core::set_ball_order(h, core::BallOrder::Sorted);
  EXPECT_EQ(h.ltno_copy[0][0], "01");
  EXPECT_EQ(h.ltno_copy[4][0], "39");
  EXPECT_EQ(h.ltno_copy[5][0], "");
  EXPECT_EQ(h.ltno_copy[0][core::kDrawCapacity - 1], "");
  EXPECT_EQ(core::ball_values(h, core::BallOrder::Sorted)[3], (core::DrawBalls{2, 8, 12, 17, 39}));
  EXPECT_EQ(core::ball_values(h, core::BallOrder::Drawn)[3], (core::DrawBalls{39, 12, 2, 8, 17}));
  core::set_ball_order(h, core::BallOrder::Drawn);
  EXPECT_EQ(h.ltno_copy[0][0], "05");
  EXPECT_EQ(&core::ball_columns(h, core::BallOrder::Sorted), &h.ltno_sorted);
}

}  // namespace
}  // namespace moving
