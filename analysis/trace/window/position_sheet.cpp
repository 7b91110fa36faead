#include "analysis/trace/window/position_sheet.h"

#include <QComboBox>
#include <QLabel>

#include "ui/controls.h"

namespace tracewin {
namespace {

bool is_ascending(trace::TraceTab tab) { return tab == trace::TraceTab::Ascending; }

TraceSheet::Names position_names(trace::TraceTab tab) {
  if (is_ascending(tab))
    return {"Panel4", "SpeedButton9", "lbtridx_fix1", "SpeedButton8", "Button8", "Button7", "Button17", "BitBtn4"};
  return {"Panel5", "SpeedButton12", "lbtridx_fix2", "SpeedButton11", "Button10", "Button9", "Button18", "BitBtn5"};
}

}  // namespace

PositionSheet::PositionSheet(const TraceLinks& links, trace::TraceTab tab, QWidget* parent)
    : TraceSheet(links, position_names(tab), parent), tab_(tab) {
  const bool ascending = is_ascending(tab);
  setObjectName(ascending ? "TabSheet3" : "TabSheet4");
  issue = issue_box(ascending ? "cb_latest3" : "cb_latest4");
  position = box(ascending ? "cb_fix11" : "cb_fix21", ui::number_items(1, 7), "1", 50);
  number = box(ascending ? "cb_fix12" : "cb_fix22", {}, "01", 60);
  ui::describe(number, QStringLiteral("號碼"));
  lay_out({caption("第"), issue, caption("期"), caption("第"), position, caption("支"), caption("開"), number});
  ui::on_entry(issue, this, [this] { return issueChange(); });
  ui::on_entry(position, this, [this] { return positionChange(); });
  ui::on_entry(number, this, [this] { return positionChange(); });
}

void PositionSheet::open(const OpeningItems& items) { set_issue_items(issue, items); }

void PositionSheet::enter() {
  distance_ = 0;
  issueChange();
}

bool PositionSheet::issueChange() {
  if (!choose_draw(issue, number, tab_)) return false;
  // A drawn position only ever holds one of the five balls.
  if (!is_ascending(tab_)) ui::set_items(position, ui::number_items(1, trace::kBalls));
  return positionChange();
}

bool PositionSheet::positionChange() { return retrace(); }

bool PositionSheet::retrace() {
  trace::TraceBoxes boxes;
  boxes.tab = tab_;
  boxes.position = ui::text_of(position);
  // The position is refused first ("第？支錯誤"), as the trace reads it.
  if (const auto checked = trace::check_trace_positions(boxes); !checked) {
    refuse(checked.error(), {});
    return false;
  }
  const auto read = read_numbers(number, tab_);
  if (!read) return false;
  boxes.number = *read;
  if (!show(boxes, trace::ExportBound::up_to(issue_))) return false;
  show_read(number, *read);
  return true;
}

}  // namespace tracewin
