#include "core/spreadsheet.h"

#include <stdlib.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <memory>

#include "core/system_error.h"
#include "core/text_file.h"
#include "core/sheet_cells.h"

namespace core {
namespace {

constexpr std::size_t kMostRows = LXW_ROW_MAX;
constexpr std::size_t kMostColumns = LXW_COL_MAX;
constexpr int kMostCellCharacters = 32767;
// Column widths in digit widths: room for the widest text and a little air, never so wide
// that one long memo line pushes every other column off the screen.
constexpr int kColumnAir = 2;
constexpr int kNarrowestColumn = 4;
constexpr int kWidestColumn = 80;

int characters(std::string_view utf8) {
  return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// What a spreadsheet cannot hold, said before anything is written; "" when it fits.
std::string row_beyond_limits(const std::vector<std::string>& row) {
  if (row.size() > kMostColumns) return "超過試算表的 " + std::to_string(kMostColumns) + " 欄";
  for (const std::string& field : row)
    if (field.size() > static_cast<std::size_t>(kMostCellCharacters) && characters(field) > kMostCellCharacters)
      return "有欄位超過試算表的 " + std::to_string(kMostCellCharacters) + " 字";
  return {};
}

std::string beyond_limits(const Sheet& sheet) {
  if (sheet.rows.size() + (sheet.header.empty() ? 0 : 1) > kMostRows)
    return "超過試算表的 " + std::to_string(kMostRows) + " 列";
  std::string beyond = row_beyond_limits(sheet.header);
  for (std::size_t r = 0; beyond.empty() && r < sheet.rows.size(); ++r) beyond = row_beyond_limits(sheet.rows[r]);
  return beyond;
}

std::vector<double> column_widths(const Sheet& sheet) {
  std::vector<int> widest;
  const auto measure = [&](const std::vector<std::string>& row) {
    if (widest.size() < row.size()) widest.resize(row.size(), 0);
    for (std::size_t c = 0; c < row.size(); ++c) widest[c] = std::max(widest[c], text_width(row[c]));
  };
  measure(sheet.header);
  for (const auto& row : sheet.rows) measure(row);
  std::vector<double> widths;
  for (const int w : widest) widths.push_back(std::clamp(w + kColumnAir, kNarrowestColumn, kWidestColumn));
  return widths;
}

class Workbook {
 public:
  explicit Workbook(const std::string& file) : book_(workbook_new(file.c_str())) {}
  ~Workbook() {
    if (book_) workbook_close(book_);
  }
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  [[nodiscard]] bool opened() const { return book_ != nullptr; }
  // Writes every cell; the first error the library reports, or LXW_NO_ERROR.
  lxw_error fill(const Sheet& sheet) {
    lxw_worksheet* page = workbook_add_worksheet(book_, sheet_name(sheet.title).c_str());
    if (!page) return LXW_ERROR_PARAMETER_VALIDATION;
    const std::vector<double> widths = column_widths(sheet);
    for (std::size_t c = 0; c < widths.size(); ++c)
      worksheet_set_column(page, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), widths[c], nullptr);
    lxw_row_t row = 0;
    if (!sheet.header.empty()) {
      lxw_format* bold = workbook_add_format(book_);
      format_set_bold(bold);
      for (std::size_t c = 0; c < sheet.header.size(); ++c)
        if (!sheet.header[c].empty())
          if (const lxw_error e =
                  worksheet_write_string(page, row, static_cast<lxw_col_t>(c), sheet.header[c].c_str(), bold))
            return e;
      worksheet_freeze_panes(page, 1, 0);
      ++row;
    }
    for (const auto& fields : sheet.rows) {
      for (std::size_t c = 0; c < fields.size(); ++c)
        if (const lxw_error e = write_cell(page, row, static_cast<lxw_col_t>(c), fields[c])) return e;
      ++row;
    }
    return LXW_NO_ERROR;
  }
  // Assembles the file; the library's verdict.
  lxw_error close() {
    const lxw_error e = workbook_close(book_);
    book_ = nullptr;
    return e;
  }

 private:
  lxw_error write_cell(lxw_worksheet* page, lxw_row_t row, lxw_col_t column, const std::string& field) {
    const Cell cell = read_cell(field);
    switch (cell.kind) {
      case CellKind::Empty: return LXW_NO_ERROR;
      case CellKind::Text: return worksheet_write_string(page, row, column, field.c_str(), nullptr);
      case CellKind::Number: return worksheet_write_number(page, row, column, cell.number, decimals(cell.decimals));
    }
    return LXW_NO_ERROR;
  }
  // "0.00" for two decimals, so a shown "12.50" keeps its last zero; integers as they are.
  lxw_format* decimals(int count) {
    if (count == 0) return nullptr;
    lxw_format*& format = decimal_formats_[count];
    if (!format) {
      format = workbook_add_format(book_);
      format_set_num_format(format, ("0." + std::string(static_cast<std::size_t>(count), '0')).c_str());
    }
    return format;
  }

  lxw_workbook* book_;
  std::map<int, lxw_format*> decimal_formats_;
};

// The library writes only to a named file; it is assembled in the temporary folder and
// then moved into place the way every other save replaces a file.
struct ScratchFile {
  std::string name;
  ScratchFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantor39-XXXXXX.xlsx").string();
    const int fd = ::mkstemps(pattern.data(), 5);
    if (fd < 0) return;
    ::close(fd);
    name = pattern;
  }
  ~ScratchFile() {
    if (!name.empty()) ::unlink(name.c_str());
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
};

std::string library_reason(lxw_error error) {
  switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED: return "記憶體不足";
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE: return "無法使用暫存檔";
    default: return "無法產生試算表 (" + std::string(lxw_strerror(error)) + ")";
  }
}

}  // namespace

