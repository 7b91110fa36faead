// The walk-forward check against the workbench's own steps: for every method, each step's
// numbers must be the statistics' most frequent ones of its training period, its pillars
// the winner of the analysis (or best-subset run) over that period, and its wins what the
// pillar check counts on the training and the played draws. The chance moments against
// every one of the C(39, 5) draws; the summary lines and the chart's band against a
// reference model that reads only the printed step lines; the refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/numbers.h"
#include "pillars/arithmetic/pillar_check.h"
#include "pillars/optimise_analysis.h"
#include "pillars/optimise_best_subset.h"
#include "pillars/optimise_period.h"
#include "pillars/period_line.h"
#include "pillars/statistics.h"
#include "pillars/walk_forward.h"
#include "pillars/walk_forward_chance.h"
#include "pillars/walk_forward_report.h"
#include "support/comma_decimal_locale.h"
#include "support/hand_made_draws.h"
#include "support/reference_pillars.h"

namespace pillars {
namespace {

using arith::Priority;
using arith::StarCounts;

// The period lines of draws first..last, as the recent-N query lists them.
std::vector<std::string> period_of(const core::DrawHistory& h, int first, int last) {
  std::vector<std::string> lines;
  for (int d = first; d <= last; ++d) lines.push_back(format_period_line(h, d, d - first + 1));
  return lines;
}

// The N most frequent numbers of the statistics sheet, as the selection's texts.
std::vector<std::string> most_frequent(const std::vector<std::string>& lines, int count) {
  const auto stats = run_statistics(lines, 39);
  std::vector<std::string> texts;
  for (int r = 0; r < count; ++r) texts.push_back(core::zero_pad(stats->numbers.no_count[r] % 100, 2));
  std::sort(texts.begin(), texts.end());
  return texts;
}

PillarNumbers workbench_winner(WalkMethod method, const std::vector<std::string>& lines,
                               const std::vector<std::string>& selection, Priority priority) {
  const OptimiseInput input{lines, "", selection, priority};
  if (method == WalkMethod::eight_of_twelve || method == WalkMethod::ten_of_fifteen) {
    const auto run = method == WalkMethod::eight_of_twelve ? arith::SubsetRun::eight_of_twelve
                                                           : arith::SubsetRun::ten_of_fifteen;
    auto analysis = BestSubsetAnalysis::start(run, input, 1);
    analysis->compute_all();
    return analysis->report("", "").best;
  }
  const arith::Shape shapes[] = {arith::Shape::k2x2x2x2, arith::Shape::k1x1x2x2x2, arith::Shape::k3x3x3,
                                 arith::Shape::k2x2x3x3};
  return analyse_fixed_shape(shapes[static_cast<int>(method)], input)->best;
}

StarCounts checked_wins(const std::vector<std::vector<int>>& pillars, const std::vector<std::string>& lines) {
  StarCounts total;
  for (const auto& line : lines) total += arith::check_draw(pillars, period_line_balls(line)).wins;
  return total;
}

std::vector<std::vector<int>> values_of(const PillarNumbers& pillars) {
  std::vector<std::vector<int>> out;
  for (const auto& pillar : pillars) {
    out.emplace_back();
    for (const auto& text : pillar) out.back().push_back(std::stoi(text));
  }
  return out;
}

struct MethodCase {
  WalkMethod method;
  int train, test, step;
  Priority priority;
  bool fixed;  // the first numbers 1..N at every step, else each step's most frequent
};

TEST(WalkForward, EveryStepIsTheWorkbenchsOwnAnalysis) {
  std::mt19937 rng(20);
  // Balls from 1..18 make ties in the frequencies and in the scores common.
  const core::DrawHistory h = test_support::hand_made_history(test_support::random_draws(rng, 48, 18));
  const MethodCase cases[] = {
      {WalkMethod::k2x2x2x2, 12, 10, 1, Priority::two_first, false},
      {WalkMethod::k1x1x2x2x2, 9, 7, 2, Priority::four_first, false},
      {WalkMethod::k3x3x3, 15, 9, 3, Priority::three_first, true},
      {WalkMethod::k2x2x3x3, 20, 8, 1, Priority::three_first, false},
      {WalkMethod::k2x2x3x3, 6, 12, 5, Priority::two_first, true},
      {WalkMethod::eight_of_twelve, 10, 6, 1, Priority::four_first, false},
      {WalkMethod::eight_of_twelve, 14, 5, 2, Priority::two_first, true},
      {WalkMethod::ten_of_fifteen, 16, 4, 1, Priority::three_first, false},
      {WalkMethod::ten_of_fifteen, 30, 3, 2, Priority::four_first, true},
  };
  for (const MethodCase& c : cases) {
    WalkSettings s{c.method, {}, c.train, c.test, c.step, c.priority};
    const int count = walk_method_numbers(c.method);
    std::vector<std::string> fixed_texts;
    for (int n = 1; c.fixed && n <= count; ++n) {
      s.numbers.push_back(n);
      fixed_texts.push_back(core::zero_pad(n, 2));
    }
    auto run = WalkForwardRun::start(h, s);
    ASSERT_TRUE(run) << run.error().text;
    run->compute_all();
    const Priority used = run->settings().priority;
    ASSERT_EQ(run->computed(), (c.test - 1) / c.step + 1);
    for (const WalkStep& step : run->steps()) {
      SCOPED_TRACE(std::string(walk_method_name(c.method)) + " step " + std::to_string(step.index));
      const int t = h.draw_count - c.test + 1 + (step.index - 1) * c.step;
      ASSERT_EQ(step.draw, t);
      const auto training = period_of(h, t - c.train, t - 1);
      const auto selection = c.fixed ? fixed_texts : most_frequent(training, count);
      std::vector<int> numbers;
      for (const auto& text : selection) numbers.push_back(std::stoi(text));
      EXPECT_EQ(step.numbers, numbers);
      const auto pillars = values_of(workbench_winner(c.method, training, selection, used));
      EXPECT_EQ(step.pillars, pillars);
      EXPECT_EQ(step.in_sample, checked_wins(pillars, training));
      const auto played = period_of(h, t, std::min(t + c.step - 1, h.draw_count));
      EXPECT_EQ(step.played, static_cast<int>(played.size()));
      EXPECT_EQ(step.out_of_sample, checked_wins(pillars, played));
      EXPECT_EQ(step.date, test_support::draw_date_of(t));
    }
  }
}

TEST(WalkForward, PriorityFollowsOnlyTheMethodsThatRankByIt) {
  const struct {
    WalkMethod method;
    Priority asked, used;
    int ranked_star;
  } cases[] = {
      {WalkMethod::k2x2x2x2, Priority::two_first, Priority::four_first, 4},
      {WalkMethod::k1x1x2x2x2, Priority::three_first, Priority::four_first, 4},
      {WalkMethod::k3x3x3, Priority::two_first, Priority::four_first, 3},
      {WalkMethod::k2x2x3x3, Priority::three_first, Priority::three_first, 3},
      {WalkMethod::eight_of_twelve, Priority::two_first, Priority::two_first, 2},
      {WalkMethod::ten_of_fifteen, Priority::four_first, Priority::four_first, 4},
  };
  std::mt19937 rng(3);
  const core::DrawHistory h = test_support::hand_made_history(test_support::random_draws(rng, 30));
  for (const auto& c : cases) {
    auto run = WalkForwardRun::start(h, {c.method, {}, 20, 1, 1, c.asked});
    ASSERT_TRUE(run);
    EXPECT_EQ(run->settings().priority, c.used);
    run->compute_all();
    EXPECT_EQ(run->summary().ranked_star, c.ranked_star);
  }
}

// Every split of five balls weighted by its draws must agree with all C(39, 5) draws one by one.
TEST(ChanceMoments, AgreeWithEveryDrawCountedOneByOne) {
  const std::vector<std::vector<int>> layouts = {{2, 2, 2, 2}, {1, 1, 2, 2, 2}, {3, 3, 3}, {2, 2, 3, 3}};
  std::vector<std::array<double, 3>> sum(layouts.size()), squares(layouts.size());
  long long draws = 0;
  std::array<int, 5> b{};
  for (b[0] = 1; b[0] <= 35; ++b[0])
    for (b[1] = b[0] + 1; b[1] <= 36; ++b[1])
      for (b[2] = b[1] + 1; b[2] <= 37; ++b[2])
        for (b[3] = b[2] + 1; b[3] <= 38; ++b[3])
          for (b[4] = b[3] + 1; b[4] <= 39; ++b[4]) {
            ++draws;
            for (std::size_t l = 0; l < layouts.size(); ++l) {
              // Pillars of consecutive numbers from 1: only the sizes matter.
              std::array<int, 8> hits{};
              for (const int ball : b) {
                int start = 1;
                for (std::size_t p = 0; p < layouts[l].size(); start += layouts[l][p++])
                  if (ball >= start && ball < start + layouts[l][p]) ++hits[p];
              }
              const auto w = arith::symmetric_sums(std::span<const int>(hits.data(), layouts[l].size()));
              const double wins[] = {double(w.two), double(w.three), double(w.four)};
              for (int j = 0; j < 3; ++j) {
                sum[l][j] += wins[j];
                squares[l][j] += wins[j] * wins[j];
              }
            }
          }
  ASSERT_EQ(draws, binomial(39, 5));
  for (std::size_t l = 0; l < layouts.size(); ++l) {
    const ChanceMoments m = chance_moments(layouts[l]);
    const auto cost = arith::symmetric_sums(layouts[l]);
    const double bets[] = {double(cost.two), double(cost.three), double(cost.four)};
    for (int j = 0; j < 3; ++j) {
      const double mean = sum[l][j] / draws;
      EXPECT_NEAR(m.mean[j], mean, 1e-12);
      EXPECT_NEAR(m.mean[j], bets[j] * binomial(37 - j, 3 - j) / binomial(39, 5), 1e-12);
      EXPECT_NEAR(m.variance[j], squares[l][j] / draws - mean * mean, 1e-9);
    }
  }
  EXPECT_EQ(chance_moments(std::vector<int>{3, 3, 3}).variance[2], 0.0);
  for (const auto& layout : layouts) {
    const auto law = reference::walk_one_draw_law(layout);
    const ChanceMoments m = chance_moments(layout);
    for (int j = 0; j < 3; ++j) {
      ASSERT_EQ(m.one_draw[j].size(), law[j].size());
      for (std::size_t x = 0; x < law[j].size(); ++x) EXPECT_NEAR(m.one_draw[j][x], law[j][x], 1e-15);
    }
  }
}

// Tables of balls 1..18 against the chance of 39 balls: the most frequent numbers win far
// more often than chance, numbers that never come win nothing, so both verdicts occur
// beside the undecided ones.
TEST(WalkForward, SummaryLinesAgreeWithTheReferenceModel) {
  std::mt19937 rng(26);
  const core::DrawHistory narrow = test_support::hand_made_history(test_support::random_draws(rng, 90, 18));
  const core::DrawHistory wide = test_support::hand_made_history(test_support::random_draws(rng, 90));
  const std::vector<int> never{20, 21, 22, 23, 24, 25, 26, 27, 28, 29};
  const struct {
    const core::DrawHistory& history;
    WalkSettings settings;
    Verdict verdict;
  } cases[] = {
      {narrow, {WalkMethod::k2x2x3x3, {}, 30, 60, 1, Priority::two_first}, Verdict::above_chance},
      {narrow, {WalkMethod::k2x2x3x3, never, 30, 40, 3, Priority::two_first}, Verdict::below_chance},
      {wide, {WalkMethod::k2x2x2x2, {}, 20, 70, 2, Priority::four_first}, Verdict::no_difference},
      {wide, {WalkMethod::k3x3x3, {}, 25, 50, 1, Priority::two_first}, Verdict::no_difference},
      {wide, {WalkMethod::k1x1x2x2x2, {}, 10, 25, 40, Priority::four_first}, Verdict::no_difference},
      {narrow, {WalkMethod::eight_of_twelve, {}, 15, 12, 1, Priority::three_first}, Verdict::above_chance},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(walk_settings_line(c.settings));
    auto run = WalkForwardRun::start(c.history, c.settings);
    ASSERT_TRUE(run) << run.error().text;
    run->compute_all();
    const auto lines = walk_forward_lines(*run);
    const auto expected = reference::walk_summary_lines(lines);
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(expected.size()), lines.end()), expected);
    EXPECT_EQ(run->summary().verdict, c.verdict);
  }
}

