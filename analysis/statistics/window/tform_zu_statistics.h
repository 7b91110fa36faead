// The statistics window "統計資料": the draws of a date range as ball pictures with a
// value under each, in three views (號碼統計 counts, 尾數統計 units digits, 遠星統計 draws
// since last drawn) and, for the number and gap views, two arrangements (統計順序 moves
// the balls into the order of their values, 號碼順序 keeps them in number order).
//
// The form owns the range, the view and arrangement buttons and lbcount; Panel_F1 shows
// the number and gap views, Panel_F2 the tail view. Every handler reads the range, calls
// analysis/statistics/statistics_views.h and hands the result to the panel in front.
#pragma once

#include <QDateEdit>
#include <QLabel>
#include <QToolButton>

#include "analysis/backtest/backtest_texts.h"
#include "analysis/statistics/statistics_views.h"
#include "analysis/statistics/window/ball_values_panel.h"
#include "analysis/statistics/window/tail_values_panel.h"
#include "core/clock.h"
#include "core/draw_history.h"
#include "ui/form_dialog.h"

class QStackedWidget;

class TForm_zu_statistics : public ui::FormDialog {
  Q_OBJECT

 public:
  TForm_zu_statistics(const core::DrawHistory& history, const core::Clock& clock, QWidget* parent = nullptr);

  void FormShow() override;
  void sb_F1Click();
  void sb_F2Click();
  void sb_F3Click();
  void sb_bigClick() { recount_balls(statistics::Arrangement::ByValue); }
  void sb_noClick() { recount_balls(statistics::Arrangement::ByNumber); }
  void sb_beginClick();
  void DateTimePickerChange();

  [[nodiscard]] statistics::View view() const { return view_; }

  QDateEdit* DateTimePicker1 = nullptr;
  QDateEdit* DateTimePicker2 = nullptr;
  QLabel* lbcount = nullptr;
  QToolButton *sb_F1 = nullptr, *sb_F2 = nullptr, *sb_F3 = nullptr;
  QToolButton *sb_big = nullptr, *sb_no = nullptr, *sb_begin = nullptr;
  QToolButton* btn_backtest = nullptr;  // 回測, shown with the gap view
  statwin::BallValuesPanel* Panel_F1 = nullptr;
  statwin::TailValuesPanel* Panel_F2 = nullptr;
  QStackedWidget* panels = nullptr;  // the panel in front

 signals:
  // 回測 (the gap view): asks for the number backtest of the numbers missing longest.
  void backtest_requested(const backtest::Texts& texts);

 private:
  void build();
  QLayout* build_bar();
  // The number or gap view (whichever is chosen) recounted in `arrangement`.
  void recount_balls(statistics::Arrangement arrangement);
  // sb_F1 and sb_F3: Panel_F1 in front with the arrangement buttons, 統計順序 applied.
  void choose_ball_view(statistics::View view);
  void show_count(int count);

  const core::DrawHistory& history_;
  const core::Clock& clock_;
  statistics::View view_ = statistics::View::Numbers;
};
