// The number backtest (號碼回測): had a user played, at every test draw, the numbers one of
// the program's methods names for the coming draw, how many would have come, against the
// exact law of a random draw?
//
//   hot    熱門號碼   the K most frequent numbers of the W draws before (the workbench's order)
//   cold   遺漏號碼   the K numbers missing longest (the statistics window's gaps)
//   rules  版路       every number an enabled pattern rule predicts (Krule_checking's runs)
//   moving 移動式版路  the moving-pattern rule's predictions for the row of the test draw
//
// Step k works on test draw t = n - T + k and sees draws 1 .. t-1 only. The counts slide
// (one draw in, one out), the last-seen table grows by one draw, the rules read the last 2L
// rows and the moving rule one source draw, so a step costs O(max_ball). The total of the
// hits is set against the convolution of the one-draw hypergeometric laws of the counts
// (core::CountDistribution), whose tails give the verdict.
//
//   auto run = Backtest::start(history, settings);    // a run, or its refusal
//   while (!run->finished()) { pump; if (stop) break; run->compute_next(); }
//   run->steps(); run->summary(0.025);                // over the steps done
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/moving/moving_rule.h"
#include "analysis/statistics/pattern_rules.h"
#include "analysis/statistics/statistics_views.h"
#include "core/count_distribution.h"
#include "core/draw_history.h"
#include "core/result.h"

namespace backtest {

enum class Method { hot, cold, rules, moving };
inline constexpr std::array<Method, 4> kMethods{Method::hot, Method::cold, Method::rules, Method::moving};

[[nodiscard]] std::string_view method_word(Method method);  // "hot", "cold", "rules", "moving"
[[nodiscard]] std::optional<Method> method_of(std::string_view word);
[[nodiscard]] std::string method_name(Method method);       // 熱門號碼, 遺漏號碼, 版路, 移動式版路

inline constexpr int kMaxWindow = 2499;
inline constexpr double kTailThreshold = 0.025;  // one tail of a two-sided 5 %

struct Settings {
  Method method = Method::hot;
  int test = 300;    // T
  int count = 5;     // K of hot and cold, 1..38
  int window = 30;   // W of hot, 1..kMaxWindow
  int run_length = 3;                                // L of rules, 2..5
  std::array<bool, statistics::kRules> rules{true, true, true, true, true, true, true, true, true, true};
  moving::MovingRule moving;                         // with its order
  std::string moving_title;                          // the rule title as the moving window writes it
};

// The method's title line: "熱門號碼: 前30期出現最多的 5 個號碼", "版路: 連準3版, 規則 1.2.3", ...
[[nodiscard]] std::string title(const Settings& settings);

struct Step {
  int index = 0;              // k, 1-based
  int draw = 0;               // t, 1-based, oldest first
  std::uint64_t numbers = 0;  // N(t), bit n for number n
  std::uint64_t hits = 0;     // the numbers among the balls of draw t
  [[nodiscard]] int count() const;      // c(t)
  [[nodiscard]] int hit_count() const;
};

// The running law of the total hits after each step, for the chart: the cumulative hits,
// the expectation and the exact pointwise 2.5 % and 97.5 % quantiles.
struct CurvePoint {
  long long hits = 0;
  double expected = 0;
  long long low = 0, high = 0;
};

enum class Verdict { above_chance, below_chance, no_difference };
[[nodiscard]] std::string verdict_text(Verdict verdict);  // 高於隨機, 低於隨機, 與隨機無顯著差異

struct Summary {
  int predicted_draws = 0;    // P: test draws with c(t) >= 1
  long long numbers = 0;      // N
  long long hits = 0;         // H
  double rate = 0;            // h = H / N, 0 when N = 0
  double chance_rate = 0;     // p = 5 / max_ball
  double expected = 0;        // E = N p
  int hit_draws = 0;          // A: test draws with a hit
  double expected_hit_draws = 0;  // B
  double z = 0;
  double upper = 1, lower = 1;    // P(X >= H), P(X <= H)
  double threshold = kTailThreshold;
  Verdict verdict = Verdict::no_difference;
};

// Data the method needs: hot T + W draws, the others T + 1.
class Backtest {
 public:
  // Refused when the table is too short ("開獎資料不足: 需要 X 期, 只有 n 期") or a
  // setting is out of range (a caller that read its texts never meets that).
  [[nodiscard]] static core::Result<Backtest> start(const core::DrawHistory& history, Settings settings);

  [[nodiscard]] const Settings& settings() const { return settings_; }
  [[nodiscard]] int total() const { return settings_.test; }
  [[nodiscard]] int computed() const { return static_cast<int>(steps_.size()); }
  [[nodiscard]] bool finished() const { return computed() >= total(); }
  void compute_next();  // does nothing once finished
  void compute_all();

  [[nodiscard]] const std::vector<Step>& steps() const { return steps_; }
  [[nodiscard]] const std::vector<CurvePoint>& curve() const { return curve_; }
  // Over the steps computed so far; a tail at or below `threshold` decides the verdict.
  [[nodiscard]] Summary summary(double threshold = kTailThreshold) const;
  // Date and issue of draw t (1-based).
  [[nodiscard]] const std::string& date_of(int draw) const { return dates_[static_cast<std::size_t>(draw - 1)]; }
  [[nodiscard]] const std::string& issue_of(int draw) const { return issues_[static_cast<std::size_t>(draw - 1)]; }

 private:
  Backtest(const core::DrawHistory& history, Settings settings);
  [[nodiscard]] std::uint64_t numbers_for(int t);
  [[nodiscard]] std::uint64_t most_of(const std::vector<int>& values) const;

  Settings settings_;
  int max_ball_ = 39;
  int first_test_ = 1;
  std::vector<core::DrawBalls> balls_;        // as drawn, draw d at d - 1
  std::vector<core::DrawBalls> rule_balls_;   // in the moving rule's order
  std::vector<std::uint64_t> masks_;          // ball mask of every draw
  std::vector<std::string> dates_, issues_;
  std::vector<int> window_counts_;            // hot: counts of the W draws before t, entry n - 1
  std::optional<statistics::LastSeen> seen_;  // cold: draws 1 .. t-1
  std::vector<std::vector<double>> one_draw_; // q_c, c = 0 .. max_ball
  core::CountDistribution total_;
  double variance_ = 0;
  std::vector<Step> steps_;
  std::vector<CurvePoint> curve_;
};

}  // namespace backtest
