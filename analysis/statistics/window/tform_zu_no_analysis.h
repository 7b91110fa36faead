// The number analysis window "號碼分析", opened from the trace window on its current
// trace: how often each number and tail was marked in the last N trace rows, and the
// numbers the enabled pattern rules predict for the next draw, with their evidence.
//
//   window.set_rule_definition(&rule_window);     // 版路定義; its closing re-runs the rules
//   window.show_for(trace::export_trace(trace, bound), trace.title);
//
// The form keeps the export it was shown with; the counting panel and the rule panel
// read it, the rule panel with the application's rule settings.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <string>

#include "analysis/backtest/backtest_texts.h"
#include "analysis/statistics/window/number_counts_panel.h"
#include "analysis/statistics/window/rule_results_panel.h"
#include "analysis/trace/trace.h"
#include "core/draw_history.h"
#include "core/rule_settings.h"
#include "ui/form_dialog.h"

class TForm_zu_no_analysis : public ui::FormDialog {
  Q_OBJECT

 public:
  TForm_zu_no_analysis(const core::DrawHistory& history, const core::RuleSettings& rule_settings,
                       QWidget* parent = nullptr);

  // Loads the trace's rows and title and shows the window modally.
  void show_for(const trace::TraceExport& trace_export, const std::string& analysis_title);
  // The window 版路定義 opens; closing it runs this window's rules again.
  void set_rule_definition(QDialog* rule_window);

  // The showing: cb_lt and the counts over every row, Ed_result "??", then the rules.
  void FormShow() override;
  void SpeedButton1Click();

  [[nodiscard]] const trace::TraceExport& trace_rows() const { return rows_; }

  statwin::NumberCountsPanel* counts = nullptr;
  statwin::RuleResultsPanel* rules = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "關閉"
  QPushButton* btn_backtest = nullptr;  // "回測"

 signals:
  // 回測: asks for the number backtest with the enabled rules and the run length.
  void backtest_requested(const backtest::Texts& texts);

 private:
  trace::TraceExport rows_;
  QPointer<QDialog> rule_window_;
};
