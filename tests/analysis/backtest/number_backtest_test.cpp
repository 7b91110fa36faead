// The number backtest against the literal model of tests/support on random draw tables, and
// the proof that a step reads no draw from its test draw on.
#include <gtest/gtest.h>

#include <random>

#include "analysis/backtest/backtest_report.h"
#include "analysis/backtest/backtest_texts.h"
#include "support/hand_made_draws.h"
#include "support/reference_backtest.h"

namespace {

using backtest::Backtest;
using test_support::ReferenceBacktest;

// One setting as the command line writes it and as the model takes it.
struct SettingCase {
  backtest::Texts texts;
  ReferenceBacktest model;
};

backtest::Texts texts(backtest::Method method, std::string test) {
  backtest::Texts t;
  t.method = method;
  t.test = std::move(test);
  return t;
}

std::vector<SettingCase> setting_cases() {
  using backtest::Method;
  std::vector<SettingCase> cases;
  auto add = [&](backtest::Texts t, ReferenceBacktest m) { cases.push_back({std::move(t), std::move(m)}); };
  {
    auto t = texts(Method::hot, "40");
    t.count = "7";
    t.window = "12";
    add(t, {.method = "hot", .test = 40, .count = 7, .window = 12});
  }
  add(texts(Method::hot, "30"), {.method = "hot", .test = 30});
  {
    auto t = texts(Method::cold, "50");
    t.count = "9";
    add(t, {.method = "cold", .test = 50, .count = 9});
  }
  add(texts(Method::rules, "45"), {.method = "rules", .test = 45});
  {
    auto t = texts(Method::rules, "45");
    t.run_length = "2";
    t.rules = "7,2,2,9";
    add(t, {.method = "rules", .test = 45, .run_length = 2, .rules = {2, 7, 9}});
  }
  add(texts(Method::moving, "45"), {.method = "moving", .test = 45});
  {
    auto t = texts(Method::moving, "50");
    t.order = core::BallOrder::Sorted;
    t.moving = {"average", "1,3,5", "2", "+3,-3,-100"};
    add(t, {.method = "moving", .test = 50, .sorted = true, .average = true, .positions = {1, 3, 5},
            .look_back = 2, .offsets = {3, -3, -100}});
  }
  {
    auto t = texts(Method::moving, "60");
    t.moving = {"4", std::nullopt, "70", "+5,-0"};  // the first steps have no source draw
    add(t, {.method = "moving", .test = 60, .positions = {4}, .look_back = 70, .offsets = {5, 0}});
  }
  return cases;
}

TEST(NumberBacktest, AgreesWithTheLiteralModelOnRandomTables) {
  std::mt19937 rng(26);
  for (const int top : {39, 14}) {  // balls from 1..14 make ties, repeats and long runs common
    const core::DrawHistory h = test_support::hand_made_history(test_support::random_draws(rng, 80, top));
    for (const SettingCase& c : setting_cases()) {
      SCOPED_TRACE(c.model.method + " top " + std::to_string(top));
      const auto settings = backtest::read_settings(c.texts);
      ASSERT_TRUE(settings) << settings.error().text;
      auto run = Backtest::start(h, *settings);
      ASSERT_TRUE(run) << run.error().text;
      run->compute_all();
      auto lines = backtest::backtest_lines(*run);
      lines.erase(lines.begin());  // the title
      EXPECT_EQ(lines, test_support::reference_backtest_lines(h, c.model));
    }
  }
}

// Changing every draw from the k-th test draw on changes no number of steps 1..k, nor the
// hits of the steps before it.
TEST(NumberBacktest, AStepSeesOnlyTheDrawsBeforeItsTestDraw) {
  std::mt19937 rng(7);
  const auto draws = test_support::random_draws(rng, 90, 20);
  const core::DrawHistory h = test_support::hand_made_history(draws);
  for (const SettingCase& c : setting_cases()) {
    for (const int k : {1, 9, 25}) {
      SCOPED_TRACE(c.model.method + " k " + std::to_string(k));
      const auto settings = backtest::read_settings(c.texts);
      ASSERT_TRUE(settings);
      const int first_changed = 90 - settings->test + k;  // 1-based
      auto changed = draws;
      for (int d = first_changed; d <= 90; ++d) changed[d - 1] = test_support::random_balls(rng, 20);
      const core::DrawHistory h2 = test_support::hand_made_history(changed);
      auto a = Backtest::start(h, *settings), b = Backtest::start(h2, *settings);
      ASSERT_TRUE(a && b);
      a->compute_all();
      b->compute_all();
      for (int i = 0; i < k; ++i) {
        EXPECT_EQ(a->steps()[i].numbers, b->steps()[i].numbers) << "step " << i + 1;
        if (i + 1 < k) {
          EXPECT_EQ(a->steps()[i].hits, b->steps()[i].hits) << "step " << i + 1;
        }
      }
    }
  }
}

// The running law gives the pointwise band and the tails: the band holds the expectation,
// and a summary after some steps covers those steps only.
TEST(NumberBacktest, CurveAndSummaryFollowTheStepsDone) {
  std::mt19937 rng(3);
  const core::DrawHistory h = test_support::hand_made_history(test_support::random_draws(rng, 120));
  auto run = Backtest::start(h, *backtest::read_settings(texts(backtest::Method::hot, "80")));
  ASSERT_TRUE(run);
  for (int i = 0; i < 40; ++i) run->compute_next();
  const backtest::Summary partial = run->summary();
  EXPECT_EQ(partial.numbers, 40 * 5);
  ASSERT_EQ(run->curve().size(), 40u);
  for (const auto& point : run->curve()) {
    EXPECT_LE(point.low, point.expected);
    EXPECT_GE(point.high, point.expected);
  }
  EXPECT_EQ(run->curve().back().hits, partial.hits);
  run->compute_all();
  EXPECT_EQ(run->summary().numbers, 80 * 5);
}

}  // namespace
