// A grid of texts (rows x columns), the data behind every string grid the windows show.
// Out-of-range reads give an empty text; out-of-range writes are ignored.
#pragma once

#include <string>
#include <vector>

namespace core {

class TextGrid {
 public:
  TextGrid() = default;
  TextGrid(int rows, int columns) { resize(rows, columns); }

  [[nodiscard]] int rows() const { return rows_; }
  [[nodiscard]] int columns() const { return columns_; }
  void resize(int rows, int columns);
  void set_rows(int rows) { resize(rows, columns_); }

  [[nodiscard]] const std::string& cell(int column, int row) const;
  void set_cell(int column, int row, std::string text);

  [[nodiscard]] std::vector<std::string> row(int row) const;
  void set_row(int row, const std::vector<std::string>& texts);
  [[nodiscard]] std::vector<std::string> column(int column) const;
  void clear();

 private:
  [[nodiscard]] bool inside(int column, int row) const {
    return column >= 0 && row >= 0 && column < columns_ && row < rows_;
  }
  int rows_ = 0;
  int columns_ = 0;
  std::vector<std::string> cells_;  // row-major
};

}  // namespace core
