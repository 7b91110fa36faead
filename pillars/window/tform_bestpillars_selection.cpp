// TS4 "選擇號碼": the number, tail and head boxes and the selection they make.
//
// The checked number boxes are the selection. Commands change the boxes' checked state,
// so every actual change runs the box's click handler just as a user click does, and
// CB01Click rebuilds the selection each time.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "pillars/messages.h"
#include "pillars/selection.h"
#include "pillars/window/tform_bestpillars.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace {

void look_checked(QCheckBox* box, const QColor& unchecked_colour) {
  if (box->isChecked())
    ui::set_look(box, Qt::red, true);
  else
    ui::set_look(box, unchecked_colour, false);
}

}  // namespace

void TForm_bestpillars::connect_selection_boxes() {
  for (int n = 1; n <= pillars::kMaxNumbers; ++n) ui::on_click(no_box[n], this, [this] { CB01Click(); });
  for (QCheckBox* box : cb_tail) ui::on_click(box, this, [this] { CBT1Click(); });
  for (QCheckBox* box : cb_head) ui::on_click(box, this, [this] { CBH0Click(); });
  connect(Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
  connect(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
}

void TForm_bestpillars::set_number_checked(int number, bool checked) {
  if (number >= 1 && number <= pillars::kMaxNumbers) no_box[number]->setChecked(checked);
}

pillars::NumberBoxes TForm_bestpillars::number_box_states() const {
  pillars::NumberBoxes checked{};
  for (int n = 1; n <= pillars::kMaxNumbers; ++n) checked[n - 1] = no_box[n]->isChecked();
  return checked;
}

std::array<bool, 10> TForm_bestpillars::tail_box_states() const {
  std::array<bool, 10> checked{};
  for (int d = 0; d < 10; ++d) checked[d] = cb_tail[d]->isChecked();
  return checked;
}

std::array<bool, 5> TForm_bestpillars::head_box_states() const {
  std::array<bool, 5> checked{};
  for (int h = 0; h < 5; ++h) checked[h] = cb_head[h]->isChecked();
  return checked;
}

void TForm_bestpillars::CB01Click() {
  const pillars::Selection selection = pillars::rebuild_selection(number_box_states(), history_.max_ball);
  for (int n = 1; n <= history_.max_ball && n <= pillars::kMaxNumbers; ++n)
    look_checked(no_box[n], Qt::blue);
  state_.sel_no = selection.sel_no;
  state_.sel_count = selection.sel_count;
  state_.sel_text = selection.sel_text;
  ui::set_label(lb_selectNo, selection.lb_selectNo);
  for (QLabel* caption : {Label6, Label41, Label57}) ui::set_label(caption, selection.sel_text);
  for (QLabel* caption : {Label28, Label42, Label56}) ui::set_label(caption, selection.count_caption);
  if (selection.over_limit)
    show_message(ui::MessageKind::Error, pillars::msg::kSelectionOverLimit);
}

void TForm_bestpillars::Button7Click() {
  const std::string text = ui::text_of(cb9);
  const auto n = pillars::read_count_box(text);
  if (!n.ok()) return refuse(n.error());
  const auto numbers = pillars::most_frequent(state_.no_count, n->value, history_.max_ball);
  if (!numbers.ok()) return refuse(numbers.error());
  Clear_CB();
  for (int number : *numbers) set_number_checked(number, true);
  CB_SelectChange();
}

void TForm_bestpillars::Button8Click() { Clear_CB(); }

void TForm_bestpillars::Clear_CB() {
  for (int n = 1; n <= history_.max_ball; ++n) set_number_checked(n, false);
  for (QCheckBox* box : cb_tail) box->setChecked(false);
  for (int h = 0; h <= 3; ++h) cb_head[h]->setChecked(false);
}

void TForm_bestpillars::CBT1Click() {
  for (QCheckBox* box : cb_tail) look_checked(box, Qt::black);
  const auto settings = pillars::tail_filter(tail_box_states(), head_box_states(), history_.max_ball);
  for (const pillars::BoxSetting& s : settings) set_number_checked(s.number, s.checked);
}

void TForm_bestpillars::CBH0Click() {
  for (QCheckBox* box : cb_head) look_checked(box, Qt::black);
  const auto settings = pillars::head_filter(tail_box_states(), head_box_states(), history_.max_ball);
  for (const pillars::BoxSetting& s : settings) set_number_checked(s.number, s.checked);
}
