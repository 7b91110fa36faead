// The walk-forward check (回測驗證): chosen the way the workbench chooses it, how did the
// best arrangement do on the draws that came after its period, compared with chance?
//
// For each test draw t (the last T draws of the table, every S-th of them) the
// optimisation runs on the W draws before t only; its best arrangement is played on the
// S draws from t on, and its wins there are set against the exact expectation of a
// random draw (pillars/walk_forward_chance.h).
//
//   draw table -> ball masks -> per step: numbers of the W-draw window -> co-occurrence
//   counts -> best arrangement -> wins on draws t .. t+S-1 -> summary, z values, verdict
//
// The verdict rests on the exact law of the total wins of D random draws (the D-fold
// convolution of one draw's law, core::CountDistribution), kept up to date draw by draw as
// the steps are computed: four-star wins are so rare that a normal approximation calls
// one lucky win "above chance".
//
// A run is steppable like BestSubsetAnalysis: a window computes one step between event
// pumps and may stop at any step; the command line computes all of them.
//
//   auto run = WalkForwardRun::start(history, settings);   // a run, or its refusal
//   while (!run->finished()) { pump; if (stop) break; run->compute_next(); }
//   run->steps(); run->summary();                          // over the steps done
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/count_distribution.h"
#include "core/draw_history.h"
#include "core/result.h"
#include "pillars/arithmetic/ranking.h"
#include "pillars/arithmetic/star_counts.h"
#include "pillars/rules.h"
#include "pillars/walk_forward_chance.h"

namespace pillars {

// The fixed-shape analyses of 8, 8, 9 and 10 numbers and the best-subset analyses of 12
// and 15 numbers.
enum class WalkMethod { k2x2x2x2, k1x1x2x2x2, k3x3x3, k2x2x3x3, eight_of_twelve, ten_of_fifteen };
inline constexpr std::array<WalkMethod, 6> kWalkMethods{WalkMethod::k2x2x2x2,     WalkMethod::k1x1x2x2x2,
                                                        WalkMethod::k3x3x3,       WalkMethod::k2x2x3x3,
                                                        WalkMethod::eight_of_twelve, WalkMethod::ten_of_fifteen};

// The methods' words, in kWalkMethods' order: the command line's choices, the panel's list.
inline constexpr std::array<std::string_view, 6> kWalkMethodNames{"2x2x2x2", "1x1x2x2x2", "3x3x3",
                                                                  "2x2x3x3", "8of12",     "10of15"};
[[nodiscard]] std::string_view walk_method_name(WalkMethod method);
[[nodiscard]] std::optional<WalkMethod> walk_method_of(std::string_view name);
// A list of the methods in kWalkMethods' order: the method of an entry (the first for no
// entry) and the entry of a method.
[[nodiscard]] WalkMethod walk_method_at(int index);
[[nodiscard]] int walk_method_index(WalkMethod method);
// How many numbers the method takes: 8, 8, 9, 10, 12, 15.
[[nodiscard]] int walk_method_numbers(WalkMethod method);
// The pillar sizes of the arrangement it plays (8of12 plays 2x2x2x2, 10of15 2x2x3x3).
[[nodiscard]] std::span<const int> walk_method_sizes(WalkMethod method);
// Whether the method's analysis ranks by the asked priority (2x2x3x3, 8of12, 10of15); the
// other shapes always rank four-star first.
[[nodiscard]] bool walk_method_follows_priority(WalkMethod method);
// The priority the method's analysis ranks by.
[[nodiscard]] arith::Priority walk_priority(WalkMethod method, arith::Priority asked);

inline constexpr int kMaxTrain = 2499;

struct WalkSettings {
  WalkMethod method = WalkMethod::k2x2x3x3;
  // A fixed set of exactly walk_method_numbers(method) numbers used at every step; empty:
  // each step takes that many most frequent numbers of its training window.
  std::vector<int> numbers;
  int train = 100;  // W, 1..kMaxTrain
  int test = 300;   // T, at least 1
  int step = 1;     // S, at least 1
  arith::Priority priority = arith::Priority::four_first;
};

// The checks of one count box, with `label` naming the box in the message:
//   train: label + " 必須是 1 到 2499: " + text; test and step: label + " 必須至少為 1: " + text.
enum class WalkCount { train, test, step };
[[nodiscard]] core::Result<int> read_walk_count(WalkCount which, std::string_view label, std::string_view text);
// The same check for a box the user types into, with messages that say what is wrong with
// the entries a bare range does not explain: an empty box (label + " 不可空白"), full-width
// digits (label + " 請用半形數字: " + text) and a number too large for any count
// (label + " 數字太大: " + text).
[[nodiscard]] core::Result<int> read_walk_count_entry(WalkCount which, std::string_view label, std::string_view text);

struct WalkStep {
  int index = 0;  // k, 1-based
  int draw = 0;   // t, the test draw (1-based, oldest first)
  std::string date;   // of draw t, "yyyy/mm/dd"
  std::string issue;  // of draw t
  std::vector<int> numbers;               // ascending
  std::vector<std::vector<int>> pillars;  // pillar 1 first
  arith::StarCounts in_sample;            // over the W training draws
  int played = 0;                         // draws t .. min(t + S - 1, n)
  arith::StarCounts out_of_sample;        // over the played draws
};

enum class Verdict { above_chance, below_chance, no_difference };

// Index 0, 1, 2 of every array: two-, three- and four-star.
struct WalkSummary {
  arith::StarCounts cost;             // bets per draw of the layout
  std::array<double, 3> in_sample{};  // wins per training draw
  std::array<double, 3> out_of_sample{};
  std::array<double, 3> chance{};     // expected wins of a random draw
  std::array<double, 3> z{};          // (out_of_sample - chance) / sqrt(variance / played); 0 without variance
  std::array<long long, 3> totals{};  // out-of-sample wins over all played draws
  std::array<double, 3> expected_totals{};  // chance × played
  // P(X >= total) and P(X <= total), X the total wins of `played` random draws.
  std::array<double, 3> upper_tail{}, lower_tail{};
  int steps = 0;
  long long played = 0;
  int ranked_star = 4;  // the star level the ranking puts first (3 for 3x3x3)
  // Above chance when the upper tail at ranked_star is at most kVerdictTail, below when
  // the lower one is.
  Verdict verdict = Verdict::no_difference;
  [[nodiscard]] int ranked() const { return ranked_star - 2; }
  [[nodiscard]] double ranked_z() const { return z[ranked()]; }
};

inline constexpr double kVerdictTail = 0.025;

// After each played draw, in play order: the ranked star's cumulative wins, and the exact
// 2.5 % and 97.5 % points of the same total over as many random draws. Each point's band
// holds 95 % of random runs at that point alone; most random curves leave it somewhere.
struct WalkPoint {
  long long played = 0;
  long long wins = 0;
  double expected = 0;
  long long low = 0, high = 0;
};

class SlidingSubsetSearch;

class WalkForwardRun {
 public:
  // Refused: a fixed set with another count of numbers ("必須選 N 個號碼") or a number
  // outside 1..max_ball; counts out of range; a table with fewer than W + T draws
  // ("開獎資料不足: 需要 W+T 期, 只有 n 期").
  [[nodiscard]] static core::Result<WalkForwardRun> start(const core::DrawHistory& history, WalkSettings settings);

