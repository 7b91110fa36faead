#include "pillars/window/pillar_report_sheet.h"

#include <QVBoxLayout>

#include "ui/widgets.h"

namespace bestpillars {

PillarReportSheet::PillarReportSheet(const WorkbenchLinks& links, QWidget* parent)
    : QWidget(parent), captions_(this, "Label57", "Label56") {
  setObjectName("TS6");
  Label57 = captions_.numbers();
  Label56 = captions_.count();
  auto* v = new QVBoxLayout(this);
  v->addLayout(captions_.row());
  v->addWidget(ui::heading(this, QStringLiteral("核對所選的號碼，以立柱方式，在過去所選的區間內開出的情形"), kNavy));
  report_memo = new ui::ResultMemo(this, "Memo2", ui::ResultMemo::every_command("Button20", "Button21", "Button22", "Button23"));
  report_memo->set_refill(links.rerun_query);
  Memo2 = report_memo->memo();
  using Command = ui::ResultMemo::Command;
  Button20 = report_memo->button(Command::Clear);
  Button21 = report_memo->button(Command::Copy);
  Button22 = report_memo->button(Command::SaveText);
  Button23 = report_memo->button(Command::SaveCsv);
  v->addLayout(report_memo->beside(), 1);
}

}  // namespace bestpillars
