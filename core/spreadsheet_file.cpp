// core/spreadsheet.h's writer, through libxlsxwriter: a library of its own
// (vantor_spreadsheet_file), which vantor39-cli opens as a module only when it saves one.
#include "core/spreadsheet.h"

#include <stdlib.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <map>
#include <memory>

#include "core/platform_files.h"
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
  if (sheet.above.size() + sheet.rows.size() + sheet.below.size() + (sheet.header.empty() ? 0 : 1) > kMostRows)
    return "超過試算表的 " + std::to_string(kMostRows) + " 列";
  std::string beyond = row_beyond_limits(sheet.header);
  for (const auto* part : {&sheet.above, &sheet.rows, &sheet.below})
    for (std::size_t r = 0; beyond.empty() && r < part->size(); ++r) beyond = row_beyond_limits((*part)[r]);
  return beyond;
}

// Widths in digit widths; a column no line of two cells reaches keeps the program's default.
std::vector<double> column_widths(const Sheet& sheet) {
  std::vector<int> widest;
  const auto measure = [&](const std::vector<std::string>& row) {
    if (row.size() > widest.size()) widest.resize(row.size(), 0);
    for (std::size_t c = 0; c < row.size(); ++c) widest[c] = std::max(widest[c], text_width(trimmed_field(row[c])));
  };
  measure(sheet.header);
  for (const auto* part : {&sheet.above, &sheet.rows, &sheet.below})
    for (const auto& row : *part)
      if (!is_note_row(row)) measure(row);
  std::vector<double> widths;
  for (const int w : widest) widths.push_back(w == 0 ? 0 : std::clamp(w + kColumnAir, kNarrowestColumn, kWidestColumn));
  return widths;
}

// The kind of each column of the grid, from the fields of its lines of two cells or more.
std::vector<ColumnKind> grid_column_kinds(const Sheet& sheet) {
  std::vector<std::vector<std::string_view>> columns;
  for (const auto& row : sheet.rows) {
    if (is_note_row(row)) continue;
    if (row.size() > columns.size()) columns.resize(row.size());
    for (std::size_t c = 0; c < row.size(); ++c) columns[c].push_back(row[c]);
  }
  std::vector<ColumnKind> kinds;
  for (const auto& fields : columns) kinds.push_back(column_kind(fields));
  return kinds;
}

