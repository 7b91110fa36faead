#include "analysis/statistics/window/rule_results_panel.h"

#include <QVBoxLayout>

#include "analysis/statistics/pattern_rules.h"
#include "ui/controls.h"
#include "ui/widgets.h"

namespace statwin {

RuleResultsPanel::RuleResultsPanel(const trace::TraceExport& rows, const core::RuleSettings& settings, int max_ball,
                                   QWidget* parent)
    : QWidget(parent), rows_(rows), settings_(settings), max_ball_(max_ball) {
  lb_ruletitle = ui::label(this, QString(), "lb_ruletitle");
  ui::set_look(lb_ruletitle, QColor(128, 0, 0), true);
  sb_getno = ui::push_button(this, QStringLiteral("符合版路定義  推測下一期號碼 "), "sb_getno");
  Ed_result = new QLineEdit(this);
  Ed_result->setObjectName("Ed_result");
  Ed_result->setReadOnly(true);
  ui::set_look(Ed_result, Qt::red, true);
  SpeedButton1 = ui::push_button(this, QStringLiteral("版路定義"), "SpeedButton1");

  ui::ResultMemo::Texts texts;
  texts.save_title = QStringLiteral("儲存版路明細");
  texts.text_filter = QStringLiteral("純文字檔案(*.txt)|*.txt");
  notes = new ui::ResultMemo(
      this, "mmresult",
      {{ui::ResultMemo::Command::Clear, "SpeedButton3"}, {ui::ResultMemo::Command::SaveText, "SpeedButton4"}}, texts);
  mmresult = notes->memo();
  SpeedButton3 = notes->button(ui::ResultMemo::Command::Clear);
  SpeedButton4 = notes->button(ui::ResultMemo::Command::SaveText);
  SpeedButton4->setText(QStringLiteral("存檔"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* title = ui::row_of({ui::label(this, QStringLiteral("版路名稱")), lb_ruletitle});
  layout->addLayout(title);
  auto* predict = ui::row();
  predict->addWidget(sb_getno);
  predict->addWidget(Ed_result, 1);
  predict->addWidget(SpeedButton1);
  layout->addLayout(predict);
  layout->addWidget(ui::heading(this, QStringLiteral("版路明細"), QColor(0, 0, 128)));
  layout->addLayout(notes->beside(), 1);

  connect(sb_getno, &QPushButton::clicked, this, [this] { sb_getnoClick(); });
  connect(SpeedButton1, &QPushButton::clicked, this, [this] { emit define_rules_requested(); });
}

void RuleResultsPanel::sb_getnoClick() {
  const auto outcome = statistics::run_rules(rows_, settings_, max_ball_, ui::u8(lb_ruletitle->text()));
  Ed_result->setText(ui::qs(outcome.predictions));
  mmresult->set_lines(outcome.memo);
}

}  // namespace statwin
