#include "pillars/window/pillar_sheet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "pillars/pillar_report.h"
#include "pillars/window/optimise_panel.h"
#include "ui/busy_guard.h"
#include "ui/controls.h"
#include <QAbstractScrollArea>

#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace bestpillarswin {
namespace {

const QColor kSilver(192, 192, 192);

// White while enabled, silver while disabled, whatever disables it (the pillar count or a
// long run): the palette's own disabled group carries the silver, so every enable change
// repaints in the right colour without being told.
void colour_by_state(QWidget* widget) {
  QPalette palette = widget->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) palette.setColor(group, QPalette::Base, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::Base, kSilver);
  palette.setColor(QPalette::Disabled, QPalette::Window, kSilver);
  // An inactive pillar's "0" must stay readable on silver.
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(64, 64, 64));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(64, 64, 64));
  widget->setPalette(palette);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) area->viewport()->setPalette(palette);
}

}  // namespace

PillarSheet::PillarSheet(const WorkbenchLinks& links, QWidget* parent)
    : QWidget(parent), links_(links), captions_(this, "Label6", "Label28") {
  setObjectName("TS5");
  Label6 = captions_.numbers();
  Label28 = captions_.count();
  auto* h = new QHBoxLayout(this);
  h->addWidget(build_pillars(), 1);
  h->addSpacing(8);
  h->addWidget(optimise = new OptimisePanel(*this, links, this));

  ui::on_entry(CB_Select, this, [this] { return CB_SelectChange(); });
  for (int i = 1; i <= pillars::kMaxPillars; ++i) ui::on_entry(cb_pillar[i], this, [this] { return ComboBox1Change(); });
  connect(Button27, &QPushButton::clicked, this, [this] { Button27Click(); });
  connect(Button26, &QPushButton::clicked, this, [this] { Button26Click(); });
  apply_pillar_look();
}

QWidget* PillarSheet::build_pillars() {
  auto* panel = new QWidget(this);
  const auto text = [this](const char* caption) { return ui::label(this, QString::fromUtf8(caption)); };
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(0, 0, 0, 0);
  v->addLayout(captions_.row());
  CB_Select = ui::number_combo(this, ui::number_items(3, 8), "4", "CB_Select", 50);
  ui::describe(CB_Select, QStringLiteral("柱數"));
  v->addLayout(ui::row_of({text("您要選幾柱"), CB_Select, text("柱")}));
  v->addWidget(lb_NOTT = ui::label(this, QString(), "lb_NOTT"));
  ui::set_look(lb_NOTT, Qt::darkGreen, true);
  v->addLayout(build_grid());

  lb_pon2 = ui::label(this, QString(), "lb_pon2");
  lb_pon3 = ui::label(this, QString(), "lb_pon3");
  lb_pon4 = ui::label(this, QString(), "lb_pon4");
  lb_tot = ui::label(this, QString(), "lb_tot");
  for (QLabel* cost : {lb_pon2, lb_pon3, lb_pon4, lb_tot}) {
    ui::set_look(cost, Qt::red, true);
    cost->setMinimumWidth(90);
  }
  v->addLayout(ui::row_of({lb_pon2, lb_pon3, lb_pon4, lb_tot}));
  Button27 = ui::push_button(this, QStringLiteral("手動輸入驗證"), "Button27");
  v->addLayout(ui::row_of({Button27, text("(手動驗證須輸入幾柱和每一柱號碼)")}));
  Button26 = ui::push_button(this, QStringLiteral("驗證"), "Button26");
  Button26->hide();
  v->addStretch();
  return panel;
}

QGridLayout* PillarSheet::build_grid() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->addWidget(ui::label(this, QStringLiteral("支")), 1, 0, Qt::AlignRight);
  grid->addWidget(ui::label(this, QStringLiteral("號碼內容")), 2, 0, Qt::AlignRight | Qt::AlignTop);
  for (int i = 1; i <= pillars::kMaxPillars; ++i) {
    grid->addWidget(ui::heading(this, QStringLiteral("第%1柱").arg(i), kNavy), 0, i, Qt::AlignCenter);
    const int largest = i <= 3 ? 5 : 8;
    cb_pillar[i] = ui::number_combo(this, ui::number_items(1, largest), i <= 4 ? "2" : "0",
                                    QStringLiteral("ComboBox%1").arg(i), 56);
    ui::describe(cb_pillar[i], QStringLiteral("第%1柱的號碼數").arg(i));
    grid->addWidget(cb_pillar[i], 1, i);
    mx_pillar[i] = ui::fixed_pitch_memo(this, QStringLiteral("Mx%1").arg(i));
    mx_pillar[i]->setFixedSize(56, 170);
    mx_pillar[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->addWidget(mx_pillar[i], 2, i);
    colour_by_state(cb_pillar[i]);
    colour_by_state(mx_pillar[i]);
  }
  grid->setColumnStretch(pillars::kMaxPillars + 1, 1);
  return grid;
}

void PillarSheet::reset_layout() {
  links_.state.pillar_count = 4;
  ui::set_text(CB_Select, "4");
  for (int i = 1; i <= pillars::kMaxPillars; ++i) ui::set_text(cb_pillar[i], i <= 4 ? "2" : "0");
  // Pillars beyond the four are "0" now: open for typing, they would be priced but never
  // verified.
  apply_pillar_look();
  ComboBox1Change();
}

