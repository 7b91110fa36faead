#include <gtest/gtest.h>

#include "pillars/messages.h"
#include "support/cli_run.h"
#include "support/test_platform.h"

namespace {

using test_support::CliResult;
using test_support::lines_of;

// Six draws; 17 is the third smallest ball of draws 2, 4 and 6 (the latest).
const char kWorkbenchDraws[] =
    "2008/12/30,097310,38,01,09,22,30\r\n"
    "2009/01/02,098001,29,03,11,17,38\r\n"
    "2009/01/03,098002,05,12,23,30,38\r\n"
    "2009/01/05,098003,17,05,22,08,39\r\n"
    "2009/01/06,098004,01,02,03,04,05\r\n"
    "2009/01/07,098005,05,11,17,23,30\r\n";

// The six draws, with today fixed the day after the latest.
CliResult run_workbench(std::vector<std::string> words) {
  static const std::string path =
      test_support::temp_draw_file("workbench_cli_" + std::to_string(test_support::process_id()) + ".txt", kWorkbenchDraws);
  words.insert(words.begin(), {"--file", path, "--today", "2009/01/08"});
  return test_support::run_cli(words);
}

TEST(CliPeriod, DefaultDateRangeFrom2009) {
  const CliResult r = run_workbench({"period"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(lines_of(r.out),
            (std::vector<std::string>{"驗證期間：2009/01/01 至 2009/01/08 共   5 期",
                                      "0001,2009/01/02,098001,03,11,17,29,38",
                                      "0002,2009/01/03,098002,05,12,23,30,38",
                                      "0003,2009/01/05,098003,05,08,17,22,39",
                                      "0004,2009/01/06,098004,01,02,03,04,05",
                                      "0005,2009/01/07,098005,05,11,17,23,30"}));
}

TEST(CliPeriod, EverySourceAndItsTitle) {
  CliResult r = run_workbench({"period", "--from", "2009/01/03", "--to", "2009/01/05"});
  EXPECT_EQ(lines_of(r.out).front(), "驗證期間：2009/01/03 至 2009/01/05 共   2 期");

  r = run_workbench({"period", "--recent", "2"});
  EXPECT_EQ(lines_of(r.out),
            (std::vector<std::string>{"最近 2 期驗證", "0001,2009/01/06,098004,01,02,03,04,05",
                                      "0002,2009/01/07,098005,05,11,17,23,30"}));

  r = run_workbench({"period", "--every", "2", "--recent", "2"});
  EXPECT_EQ(lines_of(r.out),
            (std::vector<std::string>{"每 2 期一次，取最近 2 期驗證", "0001,2009/01/05,098003,05,08,17,22,39",
                                      "0002,2009/01/07,098005,05,11,17,23,30"}));

  // The latest draw, position 3 (17), distance 1: the draws after draws 2 and 4.
  r = run_workbench({"period", "--trace-date", "2009/01/07", "--position", "3"});
  EXPECT_EQ(lines_of(r.out),
            (std::vector<std::string>{"當第 3 支開17之下1期統計驗證 (共 2 期)",
                                      "0001,2009/01/03,098002,05,12,23,30,38",
                                      "0002,2009/01/06,098004,01,02,03,04,05"}));

  r = run_workbench({"period", "--trace-date", "2009/01/07", "--number", "05", "--anywhere"});
  EXPECT_EQ(lines_of(r.out).front(), "當05不定點開出 之下1期統計驗證 (共 3 期)");
}

TEST(CliPeriod, BadOptionsPrintTheMessage) {
  using namespace pillars::msg;
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"period", "--recent", "x"}, not_an_integer("x")},
      {{"period", "--every", "0", "--recent", "5"}, std::string(kIntervalBelowOne)},
      {{"period", "--trace-date", "2001/01/01"}, no_draw_on("2001/01/01")},
      {{"period", "--trace-date", "2009/01/07", "--position", "6"}, std::string(kPositionOutOfRange)},
      {{"period", "--from", "2009/02/30"}, not_a_date("2009/02/30")},
  };
  for (const auto& [words, message] : cases) {
    const CliResult r = run_workbench(words);
    EXPECT_NE(r.code, 0) << words[1];
    EXPECT_EQ(r.err, message + "\n");
    EXPECT_TRUE(r.out.empty());
  }
  // N <= 0 is no error: an empty list.
  EXPECT_EQ(lines_of(run_workbench({"period", "--recent", "0"}).out), std::vector<std::string>{"最近 0 期驗證"});
}

TEST(CliStats, NumbersThenTails) {
  const auto out = lines_of(run_workbench({"stats", "--recent", "1"}).out);
  ASSERT_EQ(out.size(), 39u + 10u);
  EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + 6),
            (std::vector<std::string>{"30,1", "23,1", "17,1", "11,1", "05,1", "39,0"}));
  EXPECT_EQ(out[38], "01,0");
  EXPECT_EQ(out[39], "7 尾,1");
  EXPECT_EQ(out.back(), "2 尾,0");
}

