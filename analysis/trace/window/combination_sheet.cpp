#include "analysis/trace/window/combination_sheet.h"

#include <QComboBox>
#include <QLabel>

#include "ui/controls.h"

namespace tracewin {
namespace {

bool is_pair(trace::TraceTab tab) { return tab == trace::TraceTab::Pair; }

TraceSheet::Names combination_names(trace::TraceTab tab) {
  if (is_pair(tab)) return {"Panel3", "SpeedButton6", "lbtridx2", "SpeedButton5", "Button4", "Button3", "Button15", "BitBtn3"};
  return {"Panel2", "SpeedButton4", "lbtridx2_3", "SpeedButton7", "Button6", "Button5", "Button16", "BitBtn2"};
}

}  // namespace

CombinationSheet::CombinationSheet(const TraceLinks& links, trace::TraceTab tab, QWidget* parent)
    : TraceSheet(links, combination_names(tab), parent), tab_(tab) {
  setObjectName(is_pair(tab) ? "TabSheet2" : "TabSheet7");
  issue = issue_box(is_pair(tab) ? "cb_latest2" : "cb_latest2_3");
  numbers = box(is_pair(tab) ? "cb_tr22" : "cb_tr22_3", {}, "02", is_pair(tab) ? 90 : 110);
  ui::describe(numbers, QStringLiteral("號碼"));
  lay_out({caption("第"), issue, caption("期"), caption("開"), numbers});
  ui::on_entry(issue, this, [this] { return issueChange(); });
  ui::on_entry(numbers, this, [this] { return numbersChange(); });
}

void CombinationSheet::open(const OpeningItems& items) {
  if (is_pair(tab_)) ui::set_items(numbers, items.numbers);
  set_issue_items(issue, items);
}

void CombinationSheet::enter() {
  distance_ = 0;
  issueChange();
}

bool CombinationSheet::issueChange() { return choose_draw(issue, numbers, tab_) && numbersChange(); }

bool CombinationSheet::numbersChange() { return retrace(); }

bool CombinationSheet::retrace() {
  const auto read = read_numbers(numbers, tab_);
  if (!read) return false;
  trace::TraceBoxes boxes;
  boxes.tab = tab_;
  boxes.number = *read;
  if (!show(boxes, trace::ExportBound::up_to(issue_))) return false;
  show_read(numbers, *read);
  return true;
}

}  // namespace tracewin
