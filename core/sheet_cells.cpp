#include "core/sheet_cells.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "core/numbers.h"

namespace core {
namespace {

constexpr int kMostExactDigits = 15;
constexpr std::size_t kMostSheetNameCharacters = 31;

std::string_view without_spaces_and_tabs(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// One character of UTF-8: its code point and its length in bytes. A byte that starts no
// valid sequence counts as one character of its own, so a broken text is still measured.
struct CodePoint {
  char32_t value;
  std::size_t length;
};

CodePoint next_code_point(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length <= 1 || length > text.size()) return {lead, 1};
  char32_t value = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto follow = static_cast<unsigned char>(text[i]);
    if ((follow & 0xC0) != 0x80) return {lead, 1};
    value = (value << 6) | (follow & 0x3F);
  }
  return {value, length};
}

bool is_wide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2460 && c <= 0x27BF) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1FAFF) ||
         (c >= 0x20000 && c <= 0x3FFFD);
}

bool refused_in_sheet_name(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::string_view("[]:*?/\\").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

Cell read_cell(std::string_view field) {
  const std::string_view text = without_spaces_and_tabs(field);
  if (text.empty()) return {};
  const Cell as_text{CellKind::Text};
  const std::string_view unsigned_part = text.starts_with('-') ? text.substr(1) : text;
  const auto point = unsigned_part.find('.');
  const std::string_view whole = unsigned_part.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : unsigned_part.substr(point + 1);
  if (!all_digits(whole) || (point != std::string_view::npos && !all_digits(fraction))) return as_text;
  const bool padded = whole.size() > 1 && whole.front() == '0';
  // Only a plain run of digits is a padded number (a ball, an issue); "-05" and "05.5" are no one's numbers.
  if (padded && (point != std::string_view::npos || unsigned_part.size() != text.size())) return as_text;
  if (whole.size() + fraction.size() > kMostExactDigits) return as_text;
  double number = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (failure != std::errc() || end != text.data() + text.size()) return as_text;
  return {CellKind::Number, number, static_cast<int>(fraction.size()), padded ? static_cast<int>(whole.size()) : 0};
}

std::string_view trimmed_field(std::string_view field) { return without_spaces_and_tabs(field); }

namespace {
bool is_placeholder(std::string_view text) {
  return !text.empty() && text.find_first_not_of('-') == std::string_view::npos && text.size() <= 3;
}
}  // namespace

ColumnKind column_kind(const std::vector<std::string_view>& fields) {
  ColumnKind kind;
  bool any_number = false;
  for (const std::string_view field : fields) {
    const std::string_view text = without_spaces_and_tabs(field);
    if (text.empty() || is_placeholder(text)) continue;
    const Cell cell = read_cell(text);
    if (cell.kind != CellKind::Number) return {};
    any_number = true;
    kind.zeros = std::max(kind.zeros, cell.zeros);
  }
  kind.numbers = any_number;
  return kind;
}

Cell cell_in_column(std::string_view field, const ColumnKind& kind) {
  const Cell cell = read_cell(field);
  if (cell.kind == CellKind::Empty) return cell;
  if (!kind.numbers || cell.kind != CellKind::Number) return {CellKind::Text};
  return {CellKind::Number, cell.number, cell.decimals, cell.decimals == 0 ? kind.zeros : 0};
}

int text_width(std::string_view utf8) {
  int width = 0;
  while (!utf8.empty()) {
    const CodePoint c = next_code_point(utf8);
    width += is_wide(c.value) ? 2 : 1;
    utf8.remove_prefix(c.length);
  }
  return width;
}

std::string sheet_name(std::string_view title) {
  std::string name;
  std::size_t characters = 0;
  for (std::string_view rest = title; !rest.empty() && characters < kMostSheetNameCharacters; ++characters) {
    const CodePoint c = next_code_point(rest);
    const auto byte = static_cast<unsigned char>(rest[0]);
    if (c.length == 1 && (byte >= 0x80 || refused_in_sheet_name(byte)))  // or a broken UTF-8 byte
      name += '_';
    else
      name += rest.substr(0, c.length);
    rest.remove_prefix(c.length);
  }
  if (name.starts_with('\'')) name.front() = '_';
  if (name.ends_with('\'')) name.back() = '_';
  if (without_spaces_and_tabs(name).empty()) return "工作表1";
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (lower == "history") return name + "_";
  return name;
}

bool is_note_row(const std::vector<std::string>& row) {
  return std::count_if(row.begin(), row.end(), [](const std::string& f) { return !trimmed_field(f).empty(); }) <= 1;
}

std::vector<std::string> line_fields(std::string_view line) {
  std::vector<std::string> fields;
  while (true) {
    const auto comma = line.find(',');
    fields.emplace_back(line.substr(0, comma));
    if (comma == std::string_view::npos) return fields;
    line.remove_prefix(comma + 1);
  }
}

}  // namespace core
