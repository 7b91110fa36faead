// The interval and double-trace commands against the documented examples on the bundled
// history ("…" marks what the examples elide), and their refusals.
#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace {

using test_support::lines_of;
using test_support::matches_elided;
using test_support::run_bundled;

struct IntervalsExample {
  std::vector<std::string> args;
  std::size_t line_count;                                  // 0: not documented
  std::vector<std::pair<std::size_t, std::string>> lines;  // 1-based line number, documented text
};

const IntervalsExample kIntervalsExamples[] = {
    {{"intervals"},
     367,
     {{1, "63期  號碼 34 位置 114"},
      {2, ",01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20,21,22,23,…,39"},
      {3, "001, -, 1, 8, 6, -,38,11,10, 7, 1, 1, 8, 5,13, 6,19,25,26, 2, 5, 3, 9,…"},
      {4, "002, 6, 1,15, 5, 8, -, 5,16, 3,49, 8, 5,21, 5, 4,11,14,12, -, 2, -, -,…"},
      {364, "362,11,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,"},
      {365, "363,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,"},
      {367, "365,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,"}}},
    {{"interval-summary", "--number", "05"},
     4,
     {{1, "05 分析  至115204期"},
      {2, "開出次數 317   最長間隔 42   平均間隔 6.86"},
      {3, "間隔明細, -, 8, 7,17, 1,15,19, 9, 4,13, -, 7, 9,16,11, 4,…, 2, -, 8, 3, 3  (目前 4期未開)"},
      {4, ""}}},
    {{"interval-summary", "--all"},
     156,
     {{101, "26 分析  至115204期"}, {102, "開出次數 327   最長間隔 43   平均間隔 6.63"}}},
    {{"interval-summary", "--number", "34"}, 4, {{3, "間隔明細…, 3, 4,22, 4, 1  (上期開出)"}}},
    {{"interval-summary", "--number", "x"}, 4, {{1, "x 分析  至115204期"}}},
    {{"interval-summary", "--number", "40"}, 0, {}},
    {{"double-trace", "--date", "2026/08/18", "--later", "0", "--run", "2", "--rule", "2"},
     0,
     {{1, "2026/08/18,05,0,05,5,2"},
      {2, "第 2 組"},
      {3, "共 3 組"},
      {4, "準2版  07.__.__"},
      {5, " 日     期, 期 數,一,二,三,四,五,,,預測 ,驗證期,開獎號碼,命中"}}},
    {{"double-trace-rules", "--date", "2026/08/18", "--later", "0", "--run", "2"},
     5,
     {{1, "2026/08/18,05,0,05,5,2"},
      {2, "共 3 組"},
      {3, "第 1 組,56,【定點】上1期第5順球,準2版  38.__.__"},
      {4, "第 2 組,50,【定點】上5期第1順球,準2版  07.__.__"},
      {5, "第 3 組,46,【定點】上8期第2順球,準2版  11.__.__"}}},
    {{"double-trace", "--date", "2026/08/21"}, 0, {{1, "2026/08/21,11,1,09,2,3"}}},
    {{"double-trace"}, 0, {{1, "2026/08/22,09,0,09,1,3"}, {2, "第 0 組"}, {3, "共 0 組"}, {4, "無"}}},
    {{"double-trace", "--date", "2026/08/18", "--later", "0", "--run", "2", "--rule", "9"}, 0, {{2, "第 3 組"}}},
    // One match or none: no rule, and the run stays as given.
    {{"double-trace", "--date", "2018/09/06", "--later", "0", "--run", "5"},
     7,
     {{1, "2018/09/06,02,0,02,2499,5"},
      {2, "第 0 組"},
      {3, "共 0 組"},
      {4, "無"},
      {5, " 日     期, 期 數,一,二,三,四,五,,,預測 ,驗證期,開獎號碼,命中"},
      {6, "2018/09/06,107214,02,10,11,25,37,,,,,,"},
      {7, ",,,,,,,,,,,,"}}},
    {{"double-trace-rules", "--date", "2018/09/05", "--x", "2", "--later", "0", "--y", "02", "--run", "1"},
     2,
     {{1, "2018/09/05,02,0,02,2500,1"}, {2, "共 0 組"}}},
};

TEST(IntervalsCommands, DocumentedExamples) {
  for (const auto& example : kIntervalsExamples) {
    SCOPED_TRACE(example.args.front() + " " + (example.args.size() > 1 ? example.args[1] : ""));
    const auto result = run_bundled(example.args);
    ASSERT_EQ(result.code, 0) << result.err;
    const auto lines = lines_of(result.out);
    if (example.line_count > 0) {
      EXPECT_EQ(lines.size(), example.line_count);
    } else if (example.lines.empty()) {
      EXPECT_EQ(result.out, "");  // a number outside 1..39 shows nothing
    }
    for (const auto& [number, text] : example.lines) {
      ASSERT_LE(number, lines.size());
      EXPECT_TRUE(matches_elided(lines[number - 1], text)) << lines[number - 1] << "\n" << text;
    }
  }
}

