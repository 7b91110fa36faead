#include "core/spreadsheet.h"

#include <algorithm>
#include <cctype>

#include "core/sheet_cells.h"

namespace core {

namespace {

bool reads_as_number(std::string_view field) { return read_cell(field).kind == CellKind::Number; }

// Whether line `at` heads a grid: two fields or more and none a number, and the next
// line as many fields with a number under one of its words ("期數" over 115204).
bool heads_grid(const std::vector<std::vector<std::string>>& lines, std::size_t at) {
  const auto& line = lines[at];
  if (at + 1 >= lines.size() || is_note_row(line) || lines[at + 1].size() != line.size()) return false;
  if (std::any_of(line.begin(), line.end(), [](const std::string& f) { return reads_as_number(f); })) return false;
  const auto& next = lines[at + 1];
  for (std::size_t c = 0; c < line.size(); ++c)
    if (!trimmed_field(line[c]).empty() && reads_as_number(next[c])) return true;
  return false;
}

}  // namespace

Sheet sheet_of_lines(std::string title, const std::vector<std::string>& lines, bool first_line_is_header) {
  std::vector<std::vector<std::string>> fields;
  for (const std::string& line : lines) fields.push_back(line_fields(line));
  Sheet sheet;
  sheet.title = std::move(title);
  std::size_t header = fields.size();
  if (first_line_is_header && !fields.empty())
    header = 0;
  else if (!first_line_is_header)
    for (std::size_t i = 0; i < fields.size() && header == fields.size(); ++i)
      if (heads_grid(fields, i)) header = i;
  if (header == fields.size()) {
    sheet.rows = std::move(fields);
    return sheet;
  }
  sheet.above.assign(fields.begin(), fields.begin() + static_cast<std::ptrdiff_t>(header));
  sheet.header = fields[header];
  std::size_t end = header + 1;
  while (end < fields.size() && fields[end].size() == sheet.header.size()) ++end;
  sheet.rows.assign(fields.begin() + static_cast<std::ptrdiff_t>(header + 1), fields.begin() + static_cast<std::ptrdiff_t>(end));
  sheet.below.assign(fields.begin() + static_cast<std::ptrdiff_t>(end), fields.end());
  return sheet;
}

Sheet sheet_of_grid(std::string title, const TextGrid& grid, int columns) {
  const auto cells_of = [&](int row) {
    std::vector<std::string> fields = grid.row(row);
    fields.resize(static_cast<std::size_t>(std::clamp(columns, 0, grid.columns())));
    return fields;
  };
  Sheet sheet;
  sheet.title = std::move(title);
  for (int r = 0; r < grid.rows(); ++r) {
    if (r == 0)
      sheet.header = cells_of(r);
    else
      sheet.rows.push_back(cells_of(r));
  }
  return sheet;
}

Result<std::string> spreadsheet_path(const std::string& path) {
  const std::string name = path.substr(path.rfind('/') + 1);
  if (name.empty()) return Error::error("「" + path + "」是資料夾，請輸入試算表的檔名");
  const auto dot = name.rfind('.');
  // A leading dot starts a hidden name, not an extension.
  if (dot == std::string::npos || dot == 0) return path + ".xlsx";
  std::string extension = name.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".xlsx") return path;
  return Error::error("「" + name + "」不是試算表的檔名：Excel 檔的檔名要以 .xlsx 結尾");
}

}  // namespace core