class Workbook {
 public:
  // The library's own scratch files go to `scratch_folder`, not to the temporary folder.
  Workbook(const std::string& file, std::string scratch_folder) : scratch_folder_(std::move(scratch_folder)) {
    lxw_workbook_options options{};
    options.tmpdir = scratch_folder_.data();
    book_ = workbook_new_opt(file.c_str(), &options);
  }
  ~Workbook() {
    if (book_) workbook_close(book_);
  }
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  [[nodiscard]] bool opened() const { return book_ != nullptr; }
  // Writes every cell; the first error the library reports, or LXW_NO_ERROR.
  lxw_error fill(const Sheet& sheet) {
    page_ = workbook_add_worksheet(book_, sheet_name(sheet.title).c_str());
    if (!page_) return LXW_ERROR_PARAMETER_VALIDATION;
    const std::vector<double> widths = column_widths(sheet);
    for (std::size_t c = 0; c < widths.size(); ++c)
      if (widths[c] > 0) worksheet_set_column(page_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), widths[c], nullptr);
    for (const auto& fields : sheet.above)
      if (const lxw_error e = write_alone(fields)) return e;
    if (!sheet.header.empty())
      if (const lxw_error e = write_header(sheet.header)) return e;
    const std::vector<ColumnKind> kinds = grid_column_kinds(sheet);
    for (const auto& fields : sheet.rows) {
      if (is_note_row(fields)) {
        if (const lxw_error e = write_alone(fields)) return e;
        continue;
      }
      for (std::size_t c = 0; c < fields.size(); ++c)
        if (const lxw_error e = write_cell(static_cast<lxw_col_t>(c), fields[c], kinds[c])) return e;
      ++row_;
    }
    for (const auto& fields : sheet.below)
      if (const lxw_error e = write_alone(fields)) return e;
    return LXW_NO_ERROR;
  }
  // Assembles the file; the library's verdict.
  lxw_error close() {
    const lxw_error e = workbook_close(book_);
    book_ = nullptr;
    return e;
  }

 private:
  // The grid's titles in bold, staying in view with every line above them.
  lxw_error write_header(const std::vector<std::string>& titles) {
    lxw_format* bold = workbook_add_format(book_);
    format_set_bold(bold);
    for (std::size_t c = 0; c < titles.size(); ++c) {
      const std::string title(trimmed_field(titles[c]));
      if (title.empty()) continue;
      if (const lxw_error e = worksheet_write_string(page_, row_, static_cast<lxw_col_t>(c), title.c_str(), bold))
        return e;
    }
    worksheet_freeze_panes(page_, row_ + 1, 0);
    ++row_;
    return LXW_NO_ERROR;
  }
  // A line outside the grid: each field is a column of its own.
  lxw_error write_alone(const std::vector<std::string>& fields) {
    for (std::size_t c = 0; c < fields.size(); ++c) {
      const std::string_view field = fields[c];
      if (const lxw_error e = write_cell(static_cast<lxw_col_t>(c), field, column_kind({field}))) return e;
    }
    ++row_;
    return LXW_NO_ERROR;
  }
  lxw_error write_cell(lxw_col_t column, std::string_view field, const ColumnKind& kind) {
    const Cell cell = cell_in_column(field, kind);
    switch (cell.kind) {
      case CellKind::Empty: return LXW_NO_ERROR;
      case CellKind::Text: return worksheet_write_string(page_, row_, column, std::string(trimmed_field(field)).c_str(), nullptr);
      case CellKind::Number: return worksheet_write_number(page_, row_, column, cell.number, number_format(cell));
    }
    return LXW_NO_ERROR;
  }
  // "0.00" for two decimals, so a shown "12.50" keeps its last zero; "00" for a padded
  // ball, so 5 shows as "05"; other numbers as they are.
  lxw_format* number_format(const Cell& cell) {
    const std::string code = cell.decimals > 0 ? "0." + std::string(static_cast<std::size_t>(cell.decimals), '0')
                             : cell.zeros > 1  ? std::string(static_cast<std::size_t>(cell.zeros), '0')
                                               : std::string();
    if (code.empty()) return nullptr;
    lxw_format*& format = number_formats_[code];
    if (!format) {
      format = workbook_add_format(book_);
      format_set_num_format(format, code.c_str());
    }
    return format;
  }

  std::string scratch_folder_;
  lxw_workbook* book_ = nullptr;
  lxw_worksheet* page_ = nullptr;
  lxw_row_t row_ = 0;
  std::map<std::string, lxw_format*> number_formats_;
};

std::string scratch_folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The library writes only to a named file. It is assembled beside the target, never in
// the temporary folder: TMPDIR may name a folder that is missing, a file or read-only,
// and the target's own folder is the one place a save needs anyway.
struct ScratchFile {
  std::string name;
  int error = 0;  // why it could not be made
  explicit ScratchFile(const std::string& target) : error(platform::create_beside(target, ".xlsx", name)) {}
  ~ScratchFile() {
    if (!name.empty()) platform::remove_file(name);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
};

// What went wrong inside the library, in the user's words. Its file errors carry the
// system's reason in errno, which is the one the user can act on (a full disk).
std::string library_reason(lxw_error error, int errnum, const std::string& path) {
  switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED: return "記憶體不足";
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
      if (errnum != 0) return write_reason(errnum, path);
      return "無法使用暫存檔";
    default: return "無法產生試算表 (" + std::string(lxw_strerror(error)) + ")";
  }
}

}  // namespace

Status write_spreadsheet(const std::string& path, const Sheet& sheet, const OwnFilePlaces& places) {
  if (const Status free = refuse_own_file(path, places); !free) return free;
  if (const std::string beyond = beyond_limits(sheet); !beyond.empty()) return write_failure(path, beyond);
  const ScratchFile scratch(path);
  if (scratch.name.empty()) return write_failure(path, write_reason(scratch.error, path));
  errno = 0;
  Workbook book(scratch.name, scratch_folder_of(path));
  if (!book.opened()) return write_failure(path, library_reason(LXW_ERROR_CREATING_XLSX_FILE, errno, path));
  const lxw_error filled = book.fill(sheet);
  const lxw_error closed = book.close();
  if (filled != LXW_NO_ERROR || closed != LXW_NO_ERROR)
    return write_failure(path, library_reason(filled != LXW_NO_ERROR ? filled : closed, errno, path));
  const auto bytes = read_bytes(scratch.name);
  if (!bytes) return write_failure(path, library_reason(LXW_ERROR_READING_TMPFILE, errno, path));
  return write_bytes_atomic(path, *bytes);
}

}  // namespace core
