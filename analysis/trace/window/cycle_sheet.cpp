#include "analysis/trace/window/cycle_sheet.h"

#include <QComboBox>
#include <QLabel>

#include "ui/controls.h"

namespace tracewin {

CycleSheet::CycleSheet(const TraceLinks& links, QWidget* parent)
    : TraceSheet(links, {"Panel8", "SpeedButton18", "lbtridx_ck", "SpeedButton19", "Button14", "Button13", "Button20",
                         "BitBtn7"},
                 parent) {
  setObjectName("TabSheet6");
  cb_latest_ck = issue_box("cb_latest_ck");
  cb_ck = box("cb_ck", {}, "01", 60);
  ui::describe(cb_ck, QStringLiteral("每隔的期數"));
  lay_out({caption("第"), cb_latest_ck, caption("期之下一期往前推"), caption("每隔"), cb_ck, caption("期")});
  ui::on_entry(cb_latest_ck, this, [this] { return cb_latest_ckChange(); });
  ui::on_entry(cb_ck, this, [this] { return cb_ckChange(); });
}

void CycleSheet::open(const OpeningItems& items) {
  ui::set_items(cb_ck, items.numbers);
  set_issue_items(cb_latest_ck, items);
}

void CycleSheet::enter() { cb_ckChange(); }

bool CycleSheet::cb_latest_ckChange() { return cb_ckChange(); }

bool CycleSheet::cb_ckChange() { return retrace_at(0); }

bool CycleSheet::retrace() {
  trace::TraceBoxes boxes;
  boxes.tab = trace::TraceTab::Cycle;
  boxes.issue = ui::text_of(cb_latest_ck);
  boxes.step = ui::text_of(cb_ck);
  return show(boxes, trace::ExportBound::up_to(boxes.issue), {cb_ck});
}

}  // namespace tracewin
