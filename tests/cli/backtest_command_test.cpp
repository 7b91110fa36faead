// vantor39-cli backtest on the bundled history: the documented example, every method against
// the literal model of tests/support, the all-methods table, and the refusals.
#include <gtest/gtest.h>

#include "core/reload.h"
#include "support/cli_run.h"
#include "support/reference_backtest.h"

namespace {

using test_support::lines_of;
using test_support::run_bundled;

const core::DrawHistory& bundled() {
  static const core::DrawHistory h = [] {
    core::DrawHistory loaded;
    (void)core::reload(loaded, std::string(VANTOR_DATA_DIR) + "/TW539.txt", "2026/12/09", core::MissingDrawFile::Refuse);
    return loaded;
  }();
  return h;
}

TEST(BacktestCommand, DocumentedExample) {
  const auto result = run_bundled({"backtest", "--method", "hot", "--count", "3", "--window", "10", "--test", "2"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::vector<std::string> expected{
      "熱門號碼: 前10期出現最多的 3 個號碼",
      "序號,日期,期數,預測號碼,個數,命中號碼,命中數",
      "0001,2026/08/21,115203,07.19.32,3,,0",
      "0002,2026/08/22,115204,07.12.32,3,,0",
      "有預測期數,2",
      "預測號碼總數,6",
      "命中總數,0",
      "命中率,0.0000",
      "隨機命中率,0.1282",
      "期望命中數,0.7692",
      "至少中一期數,0,0.6904",
      "z值,-0.97",
      "上尾機率,1.0000",
      "下尾機率,0.4287",
      "結論,與隨機無顯著差異"};
  EXPECT_EQ(lines_of(result.out), expected);
}

// Each method's output after its title is the model's, on the bundled history.
TEST(BacktestCommand, EveryMethodAgreesWithTheLiteralModel) {
  const struct {
    std::vector<std::string> args;
    std::string title;
    test_support::ReferenceBacktest model;
  } cases[] = {
      {{"--test", "120"}, "熱門號碼: 前30期出現最多的 5 個號碼", {.method = "hot", .test = 120}},
      {{"--method", "cold", "--test", "80", "--count", "12"}, "遺漏號碼: 最久未開的 12 個號碼",
       {.method = "cold", .test = 80, .count = 12}},
      {{"--method", "rules", "--test", "150"}, "版路: 連準3版, 規則 1.2.3.4.5.6.7.8.9.10", {.method = "rules", .test = 150}},
      {{"--method", "rules", "--test", "150", "--run-length", "2", "--rules", "6,1,6"}, "版路: 連準2版, 規則 1.6",
       {.method = "rules", .test = 150, .run_length = 2, .rules = {1, 6}}},
      {{"--method", "rules", "--test", "5", "--rules="}, "版路: 連準3版, 規則 無", {.method = "rules", .test = 5, .rules = {}}},
      {{"--method", "moving", "--test", "200"}, "移動式版路: 上1期落球第1支,本期開本支 一中一", {.method = "moving", .test = 200}},
      {{"--method", "moving", "--test", "90", "--position", "average", "--amounts", "+3,-3", "--look-back", "02",
        "--ball-order", "sorted"},
       "移動式版路: 上02期順球第1,2,3支取平均數,本期開加3,減3 二中一",
       {.method = "moving", .test = 90, .sorted = true, .average = true, .positions = {1, 2, 3}, .look_back = 2,
        .offsets = {3, -3}}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"backtest"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto result = run_bundled(args);
    ASSERT_EQ(result.code, 0) << result.err;
    auto lines = lines_of(result.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), c.title);
    lines.erase(lines.begin());
    EXPECT_EQ(lines, test_support::reference_backtest_lines(bundled(), c.model)) << c.title;
  }
}

// Each row of the all-methods table repeats its method's summary with the defaults; only
// the verdict's threshold differs.
TEST(BacktestCommand, AllMethodsTable) {
  const auto all = run_bundled({"backtest", "--method", "all", "--test", "60"});
  ASSERT_EQ(all.code, 0) << all.err;
  const auto lines = lines_of(all.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "測試期數,60");
  EXPECT_EQ(lines[1], "多重比較校正門檻,0.00625");
  EXPECT_EQ(lines[2], "方法,有預測期數,預測號碼總數,命中總數,命中率,隨機命中率,z值,上尾機率,下尾機率,結論");
  const char* methods[] = {"hot", "cold", "rules", "moving"};
  const char* names[] = {"熱門號碼", "遺漏號碼", "版路", "移動式版路"};
  for (int m = 0; m < 4; ++m) {
    const auto one = lines_of(run_bundled({"backtest", "--method", methods[m], "--test", "60"}).out);
    const auto value = [&](int from_end) { return one[one.size() - from_end].substr(one[one.size() - from_end].find(',') + 1); };
    const std::string expected = std::string(names[m]) + "," + value(11) + "," + value(10) + "," + value(9) + "," +
                                 value(8) + "," + value(7) + "," + value(4) + "," + value(3) + "," + value(2) + ",";
    EXPECT_EQ(lines[3 + m].substr(0, expected.size()), expected);
    const std::string verdict = lines[3 + m].substr(expected.size());
    EXPECT_TRUE(verdict == "高於隨機" || verdict == "低於隨機" || verdict == "與隨機無顯著差異") << verdict;
  }
}

// The table of the benchmark's size, recorded: four methods over 2,400 draws, none of them
// beyond chance.
TEST(BacktestCommand, AllMethodsOverTheWholeHistory) {
  const auto result = run_bundled({"backtest", "--method=all", "--test=2400"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::vector<std::string> expected{
      "測試期數,2400",
      "多重比較校正門檻,0.00625",
      "方法,有預測期數,預測號碼總數,命中總數,命中率,隨機命中率,z值,上尾機率,下尾機率,結論",
      "熱門號碼,2400,12000,1586,0.1322,0.1282,1.37,0.0876,0.9169,與隨機無顯著差異",
      "遺漏號碼,2400,12000,1522,0.1268,0.1282,-0.48,0.6870,0.3233,與隨機無顯著差異",
      "版路,1305,1837,223,0.1214,0.1282,-0.88,0.8200,0.1994,與隨機無顯著差異",
      "移動式版路,2400,2400,337,0.1404,0.1282,1.79,0.0406,0.9643,與隨機無顯著差異"};
  EXPECT_EQ(lines_of(result.out), expected);
}

TEST(BacktestCommand, Refusals) {
  const test_support::Refusal cases[] = {
      {{"backtest", "--method", "warm"}, "未知的方法: warm"},
      {{"backtest", "--test", "0"}, "--test 必須至少為 1: 0"},
      {{"backtest", "--test", "x"}, "--test 必須至少為 1: x"},
      {{"backtest", "--method", "cold", "--test", "99999999999"}, "--test 必須至少為 1: 99999999999"},
      {{"backtest", "--count", "39"}, "--count 必須是 1 到 38: 39"},
      {{"backtest", "--method", "cold", "--count", "0"}, "--count 必須是 1 到 38: 0"},
      {{"backtest", "--window", "2500"}, "--window 必須是 1 到 2499: 2500"},
      {{"backtest", "--window", "+"}, "--window 必須是 1 到 2499: +"},
      {{"backtest", "--method", "rules", "--run-length", "6"}, "--run-length 必須是 2、3、4 或 5"},
      {{"backtest", "--method", "rules", "--run-length", "three"}, "--run-length 必須是 2、3、4 或 5"},
      {{"backtest", "--method", "rules", "--rules", "1,11"}, "--rules 必須是 1 到 10"},
      {{"backtest", "--method", "rules", "--rules", "1,,2"}, "「」不是有效的整數"},
      {{"backtest", "--method", "rules", "--rules", "1,x"}, "「x」不是有效的整數"},
      {{"backtest", "--method", "moving", "--ball-order", "up"}, "--ball-order 必須是 drawn 或 sorted"},
      {{"backtest", "--method", "moving", "--position", "6"}, "位置必須是 1 到 5: 6"},
      {{"backtest", "--method", "moving", "--position", "average", "--average-of", "1,2"},
       "--average-of 必須是三個位置 P1,P2,P3"},
      {{"backtest", "--method", "moving", "--average-of", "1,2,3"}, "--average-of 只適用於 --position average"},
      {{"backtest", "--method", "moving", "--look-back", "0"}, "期數必須至少為 1: 0"},
      {{"backtest", "--method", "moving", "--amounts", "1,2,3,4"}, "--amounts 最多三個加減數"},
      {{"backtest", "--method", "moving", "--amounts", "+x"}, "「+x」不是有效的整數"},
      {{"backtest", "--method", "cold", "--window", "10"}, "選項 --window 不適用於 --method cold"},
      {{"backtest", "--method", "hot", "--rules", "1"}, "選項 --rules 不適用於 --method hot"},
      {{"backtest", "--method", "rules", "--look-back", "2"}, "選項 --look-back 不適用於 --method rules"},
      {{"backtest", "--method", "moving", "--count", "2"}, "選項 --count 不適用於 --method moving"},
      {{"backtest", "--method", "all", "--ball-order", "drawn"}, "選項 --ball-order 不適用於 --method all"},
      {{"backtest", "--test", "2471"}, "開獎資料不足: 需要 2501 期, 只有 2500 期"},
      {{"backtest", "--method", "all", "--test", "2471"}, "開獎資料不足: 需要 2501 期, 只有 2500 期"},
      {{"backtest", "--method", "moving", "--test", "2500"}, "開獎資料不足: 需要 2501 期, 只有 2500 期"},
      {{"backtest", "--show", "grid"}, "選項 --show 不適用於命令 backtest"},
  };
  test_support::expect_refusals(cases);
}

}  // namespace
