// Reads back a spreadsheet the program wrote, as a spreadsheet program would see it: the
// sheet's name, whether its first row stays in view, and each cell as text or number.
// The file is unpacked with the program's own ZIP reader; the XML is read just far enough.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/sheet_cells.h"
#include "core/text_file.h"
#include "exchange/zip_archive.h"

namespace test_support {

struct XlsxCell {
  bool text = false;  // a string cell (shared or inline); otherwise a number
  std::string value;  // the text, or the number as the file holds it
  std::string format;  // the number format ("00", "0.00"); "" for none
};

struct Xlsx {
  std::string workbook_xml, sheet_xml;
  std::string sheet_name;
  bool header_frozen = false;  // rows at the top frozen in place
  int frozen_rows = 0;
  std::map<std::pair<int, int>, XlsxCell> cells;  // (row, column), both from 0

  [[nodiscard]] const XlsxCell* cell(int row, int column) const {
    const auto found = cells.find({row, column});
    return found == cells.end() ? nullptr : &found->second;
  }
  [[nodiscard]] int rows() const { return cells.empty() ? 0 : cells.rbegin()->first.first + 1; }
};

namespace detail {

inline std::string unescaped(std::string_view xml) {
  std::string text;
  for (std::size_t i = 0; i < xml.size(); ++i) {
    if (xml[i] != '&') {
      text += xml[i];
      continue;
    }
    const std::size_t end = xml.find(';', i);
    const std::string_view entity = xml.substr(i + 1, end - i - 1);
    text += entity == "lt" ? "<" : entity == "gt" ? ">" : entity == "quot" ? "\"" : entity == "apos" ? "'" : "&";
    i = end;
  }
  return text;
}

// The value of `name="..."` inside the opening tag `tag`; "" when it has none.
inline std::string attribute(std::string_view tag, std::string_view name) {
  const std::string key = " " + std::string(name) + "=\"";
  const std::size_t at = tag.find(key);
  if (at == std::string_view::npos) return {};
  const std::size_t start = at + key.size();
  return unescaped(tag.substr(start, tag.find('"', start) - start));
}

// The texts of every <t> in `xml`, joined per enclosing `item` element ("si" or "is").
inline std::vector<std::string> item_texts(std::string_view xml, std::string_view item) {
  std::vector<std::string> texts;
  const std::string open = "<" + std::string(item) + ">", close = "</" + std::string(item) + ">";
  for (std::size_t at = xml.find(open); at != std::string_view::npos; at = xml.find(open, at + 1)) {
    const std::string_view body = xml.substr(at, xml.find(close, at) - at);
    std::string text;
    for (std::size_t t = body.find("<t"); t != std::string_view::npos; t = body.find("<t", t + 1)) {
      const std::size_t start = body.find('>', t) + 1;
      text += unescaped(body.substr(start, body.find("</t>", start) - start));
    }
    texts.push_back(text);
  }
  return texts;
}

// The number format code of each cell style, by the style's index ("s" of a cell).
inline std::vector<std::string> style_formats(std::string_view styles) {
  std::map<std::string, std::string> codes{{"1", "0"}, {"2", "0.00"}};  // the built-in ones written here
  for (std::size_t at = styles.find("<numFmt "); at != std::string_view::npos; at = styles.find("<numFmt ", at + 1)) {
    const std::string_view tag = styles.substr(at, styles.find('>', at) - at);
    codes[attribute(tag, "numFmtId")] = attribute(tag, "formatCode");
  }
  std::vector<std::string> formats;
  const std::size_t xfs = styles.find("<cellXfs");
  const std::size_t end = styles.find("</cellXfs>");
  for (std::size_t at = styles.find("<xf ", xfs); xfs != std::string_view::npos && at < end;
       at = styles.find("<xf ", at + 1)) {
    const std::string id = attribute(styles.substr(at, styles.find('>', at) - at), "numFmtId");
    formats.push_back(codes.count(id) ? codes[id] : std::string());
  }
  return formats;
}

// "B12" -> (11, 1)
inline std::pair<int, int> cell_place(std::string_view reference) {
  int column = 0, row = 0;
  for (const char c : reference) {
    if (c >= 'A' && c <= 'Z') column = column * 26 + (c - 'A' + 1);
    else row = row * 10 + (c - '0');
  }
  return {row - 1, column - 1};
}

}  // namespace detail

inline std::optional<Xlsx> read_xlsx(const std::string& path) {
  const auto bytes = core::read_bytes(path);
  if (!bytes) return std::nullopt;
  const auto entries = exchange::read_zip_entries(*bytes, path, [](std::string_view) { return true; });
  if (!entries) return std::nullopt;
  std::map<std::string, std::string> parts;
  for (const auto& entry : *entries) parts[entry.name] = entry.bytes;
  Xlsx book;
  book.workbook_xml = parts["xl/workbook.xml"];
  book.sheet_xml = parts["xl/worksheets/sheet1.xml"];
  const std::size_t sheet_tag = book.workbook_xml.find("<sheet ");
  if (sheet_tag != std::string::npos)
    book.sheet_name = detail::attribute(std::string_view(book.workbook_xml).substr(sheet_tag), "name");
  const std::size_t pane = book.sheet_xml.find("<pane ");
  if (pane != std::string::npos) {
    const std::string_view tag = std::string_view(book.sheet_xml).substr(pane, book.sheet_xml.find('>', pane) - pane);
    if (detail::attribute(tag, "state") == "frozen" && !detail::attribute(tag, "ySplit").empty())
      book.frozen_rows = std::stoi(detail::attribute(tag, "ySplit"));
    book.header_frozen = book.frozen_rows > 0;
  }
  const std::vector<std::string> shared = detail::item_texts(parts["xl/sharedStrings.xml"], "si");
  const std::vector<std::string> formats = detail::style_formats(parts["xl/styles.xml"]);
  const std::string_view sheet = book.sheet_xml;
  for (std::size_t at = sheet.find("<c "); at != std::string_view::npos; at = sheet.find("<c ", at + 1)) {
    const std::size_t tag_end = sheet.find('>', at);
    const std::string_view tag = sheet.substr(at, tag_end - at);
    if (tag.ends_with('/')) continue;  // a formatted empty cell
    const std::string_view body = sheet.substr(tag_end + 1, sheet.find("</c>", tag_end) - tag_end - 1);
    const std::string type = detail::attribute(tag, "t");
    XlsxCell cell;
    const std::size_t v = body.find("<v>");
    const std::string value =
        v == std::string_view::npos ? std::string() : std::string(body.substr(v + 3, body.find("</v>", v) - v - 3));
    if (type == "s") cell = {true, shared.at(std::stoul(value)), {}};
    else if (type == "inlineStr") cell = {true, detail::item_texts(body, "is").at(0), {}};
    else if (type == "str") cell = {true, detail::unescaped(value), {}};
    else cell = {false, value, {}};
    const std::string style = detail::attribute(tag, "s");
    if (!style.empty() && std::stoul(style) < formats.size()) cell.format = formats[std::stoul(style)];
    book.cells[detail::cell_place(detail::attribute(tag, "r"))] = cell;
  }
  return book;
}

// The first place where the sheet does not hold `lines` one row per line and one cell per
// ","-separated field (texts without the blanks around them, numbers by value, blank
// fields as no cell), or where a column of the grid holds both numbers and texts of
// digits, so a sum would skip some; "" when it holds them all and nothing else. The grid
// is every line of two cells or more, or with `grid_rows` (first, end) only those lines.
inline std::string lines_mismatch(const Xlsx& book, const std::vector<std::string>& lines, int first_row = 0,
                                  std::pair<std::size_t, std::size_t> grid_rows = {0, SIZE_MAX}) {
  std::size_t cells = 0;
  std::map<std::size_t, std::pair<int, int>> kinds;  // column -> (numbers, texts of digits) in the grid
  for (std::size_t r = 0; r < lines.size(); ++r) {
    const std::vector<std::string> fields = core::line_fields(lines[r]);
    const bool in_grid = r >= grid_rows.first && r < grid_rows.second &&
                         std::count_if(fields.begin(), fields.end(),
                                       [](const std::string& f) { return !core::trimmed_field(f).empty(); }) > 1;
    for (std::size_t c = 0; c < fields.size(); ++c) {
      const std::string place = "row " + std::to_string(r) + " field " + std::to_string(c) + " \"" + fields[c] + "\"";
      const std::string field(core::trimmed_field(fields[c]));
      const XlsxCell* cell = book.cell(first_row + static_cast<int>(r), static_cast<int>(c));
      if ((cell != nullptr) != !field.empty()) return place + ": cell present or missing";
      if (!cell) continue;
      ++cells;
      const bool digits = core::read_cell(field).kind == core::CellKind::Number;
      if (cell->text ? cell->value != field : !digits || std::stod(cell->value) != std::stod(field))
        return place + ": holds \"" + cell->value + "\"";
      if (in_grid && digits) ++(cell->text ? kinds[c].second : kinds[c].first);
    }
  }
  for (const auto& [column, counts] : kinds)
    if (counts.first > 0 && counts.second > 0) return "column " + std::to_string(column) + " mixes numbers and texts";
  return cells == book.cells.size() ? std::string() : "more cells than fields";
}

}  // namespace test_support
