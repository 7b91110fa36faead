// --xlsx FILE: every command that prints lines also writes them as a spreadsheet, and
// prints exactly what it prints without the option.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/text_file.h"
#include "support/cli_run.h"
#include "support/fresh_dir.h"
#include "support/write_faults.h"
#include "support/xlsx_reader.h"

namespace {

using test_support::run_bundled;

TEST(CliXlsx, WritesThePrintedLinesAndPrintsThemUnchanged) {
  const std::string dir = test_support::fresh_dir("vantor_cli_xlsx_test").string();
  const std::vector<std::vector<std::string>> commands = {
      {"verify", "--pillars", "05,12/23,30/07,33/01,18", "--recent", "3"},
      {"trace", "--tab", "triple", "--number", "10.29.34"},
      {"statistics", "--view", "tails", "--from", "2026/01/01"},
      {"moving", "--show", "detail"},
      {"draws"},
  };
  for (const auto& words : commands) {
    const std::string book_path = dir + "/" + words[0] + ".xlsx";
    std::vector<std::string> with_option = words;
    with_option.insert(with_option.begin(), {"--xlsx", book_path});
    const auto plain = run_bundled(words);
    const auto copied = run_bundled(with_option);
    ASSERT_EQ(plain.code, 0) << words[0] << ": " << plain.err;
    EXPECT_EQ(copied.code, 0) << copied.err;
    EXPECT_EQ(copied.out, plain.out) << words[0];
    EXPECT_EQ(copied.err, "");
    const auto book = test_support::read_xlsx(book_path);
    ASSERT_TRUE(book) << words[0];
    EXPECT_EQ(book->sheet_name, words[0]);
    EXPECT_FALSE(book->header_frozen);
    EXPECT_EQ(test_support::lines_mismatch(*book, core::split_lines(plain.out)), "") << words[0];
  }
}

TEST(CliXlsx, RefusesOwnFilesAndUnwritablePlacesBeforeRunning) {
  const std::string bundled = std::string(VANTOR_DATA_DIR) + "/TW539.txt";
  const test_support::Refusal cases[] = {
      {{"--xlsx", "TW539.txt", "draws"}, "「TW539.txt」是本程式的開獎資料檔,不能覆蓋,請另選檔名"},
      {{"draws", "--xlsx", bundled}, "「TW539.txt」是本程式的開獎資料檔,不能覆蓋,請另選檔名"},
      {{"draws", "--xlsx=/no/such/folder/out.xlsx"}, "無法寫入檔案 /no/such/folder/out.xlsx：找不到檔案或資料夾"},
      {{"draws", "--xlsx="}, "請以 --xlsx FILE.xlsx 指定試算表檔"},
      {{"draws", "--xlsx", "out.csv"}, "「out.csv」不是試算表的檔名：Excel 檔的檔名要以 .xlsx 結尾"},
  };
  test_support::expect_refusals(cases);
  EXPECT_FALSE(std::filesystem::exists("TW539.txt.xlsx"));
}

// As every save of a spreadsheet: a bare name gets ".xlsx"; the file is assembled beside
// its target, so a temporary folder that is missing or a file stops nothing.
TEST(CliXlsx, ABareNameGetsItsExtensionWhateverTheTemporaryFolder) {
  const auto dir = test_support::fresh_dir("vantor_cli_xlsx_bare");
  std::ofstream((dir / "a_file").string()) << "x";
  for (const char* temporary : {"no_such_folder", "a_file"}) {
    const test_support::TemporaryFolderSetting setting((dir / temporary).string());
    const auto result = run_bundled({"draws", "--xlsx", (dir / "records").string()});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(test_support::read_xlsx((dir / "records.xlsx").string())) << temporary;
    std::filesystem::remove(dir / "records.xlsx");
  }
}

}  // namespace
