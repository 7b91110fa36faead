// TS5 "選擇柱數": pillar count and sizes with their cost, and the manual pillar
// verification whose report goes to Memo2 on TS6 "彩柱驗證".
#include <QComboBox>
#include <QLabel>

#include "pillars/pillar_cost.h"
#include "pillars/pillar_report.h"
#include "pillars/window/tform_bestpillars.h"
#include "ui/controls.h"
#include "ui/memo.h"

namespace {

const QColor kSilver(192, 192, 192);

void colour_base(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Base, colour);
  // An inactive pillar's "0" must stay readable on silver.
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(64, 64, 64));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(64, 64, 64));
  widget->setPalette(palette);
}

}  // namespace

std::vector<std::string> TForm_bestpillars::pillar_size_texts() const {
  std::vector<std::string> texts;
  for (int i = 1; i <= pillars::kMaxPillars; ++i) texts.push_back(ui::text_of(cb_pillar[i]));
  return texts;
}

void TForm_bestpillars::apply_pillar_look() {
  for (int i = 1; i <= pillars::kMaxPillars; ++i) {
    const bool active = i <= state_.pillar_count;
    for (QWidget* control : {static_cast<QWidget*>(cb_pillar[i]), static_cast<QWidget*>(mx_pillar[i])}) {
      control->setEnabled(active && !busy_);
      colour_base(control, active ? QColor(Qt::white) : kSilver);
    }
  }
}

void TForm_bestpillars::apply_layout(const pillars::PillarLayout& layout) {
  state_.set_layout(layout);
  const pillars::CostLabels labels = pillars::cost_labels(layout);
  ui::set_label(lb_NOTT, labels.lb_NOTT);
  ui::set_label(lb_pon2, labels.lb_pon2);
  ui::set_label(lb_pon3, labels.lb_pon3);
  ui::set_label(lb_pon4, labels.lb_pon4);
  ui::set_label(lb_tot, labels.lb_tot);
}

void TForm_bestpillars::CB_SelectChange() {
  const std::string count_text = ui::text_of(CB_Select);
  const std::vector<std::string> sizes = pillar_size_texts();
  const auto change = pillars::CB_SelectChange(count_text, sizes);
  if (!change.ok()) {
    std::vector<std::string> texts = sizes;
    texts.push_back(count_text);
    return refuse(change.error());
  }
  state_.pillar_count = change->pillar_count;
  for (int i = 1; i <= pillars::kMaxPillars; ++i) ui::set_text(cb_pillar[i], change->size_texts[i - 1]);
  apply_pillar_look();
  apply_layout(change->layout);
}

void TForm_bestpillars::ComboBox1Change() {
  const std::vector<std::string> sizes = pillar_size_texts();
  const auto layout = pillars::size_change(sizes);
  if (!layout.ok()) return refuse(layout.error());
  apply_layout(*layout);
}

void TForm_bestpillars::Button27Click() {
  // Verifying against whatever a refused query left behind would report on no draws.
  if (!clear_memo(Memo2)) return;
  std::vector<std::vector<std::string>> memos;
  for (int i = 1; i <= pillars::kMaxPillars; ++i) memos.push_back(mx_pillar[i]->lines());
  state_.pillar_no = pillars::read_pillar_memos(state_.pillar_no, memos, state_.pillar_count).pillar_no;
  Button26Click();
}

void TForm_bestpillars::Button26Click() {
  pillars::PillarReportInput input;
  const std::vector<std::string> memo2 = Memo2->lines();
  input.memo1_count = static_cast<std::size_t>(Memo1->line_count());
  input.memo2 = memo2;
  input.pillar_no = &state_.pillar_no;
  for (int i = 1; i <= pillars::kMaxPillars; ++i)
    input.lengths[i - 1] = std::min(mx_pillar[i]->line_count(), pillars::kMaxPillarSize);
  input.pillar_count = state_.pillar_count;
  input.pillar_size = state_.pillar_size;
  input.cost = {state_.cost2, state_.cost3, state_.cost4};
  input.period_title = state_.period_title;
  const pillars::PillarReport report = pillars::pillar_report(input);
  Memo2->set_lines(report.memo2);
  state_.pillar_tot2 = report.totals.two;
  state_.pillar_tot3 = report.totals.three;
  state_.pillar_tot4 = report.totals.four;
  show_sheet(TS6);
}
