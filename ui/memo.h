// A multi-line text box whose content the program reads and writes as lines of UTF-8
// text. Filling it with thousands of lines is one call. A final line break ends the last
// line rather than starting an empty one.
#pragma once

#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace ui {

class Memo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit Memo(QWidget* parent = nullptr);

  // The current lines; an empty memo has none.
  [[nodiscard]] std::vector<std::string> lines() const;
  [[nodiscard]] int line_count() const;
  [[nodiscard]] std::string line(int index) const;  // 0-based; empty when out of range

  void set_lines(const std::vector<std::string>& lines);
  void append_lines(const std::vector<std::string>& lines);
  void add_line(const std::string& line) { append_lines({line}); }
  void clear_lines() { clear(); }
  // True when the text changed since the last set_lines (typing, pasting, undoing).
  [[nodiscard]] bool modified_by_user() const;

  // Selects the whole text and puts it on the clipboard.
  void copy_all();
};

}  // namespace ui