// The double trace of 2026/08/18 with the second rule shown: the tail of its grid and its
// whole explanation, and the blank ending the lines that end in a hit.
TEST(IntervalsCommands, DoubleTraceGridTailAndExplanation) {
  const auto result = run_bundled({"double-trace", "--date", "2026/08/18", "--later", "0", "--run", "2", "--rule", "2"});
  ASSERT_EQ(result.code, 0);
  const std::string documented =
      "2026/08/13,115196,05,11,12,17,18,,,06.__.__,115201,02.06.07.32.38.,06 \n"
      "2026/08/18,115200,05,06,10,28,39,,,07.__.__,,.....,\n"
      ",,,,,,,,,,,,\n"
      "【基準期】05，05同期開\n"
      "【定點】上5期第1順球\n"
      "【預測】下5期開\n"
      "【驗證】準2版走第3版\n"
      "\n"
      "*****2026/08/08_115192期05 11 24 31 32 同期開05,05\n"
      "上5期2026/08/03_115187期07 21 23 28 35 第1順球 07\n"
      "下5期2026/08/14_115197期07 19 21 25 34  開出07 \n"
      "\n"
      "*****2026/08/13_115196期05 11 12 17 18 同期開05,05\n"
      "上5期2026/08/07_115191期06 11 12 13 19 第1順球 06\n"
      "下5期2026/08/19_115201期02 06 07 32 38  開出06 \n"
      "\n"
      "*****2026/08/18_115200期05 06 10 28 39 同期開05,05\n"
      "上5期2026/08/12_115195期07 12 17 20 32 第1順球 07\n"
      "下5期預測07.__.__\n";
  ASSERT_GE(result.out.size(), documented.size());
  EXPECT_EQ(result.out.substr(result.out.size() - documented.size()), documented);

  const auto later = lines_of(run_bundled({"double-trace", "--date", "2026/08/21"}).out);
  EXPECT_NE(std::find(later.begin(), later.end(), "【基準期】不定位開11，且下1期開09"), later.end());
  EXPECT_NE(std::find(later.begin(), later.end(), "下1期2025/08/09_114193期01 09 27 29 30 開09"), later.end());
}

TEST(IntervalsCommands, OldDateKeepsAThousandRules) {
  const auto lines = lines_of(run_bundled({"double-trace-rules", "--date", "2021/01/04", "--run", "1"}).out);
  ASSERT_EQ(lines.size(), 1002U);
  EXPECT_EQ(lines[0], "2021/01/04,02,1769,09,1770,1");
  EXPECT_EQ(lines[1], "共 1000 組");
  EXPECT_EQ(lines[2], "第 1 組,7,【定點】下507期第1順球,準2版  04.__.__");
  EXPECT_EQ(lines.back(), "第 1000 組,1,【定點】下1037期第1順球,準1版  09.__.__");
}

TEST(IntervalsCommands, EmptyTable) {
  const std::string file = test_support::temp_draw_file("intervals_empty.txt", "");
  const auto grid = test_support::run_cli({"--file", file, "--today", "2026/12/09", "intervals"});
  std::string expected = "0期  \n";
  for (int n = 1; n <= 39; ++n) expected += (n < 10 ? ",0" : ",") + std::to_string(n);
  expected += "\n";
  for (int r = 1; r <= 4; ++r) expected += "00" + std::to_string(r) + std::string(39, ',') + "\n";
  EXPECT_EQ(grid.out, expected);
  EXPECT_EQ(test_support::run_cli({"--file", file, "--today", "2026/12/09", "interval-summary", "--all"}).out, "");
  const auto trace = test_support::run_cli({"--file", file, "--today", "2026/12/09", "double-trace"});
  EXPECT_EQ(trace.code, 2);
  EXPECT_EQ(trace.err, "沒有開獎資料\n");
}

TEST(IntervalsCommands, Refusals) {
  const test_support::Refusal cases[] = {
      {{"intervals", "--number", "05"}, "選項 --number 不適用於此命令"},
      {{"double-trace-rules", "--rule", "1"}, "選項 --rule 不適用於此命令"},
      {{"interval-summary", "--all", "--number", "05"}, "--all 與 --number 不能同時使用"},
      {{"double-trace", "--date", "2030/01/01", "--ball-order", "x"}, "沒有這個日期的開獎資料: 2030/01/01"},
      {{"double-trace", "--date", "2026/8/18"}, "沒有這個日期的開獎資料: 2026/8/18"},
      {{"double-trace", "--ball-order", "x", "--x", "40"}, "--ball-order 必須是 sorted 或 drawn: x"},
      {{"double-trace", "--x", "40", "--later", "9"}, "號碼必須是 01 到 39: 40"},
      {{"double-trace", "--y", "005"}, "號碼必須是 01 到 39: 005"},
      {{"double-trace", "--later", "5"}, "且下期數必須是 0 到 0: 5"},
      {{"double-trace", "--date", "2026/08/18", "--later", "-1"}, "且下期數必須是 0 到 4: -1"},
      {{"double-trace", "--later", "x", "--run", "y"}, "「x」不是有效的整數"},
      {{"double-trace", "--run", "y", "--rule", "0"}, "「y」不是有效的整數"},
      {{"double-trace", "--rule", "0"}, "--rule 必須至少為 1: 0"},
      {{"double-trace-rules", "--run", "0"}, "連準必須至少為 1: 0"},
      {{"double-trace", "--run", "-1", "--rule", "x"}, "連準必須至少為 1: -1"},
      {{"double-trace", "--later", "x", "--run", "0"}, "「x」不是有效的整數"},
      {{"double-trace-rules", "--run", " 3"}, "「 3」不是有效的整數"},
  };
  test_support::expect_refusals(cases);
}

}  // namespace
