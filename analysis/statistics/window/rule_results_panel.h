// The pattern-rule half of the number analysis window: the trace's title (lb_ruletitle),
// the predictions of the enabled rules (sb_getno -> Ed_result) and their evidence
// (mmresult, with 清除 and 存檔), and the button that opens the rule definition (版路定義).
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "analysis/trace/trace.h"
#include "core/rule_settings.h"
#include "ui/result_memo.h"

namespace statwin {

class RuleResultsPanel : public QWidget {
  Q_OBJECT

 public:
  RuleResultsPanel(const trace::TraceExport& rows, const core::RuleSettings& settings, int max_ball,
                   QWidget* parent = nullptr);

  // Runs the enabled rules with the shared settings over the trace's rows.
  void sb_getnoClick();

  QLabel* lb_ruletitle = nullptr;
  QPushButton* sb_getno = nullptr;
  QLineEdit* Ed_result = nullptr;
  ui::Memo* mmresult = nullptr;
  ui::ResultMemo* notes = nullptr;  // mmresult with SpeedButton3 (清除) and SpeedButton4 (存檔)
  QPushButton* SpeedButton1 = nullptr;  // "版路定義"
  QPushButton* SpeedButton3 = nullptr;
  QPushButton* SpeedButton4 = nullptr;

 signals:
  void define_rules_requested();

 private:
  const trace::TraceExport& rows_;
  const core::RuleSettings& settings_;
  int max_ball_;
};

}  // namespace statwin
