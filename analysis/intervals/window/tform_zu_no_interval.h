// The number interval window "號碼開出間隔分析": for every number, the gaps between its
// appearances over the whole draw table, one grid column per number, and on request a
// summary of one number or of all of them in the memo.
//
//   draw table -> intervals::analyse_intervals -> grid sgmap and the longest gap (Label2)
//   -> intervals::show_no for the number box -> Memo1
//
// Every showing recomputes from the current table; the summaries accumulate in Memo1
// until 清除, 全部號碼 or the next showing empties it.
#pragma once

#include <string>

#include "analysis/intervals/number_summary.h"
#include "core/draw_history.h"
#include "ui/form_dialog.h"
#include "ui/result_memo.h"
#include "ui/string_grid.h"

class QComboBox;
class QLabel;
class QPushButton;

class TForm_zu_no_interval : public ui::FormDialog {
  Q_OBJECT

 public:
  explicit TForm_zu_no_interval(const core::DrawHistory& history, QWidget* parent = nullptr);

  void FormShow() override;
  // The computation: every number's gaps into the grid, the longest gap, number 01's summary.
  void Button1Click();
  void show_no(const std::string& typed);
  // A summary for the number in cb_no; anything but a number 01..39 is refused (false).
  bool cb_noChange();
  void Label4Click();  // 全部號碼

  QLabel* Label2 = nullptr;  // the longest gap
  QComboBox* cb_no = nullptr;
  QLabel* Label4 = nullptr;
  ui::ResultMemo* summaries = nullptr;
  ui::Memo* Memo1 = nullptr;
  QPushButton* Button3 = nullptr;  // 清除
  QPushButton* Button1 = nullptr;  // hidden: the computation
  ui::StringGrid* sgmap = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLayout* build_top_panel();

  const core::DrawHistory& history_;
  intervals::IntervalAnalysis analysis_;  // its grid is handed to sgmap; the gaps stay here
};