TEST(CliHot, OrderedCombinations) {
  CliResult r = run_workbench({"hot", "--k", "2", "--recent", "1"});
  auto out = lines_of(r.out);
  ASSERT_EQ(out.size(), 10u);
  EXPECT_EQ(out.front(), "2330  001");
  EXPECT_EQ(out.back(), "0511  001");

  out = lines_of(run_workbench({"hot", "--k", "3"}).out);
  EXPECT_EQ(out.front(), "052330  002");  // draws of 2009/01/03 and 2009/01/07
  EXPECT_NE(run_workbench({"hot", "--k", "5"}).code, 0);
}

TEST(CliLenpon, ReportAfterTheFullCombinationCheck) {
  CliResult r = run_workbench({"lenpon", "--numbers", "23,5,17,11", "--recent", "2"});
  ASSERT_EQ(r.code, 0) << r.err;
  auto out = lines_of(r.out);
  ASSERT_EQ(out.size(), 2u + 14u);
  EXPECT_EQ(out[0], "0001,2009/01/06,098004,01,02,03,04,05,|,__,__,__,__,05,|,0,0,0");
  EXPECT_EQ(out[1], "0002,2009/01/07,098005,05,11,17,23,30,|,05,11,17,23,__,|,6,4,1");
  EXPECT_EQ(out[3], "最近 2 期驗證");
  EXPECT_EQ(out[6], "05,11,17,23");
  EXPECT_EQ(out.back(), "四星開出 1 碰");

  out = lines_of(run_workbench({"lenpon", "--numbers", "05,11", "--recent", "2", "--no-detail"}).out);
  EXPECT_EQ(out[1], "0002,2009/01/07,098005,05,11,17,23,30");

  r = run_workbench({"lenpon", "--numbers", "05"});
  EXPECT_NE(r.code, 0);
  EXPECT_EQ(r.err, std::string(pillars::msg::kLenponSelectionSize) + "\n");
  r = run_workbench({"lenpon", "--numbers", "05,40"});
  EXPECT_EQ(r.err, pillars::msg::not_a_ball("40") + "\n");
}

TEST(CliCost, LabelsOfTheLayout) {
  CliResult r = run_workbench({"cost", "--sizes", "2,2,2,2"});
  EXPECT_EQ(lines_of(r.out),
            (std::vector<std::string>{"二星= 24 碰", "三星= 32 碰", "四星= 16 碰", "共= 72 碰",
                                      "您立柱所有的號碼數為：8  請留意！必須和您上面所選的數目相同"}));
  EXPECT_EQ(lines_of(run_workbench({"cost", "--sizes", "3,3,3,3"}).out)[3], "共= 243 碰");
  r = run_workbench({"cost", "--sizes", "2,2"});
  EXPECT_EQ(r.err, std::string(pillars::msg::kPillarCountOutOfRange) + "\n");
  r = run_workbench({"cost", "--sizes", "2,2,9"});
  EXPECT_EQ(r.err, std::string(pillars::msg::kPillarSizeOutOfRange) + "\n");
}

TEST(CliVerify, PillarReport) {
  CliResult r = run_workbench({"verify", "--pillars", "05,12/23,30/07,33/01,18", "--recent", "2"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(lines_of(r.out),
            (std::vector<std::string>{
                "0001,2009/01/06,098004,01,02,03,04,05,|,01,__,__,__,05,|,1,0,0",
                "0002,2009/01/07,098005,05,11,17,23,30,|,05,__,__,23,30,|,2,0,0",
                "", "最近 2 期驗證",
                "", "第1柱", "05", "12", "", "第2柱", "23", "30",
                "", "第3柱", "07", "33", "", "第4柱", "01", "18",
                "", "成本二星 24 碰", "成本三星 32 碰", "成本四星 16 碰",
                "", "開出星星統計", "二星開出 3 碰", "三星開出 0 碰", "四星開出 0 碰"}));

  // "5" is not 05; a pillar of nine numbers and two pillars are refused.
  r = run_workbench({"verify", "--pillars", "5,12/23/07/01", "--recent", "1"});
  EXPECT_EQ(lines_of(r.out)[0], "0001,2009/01/07,098005,05,11,17,23,30,|,__,__,__,23,__,|,0,0,0");
  r = run_workbench({"verify", "--pillars", "01,02,03,04,05,06,07,08,09/23/07"});
  EXPECT_EQ(r.err, std::string(pillars::msg::kPillarSizeOutOfRange) + "\n");
  r = run_workbench({"verify", "--pillars", "05/23"});
  EXPECT_EQ(r.err, std::string(pillars::msg::kPillarCountOutOfRange) + "\n");
}

}  // namespace
