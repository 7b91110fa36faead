// vantor39-cli import and check: what they print, what they write and their exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/child_process.h"
#include "core/text_file.h"
#include "exchange/backups.h"
#include "support/cli_run.h"
#include "support/fresh_dir.h"
#include "support/result_files.h"
#include "support/xlsx_reader.h"

namespace {

namespace fs = std::filesystem;
using test_support::run_cli;

const std::vector<std::string> kDraws = {
    "2025/12/30,114312,11,02,33,04,15", "2025/12/31,114313,21,22,03,24,25", "2026/01/01,115001,31,12,13,04,05",
    "2026/01/02,115002,01,22,30,14,35"};

std::string draw_file(std::size_t from, std::size_t to) {
  std::string bytes;
  for (std::size_t i = from; i < to; ++i) bytes += kDraws[i] + "\r\n";
  return bytes;
}

// kDraws imported into no file: in date order, each draw's balls sorted.
const std::string kImportedDraws =
    "2025/12/30,114312,02,04,11,15,33\r\n2025/12/31,114313,03,21,22,24,25\r\n2026/01/01,115001,04,05,12,13,31\r\n"
    "2026/01/02,115002,01,14,22,30,35\r\n";

std::string on_disk(const fs::path& path) {
  return fs::exists(path) ? core::read_bytes(path.string()).value() : std::string("<missing>");
}

TEST(import_command, PrintsTheSummaryWritesUnlessDryRunAndRefusesDamage) {
  const auto dir = test_support::fresh_dir("vantor_cli_import");
  const auto years = test_support::yearly_result_files(kDraws);  // 2025.csv, 2026.csv
  std::ofstream(dir / "2025.csv", std::ios::binary) << years[0].text;
  std::ofstream(dir / "years.zip", std::ios::binary) << test_support::zip_of({years[1]});
  std::ofstream(dir / "bad.csv", std::ios::binary) << years[1].text << "今彩539,115000003,2026/01/03,1,2,3,01,02,03,04,40\n";
  // The operator's archive of 2026 with every game but this one.
  std::ofstream(dir / "others.zip", std::ios::binary) << test_support::zip_of(
      {{"3星彩_2026.csv", test_support::operator_member("3星彩", "遊戲名稱", 3, {kDraws[2], kDraws[3]},
                                                         test_support::ArchiveStyle::Year2026)}});
  const std::string csv = (dir / "2025.csv").string(), zip = (dir / "years.zip").string(), bad = (dir / "bad.csv").string();
  const std::string others = (dir / "others.zip").string();
  const fs::path file = dir / "TW539.txt";
  const std::string all_new = "新增 4 期 (2025/12/30 – 2026/01/02), 已有 0 期, 不一致 0 期\n";
  struct Case {
    const char* what;
    std::string before;  // "" = no file
    std::vector<std::string> words;
    int code;
    std::string out, err, after;
  };
  const std::string older = draw_file(0, 2);
  const Case cases[] = {
      {"into no file", "", {"import", csv, zip}, 0, all_new + "已寫入 " + file.string() + "\n", "", kImportedDraws},
      {"dry run", older, {"import", "--dry-run", csv, zip}, 0,
       "新增 2 期 (2026/01/01 – 2026/01/02), 已有 2 期, 不一致 0 期\n", "", older},
      {"nothing to add, a conflict", draw_file(0, 1) + "2025/12/31,114313,01,02,03,04,05\r\n", {"import", csv}, 0,
       "新增 0 期, 已有 1 期, 不一致 1 期\n不一致 期數 114313: 開獎資料檔 2025/12/31 01,02,03,04,05, 開獎結果檔 2025/12/31 "
       "03,21,22,24,25\n",
       "", draw_file(0, 1) + "2025/12/31,114313,01,02,03,04,05\r\n"},
      {"damage refuses all", older, {"import", csv, bad}, 2, "",
       "「bad.csv」第 4 行：獎號「40」不在 01 到 39 之間,未匯入任何資料\n", older},
      {"an archive without the game", older, {"import", csv, others}, 2, "", "「others.zip」沒有今彩539的開獎資料\n", older},
      {"no file named", older, {"import", "--dry-run"}, 2, "", "請指定要匯入的開獎結果檔 (CSV 或 ZIP)\n", older},
  };
  for (const Case& c : cases) {
    fs::remove_all(dir / "backup");
    fs::remove(file);
    if (!c.before.empty()) {
      ASSERT_TRUE(core::write_bytes_atomic(file.string(), c.before));
    }
    std::vector<std::string> words = {"--file", file.string(), "--today", "2026/12/09"};
    words.insert(words.end(), c.words.begin(), c.words.end());
    const auto result = run_cli(words);
    EXPECT_EQ(result.code, c.code) << c.what;
    EXPECT_EQ(result.out, c.out) << c.what;
    EXPECT_EQ(result.err, c.err) << c.what;
    EXPECT_EQ(on_disk(file), c.after) << c.what;
    // Only a write keeps a backup.
    EXPECT_EQ(exchange::list_backups(file.string()).size(), 0u) << c.what;
  }
  // Over an existing file the previous one is kept.
  ASSERT_TRUE(core::write_bytes_atomic(file.string(), older));
  EXPECT_EQ(run_cli({"--file", file.string(), "--today", "2026/12/09", "import", csv, zip}).code, 0);
  ASSERT_EQ(exchange::list_backups(file.string()).size(), 1u);
  EXPECT_EQ(on_disk(exchange::list_backups(file.string()).front().path), older);
  EXPECT_NE(run_cli({"import", "--help"}).out.find("import FILE... [options]"), std::string::npos);
  fs::remove_all(dir);
}

// The program itself opens the ZIP reader and the spreadsheet writer as a module when it
// needs them (the in-process runs above link them): one whole process does both.
TEST(import_command, AsAProgramReadsTheArchiveAndSavesTheSpreadsheet) {
  const auto dir = test_support::fresh_dir("vantor_cli_import_process");
  const auto years = test_support::yearly_result_files(kDraws);
  std::ofstream(dir / "years.zip", std::ios::binary) << test_support::zip_of(years);
  const fs::path file = dir / "TW539.txt", book = dir / "summary.xlsx";
  const auto ran = core::run_child(
      VANTOR_CLI, {"--file", file.string(), "--xlsx", book.string(), "import", (dir / "years.zip").string()}, "");
  ASSERT_TRUE(ran);
  EXPECT_EQ(ran->exit_status, 0) << ran->error_output;
  EXPECT_EQ(on_disk(file), kImportedDraws);
  const auto sheet = test_support::read_xlsx(book.string());
  ASSERT_TRUE(sheet);
  EXPECT_EQ(test_support::lines_mismatch(*sheet, {"新增 4 期 (2025/12/30 – 2026/01/02), 已有 0 期, 不一致 0 期",
                                                  "已寫入 " + file.string()}),
            "");
  fs::remove_all(dir);
}

TEST(check_command, ListsTheProblemsAndSaysSoInItsStatus) {
  const auto dir = test_support::fresh_dir("vantor_cli_check");
  const fs::path file = dir / "TW539.txt";
  struct Case {
    const char* what;
    std::string before;
    int code;
    std::string out, err;
  };
  const Case cases[] = {
      {"sound", draw_file(0, 4), 0, "沒有發現問題\n", ""},
      {"problems", draw_file(0, 1) + "2025/12/31,114314,01,02,03,04,45\r\n", 1,
       "第 2 行之前缺少期數 114313\n第 2 行：號碼「45」不在 01 到 39 之間 「2025/12/31,114314,01,02,03,04,45」\n", ""},
      {"no file", "", 2, "", "找不到開獎資料檔 " + file.string() + "\n"},
  };
  for (const Case& c : cases) {
    fs::remove(file);
    if (!c.before.empty()) {
      ASSERT_TRUE(core::write_bytes_atomic(file.string(), c.before));
    }
    const auto result = run_cli({"--file", file.string(), "check"});
    EXPECT_EQ(result.code, c.code) << c.what;
    EXPECT_EQ(result.out, c.out) << c.what;
    EXPECT_EQ(result.err, c.err) << c.what;
  }
  fs::remove_all(dir);
}

}  // namespace