std::vector<std::string> PillarSheet::pillar_size_texts() const {
  std::vector<std::string> texts;
  for (int i = 1; i <= pillars::kMaxPillars; ++i) texts.push_back(ui::text_of(cb_pillar[i]));
  return texts;
}

void PillarSheet::apply_pillar_look() {
  const bool busy = ui::BusyGuard::holds(window());
  for (int i = 1; i <= pillars::kMaxPillars; ++i) {
    const bool active = i <= links_.state.pillar_count;
    for (QWidget* control : {static_cast<QWidget*>(cb_pillar[i]), static_cast<QWidget*>(mx_pillar[i])}) {
      control->setEnabled(active && !busy);
    }
  }
}

void PillarSheet::apply_layout(const pillars::PillarLayout& layout) {
  links_.state.set_layout(layout);
  const pillars::CostLabels labels = pillars::cost_labels(layout);
  ui::set_label(lb_NOTT, labels.number_total);
  ui::set_label(lb_pon2, labels.two_star);
  ui::set_label(lb_pon3, labels.three_star);
  ui::set_label(lb_pon4, labels.four_star);
  ui::set_label(lb_tot, labels.all_bets);
}

std::vector<const QComboBox*> PillarSheet::boxes() const {
  std::vector<const QComboBox*> boxes{CB_Select};
  for (int i = 1; i <= pillars::kMaxPillars; ++i) boxes.push_back(cb_pillar[i]);
  return boxes;
}

bool PillarSheet::CB_SelectChange() {
  const auto change = pillars::pillar_count_change(ui::text_of(CB_Select), pillar_size_texts());
  if (!change) {
    ui::show_refusal(this, change.error(), boxes());
    return false;
  }
  links_.state.pillar_count = change->pillar_count;
  for (int i = 1; i <= pillars::kMaxPillars; ++i) ui::set_text(cb_pillar[i], change->size_texts[i - 1]);
  apply_pillar_look();
  apply_layout(change->layout);
  return true;
}

bool PillarSheet::ComboBox1Change() {
  const auto layout = pillars::size_change(pillar_size_texts());
  if (!layout) {
    ui::show_refusal(this, layout.error(), boxes());
    return false;
  }
  apply_layout(*layout);
  return true;
}

void PillarSheet::apply_shape(const pillars::ShapeLayout& layout) {
  ui::set_text(CB_Select, std::to_string(layout.pillar_count));
  for (int i = 1; i <= layout.pillar_count && i <= pillars::kMaxPillars; ++i) {
    ui::set_text(cb_pillar[i], std::to_string(layout.pillar_size[i - 1]));
    cb_pillar[i]->setVisible(true);
    mx_pillar[i]->setVisible(true);
  }
  CB_SelectChange();
}

void PillarSheet::load_pillars(const pillars::PillarNumbers& numbers) {
  const int count = std::min<int>(static_cast<int>(numbers.size()), pillars::kMaxPillars);
  for (int p = 0; p < count; ++p) {
    const int used = std::min<int>(static_cast<int>(numbers[p].size()), pillars::kMaxPillarSize);
    for (int s = 0; s < used; ++s) links_.state.pillar_no[p][s] = numbers[p][s];
    mx_pillar[p + 1]->set_lines(numbers[p]);
  }
}

void PillarSheet::set_pillar_memos(const std::vector<std::vector<std::string>>& memos) {
  for (int i = 1; i <= pillars::kMaxPillars; ++i) mx_pillar[i]->clear_lines();
  const int count = std::min<int>(static_cast<int>(memos.size()), pillars::kMaxPillars);
  for (int p = 0; p < count; ++p) mx_pillar[p + 1]->set_lines(memos[p]);
}

void PillarSheet::Button27Click() {
  std::vector<std::vector<std::string>> memos;
  for (int i = 1; i <= pillars::kMaxPillars; ++i) memos.push_back(mx_pillar[i]->lines());
  pillars::WorkbenchState& state = links_.state;
  // Checked before the clear, so a refused layout leaves the last report standing.
  if (const core::Status same = pillars::check_memo_sizes(memos, state.pillar_size, state.pillar_count); !same)
    return ui::show_error(this, same.error());
  // Verifying against whatever a refused query left behind would report on no draws.
  if (!links_.clear_report()) return;
  state.pillar_no = pillars::read_pillar_memos(state.pillar_no, memos, state.pillar_count).pillar_no;
  Button26Click();
}

void PillarSheet::Button26Click() {
  pillars::WorkbenchState& state = links_.state;
  const std::vector<std::string> report_lines = links_.report_lines();
  pillars::PillarReportInput input;
  input.checked_lines = links_.period_lines().size();
  input.report_lines = report_lines;
  input.table = &state.pillar_no;
  for (int i = 1; i <= pillars::kMaxPillars; ++i)
    input.lengths[i - 1] = std::min(mx_pillar[i]->line_count(), pillars::kMaxPillarSize);
  input.pillar_count = state.pillar_count;
  input.pillar_size = state.pillar_size;
  input.cost = state.cost();
  input.period_title = state.period_title;
  const pillars::PillarReport report = pillars::pillar_report(input);
  links_.write_report(report.lines);
  state.pillar_tot2 = report.totals.two;
  state.pillar_tot3 = report.totals.three;
  state.pillar_tot4 = report.totals.four;
  links_.show_sheet(Sheet::PillarReport);
}

}  // namespace bestpillarswin
