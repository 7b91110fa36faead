// vantor39-cli walk-forward against the documented example on the bundled history
// ("…" marks what the example elides), its summary against the reference model, each
// method's first lines, and the refusals.
#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/reference_pillars.h"

namespace {

using test_support::lines_of;
using test_support::matches_elided;
using test_support::run_bundled;

TEST(WalkForwardCommand, DocumentedExample) {
  const auto result = run_bundled({"walk-forward", "--method", "2x2x2x2", "--train", "100", "--test", "20"});
  ASSERT_EQ(result.code, 0) << result.err;
  const auto lines = lines_of(result.out);
  ASSERT_EQ(lines.size(), 2u + 20u + 10u);
  const std::vector<std::string> head{
      "2x2x2x2,100,20,1,4",
      "序號,日期,期數,號碼,立柱,樣本內二星,樣本內三星,樣本內四星,樣本外期數,樣本外二星,樣本外三星,樣本外四星"};
  const std::vector<std::string> tail{
      "0020,2026/08/22,115204,06.07.08.12.21.25.28.37,06.21/07.12/08.28/25.37,47,5,0,1,0,0,0",
      "成本每期,24,32,16",
      "樣本內每期平均,0.5680,0.1125,0.0135",
      "樣本外每期平均,0.2000,0.0000,0.0000",
      "隨機期望每期,0.3239,0.0350,0.0010",
      "z值,-0.78,-0.69,-0.13",
      "樣本外總數,4,0,0",
      "隨機期望總數,6.4777,0.7003,0.0195",
      "上尾機率,0.8288,1.0000,1.0000",
      "下尾機率,0.2895,0.5507,0.9818",
      "結論,四星,與隨機無顯著差異,-0.13"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2), head);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 11, lines.end()), tail);
  EXPECT_EQ(result.err, "");
}

// One four-star win in 100 draws: z = 2.74, yet chance gives at least one in 8.8 % of runs.
TEST(WalkForwardCommand, TheVerdictRestsOnTheExactTails) {
  const auto result = run_bundled({"walk-forward", "--method", "8of12", "--train", "50", "--test", "100"});
  ASSERT_EQ(result.code, 0) << result.err;
  const auto lines = lines_of(result.out);
  const auto expected = reference::walk_summary_lines(lines);
  EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(expected.size()), lines.end()), expected);
  EXPECT_EQ(lines[lines.size() - 3], "上尾機率,0.5862,0.2804,0.0877");
  EXPECT_EQ(lines.back(), "結論,四星,與隨機無顯著差異,2.74");
}

// Each method: its settings line with the priority used, a step line of its shape, the
// cost of its layout and the star level its ranking puts first.
TEST(WalkForwardCommand, EveryMethod) {
  const struct {
    std::vector<std::string> args;
    std::string first, step, cost, verdict;
  } cases[] = {
      {{"--method", "1x1x2x2x2", "--priority", "2"}, "1x1x2x2x2,100,3,1,4", "0001,2026/08/20,115202,…", "成本每期,25,38,28",
       "結論,四星,…"},
      {{"--method", "3x3x3", "--step", "2"}, "3x3x3,100,3,2,4", "0002,2026/08/22,115204,…", "成本每期,27,27,0",
       "結論,三星,…"},
      {{"--method", "2x2x3x3", "--priority", "3", "--train", "50"}, "2x2x3x3,50,3,1,3", "0003,2026/08/22,…",
       "成本每期,37,60,36", "結論,三星,…"},
      {{"--method", "8of12", "--priority", "2"}, "8of12,100,3,1,2", "0001,…", "成本每期,24,32,16", "結論,二星,…"},
      {{"--method", "10of15", "--numbers", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"}, "10of15,100,3,1,4",
       "0001,2026/08/20,115202,01.02.03.04.05.06.07.08.09.10.11.12.13.14.15,…", "成本每期,37,60,36", "結論,四星,…"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"walk-forward", "--test", "3"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto result = run_bundled(args);
    ASSERT_EQ(result.code, 0) << result.err;
    const auto lines = lines_of(result.out);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[0], c.first);
    EXPECT_TRUE(matches_elided(lines[2], c.step) || matches_elided(lines[3], c.step) ||
                matches_elided(lines[4], c.step))
        << c.step;
    EXPECT_EQ(lines[lines.size() - 10], c.cost);
    EXPECT_TRUE(matches_elided(lines.back(), c.verdict)) << lines.back();
  }
}

TEST(WalkForwardCommand, Refusals) {
  const test_support::Refusal cases[] = {
      {{"walk-forward", "--method", "2x2"}, "未知的方法: 2x2"},
      {{"walk-forward", "--method", "8of12", "--numbers", "1,2,3"}, "必須選 12 個號碼"},
      {{"walk-forward", "--numbers", ""}, "必須選 10 個號碼"},
      {{"walk-forward", "--method", "2x2x2x2", "--numbers", "1,2,3,4,5,6,7,x"}, "「x」不是有效的號碼"},
      {{"walk-forward", "--method", "2x2x2x2", "--numbers", "1,2,3,4,5,6,7,40"}, "「40」不是有效的號碼"},
      {{"walk-forward", "--method", "2x2x2x2", "--numbers", "1,2,3,4,5,6,7,7"}, "必須選 8 個號碼"},
      {{"walk-forward", "--train", "0"}, "--train 必須是 1 到 2499: 0"},
      {{"walk-forward", "--train=2500"}, "--train 必須是 1 到 2499: 2500"},
      {{"walk-forward", "--train", "ten"}, "--train 必須是 1 到 2499: ten"},
      {{"walk-forward", "--test", "-3"}, "--test 必須至少為 1: -3"},
      {{"walk-forward", "--test", "99999999999"}, "--test 必須至少為 1: 99999999999"},
      {{"walk-forward", "--step", "0"}, "--step 必須至少為 1: 0"},
      {{"walk-forward", "--priority", "5"}, "--priority 必須是 4、3 或 2"},
      {{"walk-forward", "--train", "2000", "--test", "501"}, "開獎資料不足: 需要 2501 期, 只有 2500 期"},
      {{"walk-forward", "--recent", "50"}, "選項 --recent 不適用於命令 walk-forward"},
  };
  test_support::expect_refusals(cases);
}

}  // namespace