  WalkForwardRun(WalkForwardRun&&) noexcept;
  WalkForwardRun& operator=(WalkForwardRun&&) noexcept;
  ~WalkForwardRun();

  // The settings with the priority actually used.
  [[nodiscard]] const WalkSettings& settings() const { return settings_; }
  [[nodiscard]] int total() const { return total_; }
  [[nodiscard]] int computed() const { return static_cast<int>(steps_.size()); }
  [[nodiscard]] bool finished() const { return computed() >= total_; }

  void compute_next();  // does nothing once finished
  void compute_all();

  [[nodiscard]] const std::vector<WalkStep>& steps() const { return steps_; }
  // Over the steps computed so far.
  [[nodiscard]] WalkSummary summary() const;
  [[nodiscard]] const ChanceMoments& chance() const { return chance_; }
  [[nodiscard]] const std::vector<WalkPoint>& points() const { return points_; }
  // The star level the ranking puts first: the priority's, three-star for 3x3x3.
  [[nodiscard]] int ranked_star() const;
  // Subsets searched in full, for the benchmarks (0 for the fixed shapes).
  [[nodiscard]] long long subsets_searched() const;

 private:
  WalkForwardRun(const core::DrawHistory& history, WalkSettings settings);

  [[nodiscard]] std::vector<int> numbers_for(int first, int end) const;
  // The step, and the wins of each of its played draws in `draw_wins`.
  [[nodiscard]] WalkStep compute_step(int index, std::vector<arith::StarCounts>& draw_wins);
  void add_to_chance(const std::vector<arith::StarCounts>& draw_wins);

  WalkSettings settings_;
  int max_ball_ = 39;
  std::vector<std::uint64_t> masks_;  // ball mask of every draw, draw d at d - 1
  std::vector<std::string> dates_, issues_;  // of every draw, draw d at d - 1
  int first_test_ = 0;                // f, 1-based
  int total_ = 0;
  ChanceMoments chance_;
  std::array<core::CountDistribution, 3> chance_total_;  // the law of the total over the played draws
  std::vector<WalkPoint> points_;
  std::vector<WalkStep> steps_;
  std::unique_ptr<SlidingSubsetSearch> subsets_;
};

}  // namespace pillars
