#include "core/text_grid.h"

#include <algorithm>

namespace core {

void TextGrid::resize(int rows, int columns) {
  rows = std::max(rows, 0);
  columns = std::max(columns, 0);
  std::vector<std::string> cells(static_cast<size_t>(rows) * columns);
  for (int r = 0; r < std::min(rows, rows_); ++r)
    for (int c = 0; c < std::min(columns, columns_); ++c)
      cells[static_cast<size_t>(r) * columns + c] = std::move(cells_[static_cast<size_t>(r) * columns_ + c]);
  cells_ = std::move(cells);
  rows_ = rows;
  columns_ = columns;
}

const std::string& TextGrid::cell(int column, int row) const {
  static const std::string kEmpty;
  return inside(column, row) ? cells_[static_cast<size_t>(row) * columns_ + column] : kEmpty;
}

void TextGrid::set_cell(int column, int row, std::string text) {
  if (inside(column, row)) cells_[static_cast<size_t>(row) * columns_ + column] = std::move(text);
}

std::vector<std::string> TextGrid::row(int row) const {
  std::vector<std::string> texts;
  for (int c = 0; c < columns_; ++c) texts.push_back(cell(c, row));
  return texts;
}

void TextGrid::set_row(int row, const std::vector<std::string>& texts) {
  for (int c = 0; c < columns_ && c < static_cast<int>(texts.size()); ++c) set_cell(c, row, texts[c]);
}

std::vector<std::string> TextGrid::column(int column) const {
  std::vector<std::string> texts;
  for (int r = 0; r < rows_; ++r) texts.push_back(cell(column, r));
  return texts;
}

void TextGrid::clear() { std::fill(cells_.begin(), cells_.end(), std::string()); }

}  // namespace core