// Qt gives the process the desktop's LC_NUMERIC; the lines the window shows and saves must
// stay those of the command line, which runs under "C".
TEST(WalkForward, LinesDoNotDependOnTheProcessLocale) {
  std::mt19937 rng(28);
  const core::DrawHistory h = test_support::hand_made_history(test_support::random_draws(rng, 60));
  auto run = WalkForwardRun::start(h, {WalkMethod::ten_of_fifteen, {}, 20, 6, 1, Priority::four_first});
  ASSERT_TRUE(run);
  run->compute_all();
  auto lines = walk_forward_lines(*run);
  const auto text = walk_summary_text(run->settings(), run->summary());
  lines.insert(lines.end(), text.begin(), text.end());
  const test_support::CommaDecimalLocale comma;
  ASSERT_TRUE(comma.active()) << comma.missing();
  auto under_comma = walk_forward_lines(*run);
  const auto text_under_comma = walk_summary_text(run->settings(), run->summary());
  under_comma.insert(under_comma.end(), text_under_comma.begin(), text_under_comma.end());
  EXPECT_EQ(under_comma, lines);
}

// A point per played draw, also when one arrangement plays every test draw; each point's
// band is the exact 2.5 % and 97.5 % points of the total over that many random draws.
TEST(WalkForward, TheBandIsTheExactRangeOfEachPointAlone) {
  std::mt19937 rng(4);
  const core::DrawHistory h = test_support::hand_made_history(test_support::random_draws(rng, 80));
  auto run = WalkForwardRun::start(h, {WalkMethod::k2x2x3x3, {}, 20, 60, 100, Priority::two_first});
  ASSERT_TRUE(run);
  run->compute_all();
  ASSERT_EQ(run->computed(), 1);
  const auto& points = run->points();
  ASSERT_EQ(points.size(), 60u);
  const auto law = reference::walk_one_draw_law({2, 2, 3, 3})[0];
  const auto& pillars = run->steps()[0].pillars;
  long long wins = 0;
  for (int d = 0; d < 60; ++d) {
    SCOPED_TRACE(d);
    const auto total = reference::walk_total_law(law, d + 1);
    long long low = -1, high = -1;
    long double sum = 0;
    for (std::size_t x = 0; x < total.size(); ++x) {
      sum += total[x];
      if (low < 0 && sum >= 0.025L) low = static_cast<long long>(x);
      if (high < 0 && sum >= 0.975L) high = static_cast<long long>(x);
    }
    wins += arith::check_draw(pillars, period_line_balls(format_period_line(h, 21 + d, 1))).wins.two;
    EXPECT_EQ(points[d].played, d + 1);
    EXPECT_EQ(points[d].wins, wins);
    EXPECT_EQ(points[d].low, low);
    EXPECT_EQ(points[d].high, high);
    EXPECT_NEAR(points[d].expected, run->chance().mean[0] * (d + 1), 1e-9);
  }
}

