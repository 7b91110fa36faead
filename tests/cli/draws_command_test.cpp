#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace {

using test_support::CliResult;
using test_support::run_cli;

TEST(CliDraws, PrintsLabelsThenLinesOldestFirst) {
  const std::string file = test_support::temp_draw_file("cli_draws.txt",
                                     "2009/01/05,098003,39,05,17,22,08\r\n"
                                     "2009/01/02,098001,01,02,03,04,05\r\n"
                                     "2009/01/09,098004,01,02,03,04,05\r\n");
  const CliResult r = run_cli({"--file", file, "--today", "2009/01/05", "draws"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out,
            "日期:2009/01/05\n期數:098003\n號碼(落球):39,05,17,22,08\n"
            "2009/01/02,098001,01,02,03,04,05\n2009/01/05,098003,39,05,17,22,08\n");
}

TEST(CliDraws, ErrorsGoToStderrWithNonZeroExit) {
  CliResult r = run_cli({"--file", "/nonexistent/TW539.txt", "draws"});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("/nonexistent/TW539.txt"), std::string::npos);
  EXPECT_TRUE(r.out.empty());

  r = run_cli({"--file", test_support::temp_draw_file("cli_bad.txt", "2009/02/30,098001,01,02,03,04,05\r\n"), "--today", "2010/01/01", "draws"});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("2009/02/30"), std::string::npos);

  r = run_cli({"--today", "2009/13/01", "draws"});
  EXPECT_NE(r.code, 0);
  r = run_cli({"no-such-command"});
  EXPECT_NE(r.code, 0);
  r = run_cli({});
  EXPECT_NE(r.code, 0);
}

TEST(CliDraws, BundledHistoryKeepsTheNewest2500) {
  const CliResult r = run_cli({"--file", std::string(VANTOR_DATA_DIR) + "/TW539.txt", "--today", "2026/12/09", "draws"});
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3 + 2500);
  EXPECT_NE(r.out.find("號碼(落球):09,10,29,30,34"), std::string::npos);
}

}  // namespace
