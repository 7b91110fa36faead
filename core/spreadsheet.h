// Writing results as a spreadsheet (.xlsx) a user opens in their spreadsheet program and
// computes with: one worksheet; a grid's header row in bold that stays in view when
// scrolling; each column of the grid either numbers or texts, decided once from all its
// fields, so SUM and COUNTIF see every ball (core/sheet_cells.h); columns as wide as the
// grid's texts, while a line of one cell (a title, a note) spills into the empty cells
// beside it. Dates stay texts ("2024/01/02"), as the memos show them. Like every save of
// the program the file is replaced atomically and never one of the program's own files.
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
  std::vector<std::vector<std::string>> rows;  // the grid under the header
  std::vector<std::vector<std::string>> above;  // lines before the header (a title, the settings)
  std::vector<std::vector<std::string>> below;  // lines after the grid (a summary)
};

// A memo as a sheet: one row per line, one cell per ","-separated field. With
// `first_line_is_header` the first line is the header row; otherwise the first line that
// reads as a grid's header is (two fields or more, none a number, followed by a line of
// as many fields with a number under one of them: "序號,日期" over "0020,2026/08/22"),
// the lines before it stay above, and the grid ends at the first line of another field
// count.
[[nodiscard]] Sheet sheet_of_lines(std::string title, const std::vector<std::string>& lines,
                                   bool first_line_is_header = false);

// A grid as a sheet: its first row is the header; columns beyond `columns` are left out.
[[nodiscard]] Sheet sheet_of_grid(std::string title, const TextGrid& grid, int columns);

// The name a spreadsheet is saved under, the same for every save: `path` as it is when it
// ends in ".xlsx" (any case), with ".xlsx" added when its file name has no extension, and
// refused, saying so, when it names another one ("out.csv").
[[nodiscard]] Result<std::string> spreadsheet_path(const std::string& path);

// Writes the sheet to `path`. Refused: one of the program's own files (named as
// refuse_own_file names it); more rows, columns or characters in a cell than a
// spreadsheet holds, and a failed write ("無法寫入檔案 PATH：why", the old file whole).
[[nodiscard]] Status write_spreadsheet(const std::string& path, const Sheet& sheet,
                                             const OwnFilePlaces& places);

}  // namespace core
