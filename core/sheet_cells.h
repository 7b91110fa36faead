// What a line of text becomes in a spreadsheet: which fields are numbers, how wide a
// column must be for its texts, and the sheet name a spreadsheet program accepts.
// Nothing here knows the file format; core/spreadsheet.h writes the file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

enum class CellKind { Empty, Number, Text };

struct Cell {
  CellKind kind = CellKind::Empty;
  double number = 0;  // for a Number
  int decimals = 0;   // digits after the point, so "12.50" still shows two
  int zeros = 0;      // digits an integer shows at least, so "05" still shows its zero
};

// The cell a field becomes on its own. Blanks around a field do not count.
//   ""  "  "                      -> Empty
//   "0" "12" "-3" "0.5" "12.50"   -> Number
//   "05" "007" "098004"           -> Number shown with its zeros (zeros 2, 3, 6)
//   "●" "１" "2024/01/02" "-" "+5" "1e3" ".5" "-05" "05.5" "12345678901234567" -> Text
// More than 15 digits stay text: a spreadsheet would round them.
[[nodiscard]] Cell read_cell(std::string_view field);

// What a column makes of its fields, decided once from all of them so a column never
// zig-zags between numbers and texts: numbers when every field is one (a lone "-" or
// "--", a placeholder for none, stays text and decides nothing), else texts; padded
// fields give every number of the column their zeros ("01".."39" all show two digits).
struct ColumnKind {
  bool numbers = false;
  int zeros = 0;
};
[[nodiscard]] ColumnKind column_kind(const std::vector<std::string_view>& fields);

// The cell a field becomes in a column of that kind. A text keeps no blanks around it:
// they only aligned it in a fixed-pitch memo.
[[nodiscard]] Cell cell_in_column(std::string_view field, const ColumnKind& kind);
// A field without the blanks around it.
[[nodiscard]] std::string_view trimmed_field(std::string_view field);

// The width a text takes in a spreadsheet column, in the width of one digit: East Asian
// wide characters (CJK, full-width forms, the marks ● ○ ★ and the circled numbers)
// count two, every other character one.
[[nodiscard]] int text_width(std::string_view utf8);

// A name a spreadsheet program takes for a sheet: the characters it refuses (the brackets,
// : * ? / \ and control characters) become "_", an apostrophe may not open or close it, at most 31
// characters (never a character cut in half); "" and "History" (a name it keeps for
// itself) become "工作表1" and "History_".
[[nodiscard]] std::string sheet_name(std::string_view title);

// A line of one cell or none: a title or a note, not part of a column.
[[nodiscard]] bool is_note_row(const std::vector<std::string>& row);

// A memo line as a sheet row: one field per ","-separated part ("a,,b," -> a, "", b, "").
[[nodiscard]] std::vector<std::string> line_fields(std::string_view line);

}  // namespace core
