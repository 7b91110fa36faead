#include "analysis/statistics/window/tform_zu_no_analysis.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

TForm_zu_no_analysis::TForm_zu_no_analysis(const core::DrawHistory& history, const core::RuleSettings& rule_settings,
                                           QWidget* parent)
    : ui::FormDialog(parent) {
  setObjectName("TForm_zu_no_analysis");
  setWindowTitle(QStringLiteral("號碼分析"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  counts = new statwin::NumberCountsPanel(rows_, history.max_ball, this);
  rules = new statwin::RuleResultsPanel(rows_, rule_settings, history.max_ball, this);
  rules->SpeedButton1->setEnabled(false);
  BitBtn1 = ui::push_button(this, QStringLiteral("關閉"), "BitBtn1");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(counts);
  layout->addSpacing(6);
  layout->addWidget(rules, 1);
  btn_backtest = ui::push_button(this, QStringLiteral("回測"), "btn_backtest");
  btn_backtest->setToolTip(QStringLiteral("以啟用的版路與連準做號碼回測：每期只用之前的開獎，與隨機比較"));
  auto* bottom = ui::row();
  bottom->addWidget(btn_backtest);
  bottom->addStretch();
  bottom->addWidget(BitBtn1);
  layout->addLayout(bottom);
  resize(sizeHint().width(), 640);

  connect(rules, &statwin::RuleResultsPanel::define_rules_requested, this, [this] { SpeedButton1Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
  connect(btn_backtest, &QPushButton::clicked, this, [this, &rule_settings] {
    std::array<bool, statistics::kRules> on{};
    for (std::size_t r = 0; r < on.size(); ++r) on[r] = rule_settings.rule_on[r];
    emit backtest_requested(backtest::rules_texts(rule_settings.rule_run_len, on));
  });
  // The title belongs to the trace the window was opened on.
  connect(this, &QDialog::finished, this, [this] { rules->lb_ruletitle->clear(); });
}

void TForm_zu_no_analysis::show_for(const trace::TraceExport& trace_export, const std::string& analysis_title) {
  rows_ = trace_export;
  rules->lb_ruletitle->setText(ui::qs(analysis_title));
  ui::show_modal(this);  // its showing runs FormShow
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
