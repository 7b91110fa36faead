#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "pillars/optimise_best_subset.h"
#include "pillars/optimise_texts.h"
#include "support/arith_fixtures.h"
#include "support/random_period.h"
#include "support/comma_decimal_locale.h"
#include "support/reference_pillars.h"

namespace pillars {
namespace {

using arith::SubsetRun;

constexpr std::string_view kStart = "2024/01/02 09:05:00";
constexpr std::string_view kNow = "2024/01/02 09:05:01";

std::vector<std::string> numbers_from(int first, int count) {
  std::vector<std::string> out;
  for (int n = first; n < first + count; ++n) out.push_back(testdata::two(n));
  return out;
}

BestSubsetAnalysis start(SubsetRun run, const std::vector<std::string>& selection,
                         const std::vector<std::string>& period = {}, int priority = 0) {
  auto started = BestSubsetAnalysis::start(run, {period, "驗證期間", selection, testdata::kModelPriorities[priority]});
  return std::move(started).value();
}

// The window's loop: pump, counter, stop check, caption, one subset. A stop requested
// while subset `stop_at` is about to run. Returns the report when the run gives one.
std::optional<OptimiseReport> drive(BestSubsetAnalysis& run, int stop_at) {
  while (!run.finished()) {
    if (run.next_subset() == stop_at) {
      if (!run.reports_after_stop()) return std::nullopt;
      break;
    }
    run.compute_next();
  }
  return run.report(kStart, kNow);
}

TEST(BestSubsetAnalysis, WrongSelectionSizeIsRefused) {
  struct Case {
    SubsetRun run;
    int count;
    std::string_view message;
  };
  for (const Case c : {Case{SubsetRun::eight_of_twelve, 11, optimise_text::kNeedTwelve},
                       Case{SubsetRun::eight_of_twelve, 13, optimise_text::kNeedTwelve},
                       Case{SubsetRun::ten_of_fifteen, 14, optimise_text::kNeedFifteen},
                       Case{SubsetRun::ten_of_fifteen, 16, optimise_text::kNeedFifteen}}) {
    SCOPED_TRACE(c.count);
    const auto selection = numbers_from(1, c.count);
    const auto started = BestSubsetAnalysis::start(c.run, {{}, "", selection});
    ASSERT_FALSE(started.ok());
    EXPECT_EQ(started.error(), core::Error::warning(std::string(c.message)));
  }
  auto twelve = numbers_from(1, 12);
  twelve[11] = "50";
  const auto bad = BestSubsetAnalysis::start(SubsetRun::eight_of_twelve, {{}, "", twelve});
  ASSERT_FALSE(bad.ok());
  EXPECT_EQ(bad.error(), core::Error::warning(std::string(optimise_text::kBadSelection)));
}

TEST(BestSubsetAnalysis, StopSemantics) {
  const auto fifteen = numbers_from(1, 15);
  struct Case {
    int stop_at;
    std::optional<int> reported;  // subsets the count line states
  };
  for (const Case c : {Case{1, std::nullopt}, Case{4, std::nullopt}, Case{5, std::nullopt}, Case{6, 5},
                       Case{200, 199}}) {
    SCOPED_TRACE("10 of 15 stopped at " + std::to_string(c.stop_at));
    auto run = start(SubsetRun::ten_of_fifteen, fifteen);
    const auto report = drive(run, c.stop_at);
    ASSERT_EQ(report.has_value(), c.reported.has_value());
    if (!report) continue;
    const auto& memo = report->lines;
    EXPECT_EQ(memo[memo.size() - 2], "※ 以上結果為計算所有組合之 ﹙" + std::to_string(*c.reported) + " / 3003 ﹚");
    EXPECT_EQ(memo.size(), 13u + 5 * 3 + 2) << "five rows of three lines, count and time lines";
  }
  for (const int stop_at : {1, 4, 200, 495}) {
    SCOPED_TRACE("8 of 12 stopped at " + std::to_string(stop_at));
    auto run = start(SubsetRun::eight_of_twelve, numbers_from(1, 12));
    EXPECT_FALSE(drive(run, stop_at).has_value());
  }
}

TEST(BestSubsetAnalysis, EmptyPeriodEightOfTwelveReport) {
  auto run = start(SubsetRun::eight_of_twelve, numbers_from(1, 12));
  const auto report = drive(run, 0);
  ASSERT_TRUE(report.has_value());
  const auto& memo = report->lines;
  ASSERT_EQ(memo.size(), 13u + 20 * 3 + 1);
  EXPECT_EQ(memo[0], "１２選８碼立柱 = 2x2x2x2 優柱分析");
  EXPECT_EQ(memo[4], "您選擇的立柱號碼");
  EXPECT_EQ(memo[5], "01,02,03,04,05,06,07,08,09,10,11,12");
  EXPECT_EQ(memo[11], "以下按四星優先，四-三-二星開出統計排列");
  EXPECT_EQ(memo[12], separator_line(20));
  EXPECT_EQ(memo[13], "四星0碰,三星0碰,二星0碰---(05,12) x (06,11) x (07,10) x (08,09)")
      << "all scores 0: the greatest arrangement text first";
  EXPECT_EQ(memo[14], "【沒有用到的號碼：01x02x03x04】");
  EXPECT_EQ(memo[15], "");
  EXPECT_EQ(memo.back(), "( 計算時間 2024/01/02 09:05:00 - 2024/01/02 09:05:01 )");
  for (size_t row = 0; row < 20; ++row) {
    const std::string& left_out = memo[14 + 3 * row];
    EXPECT_EQ(std::count(left_out.begin(), left_out.end(), 'x'), 3) << left_out;
  }
  EXPECT_EQ(report->best, (PillarNumbers{{"05", "12"}, {"06", "11"}, {"07", "10"}, {"08", "09"}}));
  EXPECT_EQ(run.report_file_name(), "C12_8.txt");
}

TEST(BestSubsetAnalysis, FullTenOfFifteenReportTail) {
  std::mt19937 rng(15);
  const auto numbers = testdata::random_selection(rng, 15);
  auto run = start(SubsetRun::ten_of_fifteen, testdata::texts(numbers), testdata::random_period(rng, 60, numbers), 1);
  run.compute_all();
  const auto report = run.report(kStart, kNow);
  const auto& memo = report.lines;
  ASSERT_EQ(memo.size(), 13u + 5 * 3 + 2);
  EXPECT_EQ(memo[0], "１５選１０碼立柱 = 2x2x3x3 優柱分析");
  EXPECT_EQ(memo[11], "以下按三星優先，三-二-四星開出統計排列");
  EXPECT_EQ(memo[7], "成本二星 37 碰");
  for (size_t row = 0; row < 5; ++row) {
    EXPECT_EQ(memo[13 + 3 * row].rfind("三星", 0), 0u);
    const std::string& left_out = memo[14 + 3 * row];
    EXPECT_EQ(std::count(left_out.begin(), left_out.end(), 'x'), 4) << left_out;
  }
  EXPECT_EQ(memo[memo.size() - 2], "※ 以上結果為計算所有組合之 ﹙3003 / 3003 ﹚");
  EXPECT_EQ(memo.back(), " 計算時間 2024/01/02 09:05:00 - 2024/01/02 09:05:01 ");
  EXPECT_EQ(report.layout.pillar_size, (std::array<int, 8>{2, 2, 3, 3, 0, 0, 0, 0}));
  EXPECT_EQ(run.report_file_name(), "C15_10.txt");
}

TEST(BestSubsetAnalysis, EightOfTwelveRowsAgainstTheTextModel) {
  std::mt19937 rng(8);
  const auto numbers = testdata::random_selection(rng, 12);
  const auto period = testdata::random_period(rng, 30, numbers);
  auto run = start(SubsetRun::eight_of_twelve, testdata::texts(numbers), period, 2);
  run.compute_all();
  const auto memo = run.report(kStart, kNow).lines;
  std::vector<std::string> bests;
  for (const auto& subset : reference::subset_list(testdata::texts(numbers)))
    bests.push_back(reference::subset_best("2x2x2x2", subset, period)[2]);
  std::sort(bests.begin(), bests.end(), std::greater<>());
  for (size_t row = 0; row < 20; ++row)
    ASSERT_EQ(memo[13 + 3 * row], reference::row_line(bests[row], {2, 2, 2, 2}, 2, false)) << "row " << row + 1;
}

TEST(BestSubsetAnalysis, ProgressTexts) {
  auto ten = start(SubsetRun::ten_of_fifteen, numbers_from(1, 15));
  EXPECT_EQ(ten.counter_text(), "1 / 3003");
  EXPECT_EQ(ten.progress_caption(), "0.03%處理中");
  for (int i = 0; i < 3002; ++i) ten.compute_next();
  EXPECT_EQ(ten.counter_text(), "3003 / 3003");
  EXPECT_EQ(ten.progress_caption(), "100.10%處理中");
  {
    const test_support::CommaDecimalLocale comma;  // as Qt leaves it on a German desktop
    ASSERT_TRUE(comma.active()) << comma.missing();
    EXPECT_EQ(ten.progress_caption(), "100.10%處理中");
  }
  auto eight = start(SubsetRun::eight_of_twelve, numbers_from(1, 12));
  EXPECT_EQ(eight.progress_caption(), "0%處理中");
  for (int i = 0; i < 494; ++i) eight.compute_next();
  EXPECT_EQ(eight.progress_caption(), "99%處理中");
  EXPECT_FALSE(eight.reports_after_stop());
}

}  // namespace
}  // namespace pillars