Sheet sheet_of_lines(std::string title, const std::vector<std::string>& lines, bool first_line_is_header) {
  Sheet sheet{std::move(title), {}, {}};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 0 && first_line_is_header)
      sheet.header = line_fields(lines[i]);
    else
      sheet.rows.push_back(line_fields(lines[i]));
  }
  return sheet;
}

Sheet sheet_of_grid(std::string title, const TextGrid& grid, int columns) {
  const auto cells_of = [&](int row) {
    std::vector<std::string> fields = grid.row(row);
    fields.resize(static_cast<std::size_t>(std::clamp(columns, 0, grid.columns())));
    return fields;
  };
  Sheet sheet{std::move(title), {}, {}};
  for (int r = 0; r < grid.rows(); ++r) {
    if (r == 0)
      sheet.header = cells_of(r);
    else
      sheet.rows.push_back(cells_of(r));
  }
  return sheet;
}

Status write_spreadsheet(const std::string& path, const Sheet& sheet, const OwnFilePlaces& places) {
  if (const Status free = refuse_own_file(path, places); !free) return free;
  if (const std::string beyond = beyond_limits(sheet); !beyond.empty()) return write_failure(path, beyond);
  const ScratchFile scratch;
  if (scratch.name.empty()) return write_failure(path, system_error_text(errno));
  Workbook book(scratch.name);
  if (!book.opened()) return write_failure(path, library_reason(LXW_ERROR_CREATING_XLSX_FILE));
  const lxw_error filled = book.fill(sheet);
  const lxw_error closed = book.close();
  if (filled != LXW_NO_ERROR || closed != LXW_NO_ERROR)
    return write_failure(path, library_reason(filled != LXW_NO_ERROR ? filled : closed));
  const auto bytes = read_bytes(scratch.name);
  if (!bytes) return write_failure(path, library_reason(LXW_ERROR_READING_TMPFILE));
  return write_bytes_atomic(path, *bytes);
}

}  // namespace core
