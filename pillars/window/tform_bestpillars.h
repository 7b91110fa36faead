// The best-pillars workbench window "最佳彩柱": six sheets that take the user from a
// period of draws to verified pillar layouts.
//
//   TS2 period query -> period list (Memo1; Memo2 and Memo3 start from it)
//   -> TS3 statistics and hot lists -> TS4 selection -> TS5 pillar layout, cost and
//   optimisation -> TS6 pillar report -> TS7 full-combination report
//
// The form owns the workbench state and links the sheets: each sheet owns its controls
// and handlers, reads what it needs from the others through bestpillarswin::WorkbenchLinks
// and announces its changes by signals the form connects. Every handler reads its
// controls, calls a toolkit-free computation of pillars/ and writes the result back;
// the period lines in the memos stay the source of truth, so a user's edit of a memo is
// honoured by the next step.
#pragma once

#include <QPixmap>
#include <QString>

#include "core/clock.h"
#include "core/draw_history.h"
#include "pillars/window/full_combination_sheet.h"
#include "pillars/window/optimise_panel.h"
#include "pillars/window/period_sheet.h"
#include "pillars/window/pillar_report_sheet.h"
#include "pillars/window/pillar_sheet.h"
#include "pillars/window/selection_sheet.h"
#include "pillars/window/statistics_sheet.h"
#include "pillars/window/workbench_links.h"
#include "pillars/workbench_state.h"
#include "ui/form_dialog.h"

class QTabWidget;

class TForm_bestpillars : public ui::FormDialog {
  Q_OBJECT

 public:
  TForm_bestpillars(const core::DrawHistory& history, const core::Clock& clock, QWidget* parent = nullptr);
  ~TForm_bestpillars() override;

  // The game logo the main window passes before showing the workbench.
  void set_logo(const QPixmap& logo);
  // Where the best-subset report files are written (default ".").
  void set_working_dir(const QString& dir) { working_dir_ = dir; }
  [[nodiscard]] const QString& working_dir() const { return working_dir_; }
  [[nodiscard]] const pillars::WorkbenchState& state() const { return state_; }
  // True while a hot-combination ordering or a pillar optimisation runs; the window then
  // refuses to close.
  [[nodiscard]] bool busy() const;
  void reject() override;

  // Every showing: four pillars of two, the trace dates, TS2 with the whole period.
  void FormShow() override;
  void reset_table();

  QTabWidget* PageC = nullptr;
  bestpillarswin::PeriodSheet* TS2 = nullptr;        // "號碼來源"
  bestpillarswin::StatisticsSheet* TS3 = nullptr;    // "號碼和尾數統計"
  bestpillarswin::SelectionSheet* TS4 = nullptr;     // "選擇號碼"
  bestpillarswin::PillarSheet* TS5 = nullptr;        // "選擇柱數"
  bestpillarswin::PillarReportSheet* TS6 = nullptr;  // "彩柱驗證"
  bestpillarswin::FullCombinationSheet* TS7 = nullptr;  // "連碰驗證"

 signals:
  // "回測驗證" of the optimisation panel, with the current selection.
  void walk_forward_requested(const std::vector<std::string>& selection);
  // 回測 of the statistics sheet: the period's length and the selection's size.
  void backtest_requested(int window, int count);

 private:
  void link_sheets();
  void build_sheets();
  void connect_sheets();
  [[nodiscard]] QWidget* sheet(bestpillarswin::Sheet which) const;

  const core::DrawHistory& history_;
  QString working_dir_ = QStringLiteral(".");
  pillars::WorkbenchState state_;
  bestpillarswin::WorkbenchLinks links_;
};
