#include "core/spreadsheet.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "core/sheet_cells.h"
#include "core/system_error.h"
#include "core/text_file.h"
#include "support/fresh_dir.h"
#include "support/write_faults.h"
#include "support/xlsx_reader.h"

namespace {

TEST(ReadCell, NumbersKeepTheirValueAndEverythingElseStaysText) {
  struct Case {
    const char* field;
    core::CellKind kind;
    double number = 0;
    int decimals = 0;
    int zeros = 0;
  };
  using enum core::CellKind;
  const Case cases[] = {
      {"", Empty}, {"   ", Empty},
      {"0", Number, 0}, {"12", Number, 12}, {" 39 ", Number, 39}, {"-3", Number, -3},
      {"0.5", Number, 0.5, 1}, {"12.50", Number, 12.5, 2}, {"123456789012345", Number, 123456789012345.0},
      // a ball or an issue keeps its leading zero as the number's format
      {"05", Number, 5, 0, 2}, {"007", Number, 7, 0, 3}, {"098004", Number, 98004, 0, 6}, {" 00 ", Number, 0, 0, 2},
      {"-05", Text}, {"05.5", Text},
      {"●", Text}, {"１", Text}, {"５", Text}, {"2024/01/02", Text}, {"-", Text}, {"+5", Text},
      {"1e3", Text}, {".5", Text}, {"5.", Text}, {"1,2", Text}, {"12%", Text}, {"0x1F", Text},
      {"1234567890123456", Text}, {"0123456789012345", Text}, {"二星開出 3 碰", Text}, {"|", Text}, {"__", Text},
  };
  for (const Case& c : cases) {
    const core::Cell cell = core::read_cell(c.field);
    EXPECT_EQ(cell.kind, c.kind) << '"' << c.field << '"';
    if (c.kind != Number) continue;
    EXPECT_EQ(cell.number, c.number) << c.field;
    EXPECT_EQ(cell.decimals, c.decimals) << c.field;
    EXPECT_EQ(cell.zeros, c.zeros) << c.field;
  }
}

TEST(ColumnKind, AColumnIsNumbersOnlyWhenEveryFieldIsOne) {
  struct Case {
    std::vector<std::string_view> fields;
    bool numbers;
    int zeros;
  };
  const Case cases[] = {
      {{"01", "09", "10", "39"}, true, 2},
      {{"0001", "0999", "1000", "12345"}, true, 4},
      {{"3", " -", "", "--", "12"}, true, 0},  // placeholders and blanks decide nothing
      {{"05", "●", "12"}, false, 0},
      {{"2018/09/06", "2018/09/07"}, false, 0},
      {{"-", ""}, false, 0},
      {{"0.50", "12"}, true, 0},
  };
  for (const Case& c : cases) {
    const core::ColumnKind kind = core::column_kind(c.fields);
    EXPECT_EQ(kind.numbers, c.numbers) << c.fields.front();
    EXPECT_EQ(kind.zeros, c.zeros) << c.fields.front();
  }
  // In a text column every field is a text; in a number column a placeholder stays text.
  EXPECT_EQ(core::cell_in_column("12", {false, 0}).kind, core::CellKind::Text);
  EXPECT_EQ(core::cell_in_column("5", {true, 2}).zeros, 2);
  EXPECT_EQ(core::cell_in_column(" -", {true, 2}).kind, core::CellKind::Text);
}

TEST(SheetOfLines, AGridsHeaderLineIsFoundWhereverItStands) {
  struct Case {
    std::vector<std::string> lines;
    std::size_t above, rows, below;  // header_found when above + rows + below < lines
    bool header;
  };
  const Case cases[] = {
      {{"2x2x2x2,100,20,1,4", "序號,日期,號碼", "0020,2026/08/22,06.07", "0021,2026/08/23,01.02",
        "成本每期,24,32,16"}, 1, 2, 1, true},
      {{"今彩539 開獎紀錄", "", "日期,期別,號碼1,號碼2", "2026/08/22,115204,05,12"}, 2, 1, 0, true},
      {{"115204,05,12", "115205,06,13"}, 0, 2, 0, false},           // numbers only: no header
      {{"第一行說明,還有", "第二行說明,還有"}, 0, 2, 0, false},       // words only: no header
      {{"2018/09/05,107213,05", "2018/09/06,107214,02"}, 0, 2, 0, false},  // data over data
      {{"0001,2026/08/20,__,|", "0002,2026/08/21,12,|"}, 0, 2, 0, false},
      {{"日期,號碼", "2026/08/21,●"}, 0, 2, 0, false},                 // no number under a title
      {{"號碼,次數", "05,12,3"}, 0, 2, 0, false},                     // the next line is not its grid
  };
  for (const Case& c : cases) {
    const core::Sheet sheet = core::sheet_of_lines("t", c.lines);
    EXPECT_EQ(!sheet.header.empty(), c.header) << c.lines.front();
    EXPECT_EQ(sheet.above.size(), c.above) << c.lines.front();
    EXPECT_EQ(sheet.rows.size(), c.rows) << c.lines.front();
    EXPECT_EQ(sheet.below.size(), c.below) << c.lines.front();
  }
}

TEST(SheetName, ShortenedAndCleanedForSpreadsheetPrograms) {
  const std::pair<const char*, const char*> cases[] = {
      {"單期號碼拖牌", "單期號碼拖牌"},
      {"a[b]c:d*e?f/g\\h", "a_b_c_d_e_f_g_h"},
      {"'quoted'", "_quoted_"},
      {"", "工作表1"},
      {"History", "History_"},
      {"tab\there", "tab_here"},
      {"1234567890123456789012345678901234", "1234567890123456789012345678901"},
      // 31 characters, never a character cut in half
      {"拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌", "拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖牌拖"},
  };
  for (const auto& [title, name] : cases) EXPECT_EQ(core::sheet_name(title), name) << title;
}

TEST(TextWidth, WideCharactersCountTwo) {
  const std::pair<const char*, int> cases[] = {
      {"", 0}, {"05", 2}, {"2024/01/02", 10}, {"日     期", 9}, {"●", 2}, {"１", 2}, {"二星開出 3 碰", 13}, {"\xff", 1},
  };
  for (const auto& [text, width] : cases) EXPECT_EQ(core::text_width(text), width) << text;
}

class WriteSpreadsheet : public ::testing::Test {
 protected:
  void SetUp() override { dir = test_support::fresh_dir("vantor_spreadsheet_test"); }
  std::string file(const char* name) const { return (dir / name).string(); }
  core::OwnFilePlaces places() const { return {file("TW539.txt"), dir.string()}; }
  std::filesystem::path dir;
};

// A records memo as a user computes with it: balls and sequence numbers are numbers that
// keep their zeros on screen, so COUNTIF and SUM see every one of them.
TEST_F(WriteSpreadsheet, ColumnsAreNumbersAUserCanSum) {
  const std::vector<std::string> memo = {
      "今彩539 開獎紀錄 最近三期 一行很長很長很長很長很長很長很長很長很長很長的標題不會撐寬欄位",
      "序號,日     期,期別,號碼1,號碼2,號碼3",
      "0001, 2018/09/06,107212,01,05,39",
      "0999,2018/09/07,107213,09,10, -",
      "1000,2018/09/08 ,107214,12,01,22",
      "共 3 期",
  };
  ASSERT_TRUE(core::write_spreadsheet(file("out.xlsx"), core::sheet_of_lines("開獎:紀錄", memo), places()));
  const auto book = test_support::read_xlsx(file("out.xlsx"));
  ASSERT_TRUE(book);
  EXPECT_EQ(book->sheet_name, "開獎_紀錄");
  EXPECT_EQ(book->frozen_rows, 2);  // the title and the header stay in view
  EXPECT_EQ(test_support::lines_mismatch(*book, memo, 0, {2, 5}), "");
  struct Expected {
    int row, column;
    bool text;
    const char* value;
    const char* format;
  };
  const Expected expected[] = {
      {1, 1, true, "日     期", ""}, {2, 0, false, "1", "0000"}, {4, 0, false, "1000", "0000"},
      {2, 1, true, "2018/09/06", ""}, {4, 1, true, "2018/09/08", ""}, {2, 2, false, "107212", ""},
      {2, 3, false, "1", "00"}, {3, 5, true, "-", ""}, {4, 4, false, "1", "00"}, {5, 0, true, "共 3 期", ""},
  };
  for (const auto& e : expected) {
    const test_support::XlsxCell* cell = book->cell(e.row, e.column);
    ASSERT_TRUE(cell) << e.row << "," << e.column;
    EXPECT_EQ(cell->text, e.text) << e.value;
    EXPECT_EQ(cell->value, e.value);
    EXPECT_EQ(cell->format, e.format) << e.value;
  }
  // Column A is as wide as its numbers, not as the title that spills over its neighbours.
  EXPECT_NE(book->sheet_xml.find("<col min=\"1\" max=\"1\" width=\"6"), std::string::npos) << book->sheet_xml;
  EXPECT_NE(book->sheet_xml.find("<col min=\"2\" max=\"2\" width=\"12"), std::string::npos) << book->sheet_xml;

  // A grid keeps its first row as the header; without one nothing is frozen.
  const core::Sheet grid{"g", {"號碼", "次數"}, {{"05", "12"}, {"", "0.50"}}, {}, {}};
  ASSERT_TRUE(core::write_spreadsheet(file("out.xlsx"), grid, places()));
  const auto from_grid = test_support::read_xlsx(file("out.xlsx"));
  EXPECT_EQ(from_grid->frozen_rows, 1);
  EXPECT_EQ(from_grid->cell(2, 1)->format, "0.00");
  EXPECT_EQ(from_grid->cell(2, 0), nullptr);  // an empty field is an empty cell
  ASSERT_TRUE(core::write_spreadsheet(file("out.xlsx"), core::sheet_of_lines("memo", {"a,05,", "3"}), places()));
  const auto memo_book = test_support::read_xlsx(file("out.xlsx"));
  EXPECT_FALSE(memo_book->header_frozen);
  EXPECT_EQ(memo_book->cells.size(), 3u);
}

TEST(SpreadsheetPath, OneRuleForEveryName) {
  const std::pair<const char*, const char*> cases[] = {
      {"out.xlsx", "out.xlsx"}, {"/tmp/Out.XLSX", "/tmp/Out.XLSX"}, {"out", "out.xlsx"}, {"dir.v2/out", "dir.v2/out.xlsx"},
      {".hidden", ".hidden.xlsx"}, {"out.csv", nullptr}, {"out.txt", nullptr}, {"a/", nullptr},
  };
  for (const auto& [typed, written] : cases) {
    const auto named = core::spreadsheet_path(typed);
    EXPECT_EQ(named.ok(), written != nullptr) << typed;
    if (written) {
      EXPECT_EQ(*named, written);
    }
  }
  EXPECT_EQ(core::spreadsheet_path("out.csv").error().text, "「out.csv」不是試算表的檔名：Excel 檔的檔名要以 .xlsx 結尾");
}

TEST_F(WriteSpreadsheet, RefusalsNameTheFileAndKeepTheOldOne) {
  std::ofstream(file("TW539.txt")) << "draws";
  std::ofstream(file("kept.xlsx")) << "old";
  const core::Sheet small{"s", {}, {{"1"}}, {}, {}};
  core::Sheet too_wide{"s", {}, {std::vector<std::string>(16385, "x")}, {}, {}};
  core::Sheet too_long{"s", {}, {{std::string(32768, 'x')}}, {}, {}};
  const std::tuple<std::string, const core::Sheet*, std::string> cases[] = {
      {file("TW539.txt"), &small, "「TW539.txt」是本程式的開獎資料檔"},
      {file("missing/out.xlsx"), &small, "無法寫入檔案 " + file("missing/out.xlsx") + "："},
      {file("kept.xlsx"), &too_wide, "無法寫入檔案 " + file("kept.xlsx") + "：超過試算表的 16384 欄"},
      {file("kept.xlsx"), &too_long, "無法寫入檔案 " + file("kept.xlsx") + "：有欄位超過試算表的 32767 字"},
  };
  for (const auto& [path, sheet, message] : cases) {
    const core::Status written = core::write_spreadsheet(path, *sheet, places());
    ASSERT_FALSE(written) << path;
    EXPECT_NE(written.error().text.find(message), std::string::npos) << written.error().text;
  }
  EXPECT_EQ(core::read_bytes(file("TW539.txt")).value(), "draws");
  EXPECT_EQ(core::read_bytes(file("kept.xlsx")).value(), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);  // no scratch file left
}

TEST(WriteReason, OnlyADiskErrorSuggestsARepair) {
  const std::pair<int, const char*> cases[] = {
      {EIO, "磁碟讀寫錯誤，磁碟可能損壞，請執行磁碟修復後再試"}, {ENOSPC, "磁碟空間不足"},
      {EROFS, "檔案所在的磁碟是唯讀的"}, {EFBIG, "檔案超過系統允許的大小"}, {EISDIR, "這是一個資料夾，不是檔案"},
  };
  for (const auto& [errnum, reason] : cases) EXPECT_EQ(core::write_reason(errnum, "/tmp/x"), reason) << errnum;
}

// Every writer of the program, each writing `path`; what each said, "" for success.
std::string every_writer_says(const std::string& path) {
  const core::Sheet sheet{"s", {"序號"}, {{"01"}}, {}, {}};
  const core::OwnFilePlaces none{"/nowhere/TW539.txt", "/nowhere"};
  std::string said;
  for (const core::Status& written : {core::write_lines_atomic(path + ".txt", {"01,02"}),
                                      core::write_bytes_atomic(path + ".bin", "bytes"),
                                      core::write_spreadsheet(path + ".xlsx", sheet, none)})
    said += written ? std::string("ok\n") : written.error().text + "\n";
  return said;
}

// Runs as an ordinary user, so the read-only cases hold when the tests run as root.
class WriteFaults : public WriteSpreadsheet {
 protected:
  void SetUp() override {
    WriteSpreadsheet::SetUp();
    if (!test_support::kPosixFiles) GTEST_SKIP() << "POSIX modes, a file-size limit and an ordinary user";
    std::filesystem::permissions(dir, std::filesystem::perms::all);
    for (const char* folder : {"open", "locked"}) std::filesystem::create_directory(dir / folder);
    std::filesystem::permissions(dir / "open", std::filesystem::perms::all);
    std::ofstream(file("a_file")) << "x";
    for (const char* old : {"open/old.txt", "open/old.bin", "open/old.xlsx"}) {
      std::ofstream(file(old)) << "old";
      std::filesystem::permissions(file(old), std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                                  std::filesystem::perms::others_read);
    }
    std::filesystem::permissions(file("locked"), std::filesystem::perms::all & ~(std::filesystem::perms::owner_write |
                                                                               std::filesystem::perms::group_write |
                                                                               std::filesystem::perms::others_write));
    const std::string reached =
        test_support::as_ordinary_user([&] { return std::filesystem::is_directory(dir / "open") ? "yes" : "no"; });
    if (reached != "yes") GTEST_SKIP() << "an ordinary user cannot reach " << dir;
  }
};

TEST_F(WriteFaults, ABrokenTemporaryFolderStopsNoWrite) {
  for (const char* temporary : {"no_such_folder", "a_file", "locked"}) {
    const std::string said = test_support::as_ordinary_user([&] {
      const test_support::TemporaryFolderSetting setting(file(temporary));
      return every_writer_says(file("open/out"));
    });
    EXPECT_EQ(said, "ok\nok\nok\n") << temporary;
  }
  const auto book = test_support::read_xlsx(file("open/out.xlsx"));
  ASSERT_TRUE(book);
  EXPECT_EQ(book->cell(1, 0)->value, "1");
}

TEST_F(WriteFaults, AFailureNamesWhatRefused) {
  const auto refusals = [&](const std::string& path, const std::string& why) {
    std::string all;
    for (const char* ext : {".txt", ".bin", ".xlsx"}) all += "無法寫入檔案 " + path + ext + "：" + why + "\n";
    return all;
  };
  const auto says = [&](const char* name) { return test_support::as_ordinary_user([&] { return every_writer_says(file(name)); }); };
  EXPECT_EQ(says("locked/new"), refusals(file("locked/new"), "資料夾 " + file("locked") + " 不允許寫入（唯讀或沒有權限）"));
  EXPECT_EQ(says("open/old"), refusals(file("open/old"), "檔案是唯讀的"));
  EXPECT_EQ(says("a_file/new"), refusals(file("a_file/new"), "路徑中有一部分不是資料夾"));
  {
    const test_support::FileSizeLimit disk_full(2);
    EXPECT_EQ(every_writer_says(file("open/big")).find("ok"), std::string::npos);
  }
  for (const char* old : {"open/old.txt", "open/old.bin", "open/old.xlsx"}) EXPECT_EQ(core::read_bytes(file(old)).value(), "old");
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir / "open")) left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"old.bin", "old.txt", "old.xlsx"}));  // no scratch file left
}

}  // namespace
