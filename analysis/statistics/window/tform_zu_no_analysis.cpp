#include "analysis/statistics/window/tform_zu_no_analysis.h"

#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

TForm_zu_no_analysis::TForm_zu_no_analysis(const core::DrawHistory& history, QWidget* parent) : QDialog(parent) {
  setObjectName("TForm_zu_no_analysis");
  setWindowTitle(QStringLiteral("號碼分析"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  counts = new statwin::NumberCountsPanel(rows_, history.max_ball, this);
  rules = new statwin::RuleResultsPanel(rows_, history, this);
  rules->SpeedButton1->setEnabled(false);
  BitBtn1 = ui::push_button(this, QStringLiteral("關閉"), "BitBtn1");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(counts);
  layout->addSpacing(6);
  layout->addWidget(rules, 1);
  layout->addWidget(BitBtn1, 0, Qt::AlignRight);
  resize(sizeHint().width(), 640);

  connect(rules, &statwin::RuleResultsPanel::define_rules_requested, this, [this] { SpeedButton1Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
  // The title belongs to the trace the window was opened on.
  connect(this, &QDialog::finished, this, [this] { rules->lb_ruletitle->clear(); });
}

void TForm_zu_no_analysis::show_for(const trace::TraceExport& trace_export, const std::string& analysis_title) {
  rows_ = trace_export;
  rules->lb_ruletitle->setText(ui::qs(analysis_title));
  FormShow();
  ui::show_modal(this);
}

void TForm_zu_no_analysis::set_rule_definition(QDialog* rule_window) {
  rule_window_ = rule_window;
  rules->SpeedButton1->setEnabled(rule_window != nullptr);
  if (rule_window) connect(rule_window, &QDialog::finished, this, [this] { rules->sb_getnoClick(); });
}

void TForm_zu_no_analysis::FormShow() {
  rules->Ed_result->setText(QStringLiteral("??"));
  counts->reset();
  rules->sb_getnoClick();
}

void TForm_zu_no_analysis::SpeedButton1Click() {
  if (rule_window_) ui::show_modal(rule_window_);
}
