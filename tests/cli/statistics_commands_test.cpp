// The statistics command on the bundled draws: the documented examples and the
// refusals in their order of checking.
#include <gtest/gtest.h>

#include "support/cli_golden.h"

namespace {

using test_support::lines_of;
using test_support::matches_document;
using test_support::run_bundled;

TEST(StatisticsCommand, DocumentedExamples) {
  struct Case {
    std::vector<std::string> words;
    std::vector<std::string> documented;
  };
  const Case cases[] = {
      {{"statistics", "--from", "2026/08/01"}, {"19", "07,6", "35,5", "32,5", "…", "15,0", "08,0", "平均值為 2.44"}},
      {{"statistics", "--view", "tails", "--from", "2026/08/01"},
       {"19", "0,6", "1,10", "2,15", "3,5", "4,9", "5,10", "6,6", "7,13", "8,8", "9,13", "平均值為 9.50"}},
      {{"statistics", "--view", "gaps"}, {"2500", "15,34", "33,21", "36,21", "…", "29,0", "34,0", "平均值為 7.10"}},
      {{"statistics", "--view", "gaps", "--order", "number", "--from", "2026/08/01"},
       {"19", "01,11", "02,3", "03,14", "…"}},
      // The order does not change the tail view; a range after its end holds no draw.
      {{"statistics", "--view=tails", "--order", "number", "--from", "2027/01/01", "--to", "2026/01/01"},
       {"0", "0,", "1,", "2,", "3,", "4,", "5,", "6,", "7,", "8,", "9,", "平均值為 0.00"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.words.back());
    const auto r = run_bundled(c.words);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(matches_document(lines_of(r.out), c.documented));
  }
  EXPECT_EQ(lines_of(run_bundled({"statistics"}).out).size(), 41u);
}

TEST(StatisticsCommand, RefusalsInTheirOrder) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"statistics", "--view", "x", "--tab", "single"}, "選項 --tab 不適用於命令 statistics"},
      {{"statistics", "--sort", "--view", "x"}, "選項 --sort 不適用於命令 statistics"},
      {{"statistics", "--view", "x", "--order", "y"}, "--view 必須是 numbers、tails 或 gaps"},
      {{"statistics", "--order", "y", "--from", "x"}, "--order 必須是 value 或 number"},
      {{"statistics", "--from", "2026/02/30", "--to", "x"}, "日期格式錯誤: 2026/02/30"},
      {{"statistics", "--to", "2026/2/3"}, "日期格式錯誤: 2026/2/3"},
  };
  for (const auto& [words, message] : cases) {
    const auto r = run_bundled(words);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, message + "\n");
  }
}

}  // namespace
