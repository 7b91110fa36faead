#include "analysis/trace/window/single_number_sheet.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QToolButton>

#include "ui/controls.h"
#include "ui/widgets.h"

namespace tracewin {

SingleNumberSheet::SingleNumberSheet(const TraceLinks& links, QWidget* parent)
    : TraceSheet(links,
                 {"Panel1", "SpeedButton1", "lbtridx", "SpeedButton2", "Button1", "Button2", "btn_grid_sort", "BitBtn1"},
                 parent) {
  setObjectName("TabSheet1");
  cb_latest = issue_box("cb_latest");
  cb_trno = box("cb_trno", {}, "01", 60);
  ui::describe(cb_trno, QStringLiteral("號碼"));
  sbpin1 = ui::tool_button(panel, QStringLiteral("固定"), "sbpin1");
  lay_out({caption("第"), cb_latest, caption("期"), caption("本期開"), cb_trno}, {sbpin1});
  build_pinned_row();

  ui::on_entry(cb_latest, this, [this] { return cb_latestChange(); });
  ui::on_entry(cb_trno, this, [this] { return cb_trnoChange(); });
  connect(sbpin1, &QToolButton::clicked, this, [this] { sbpin1Click(); });
  ui::on_entry(cbn1, this, [this] { return cbn1Change(); });
  connect(SpeedButton16, &QToolButton::clicked, this, [this] { SpeedButton16Click(); });
  connect(SpeedButton17, &QToolButton::clicked, this, [this] { SpeedButton17Click(); });
  connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
}

void SingleNumberSheet::build_pinned_row() {
  Panel7 = new QFrame(this);
  Panel7->setObjectName("Panel7");
  lbn1 = ui::label(Panel7, QStringLiteral("不定位"), "lbn1");
  lbn1->setMinimumWidth(lbn1->fontMetrics().horizontalAdvance(QStringLiteral("上 2500 期 000000")) + 8);
  cbn1 = ui::make_combo(Panel7, {}, "01");
  cbn1->setObjectName("cbn1");
  ui::describe(cbn1, QStringLiteral("號碼"));
  cbn1->setFixedWidth(60);
  cbn1->setMaxVisibleItems(20);
  SpeedButton16 = ui::tool_button(Panel7, QStringLiteral("上一期"), "SpeedButton16");
  lbtridx_n1 = ui::label(Panel7, QStringLiteral("本期"), "lbtridx_n1");
  lbtridx_n1->setMinimumWidth(distance_label->minimumWidth());
  lbtridx_n1->setAlignment(Qt::AlignCenter);
  SpeedButton17 = ui::tool_button(Panel7, QStringLiteral("下一期"), "SpeedButton17");
  SpeedButton3 = ui::tool_button(Panel7, QStringLiteral("結束"), "SpeedButton3");
  QHBoxLayout* row = ui::row_of({lbn1, ui::label(Panel7, QStringLiteral("開")), cbn1, SpeedButton16, lbtridx_n1,
                                 SpeedButton17, SpeedButton3});
  row->setContentsMargins(4, 2, 4, 2);
  Panel7->setLayout(row);
  Panel7->hide();
  layout()->addWidget(Panel7);
}

void SingleNumberSheet::open(const OpeningItems& items) {
  distance_ = 0;
  ui::set_items(cb_trno, items.numbers);
  ui::set_items(cbn1, items.numbers);
  set_issue_items(cb_latest, items);
}

void SingleNumberSheet::enter() {
  // Pinned, the first row stands as it was pinned and the pinned trace comes back, as
  // the second row names it.
  if (pinned_) {
    retrace_pinned();
    return;
  }
  distance_ = 0;
  cb_latestChange();
}

bool SingleNumberSheet::cb_latestChange() {
  const auto s = choose_draw(cb_latest, cb_trno, trace::TraceTab::Single);
  if (!s) return false;
  selected_draw_ = *s;
  return cb_trnoChange();
}

bool SingleNumberSheet::cb_trnoChange() { return retrace(); }

bool SingleNumberSheet::retrace() {
  const auto number = read_numbers(cb_trno, trace::TraceTab::Single);
  if (!number) return false;
  trace::TraceBoxes boxes;
  boxes.number = *number;
  if (!show(boxes, trace::ExportBound::up_to(issue_))) return false;
  show_read(cb_trno, *number);
  ui::set_label(lbn1, trace::target_label(links_.table, selected_draw_, distance_));
  return true;
}

void SingleNumberSheet::stepped() {
  // The balls of the target draw are the numbers worth tracing inside these rows.
  offer(cbn1, trace::number_box(links_.table, selected_draw_ + distance_, trace::TraceTab::Single));
}

void SingleNumberSheet::sbpin1Click() {
  if (pinned_) return;
  pinned_ = true;
  sbpin1->setText(QStringLiteral("已固定"));
  Panel7->show();
  panel->setEnabled(false);
  show_issue_enabled(false);
  links_.pin(true);
  pinned_distance_ = 0;
  retrace_pinned();
}

bool SingleNumberSheet::cbn1Change() {
  const int kept = pinned_distance_;
  pinned_distance_ = 0;
  if (retrace_pinned()) return true;
  pinned_distance_ = kept;
  return false;
}

void SingleNumberSheet::SpeedButton16Click() {
  --pinned_distance_;
  if (!retrace_pinned()) ++pinned_distance_;
}

void SingleNumberSheet::SpeedButton17Click() {
  ++pinned_distance_;
  if (!retrace_pinned()) --pinned_distance_;
}

bool SingleNumberSheet::retrace_pinned() {
  const auto number = read_numbers(cbn1, trace::TraceTab::Single);
  if (!number) return false;
  trace::TraceBoxes boxes;
  boxes.number = *number;
  const core::Status shown = links_.show_trace(boxes, pinned_distance_, trace::ExportBound::up_to(issue_));
  if (!shown) {
    refuse(shown.error(), {cbn1});
    return false;
  }
  show_read(cbn1, *number);
  ui::set_label(lbtridx_n1, trace::distance_label(pinned_distance_));
  return true;
}

void SingleNumberSheet::SpeedButton3Click() {
  end_pinned_mode();
  cb_trnoChange();
}

void SingleNumberSheet::end_pinned_mode() {
  if (!pinned_) return;
  pinned_ = false;
  sbpin1->setText(QStringLiteral("固定"));
  Panel7->hide();
  panel->setEnabled(true);
  show_issue_enabled(true);
  links_.pin(false);
}

void SingleNumberSheet::show_issue_enabled(bool enabled) {
  // Disabled, the issue box greys like every disabled box; its red bold says it chooses.
  QFont font = cb_latest->font();
  font.setBold(enabled);
  cb_latest->setFont(font);
}

}  // namespace tracewin
