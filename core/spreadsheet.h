// Writing results as a spreadsheet (.xlsx) a user opens in their spreadsheet program: one
// worksheet, an optional header row in bold that stays in view when scrolling, every
// column as wide as its texts, fields that are numbers written as numbers
// (core/sheet_cells.h). Like every save of the program the file is replaced
// atomically and never one of the program's own files.
#pragma once

#include <string>
#include <vector>

#include "core/own_files.h"
#include "core/result.h"
#include "core/text_grid.h"

namespace core {

struct Sheet {
  std::string title;                        // made a valid sheet name when written
  std::vector<std::string> header;          // empty: no header row
  std::vector<std::vector<std::string>> rows;
};

// A memo as a sheet: one row per line, one cell per ","-separated field; with
// `first_line_is_header` the first line is the header row.
[[nodiscard]] Sheet sheet_of_lines(std::string title, const std::vector<std::string>& lines,
                                   bool first_line_is_header = false);

// A grid as a sheet: its first row is the header; columns beyond `columns` are left out.
[[nodiscard]] Sheet sheet_of_grid(std::string title, const TextGrid& grid, int columns);

// Writes the sheet to `path`. Refused: one of the program's own files (named as
// refuse_own_file names it); more rows, columns or characters in a cell than a
// spreadsheet holds, and a failed write ("無法寫入檔案 PATH：why", the old file whole).
[[nodiscard]] Status write_spreadsheet(const std::string& path, const Sheet& sheet,
                                             const OwnFilePlaces& places);

}  // namespace core
