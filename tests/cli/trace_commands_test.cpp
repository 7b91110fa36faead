// The trace commands on the bundled draws: the documented examples line by line, and
// the refusals with their messages and order.
#include <gtest/gtest.h>

#include "support/cli_golden.h"

namespace {

using test_support::lines_of;
using test_support::matches_document;
using test_support::run_bundled;

const std::string kSummaryTail(53, ',');  // the 52 empty fields after a summary label

TEST(TraceCommands, DocumentedExamples) {
  struct Case {
    std::vector<std::string> words;
    std::vector<std::string> documented;
  };
  const std::string header = "日     期, 期  數,01,02,03,04,05,06,07,08,09,10,…,38,39,,０,１,２,３,４,５,６,７,８,９,,";
  const Case cases[] = {
      {{"trace", "--tab", "triple", "--number", "10.29.34"},
       {"下 1 期", "本期開 10.29.34 下 1 期 拖牌分析", header,
        "2018/12/31,107313,,,,,,,●,,,,●,,,,,,,,,,●,,,,,,●,,,●,,,,,,,,,,,1,2,,,,,,2,,,,",
        "2021/09/22,110227,,,,,,,,,,,,,,,●,,,●,●,●,,,,,,,,,,,,,,,●,,,,,,1,,,,,2,,,1,1,,",
        ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
        "期數 2, 號   碼,01,02,03,04,05,06,07,08,09,10,…,38,39,,０,１,２,３,４,５,６,７,８,９,,",
        ",    ●,,,,,,,1,,,,1,,,,1,,,1,1,1,1,,,,,,1,,,1,,,,,1,,,,,,2,1,,,,1,,1,1,1,,",
        "統計 ,      ,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
        "最近 2 期,    ●,,,,,,,1,,,,1,,,,1,,,1,1,1,1,,,,,,1,,,1,,,,,1,,,,,,2,1,,,,1,,1,1,1,,",
        "連莊開出,,,,,,,,1,,,,1,,,,,,,,,,1,,,,,,1,,,1,,,,,,,,,,,2,1,,,,,,1,,,,",
        "隔二版開出,,,,,,,,,,,,,,,,1,,,1,1,1,,,,,,,,,,,,,,,1,,,,,,,,,,,1,,,1,1,,", "隔三版開出" + kSummaryTail,
        "隔四版開出" + kSummaryTail, "隔五版開出" + kSummaryTail, "隔六版開出" + kSummaryTail,
        "隔七版以上" + kSummaryTail}},
      {{"trace-pairs", "--tab", "triple", "--number", "10.29.34"},
       {"30.35",
        "拖牌總期數 2",
        "二中一期數 2",
        "開出號碼數 2",
        "30.35,27.35,21.35,20.30,20.27,20.21,19.30,19.27,19.21,18.30,18.27,18.21,…",
        "日     期, 期  數,30,35",
        "2018/12/31,107313,●,",
        "2021/09/22,110227,,●",
        ",,,",
        "期數 2, 號   碼,30,35",
        ",    ●,1,1",
        "統計 ,      ,,",
        "最近 2 期,    ●,1,1",
        "連莊開出,,1,",
        "隔二版開出,,,1",
        "隔三版開出,,,",
        "隔四版開出,,,",
        "隔五版開出,,,",
        "隔六版開出,,,",
        "隔七版以上,,,"}},
      {{"trace-triples", "--tab", "triple", "--number", "10.29.34", "--pick", "07.15.40"},
       {"07.15.40", "拖牌總期數 2", "三中一期數 2", "開出號碼數 3", "27.30.35,21.30.35,21.27.35,20.30.35,20.27.35,…",
        "日     期, 期  數,07,15,35", "2018/12/31,107313,●,,", "2021/09/22,110227,,●,●", ",,,,", "…"}},
      {{"trace-sorted", "--tab", "triple", "--number", "10.29.34"},
       {"日     期, 期  "
        "數,35,30,27,21,20,19,18,15,11,07,39,38,37,36,34,33,32,31,29,28,26,25,24,23,22,17,16,14,13,12,10,"
        "09,08,06,05,04,03,02,01,,７,５,１,０,９,８,６,４,３,２,,",
        "2018/12/31,107313,,●,●,●,,,,,●,●,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,2,,2,1,,,,,,,,",
        "2021/09/22,110227,●,,,,●,●,●,●,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,2,,1,1,1,,,,,,", "…"}},
      {{"number-analysis", "--tab", "cycle", "--step", "3", "--run-length", "2", "--recent", "5"},
       {"5",
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21",
        "1,,1,1,1,,1,,1,,1,1,,1,,2,1,1,1,,",
        "22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42",
        "1,1,1,,,2,1,,,,1,,1,2,,,1,,,,",
        "  0,  1,  2,  3,  4,  5,  6,  7,  8,  9",
        ",2,3,2,4,3,2,4,3,2",
        " 27 26 21",
        "版路名稱：第115204期之下一期往前推,每隔 3期 本期 拖牌分析",
        "隔一版開同號(X1N0)",
        "第115199期(2026/08/17)開 27",
        "第115202期(2026/08/20)開 27",
        "本期預測 27",
        "隔一版開 Ｎ－１號(X1N-1)",
        "第115199期(2026/08/17)開 28",
        "第115202期(2026/08/20)開 27",
        "本期預測 26",
        "隔二版開 Ｎ－１號(X2N-1)",
        "第115193期(2026/08/10)開 23",
        "第115199期(2026/08/17)開 22",
        "本期預測 21"}},
      {{"trace-chart"},
       {"2500",
        "拖牌號碼統計(2005/01/01-2026/12/09)",
        "01,205",
        "23,191",
        "…",
        "拖牌尾數統計(2005/01/01-2026/12/09)",
        "4尾,691",
        "…",
        "拖牌頭數統計(2005/01/01-2026/12/09)",
        "2頭,1657",
        "1頭,1639",
        "3頭,1574",
        "0頭,1520",
        "編號, 開獎日期__, 期數__, 號碼",
        "0001, 2018/09/06, 107214, 02,10,11,25,37,",
        "…",
        "1279, 2026/08/22, 115204, 09,10,29,30,34,",
        "編號, 開獎日期__, 期數__, 號碼",
        "0001, 2018/09/07, 107215, 19,23,27,31,32,",
        "…",
        "1278, 2026/08/22, 115204, 09,10,29,30,34,"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.words.front());
    const auto r = run_bundled(c.words);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    EXPECT_TRUE(matches_document(lines_of(r.out), c.documented));
  }
}

TEST(TraceCommands, ShapesOfTheOtherOutputs) {
  // Lines 3-41 numbers, 42-52 tails, 53-57 heads; query titles use this game's name.
  auto chart =
      lines_of(run_bundled({"trace-chart", "--query", "numbers", "--query-text", "06 18", "--next", "2,1"}).out);
  EXPECT_EQ(chart[1], "今彩539 0618拖牌號碼統計(2005/01/01-2026/12/09)");
  EXPECT_EQ(chart[41], "拖牌尾數統計(2005/01/01-2026/12/09)");
  EXPECT_EQ(chart[52], "拖牌頭數統計(2005/01/01-2026/12/09)");
  chart = lines_of(run_bundled({"trace-chart", "--query", "tails", "--query-text", "0000", "--next", "3"}).out);
  EXPECT_EQ(chart[1], "今彩539尾數0000拖牌號碼統計(2005/01/01-2026/12/09)");
  EXPECT_EQ(chart.back(), "您查詢的尾數0000尚無開出記錄,故無統計資訊");
  chart = lines_of(
      run_bundled({"trace-chart", "--query", "positions", "--query-text", ",15,,,", "--order", "ascending"}).out);
  EXPECT_EQ(chart[1], "今彩539 ,15,,,拖牌號碼統計(2005/01/01-2026/12/09)");

  // Pinned mode: the rows holding 09, among them those holding 10, both marked.
  const auto pinned = lines_of(run_bundled({"trace", "--number", "09", "--distance", "0", "--pin-number", "10"}).out);
  EXPECT_EQ(pinned[0], "本期");
  EXPECT_EQ(pinned[1], "本期開 10 本期 拖牌分析");
  ASSERT_GT(pinned.size(), 16u);
  for (std::size_t i = 3; i + 13 < pinned.size(); ++i) {
    std::vector<std::string> cells;
    std::istringstream row(pinned[i]);
    for (std::string cell; std::getline(row, cell, ',');) cells.push_back(cell);
    EXPECT_EQ(cells.at(10) + cells.at(11), "●●") << pinned[i];  // the columns of 09 and 10
  }
  // With no kept triple the box text and the item line are empty.
  const auto none = lines_of(run_bundled({"trace-triples", "--number", "99"}).out);
  EXPECT_EQ(none[0], "");
  EXPECT_EQ(none[4], "");
  EXPECT_EQ(none[5], "日     期, 期  數,,,");
}

TEST(TraceCommands, RefusalsInTheirOrder) {
  const std::string bad_position = "第？支錯誤";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"trace", "--tab", "x"}, "--tab 必須是 single、pair、triple、ascending、drawn、add 或 cycle"},
      {{"trace", "--issue", "999999"}, "沒有這一期的開獎資料: 999999"},
      {{"trace", "--tab", "ascending", "--issue", "1", "--position", "0"}, "沒有這一期的開獎資料: 1"},
      {{"trace", "--tab", "ascending", "--position", "0"}, bad_position},
      {{"trace", "--tab", "drawn", "--position", "x", "--distance", "y"}, bad_position},
      {{"trace", "--tab", "add", "--p2", "8"}, bad_position},
      {{"trace", "--tab", "add", "--sign", "乘", "--distance", "y"}, "「乘」不是「加」或「減」"},
      {{"trace", "--tab", "add", "--distance", "y", "--amount", "z"}, "「y」不是有效的整數"},
      {{"trace", "--tab", "add", "--amount", "1.5"}, "「1.5」不是有效的整數"},
      {{"trace", "--tab", "cycle", "--step", "x"}, "「x」不是有效的整數"},
      {{"trace", "--tab", "cycle", "--step", "0"}, "間隔期數必須至少為 1: 0"},
      {{"trace", "--pin-number", "05", "--pin-distance", "+"}, "「+」不是有效的整數"},
      {{"trace", "--pin-distance", "1"}, "--pin-distance 只能與 --pin-number 一起使用"},
      {{"trace", "--tab", "pair", "--step", "2"}, "選項 --step 不適用於此命令"},
      {{"trace", "--tab", "add", "--pin-number", "05", "--issue", "115204"}, "選項 --issue 不適用於此命令"},
      {{"trace-sorted", "--pick", "01.02"}, "選項 --pick 不適用於此命令"},
      {{"trace-pairs", "--recent", "3"}, "選項 --recent 不適用於此命令"},
      {{"number-analysis", "--recent", "x"}, "您輸入的數字錯誤,請重新輸入"},
      {{"number-analysis", "--recent", "2501", "--run-length", "9"}, "您輸入的數字錯誤,請重新輸入"},
      {{"number-analysis", "--run-length", "6", "--rules", "11"}, "--run-length 必須是 2、3、4 或 5"},
      {{"number-analysis", "--rules", "1,11"}, "--rules 的項目必須是 1 到 10 的整數: 11"},
      {{"trace-chart", "--from", "2026/13/01", "--next", "13"}, "日期格式錯誤: 2026/13/01"},
      {{"trace-chart", "--next", ""}, "--next 至少要勾選一個期數"},
      {{"trace-chart", "--next", "1,13", "--levels", "4"}, "--next 的項目必須是 1 到 12 的整數: 13"},
      {{"trace-chart", "--levels", "4", "--query", "numbers"}, "--levels 的項目必須是 1 到 3 的整數: 4"},
      {{"trace-chart", "--levels", "1", "--query", "numbers"}, "--levels 不能與 --query 一起使用"},
      {{"trace-chart", "--query-text", "06"}, "--query-text 只適用於 --query"},
      {{"trace-chart", "--order", "drawn"}, "--order 只適用於 --query"},
      {{"trace-chart", "--query", "x"}, "--query 必須是 numbers、tails、positions 或 position-tails"},
      {{"trace-chart", "--query", "tails", "--order", "up"}, "--order 必須是 drawn 或 ascending"},
      {{"trace-chart", "--query", "numbers", "--query-text", "0618233"}, "查詢文字超過 6 個字: 0618233"},
      {{"trace-chart", "--query", "positions", "--query-text", "1,2,3"},
       "定位查詢必須是五個以逗號分隔、每個至多 2 個字的欄位: 1,2,3"},
      {{"trace-chart", "--query", "position-tails", "--query-text", "1,2,3,4,55"},
       "定位查詢必須是五個以逗號分隔、每個至多 1 個字的欄位: 1,2,3,4,55"},
  };
  for (const auto& [words, message] : cases) {
    SCOPED_TRACE(words.front() + " " + (words.size() > 1 ? words[1] : ""));
    const auto r = run_bundled(words);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, message + "\n");
  }
}

}  // namespace
