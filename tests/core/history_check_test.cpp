// The check of the draw file: every kind of problem named with its line, and what the
// downloads refuse (the first line the loader would read that is no possible draw).
#include "core/history_check.h"

#include <gtest/gtest.h>

#include "core/text_file.h"

namespace {

std::string lines(std::initializer_list<const char*> texts) {
  std::string bytes;
  for (const char* text : texts) bytes += std::string(text) + "\r\n";
  return bytes;
}

TEST(check_history, NamesEveryProblemWithItsLine) {
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> findings;
  };
  const Case cases[] = {
      {"a sound file, blank lines at its end", lines({"2014/01/01,103001,05,13,24,26,34", "2014/01/02,103002,01,02,03,04,05  ", "", ""}), {}},
      {"an empty file", "", {}},
      {"issues missing within a year, not across years",
       lines({"2013/12/30,102312,01,02,03,04,05", "2013/12/31,102313,01,02,03,04,05", "2014/01/01,103001,05,13,24,26,34",
              "2014/01/03,103003,01,02,03,04,05", "2014/01/07,103007,01,02,03,04,05"}),
       {"第 4 行之前缺少期數 103002", "第 5 行之前缺少期數 103004 至 103006,共 3 期"}},
      {"a year that starts late after one that ends early; the file's first year may start anywhere",
       lines({"2012/12/28,101310,01,02,03,04,05", "2012/12/29,101311,01,02,03,04,05", "2013/01/03,102003,01,02,03,04,05",
              "2013/01/04,102004,01,02,03,04,05", "2013/01/07,102005,01,02,03,04,05"}),
       {"第 3 行之前缺少期數 102001 至 102002,共 2 期",
        "第 3 行之前缺少 2012 年底的開獎資料:該年最後一期 101311 開於 2012/12/29,之後到年底還有 1 個開獎日"}},
      {"no draw day left at a year's end (Sunday the 31st)",
       lines({"2017/12/29,106311,01,02,03,04,05", "2017/12/30,106312,01,02,03,04,05", "2018/01/01,107001,01,02,03,04,05",
              "2018/01/02,107002,01,02,03,04,05"}),
       {}},
      {"a whole year missing", lines({"2010/12/31,099261,01,02,03,04,05", "2012/01/02,101001,01,02,03,04,05"}),
       {"第 2 行之前缺少 2011 年整年的開獎資料"}},
      {"two issues of one date, an issue of another year",
       lines({"2014/01/01,103001,01,02,03,04,05", "2014/01/01,103002,01,02,03,04,06", "2014/01/02,104001,01,02,03,04,05"}),
       {"第 2 行：開獎日期 2014/01/01 與第 1 行相同,一天只開一期",
        "第 3 行：期數 104001 的年度 (民國 104 年) 與開獎日期 2014/01/02 不符"}},
      {"a line dated in the future in the middle, and one at the end",
       lines({"2026/12/01,115280,01,02,03,04,05", "2062/12/02,115281,01,02,03,04,05", "2026/12/03,115282,01,02,03,04,05",
              "2026/12/10,115283,01,02,03,04,05"}),
       {"第 2 行：期數 115281 的年度 (民國 115 年) 與開獎日期 2062/12/02 不符",
        "第 2 行：開獎日期 2062/12/02 在今天之後,程式不會載入這一行",
        "第 3 行：日期 2026/12/03 早於前一筆(第 2 行)的 2062/12/02"}},
      {"the same issue twice, dates out of order",
       lines({"2014/01/02,103002,05,13,24,26,34", "2014/01/01,103001,01,02,03,04,05", "2014/01/03,103002,01,02,03,04,05"}),
       {"第 2 行：日期 2014/01/01 早於前一筆(第 1 行)的 2014/01/02", "第 3 行：期數 103002 與第 1 行重複"}},
      {"impossible balls and dates",
       lines({"2026/08/25,115206,05,13,24,26,34", "2026/08/26,115207,45,00,24,24,06", "2026/08/27,115208,01,02,02,04,05",
              "2026/02/30,115209,01,02,03,04,05"}),
       {"第 2 行：號碼「45」不在 01 到 39 之間 「2026/08/26,115207,45,00,24,24,06」",
        "第 3 行：號碼 02 出現兩次 「2026/08/27,115208,01,02,02,04,05」",
        "第 4 行：日期「2026/02/30」不是有效的日期 「2026/02/30,115209,01,02,03,04,05」"}},
      {"lines that are no draw lines; the first one ends the load",
       lines({"2014/01/01,103001,05,13,24,26,34", "", "2014/01/02,103002,01,02,03,04", "yyyy/mm/dd,xxxxxx,00,00,00,00,00",
              "2014/01/03,103003,01,02,03,04,05"}),
       {"第 2 行是空白行,程式讀到此行即停止,其後 3 行不會載入",
        "第 3 行：不是開獎資料格式 (yyyy/mm/dd,xxxxxx,00,00,00,00,00) 「2014/01/02,103002,01,02,03,04」",
        "第 4 行：不是開獎資料格式 (yyyy/mm/dd,xxxxxx,00,00,00,00,00) 「yyyy/mm/dd,xxxxxx,00,00,00,00,00」",
        "第 5 行之前缺少期數 103002"}},
      {"a byte-order mark before the first line", "\xEF\xBB\xBF" + lines({"2014/01/01,103001,05,13,24,26,34"}),
       {"第 1 行：開頭有 UTF-8 的 BOM 記號,不是開獎資料格式"}},
  };
  for (const Case& c : cases) EXPECT_EQ(core::check_history(c.file, "2026/12/09"), c.findings) << c.what;
  // The bundled history is sound.
  EXPECT_EQ(core::check_history(core::read_bytes(std::string(VANTOR_DATA_DIR) + "/TW539.txt").value(), "2026/12/09"),
            std::vector<std::string>{});
}

TEST(first_impossible_draw, LooksAtTheLinesTheLoaderReads) {
  struct Case {
    const char* what;
    std::string file;
    std::optional<int> line;
  };
  const Case cases[] = {
      {"sound", lines({"2014/01/01,103001,05,13,24,26,34"}), std::nullopt},
      {"a future line with a ball twice", lines({"2014/01/01,103001,05,13,24,26,34", "2099/01/01,188001,05,05,24,26,34"}), 2},
      {"after the load's end", lines({"2014/01/01,103001,05,13,24,26,34", "", "2014/01/02,103002,45,00,24,24,06"}),
       std::nullopt},
      {"lone line feeds", "2014/01/01,103001,05,13,24,26,34\n2014/01/02,103002,45,00,24,24,06\n", 2},
  };
  for (const Case& c : cases) {
    const auto problem = core::first_impossible_draw(c.file);
    EXPECT_EQ(problem ? std::optional<int>(problem->line) : std::nullopt, c.line) << c.what;
  }
  EXPECT_EQ(core::first_impossible_draw(lines({"2026/08/26,115207,45,00,24,24,06"}))->reason,
            "第 1 行：號碼「45」不在 01 到 39 之間 「2026/08/26,115207,45,00,24,24,06」");
}

}  // namespace