TEST(WalkForward, Refusals) {
  std::mt19937 rng(5);
  const core::DrawHistory h = test_support::hand_made_history(test_support::random_draws(rng, 50));
  const struct {
    WalkSettings settings;
    std::string message;
  } cases[] = {
      {{WalkMethod::k2x2x2x2, {1, 2, 3, 4, 5, 6, 7}, 10, 10, 1}, "必須選 8 個號碼"},
      {{WalkMethod::k3x3x3, {1, 2, 3, 4, 5, 6, 7, 8, 8}, 10, 10, 1}, "必須選 9 個號碼"},
      {{WalkMethod::ten_of_fifteen, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 40}, 10, 10, 1},
       "「40」不是有效的號碼"},
      {{WalkMethod::k2x2x3x3, {}, 0, 10, 1}, "訓練期數必須是 1 到 2499"},
      {{WalkMethod::k2x2x3x3, {}, 2500, 10, 1}, "訓練期數必須是 1 到 2499"},
      {{WalkMethod::k2x2x3x3, {}, 10, 0, 1}, "測試期數必須至少為 1"},
      {{WalkMethod::k2x2x3x3, {}, 10, 10, 0}, "重選間隔必須至少為 1"},
      {{WalkMethod::k2x2x3x3, {}, 41, 10, 1}, "開獎資料不足: 需要 51 期, 只有 50 期"},
      {{WalkMethod::k2x2x3x3, {}, 2499, 2147483647, 1}, "開獎資料不足: 需要 2147486146 期, 只有 50 期"},
  };
  for (const auto& c : cases) {
    const auto run = WalkForwardRun::start(h, c.settings);
    ASSERT_FALSE(run) << c.message;
    EXPECT_EQ(run.error().text, c.message);
  }
  EXPECT_TRUE(WalkForwardRun::start(h, {WalkMethod::k2x2x3x3, {}, 40, 10, 1}));
  EXPECT_EQ(read_walk_count(WalkCount::train, "--train", "2500").error().text, "--train 必須是 1 到 2499: 2500");
  EXPECT_EQ(read_walk_count(WalkCount::test, "測試期數", " 5").error().text, "測試期數 必須至少為 1:  5");
  EXPECT_EQ(read_walk_count(WalkCount::step, "--step", "0").error().text, "--step 必須至少為 1: 0");
  EXPECT_EQ(*read_walk_count(WalkCount::train, "--train", "2499"), 2499);
  // What a box says of an entry that the bare range would not explain.
  const struct {
    WalkCount which;
    std::string text, message;
  } entries[] = {
      {WalkCount::test, "", "測試期數 不可空白"},
      {WalkCount::train, "１００", "測試期數 請用半形數字: １００"},
      {WalkCount::step, "2１", "測試期數 請用半形數字: 2１"},
      {WalkCount::test, "99999999999", "測試期數 數字太大: 99999999999"},
      {WalkCount::train, "99999999999", "測試期數 必須是 1 到 2499: 99999999999"},
      {WalkCount::step, "-99999999999", "測試期數 必須至少為 1: -99999999999"},
  };
  for (const auto& e : entries)
    EXPECT_EQ(read_walk_count_entry(e.which, "測試期數", e.text).error().text, e.message) << e.text;
  EXPECT_EQ(*read_walk_count_entry(WalkCount::test, "測試期數", "2147483647"), 2147483647);
}

