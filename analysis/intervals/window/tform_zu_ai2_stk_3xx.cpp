#include "analysis/intervals/window/tform_zu_ai2_stk_3xx.h"

#include <QHeaderView>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "core/ball_order.h"
#include "ui/spreadsheet_save.h"
#include "ui/widgets.h"

namespace {

constexpr int kClientWidth = 900;
constexpr int kClientHeight = 680;
const QList<int> kColumnWidths = {96, 72, 34, 34, 34, 34, 34, 6, 6, 84, 72, 140, 56};

}  // namespace

TForm_zu_ai2_stk_3xx::TForm_zu_ai2_stk_3xx(core::DrawTable& table, QWidget* parent)
    : ui::FormDialog(parent), draw_table_(table), history_(table.history()) {
  setObjectName("TForm_zu_ai2_stk_3xx");
  setWindowTitle(QStringLiteral("雙連拖定位獨支"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  Panel1 = new intervalswin::TracePanel(history_, this);
  sgl = new ui::StringGrid(this);
  sgl->setObjectName("sgl");
  sgl->model_data().set_fixed_rows(1);
  sgl->horizontalHeader()->setMinimumSectionSize(2);  // the two spacer columns
  sgl->set_column_widths(kColumnWidths);
  sgl->set_row_height(20);
  mm = new ui::Memo(this);
  mm->setObjectName("mm");
  mm->setReadOnly(true);
  ui::offer_spreadsheet(sgl);
  ui::offer_spreadsheet(mm);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 4, 4, 4);
  v->addWidget(Panel1);
  v->addWidget(sgl, 3);
  v->addWidget(mm, 2);
  resize(std::max(kClientWidth, layout()->totalSizeHint().width()), kClientHeight);

  using intervalswin::TracePanel;
  connect(Panel1, &TracePanel::search_requested, this, [this] { SpeedButton4Click(); });
  connect(Panel1, &TracePanel::order_chosen, this, [this] { rb_ball_sortClick(); });
  connect(Panel1, &TracePanel::step_requested, this, [this](int step) { show_rule(rule_index_ + step); });
  reset_table();  // the header row stands even before a first search (an empty table has none)
}

void TForm_zu_ai2_stk_3xx::FormShow() {
  Panel1->reset_dates();
  if (!Panel1->rb_ball_sort->isChecked()) {
    Panel1->rb_ball_sort->setChecked(true);  // its click runs the order choice and a search
    return;
  }
  Panel1->cb_dateChange();
  reset_table();
}

void TForm_zu_ai2_stk_3xx::rb_ball_sortClick() {
  draw_table_.set_working_order(Panel1->order());  // the choice other windows see in ltno_copy
  Panel1->cb_dateChange();
}

void TForm_zu_ai2_stk_3xx::SpeedButton4Click() {
  const auto read = Panel1->query();
  if (!read) return;
  if (!read->rules_wanted) {
    Panel1->show_run(0, 0);
    search_ = {read->query, intervals::double_trace_matches(history_, read->query), {}};
    return show_rule(0);
  }
  search_ = intervals::search_double_trace(history_, read->query);
  Panel1->show_run(read->query.run, search_.query.run);
  show_rule(1);
}

void TForm_zu_ai2_stk_3xx::show_rule(int rule_number) {
  show_view(intervals::show_double_trace(history_, search_, rule_number));
}

void TForm_zu_ai2_stk_3xx::reset_table() { show_view(intervals::reset_view(history_, search_)); }

void TForm_zu_ai2_stk_3xx::show_view(intervals::DoubleTraceView view) {
  rule_index_ = view.rule_number;
  Panel1->show_labels(view);
  mm->set_lines(view.mm);
  sgl->set_grid(std::move(view.sgl));
}
