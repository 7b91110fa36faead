// The look the workbench sheets share: heading colours and the selection captions that
// TS5, TS6 and TS7 show above their work.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

#include "pillars/selection.h"

class QHBoxLayout;

namespace bestpillars {

inline const QColor kNavy{0, 0, 128};
inline const QColor kMaroon{128, 0, 0};

// "您所選的號碼為：" then the selected numbers (red, wrapping) and their count.
class SelectionCaptions {
 public:
  SelectionCaptions(QWidget* sheet, const QString& numbers_name, const QString& count_name);
  [[nodiscard]] QHBoxLayout* row() const { return row_; }
  [[nodiscard]] QLabel* numbers() const { return numbers_; }
  [[nodiscard]] QLabel* count() const { return count_; }
  void show(const pillars::Selection& selection);

 private:
  QHBoxLayout* row_;
  QLabel* numbers_;
  QLabel* count_;
};

}  // namespace bestpillars
