#include "pillars/window/full_combination_sheet.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "pillars/lenpon.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace bestpillarswin {

FullCombinationSheet::FullCombinationSheet(const WorkbenchLinks& links, QWidget* parent)
    : QWidget(parent), links_(links), captions_(this, "Label41", "Label42") {
  setObjectName("TS7");
  Label41 = captions_.numbers();
  Label42 = captions_.count();
  auto* v = new QVBoxLayout(this);
  v->addLayout(captions_.row());
  v->addWidget(ui::heading(this, QStringLiteral("核對所選的號碼，在過去所選的區間內開出的情形"), kNavy));
  auto* start = ui::row();
  start->addWidget(Button9 = ui::push_button(this, QStringLiteral("開始連碰驗證"), "Button9"));
  cb_detail = ui::check_box(this, QStringLiteral("顯示每一期開出明細"), "cb_detail");
  cb_detail->setChecked(true);
  start->addWidget(cb_detail);
  start->addStretch();
  v->addLayout(start);
  report = report_memo(this, "Memo3", {"Button10", "Button11", "Button13", "Button15"}, links.rerun_query,
                       {Memo3, Button10, Button11, Button13, Button15});
  v->addLayout(report->beside(), 1);
  connect(Button9, &QPushButton::clicked, this, [this] { Button9Click(); });
}

void FullCombinationSheet::Button9Click() {
  pillars::WorkbenchState& state = links_.state;
  const auto report =
      pillars::lenpon_report(links_.period_lines(), Memo3->lines(), state.sel_no, cb_detail->isChecked(), state.period_title);
  if (!report) {
    ui::show_error(this, report.error());
    return links_.show_sheet(Sheet::Selection);
  }
  Memo3->set_lines(report->lines);
  state.lenpon_tot2 = report->totals.two;
  state.lenpon_tot3 = report->totals.three;
  state.lenpon_tot4 = report->totals.four;
}

}  // namespace bestpillarswin
