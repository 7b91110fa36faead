// The look the workbench sheets share: heading colours and the selection captions that
// TS5, TS6 and TS7 show above their work.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <array>
#include <functional>

#include "pillars/selection.h"
#include "ui/result_memo.h"

class QHBoxLayout;
class QPushButton;

namespace bestpillarswin {

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

// The controls of a report memo as its sheet names them.
struct ReportControls {
  ui::Memo*& memo;
  QPushButton*& clear;
  QPushButton*& copy;
  QPushButton*& save_text;
  QPushButton*& save_csv;
};
// A report memo with all four commands, named as given (memo, then 清除, 複製, 存檔(txt),
// 存檔(csv)); 清除 re-runs `refill` (the period query). The controls are stored in `out`.
[[nodiscard]] ui::ResultMemo* report_memo(QWidget* sheet, const QString& memo_name,
                                          const std::array<QString, 4>& button_names, std::function<bool()> refill,
                                          ReportControls out);

}  // namespace bestpillarswin
