#include "pillars/window/selection_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ball_text.h"
#include "pillars/messages.h"
#include "pillars/period_query.h"
#include "pillars/window/sheet_look.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace bestpillarswin {
namespace {

void look_checked(QCheckBox* box, const QColor& unchecked_colour) {
  if (box->isChecked())
    ui::set_look(box, Qt::red, true);
  else
    ui::set_look(box, unchecked_colour, false);
}

}  // namespace

SelectionSheet::SelectionSheet(const WorkbenchLinks& links, QWidget* parent) : QWidget(parent), links_(links) {
  setObjectName("TS4");
  const auto text = [this](const char* caption) { return ui::label(this, QString::fromUtf8(caption)); };
  auto* v = new QVBoxLayout(this);
  v->addWidget(ui::heading(this, QStringLiteral("請選擇您要立柱﹙或連碰﹚的號碼，最少2碼，最多30碼"), kNavy));
  cb9 = ui::number_combo(this, ui::number_items(2, 30), "8", "cb9", 60);
  ui::describe(cb9, QStringLiteral("熱門號碼的個數"));
  Button7 = ui::push_button(this, QStringLiteral("選擇"), "Button7");
  v->addLayout(ui::row_of({text("選擇前項統計最熱門號碼"), cb9, text("個"), Button7,
                           text("(或以手動點選自己喜愛的號碼)")}));
  v->addSpacing(6);
  v->addWidget(build_boxes());
  v->addSpacing(6);

  lb_selectNo = ui::label(this, QStringLiteral("0"), "lb_selectNo");
  ui::set_look(lb_selectNo, Qt::red, true);
  Button8 = ui::push_button(this, QStringLiteral("清除重選"), "Button8");
  v->addLayout(ui::row_of({text("您所選擇的號碼共"), lb_selectNo, text("個"), Button8}));
  build_filters(v);
  v->addStretch();
  connect_handlers();
}

QWidget* SelectionSheet::build_boxes() {
  auto* boxes = new QFrame(this);
  boxes->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(boxes);
  grid->setHorizontalSpacing(18);
  grid->setVerticalSpacing(14);
  QFont number_font = boxes->font();
  number_font.setPointSize(number_font.pointSize() + 4);
  for (int n = 1; n <= pillars::kMaxNumbers; ++n) {
    const QString text = ui::qs(core::ball_text(n));
    no_box[n] = ui::check_box(boxes, text, QStringLiteral("CB") + text);
    no_box[n]->setFont(number_font);
    ui::set_look(no_box[n], Qt::blue, false);
    grid->addWidget(no_box[n], (n - 1) / 10, (n - 1) % 10);
  }
  return boxes;
}

void SelectionSheet::build_filters(QVBoxLayout* sheet) {
  QFont filter_font = font();
  filter_font.setPointSize(filter_font.pointSize() + 2);
  auto* tails = ui::row();
  tails->addWidget(ui::heading(this, QStringLiteral("尾數"), kMaroon));
  for (int d = 1; d <= 10; ++d) {
    const int digit = d % 10;  // 1 尾 .. 9 尾, then 0尾
    const QString text = digit == 0 ? QStringLiteral("0尾") : QStringLiteral("%1 尾").arg(digit);
    cb_tail[digit] = ui::check_box(this, text, QStringLiteral("CBT%1").arg(digit));
    cb_tail[digit]->setFont(filter_font);
    tails->addWidget(cb_tail[digit]);
  }
  tails->addStretch();
  sheet->addLayout(tails);

  auto* heads = ui::row();
  heads->addWidget(ui::heading(this, QStringLiteral("頭數"), kMaroon));
  for (int h = 0; h < 5; ++h) {
    cb_head[h] = ui::check_box(this, QStringLiteral("%1 頭").arg(h), QStringLiteral("CBH%1").arg(h));
    cb_head[h]->setFont(filter_font);
    heads->addWidget(cb_head[h]);
  }
  cb_head[4]->hide();
  heads->addStretch();
  sheet->addLayout(heads);
}

