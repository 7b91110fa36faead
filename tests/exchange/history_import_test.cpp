// The import of the operator's result files: real-format files made from the bundled
// history in every form the operator offers them, damage and foreign files refused
// whole, and the merge that keeps the draw file the source of truth.
#include "exchange/history_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "core/codepage.h"
#include "support/fresh_dir.h"
#include "support/result_files.h"
#include "core/utf8_path.h"

namespace {

namespace fs = std::filesystem;
using test_support::ResultFile;
using test_support::with_sorted_balls;

constexpr const char* kImportDay = "2026/12/09";

std::string joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to,
                   const std::function<std::string(const std::string&)>& form) {
  std::string bytes;
  for (std::size_t i = from; i < to; ++i) bytes += form(lines[i]) + "\r\n";
  return bytes;
}

std::string as_is(const std::string& line) { return line; }
std::string sorted(const std::string& line) { return with_sorted_balls(line); }

std::string with_crlf(std::string text) {
  std::string out;
  for (const char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

std::string big5(const std::string& utf8) { return core::utf8_to_big5(utf8).value(); }

// Plain writes: the inputs need no atomic, synced replacement, and dozens of syncs are slow.
void put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Writes the files into `dir` and returns their paths.
std::vector<std::string> written(const fs::path& dir, const std::vector<ResultFile>& files) {
  std::vector<std::string> paths;
  for (const ResultFile& file : files) {
    const fs::path path = dir / core::utf8_path(file.name);  // some names are Chinese
    put(path, file.text);
    paths.push_back(path.string());
  }
  return paths;
}

// The bundled history's yearly files in each form a user may download them in.
std::vector<std::pair<const char*, std::vector<ResultFile>>> every_form(const std::vector<ResultFile>& years) {
  std::vector<ResultFile> bom_crlf, big5_crlf, zipped_big5;
  for (const ResultFile& year : years) {
    bom_crlf.push_back({year.name, "\xEF\xBB\xBF" + with_crlf(year.text)});
    big5_crlf.push_back({year.name, big5(with_crlf(year.text))});
    zipped_big5.push_back({"今彩539/" + year.name, big5(with_crlf(year.text))});
  }
  // What a Mac's archiver adds, and a note beside the files: neither is a result file.
  zipped_big5.push_back({"__MACOSX/今彩539/._2014.csv", std::string("\x00\x05\x16\x07", 4)});
  zipped_big5.push_back({"說明.txt", "not a csv"});
  const std::size_t half = years.size() / 2;
  const std::vector<ResultFile> first_half(years.begin(), years.begin() + static_cast<std::ptrdiff_t>(half));
  std::vector<ResultFile> zip_and_csv{{"older.zip", test_support::zip_of(first_half)}};
  zip_and_csv.insert(zip_and_csv.end(), years.begin() + static_cast<std::ptrdiff_t>(half), years.end());
  return {{"UTF-8 CSV, LF", years},
          {"UTF-8 CSV with byte-order mark, CR LF", bom_crlf},
          {"Big5 CSV, CR LF", big5_crlf},
          {"one ZIP of Big5 CSVs in a folder", {{"539_2007_2026.zip", test_support::zip_of(zipped_big5)}}},
          {"a ZIP of the older years beside CSVs", zip_and_csv}};
}

TEST(import, GivesTheBundledHistoryBackByteForByte) {
  const auto dir = test_support::fresh_dir("vantor_import_bundled");
  const std::vector<std::string> bundled = test_support::bundled_draw_lines();
  const std::size_t n = bundled.size(), older = 3000;
  const std::string draw_path = (dir / "TW539.txt").string();
  // The file's own lines stay as they are (drawn order); the imported ones come ascending.
  struct Start {
    const char* what;
    std::string file;  // "" = no file
    std::string expected;
    std::string head;
  };
  const Start starts[] = {
      {"the older part", joined(bundled, 0, older, as_is), joined(bundled, 0, older, as_is) + joined(bundled, older, n, sorted),
       "新增 2948 期 (" + bundled[older].substr(0, 10) + " – 2026/08/22), 已有 3000 期, 不一致 0 期"},
      {"no file", "", joined(bundled, 0, n, sorted), "新增 5948 期 (2007/01/01 – 2026/08/22), 已有 0 期, 不一致 0 期"},
      {"the whole history", joined(bundled, 0, n, as_is), joined(bundled, 0, n, as_is), "新增 0 期, 已有 5948 期, 不一致 0 期"},
  };
  for (const auto& [form, files] : every_form(test_support::yearly_result_files(bundled))) {
    const auto folder = dir / "given";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::vector<std::string> paths = written(folder, files);
    for (const Start& start : starts) {
      fs::remove(draw_path);
      if (!start.file.empty()) put(draw_path, start.file);
      const auto plan = exchange::plan_import_files(draw_path, paths, kImportDay);
      ASSERT_TRUE(plan) << form << ", " << start.what << ": " << plan.error().text;
      EXPECT_TRUE(plan->bytes == start.expected) << form << ", " << start.what;
      EXPECT_EQ(plan->conflicts.size(), 0u) << form;
      EXPECT_EQ(exchange::import_summary(*plan), std::vector<std::string>{start.head}) << form << ", " << start.what;
    }
  }
  fs::remove_all(dir);
}

// The flags of every local header whose name holds a byte past ASCII (a Big5 name).
std::vector<int> non_ascii_name_flags(const std::string& zip) {
  std::vector<int> flags;
  for (std::size_t at = zip.find("PK\x03\x04"); at != std::string::npos && at + 30 <= zip.size();
       at = zip.find("PK\x03\x04", at + 4)) {
    auto u16 = [&](std::size_t i) { return static_cast<unsigned char>(zip[i]) | static_cast<unsigned char>(zip[i + 1]) << 8; };
    const std::string name = zip.substr(at + 30, static_cast<std::size_t>(u16(at + 26)));
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
      flags.push_back(u16(at + 6));
  }
  return flags;
}

TEST(import, TakesTheGameFromTheOperatorsYearlyArchivesAndFiles) {
  const auto dir = test_support::fresh_dir("vantor_import_operator");
  const std::vector<std::string> bundled = test_support::bundled_draw_lines();
  const std::string bundled_bytes = core::read_bytes(std::string(VANTOR_DATA_DIR) + "/TW539.txt").value();
  const std::string draw_path = (dir / "TW539.txt").string();
  const std::vector<ResultFile> archives = test_support::operator_archives(bundled);
  ASSERT_EQ(archives.size(), 20u);
  // The 2007 archive as the operator makes it: Big5 names without the UTF-8 flag, in "96/".
  EXPECT_EQ(non_ascii_name_flags(archives.front().text).size(), 4u);
  for (const int flags : non_ascii_name_flags(archives.front().text)) EXPECT_EQ(flags & 0x800, 0);

  // Each year's 今彩539 file alone, as a user unpacks it: 2007 and 2026.
  std::vector<std::string> first_year, last_year;
  for (const std::string& line : bundled) {
    if (line.starts_with("2007")) first_year.push_back(line);
    if (line.starts_with("2026")) last_year.push_back(line);
  }
  using test_support::ArchiveStyle;
  const std::vector<ResultFile> single_files = {
      {"今彩539_2007.csv", test_support::operator_member("今彩539", "遊戲名稱", 5, first_year, ArchiveStyle::Year2007)},
      {"今彩539_2026.csv", test_support::operator_member("今彩539", "遊戲名稱", 5, last_year, ArchiveStyle::Year2026)}};
  // Large members of other games (a year of 賓果賓果) beside the game's: more than the
  // most one member may inflate to, together.
  std::string bingo = "遊戲名稱,期別,開獎日期,獎號1\r\n";
  while (bingo.size() < (33u << 20)) bingo += "賓果賓果,115000001,2026/01/01,01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16\r\n";
  const ResultFile with_bingo = {"2026.zip", test_support::zip_of({{"賓果賓果_2026_1.csv", bingo},
                                                                   {"賓果賓果_2026_2.csv", bingo},
                                                                   single_files[1]})};
  struct Case {
    const char* what;
    std::vector<ResultFile> files;
    std::string expected;
  };
  const Case cases[] = {
      {"every year's archive", archives, bundled_bytes},
      {"an archive with large members of another game", {with_bingo}, joined(last_year, 0, last_year.size(), as_is)},
      {"the game's files of 2007 and 2026", single_files,
       joined(first_year, 0, first_year.size(), as_is) + joined(last_year, 0, last_year.size(), as_is)},
  };
  for (const Case& c : cases) {
    fs::remove(draw_path);
    const auto folder = dir / "given";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::vector<std::size_t> told;
    const auto plan = exchange::plan_import_files(draw_path, written(folder, c.files), kImportDay,
                                                  [&](std::size_t done, std::size_t total) {
                                                    EXPECT_EQ(total, c.files.size());
                                                    told.push_back(done);
                                                  });
    ASSERT_TRUE(plan) << c.what << ": " << plan.error().text;
    EXPECT_TRUE(plan->bytes == c.expected) << c.what;
    EXPECT_EQ(told.size(), c.files.size()) << c.what;
  }
  fs::remove_all(dir);
}

std::string row(std::string_view period, std::string_view date, std::string_view balls) {
  return "今彩539," + std::string(period) + "," + std::string(date) + ",1,2,3," + std::string(balls) + ",,\n";
}

const std::string kHeader = std::string(test_support::kResultHeader) + "\n";
const std::string kOtherGame = "遊戲名稱,期別,開獎日期,銷售總額,銷售注數,總獎金,獎號1,獎號2,獎號3\n3星彩,103000001,2014/01/01,1,2,3,5,1,3\n";

TEST(import, ReadsTheRowsAsTheOperatorWritesThem) {
  struct Case {
    const char* what;
    std::string csv;
    std::vector<std::string> draw_lines;
  };
  const Case cases[] = {
      {"the operator's layout", kHeader + row("103000001", "2014/01/01", "05,13,24,26,34"),
       {"2014/01/01,103001,05,13,24,26,34"}},
      {"columns found by name, extra ones ignored",
       "獎號5,獎號4,獎號3,獎號2,獎號1,開獎日期,期別,遊戲名稱,備註\n34,26,24,13,05,2014/01/01,103000001,今彩539,x\n",
       {"2014/01/01,103001,05,13,24,26,34"}},
      {"quoted fields, blanks, short dates and balls", "\"遊戲名稱\",\"期別\",\"開獎日期\",\"獎號 1\",獎號2,獎號3,獎號4,獎號5\n"
       "\"今彩539\", 103000002 ,\"2014/1/2\",\"8\",14,19,27,30\n",
       {"2014/01/02,103002,08,14,19,27,30"}},
      {"other games and blank lines skipped",
       "\n\n" + kHeader + "大樂透,103000001,2014/01/03,1,2,3,49,48,47,47,01,\n\n" +
           row("103000003", "2014/01/03", "01,02,03,04,05") + ",,,,,,,,\n",
       {"2014/01/03,103003,01,02,03,04,05"}},
      {"8-digit periods, unpadded balls, trailing columns",
       kHeader + "今彩539,96000002,2007/01/02,1,2,3,33,2,37,12,36,,,,\n", {"2007/01/02,096002,33,02,37,12,36"}},
  };
  for (const Case& c : cases) {
    const auto draws = exchange::read_import_bytes(c.csv, "2014.csv");
    ASSERT_TRUE(draws) << c.what << ": " << draws.error().text;
    std::vector<std::string> lines;
    for (const auto& draw : *draws) lines.push_back(draw.draw_line());
    EXPECT_EQ(lines, c.draw_lines) << c.what;
  }
}

// A ZIP whose one entry inflates to `size` bytes of a result file's look.
std::string zip_bomb(std::size_t size) {
  std::string huge = kHeader;
  huge.resize(size, '0');
  return test_support::zip_of({{"2014.csv", huge}});
}

TEST(import, RefusesDamageAndForeignFilesWhole) {
  const auto dir = test_support::fresh_dir("vantor_import_refusals");
  const std::string good = kHeader + row("103000001", "2014/01/01", "05,13,24,26,34");
  const std::string zipped_good = test_support::zip_of({{"2014.csv", good}});
  std::string damaged_entry = zipped_good;
  damaged_entry[30 + 8 + 3] ^= 0x5A;  // inside the deflated data after the 30-byte head and "2014.csv"
  struct Case {
    const char* what;
    std::vector<ResultFile> files;
    std::string message;
  };
  const std::string nothing = ",未匯入任何資料";
  const Case cases[] = {
      {"ball 40", {{"a.csv", good + row("103000002", "2014/01/02", "05,13,24,26,40")}},
       "「a.csv」第 3 行：獎號「40」不在 01 到 39 之間" + nothing},
      {"ball 00", {{"a.csv", good + row("103000002", "2014/01/02", "00,13,24,26,39")}},
       "「a.csv」第 3 行：獎號「00」不在 01 到 39 之間" + nothing},
      {"a ball twice", {{"a.csv", kHeader + row("103000002", "2014/01/02", "05,13,13,26,39")}},
       "「a.csv」第 2 行：獎號 13 出現兩次" + nothing},
      {"impossible date", {{"a.csv", kHeader + row("103000002", "2014/02/30", "05,13,14,26,39")}},
       "「a.csv」第 2 行：開獎日期「2014/02/30」不是有效的日期" + nothing},
      {"period of 7 digits", {{"a.csv", kHeader + row("1030002", "2014/01/02", "05,13,14,26,39")}},
       "「a.csv」第 2 行：期別「1030002」不是 8 或 9 位數字" + nothing},
      {"8-digit period of another year", {{"a.csv", kHeader + row("97000002", "2007/01/02", "05,13,14,26,39")}},
       "「a.csv」第 2 行：期別「97000002」的年度與開獎日期「2007/01/02」不符" + nothing},
      {"two issues of one date", {{"a.csv", good + row("103000002", "2014/01/01", "05,13,14,26,39")}},
       "「a.csv」第 3 行：期數 103002 與「a.csv」第 2 行的期數 103001 同一天 (2014/01/01) 開獎" + nothing},
      {"a result file of another game", {{"3星彩_2014.csv", kOtherGame}}, "「3星彩_2014.csv」沒有今彩539的開獎資料"},
      {"an archive without the game",
       {{"2014.zip", test_support::zip_of({{"3星彩_2014.csv", kOtherGame}, {"a/", ""}, {"a/說明.txt", "說明"}})}},
       "「2014.zip」沒有今彩539的開獎資料"},
      {"the game's file with its header damaged", {{"a.csv", "遊戲,期別,開獎日期\n今彩539,103000001,2014/01/01\n"}},
       "「a.csv」有今彩539的資料,但找不到遊戲名稱、期別、開獎日期、獎號1 到獎號5 的欄位" + nothing},
      {"period of another year", {{"a.csv", kHeader + row("104000002", "2014/01/02", "05,13,14,26,39")}},
       "「a.csv」第 2 行：期別「104000002」的年度與開獎日期「2014/01/02」不符" + nothing},
      {"period without 000", {{"a.csv", kHeader + row("103100002", "2014/01/02", "05,13,14,26,39")}},
       "「a.csv」第 2 行：期別「103100002」不是「民國年 + 000 + 序號」" + nothing},
      {"row cut short", {{"a.csv", kHeader + "今彩539,103000002,2014/01/02,1,2,3,05,13\n"}},
       "「a.csv」第 2 行：欄位不足" + nothing},
      {"two rows of one issue disagree",
       {{"a.csv", good}, {"b.csv", kHeader + "\n" + row("103000001", "2014/01/01", "05,13,24,26,35")}},
       "「b.csv」第 3 行：期數 103001 與「a.csv」第 2 行不一致 (2014/01/01 05,13,24,26,34 / 2014/01/01 05,13,24,26,35)" +
           nothing},
      {"the draw file itself", {{"TW539.txt", "2014/01/01,103001,05,13,24,26,34\r\n"}},
       "「TW539.txt」不是開獎結果檔(找不到遊戲名稱、期別、開獎日期、獎號1 到獎號5 的欄位)" + nothing},
      {"an empty file", {{"a.csv", ""}},
       "「a.csv」不是開獎結果檔(找不到遊戲名稱、期別、開獎日期、獎號1 到獎號5 的欄位)" + nothing},
      {"damage inside a ZIP", {{"y.zip", test_support::zip_of({{"x/2014.csv", good + "今彩539,103000002,2014/01/02,1,2,3,1,2,3,4,99\n"}})}},
       "「y.zip:x/2014.csv」第 3 行：獎號「99」不在 01 到 39 之間" + nothing},
      {"an entry path with ..", {{"y.zip", test_support::zip_of({{"2014.csv", good}, {"../../2015.csv", good}})}},
       "壓縮檔「y.zip」中的「../../2015.csv」路徑含有「..」" + nothing},
      {"a ZIP bomb", {{"y.zip", zip_bomb((64u << 20) + 1)}}, "壓縮檔「y.zip」中的「2014.csv」解壓後超過 64 MB" + nothing},
      {"a ZIP without CSV", {{"y.zip", test_support::zip_of({{"2014.txt", good}})}}, "「y.zip」沒有今彩539的開獎資料"},
      {"a damaged entry", {{"y.zip", damaged_entry}}, "壓縮檔「y.zip」中的「2014.csv」無法讀取(檔案損壞)" + nothing},
      {"a ZIP cut short", {{"y.zip", zipped_good.substr(0, zipped_good.size() - 30)}},
       "壓縮檔「y.zip」不是可讀取的 ZIP 壓縮檔" + nothing},
  };
  const std::string draw_path = (dir / "TW539.txt").string();
  for (const Case& c : cases) {
    const auto folder = dir / "given";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const auto plan = exchange::plan_import_files(draw_path, written(folder, c.files), kImportDay);
    ASSERT_FALSE(plan) << c.what;
    EXPECT_EQ(plan.error().kind, core::ErrorKind::Warning) << c.what;
    EXPECT_EQ(plan.error().text, c.message) << c.what;
  }
  EXPECT_FALSE(fs::exists(draw_path));
  fs::remove_all(dir);
}

exchange::ResultDraw draw(std::string date, std::string issue, std::array<int, 5> balls) {
  return {std::move(date), std::move(issue), balls, "r.csv", 2};
}

TEST(plan_import, KeepsTheDrawFileTheSourceOfTruth) {
  const std::string a = "2014/01/02,103002,26,05,34,13,24";  // drawn order: the operator's 05,13,24,26,34
  const std::string b = "2014/01/04,103004,01,02,03,04,05";
  const std::vector<exchange::ResultDraw> imported = {
      draw("2014/01/02", "103002", {5, 13, 24, 26, 34}), draw("2014/01/03", "103003", {7, 8, 9, 10, 11}),
      draw("2014/01/04", "103004", {1, 2, 3, 4, 5}), draw("2014/01/05", "103005", {1, 2, 3, 4, 6})};
  struct Case {
    const char* what;
    std::string file;
    std::string today;
    std::string expected;  // "" = refused
    std::vector<std::string> summary;
  };
  const Case cases[] = {
      {"a gap filled in date order", a + "\r\n" + b + "\r\n", "2014/12/31",
       a + "\r\n2014/01/03,103003,07,08,09,10,11\r\n" + b + "\r\n2014/01/05,103005,01,02,03,04,06\r\n",
       {"新增 2 期 (2014/01/03 – 2014/01/05), 已有 2 期, 不一致 0 期"}},
      {"draws after today left out", a + "\r\n", "2014/01/03", a + "\r\n2014/01/03,103003,07,08,09,10,11\r\n",
       {"新增 1 期 (2014/01/03 – 2014/01/03), 已有 1 期, 不一致 0 期", "開獎日期在今天之後的 2 期未加入"}},
      {"conflicts keep the file's lines, out of order, blank lines and trailing blanks",
       "\xEF\xBB\xBF" "2014/01/05,103005,01,02,03,04,07   \n\n2014/01/03,103003,07,08,09,10,11\r\n"
       "2014/01/02,103002,45,00,24,24,06\r\n2014/01/01,103004,01,02,03,04,05\r\n\r\n",
       "2014/12/31",
       "2014/01/01,103004,01,02,03,04,05\r\n2014/01/02,103002,45,00,24,24,06\r\n2014/01/03,103003,07,08,09,10,11\r\n"
       "2014/01/05,103005,01,02,03,04,07   \r\n",
       {"新增 0 期, 已有 1 期, 不一致 3 期",
        "不一致 期數 103002: 開獎資料檔 2014/01/02 45,00,24,24,06, 開獎結果檔 2014/01/02 05,13,24,26,34",
        "不一致 期數 103004: 開獎資料檔 2014/01/01 01,02,03,04,05, 開獎結果檔 2014/01/04 01,02,03,04,05",
        "不一致 期數 103005: 開獎資料檔 2014/01/05 01,02,03,04,07, 開獎結果檔 2014/01/05 01,02,03,04,06"}},
      {"a date the file holds under a mistyped issue", a + "\r\n2014/01/03,103033,07,08,09,10,11\r\n", "2014/01/04",
       a + "\r\n2014/01/03,103033,07,08,09,10,11\r\n2014/01/04,103004,01,02,03,04,05\r\n",
       {"新增 1 期 (2014/01/04 – 2014/01/04), 已有 1 期, 不一致 1 期", "開獎日期在今天之後的 1 期未加入",
        "不一致 期數 103003: 開獎資料檔 2014/01/03 07,08,09,10,11 (期數 103033), 開獎結果檔 2014/01/03 07,08,09,10,11"}},
      {"a line that is no draw refuses", a + "\r\nyyyy/mm/dd,xxxxxx,00,00,00,00,00\r\n", "2014/12/31", "",
       {"開獎資料檔第 2 行「yyyy/mm/dd,xxxxxx,00,00,00,00,00」不是開獎資料,請先修正或刪除這一行(「檢查開獎資料」會列出所有問題),"
        "未匯入任何資料"}},
  };
  for (const Case& c : cases) {
    const auto plan = exchange::plan_import(c.file, imported, c.today);
    if (c.expected.empty()) {
      ASSERT_FALSE(plan) << c.what;
      EXPECT_EQ(std::vector<std::string>{plan.error().text}, c.summary) << c.what;
      continue;
    }
    ASSERT_TRUE(plan) << c.what << ": " << plan.error().text;
    EXPECT_EQ(plan->bytes, c.expected) << c.what;
    EXPECT_EQ(exchange::import_summary(*plan), c.summary) << c.what;
  }
  // Long conflict lists are cut short on screen.
  const auto many = exchange::plan_import("2014/01/02,103002,01,02,03,04,05\r\n2014/01/04,103004,01,02,03,04,09\r\n",
                                          imported, "2014/12/31");
  EXPECT_EQ(exchange::import_summary(*many, 1).back(), "…另有 1 期不一致");
}

}  // namespace
