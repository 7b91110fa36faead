#include "core/spreadsheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/sheet_cells.h"
#include "support/fresh_dir.h"
#include "support/xlsx_reader.h"

namespace {

TEST(ReadCell, NumbersKeepTheirValueAndEverythingElseStaysText) {
  struct Case {
    const char* field;
    core::CellKind kind;
    double number = 0;
    int decimals = 0;
  };
  using enum core::CellKind;
  const Case cases[] = {
      {"", Empty}, {"   ", Empty},
      {"0", Number, 0}, {"12", Number, 12}, {" 39 ", Number, 39}, {"-3", Number, -3},
      {"0.5", Number, 0.5, 1}, {"12.50", Number, 12.5, 2}, {"123456789012345", Number, 123456789012345.0},
      // the leading zero of a ball or an issue survives only as text
      {"05", Text}, {"007", Text}, {"-05", Text}, {"05.5", Text}, {"098004", Text},
      {"●", Text}, {"１", Text}, {"５", Text}, {"2024/01/02", Text}, {"-", Text}, {"+5", Text},
      {"1e3", Text}, {".5", Text}, {"5.", Text}, {"1,2", Text}, {"12%", Text}, {"0x1F", Text},
      {"1234567890123456", Text}, {"二星開出 3 碰", Text}, {"|", Text}, {"__", Text},
  };
  for (const Case& c : cases) {
    const core::Cell cell = core::read_cell(c.field);
    EXPECT_EQ(cell.kind, c.kind) << '"' << c.field << '"';
    if (c.kind != Number) continue;
    EXPECT_EQ(cell.number, c.number) << c.field;
    EXPECT_EQ(cell.decimals, c.decimals) << c.field;
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

TEST_F(WriteSpreadsheet, HeaderStaysInViewAndCellsKeepTheirKind) {
  const core::Sheet sheet{"版路:拖牌", {"日     期", "01", "號碼"}, {{"2024/01/02", "05", "12"}, {"", "0.50", "●"}}};
  ASSERT_TRUE(core::write_spreadsheet(file("out.xlsx"), sheet, places()));
  const auto book = test_support::read_xlsx(file("out.xlsx"));
  ASSERT_TRUE(book);
  EXPECT_EQ(book->sheet_name, "版路_拖牌");
  EXPECT_TRUE(book->header_frozen);
  EXPECT_NE(book->sheet_xml.find("<col min=\"1\" max=\"1\" width=\"12"), std::string::npos) << book->sheet_xml;
  const std::tuple<int, int, bool, const char*> expected[] = {
      {0, 0, true, "日     期"}, {0, 1, true, "01"}, {0, 2, true, "號碼"}, {1, 0, true, "2024/01/02"}, {1, 1, true, "05"},
      {1, 2, false, "12"}, {2, 1, false, "0.5"}, {2, 2, true, "●"},
  };
  for (const auto& [row, column, text, value] : expected) {
    const test_support::XlsxCell* cell = book->cell(row, column);
    ASSERT_TRUE(cell) << row << "," << column;
    EXPECT_EQ(cell->text, text) << value;
    EXPECT_EQ(cell->value, value);
  }
  EXPECT_EQ(book->cell(2, 0), nullptr);  // an empty field is an empty cell
  EXPECT_EQ(book->cells.size(), std::size(expected));

  // Without a header nothing is frozen; a memo's lines split at every ",".
  ASSERT_TRUE(core::write_spreadsheet(file("out.xlsx"), core::sheet_of_lines("memo", {"a,05,", "3"}), places()));
  const auto memo = test_support::read_xlsx(file("out.xlsx"));
  EXPECT_FALSE(memo->header_frozen);
  EXPECT_EQ(memo->cells.size(), 3u);
  EXPECT_EQ(memo->cell(1, 0)->value, "3");
}

TEST_F(WriteSpreadsheet, RefusalsNameTheFileAndKeepTheOldOne) {
  std::ofstream(file("TW539.txt")) << "draws";
  std::ofstream(file("kept.xlsx")) << "old";
  const core::Sheet small{"s", {}, {{"1"}}};
  core::Sheet too_wide{"s", {}, {std::vector<std::string>(16385, "x")}};
  core::Sheet too_long{"s", {}, {{std::string(32768, 'x')}}};
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

}  // namespace
