// The date-range print window: counts the draws between two dates (both inclusive) and
// prints the records grid's rows in that range, in the grid's current order and ball
// order, through the memo report.
#pragma once

#include <QDateEdit>
#include <QLineEdit>
#include <QToolButton>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/draw_history.h"
#include "core/text_grid.h"
#include "ui/form_dialog.h"

class Trpt;

class TForm_dateselect : public ui::FormDialog {
  Q_OBJECT
 public:
  TForm_dateselect(const core::DrawHistory& history, const core::Clock& clock, Trpt& report,
                   QWidget* parent = nullptr);

  // The rows to print: the records window's grid as the user sees it when it asks for
  // this window. A copy, so the window prints what was on screen when it opened.
  void use_records(const core::TextGrid& records) { records_ = records; }

  void FormShow() override;
  void CountUpdate();
  void SpeedButton1Click();

  QDateEdit* DateTimePicker1 = nullptr;  // from
  QDateEdit* DateTimePicker2 = nullptr;  // to
  QLineEdit* Edit1 = nullptr;            // the count, read-only
  QToolButton* SpeedButton1 = nullptr;   // "列印"
  std::vector<std::string> mm;           // the lines last printed

 private:
  void build();
  [[nodiscard]] core::Date from() const;
  [[nodiscard]] core::Date to() const;

  const core::DrawHistory& history_;
  const core::Clock& clock_;
  Trpt& report_;
  core::TextGrid records_;
};