void SelectionSheet::connect_handlers() {
  for (int n = 1; n <= pillars::kMaxNumbers; ++n) ui::on_click(no_box[n], this, [this] { CB01Click(); });
  for (QCheckBox* box : cb_tail) ui::on_click(box, this, [this] { CBT1Click(); });
  for (QCheckBox* box : cb_head) ui::on_click(box, this, [this] { CBH0Click(); });
  connect(Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
  connect(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
}

void SelectionSheet::show_numbers_up_to(int max_ball) {
  for (int n = 1; n <= pillars::kMaxNumbers; ++n) no_box[n]->setVisible(n <= max_ball);
}

void SelectionSheet::suggest_count(int count) { ui::set_text(cb9, std::to_string(count)); }

void SelectionSheet::set_number_checked(int number, bool checked) {
  if (number >= 1 && number <= pillars::kMaxNumbers) no_box[number]->setChecked(checked);
}

pillars::NumberBoxes SelectionSheet::number_box_states() const {
  pillars::NumberBoxes checked{};
  for (int n = 1; n <= pillars::kMaxNumbers; ++n) checked[n - 1] = no_box[n]->isChecked();
  return checked;
}

std::array<bool, 10> SelectionSheet::tail_box_states() const {
  std::array<bool, 10> checked{};
  for (int d = 0; d < 10; ++d) checked[d] = cb_tail[d]->isChecked();
  return checked;
}

std::array<bool, 5> SelectionSheet::head_box_states() const {
  std::array<bool, 5> checked{};
  for (int h = 0; h < 5; ++h) checked[h] = cb_head[h]->isChecked();
  return checked;
}

void SelectionSheet::CB01Click() {
  const int max_ball = links_.history.max_ball;
  const pillars::Selection selection = pillars::rebuild_selection(number_box_states(), max_ball);
  for (int n = 1; n <= max_ball && n <= pillars::kMaxNumbers; ++n) look_checked(no_box[n], Qt::blue);
  pillars::WorkbenchState& state = links_.state;
  state.sel_no = selection.sel_no;
  state.sel_text = selection.sel_text;
  ui::set_label(lb_selectNo, selection.count_text);
  emit selection_changed(selection);
  if (selection.over_limit && actions_running_ == 0)
    ui::message(this, ui::MessageKind::Error, ui::qs(std::string(pillars::msg::kSelectionOverLimit)));
}

template <class Change>
void SelectionSheet::as_one_action(Change change) {
  ++actions_running_;
  change();
  if (--actions_running_ > 0) return;
  if (links_.state.sel_count() > pillars::kSelectionLimit)
    ui::message(this, ui::MessageKind::Error, ui::qs(std::string(pillars::msg::kSelectionOverLimit)));
}

void SelectionSheet::Button7Click() {
  const auto n = pillars::read_count_box(ui::text_of(cb9));
  if (!n) return ui::show_refusal(this, n.error(), {cb9});
  const auto numbers = pillars::most_frequent(links_.state.no_count, n->value, links_.history.max_ball);
  if (!numbers) return ui::show_error(this, numbers.error());
  as_one_action([&] {
    Clear_CB();
    for (int number : *numbers) set_number_checked(number, true);
  });
  emit numbers_chosen();
}

void SelectionSheet::Button8Click() { Clear_CB(); }

void SelectionSheet::Clear_CB() {
  as_one_action([this] {
    for (int n = 1; n <= links_.history.max_ball; ++n) set_number_checked(n, false);
    for (QCheckBox* box : cb_tail) box->setChecked(false);
    for (int h = 0; h <= 3; ++h) cb_head[h]->setChecked(false);
  });
}

void SelectionSheet::CBT1Click() {
  for (QCheckBox* box : cb_tail) look_checked(box, Qt::black);
  const auto settings = pillars::tail_filter(tail_box_states(), head_box_states(), links_.history.max_ball);
  as_one_action([&] {
    for (const pillars::BoxSetting& s : settings) set_number_checked(s.number, s.checked);
  });
}

void SelectionSheet::CBH0Click() {
  for (QCheckBox* box : cb_head) look_checked(box, Qt::black);
  const auto settings = pillars::head_filter(tail_box_states(), head_box_states(), links_.history.max_ball);
  as_one_action([&] {
    for (const pillars::BoxSetting& s : settings) set_number_checked(s.number, s.checked);
  });
}

}  // namespace bestpillarswin