// A run stopped after some steps sums up exactly the steps it did.
TEST(WalkForward, SummaryCoversTheStepsDoneSoFar) {
  std::mt19937 rng(8);
  const core::DrawHistory h = test_support::hand_made_history(test_support::random_draws(rng, 60, 20));
  auto run = WalkForwardRun::start(h, {WalkMethod::k2x2x2x2, {}, 20, 40, 3});
  ASSERT_TRUE(run);
  EXPECT_EQ(run->summary().steps, 0);
  EXPECT_EQ(run->summary().z, (std::array<double, 3>{}));
  for (int k = 0; k < 5; ++k) run->compute_next();
  const WalkSummary s = run->summary();
  StarCounts in, out;
  long long played = 0;
  for (const WalkStep& step : run->steps()) {
    in += step.in_sample;
    out += step.out_of_sample;
    played += step.played;
  }
  EXPECT_EQ(s.steps, 5);
  EXPECT_EQ(s.played, 15);
  EXPECT_DOUBLE_EQ(s.in_sample[0], in.two / 100.0);
  EXPECT_DOUBLE_EQ(s.out_of_sample[1], out.three / 15.0);
  const double z4 = (out.four / 15.0 - s.chance[2]) / std::sqrt(run->chance().variance[2] / 15);
  EXPECT_DOUBLE_EQ(s.z[2], z4);
  EXPECT_EQ(s.totals[1], out.three);
  EXPECT_DOUBLE_EQ(s.expected_totals[0], s.chance[0] * 15);
  EXPECT_EQ(run->points().size(), 15u);
  EXPECT_EQ(run->points().back().wins, out.four);
  run->compute_all();
  EXPECT_EQ(run->computed(), 14);
  EXPECT_EQ(run->steps().back().played, 1);  // draw 60 alone: the table ends
}

}  // namespace
}  // namespace pillars
