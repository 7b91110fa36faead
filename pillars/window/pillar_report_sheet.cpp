#include "pillars/window/pillar_report_sheet.h"

#include <QVBoxLayout>

#include "ui/widgets.h"

namespace bestpillarswin {

PillarReportSheet::PillarReportSheet(const WorkbenchLinks& links, QWidget* parent)
    : QWidget(parent), captions_(this, "Label57", "Label56") {
  setObjectName("TS6");
  Label57 = captions_.numbers();
  Label56 = captions_.count();
  auto* v = new QVBoxLayout(this);
  v->addLayout(captions_.row());
  v->addWidget(ui::heading(this, QStringLiteral("核對所選的號碼，以立柱方式，在過去所選的區間內開出的情形"), kNavy));
  report = report_memo(this, "Memo2", {"Button20", "Button21", "Button22", "Button23"}, links.rerun_query,
                       {Memo2, Button20, Button21, Button22, Button23});
  v->addLayout(report->beside(), 1);
}

}  // namespace bestpillarswin
