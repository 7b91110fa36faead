#include "analysis/trace/window/add_sheet.h"

#include <QComboBox>
#include <QLabel>

#include "analysis/trace/trace.h"
#include "ui/controls.h"

namespace tracewin {

AddSheet::AddSheet(const TraceLinks& links, QWidget* parent)
    : TraceSheet(links, {"Panel6", "SpeedButton14", "lbtridx_add", "SpeedButton13", "Button12", "Button11", "Button19",
                         "BitBtn6"},
                 parent) {
  setObjectName("TabSheet5");
  cb_add1 = box("cb_add1", ui::number_items(1, 7), "1", 50);
  cb_add2 = box("cb_add2", {"加", "減"}, "加", 60);
  cb_add3 = box("cb_add3", ui::number_items(1, 40), "1", 55);
  cb_add4 = box("cb_add4", ui::number_items(1, 7), "2", 50);
  ui::describe(cb_add3, QStringLiteral("加減的數"));
  lay_out({caption("第"), cb_add1, caption("支"), cb_add2, cb_add3, caption("等於"), caption("第"), cb_add4,
           caption("支")});
  for (QComboBox* b : {cb_add1, cb_add2, cb_add3, cb_add4}) ui::on_entry(b, this, [this] { return cb_addChange(); });
}

void AddSheet::enter() { cb_addChange(); }

bool AddSheet::cb_addChange() { return retrace_at(0); }

bool AddSheet::retrace() {
  trace::TraceBoxes boxes;
  boxes.tab = trace::TraceTab::Add;
  boxes.p1 = ui::text_of(cb_add1);
  boxes.sign = ui::text_of(cb_add2);
  boxes.amount = ui::text_of(cb_add3);
  boxes.p2 = ui::text_of(cb_add4);
  return show(boxes, trace::ExportBound::all_rows(), {cb_add3});
}

}  // namespace tracewin
