#include "pillars/window/walk_settings_panel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

#include "core/draw_history.h"
#include "core/numbers.h"
#include "pillars/messages.h"
#include "ui/controls.h"
#include "ui/widgets.h"

namespace walkforwardwin {
namespace {

using pillars::WalkCount;

QString method_caption(pillars::WalkMethod method) {
  switch (method) {
    case pillars::WalkMethod::k2x2x2x2: return QStringLiteral("８碼 2x2x2x2");
    case pillars::WalkMethod::k1x1x2x2x2: return QStringLiteral("８碼 1x1x2x2x2");
    case pillars::WalkMethod::k3x3x3: return QStringLiteral("９碼 3x3x3");
    case pillars::WalkMethod::k2x2x3x3: return QStringLiteral("10碼 2x2x3x3");
    case pillars::WalkMethod::eight_of_twelve: return QStringLiteral("12取8 (2x2x2x2)");
    case pillars::WalkMethod::ten_of_fifteen: return QStringLiteral("15取10 (2x2x3x3)");
  }
  return {};
}

QString label_of(WalkCount which) {
  switch (which) {
    case WalkCount::train: return QStringLiteral("訓練期數");
    case WalkCount::test: return QStringLiteral("測試期數");
    case WalkCount::step: return QStringLiteral("重選間隔");
  }
  return {};
}

// A message never asks for room: its text does not widen its column or shift a box.
QLabel* message_label(QWidget* parent, const QString& name) {
  QLabel* label = ui::label(parent, {}, name);
  ui::set_look(label, Qt::red, false);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  return label;
}

void show_message(QLabel* label, const std::string& text) { label->setText(ui::qs(text)); }

}  // namespace

SettingsPanel::SettingsPanel(QWidget* parent) : QGroupBox(QStringLiteral("回測設定"), parent) {
  setObjectName("SettingsPanel");
  build();
  connect_checks();
  connect_edits();
  follow_method();
}

void SettingsPanel::build() {
  cb_method = new QComboBox(this);
  cb_method->setObjectName("cb_method");
  for (const pillars::WalkMethod m : pillars::kWalkMethods) cb_method->addItem(method_caption(m));
  cb_method->setCurrentIndex(pillars::walk_method_index(pillars::WalkMethod::k2x2x3x3));
  rb_frequent = ui::radio_button(this, QStringLiteral("每期取訓練期間最常開出的號碼"), "rb_frequent", true);
  rb_fixed = ui::radio_button(this, QStringLiteral("固定號碼"), "rb_fixed");
  ed_numbers = new QLineEdit(this);
  ed_numbers->setObjectName("ed_numbers");
  ed_numbers->setPlaceholderText(QStringLiteral("例如 01,05,12,..."));
  ed_numbers->setMinimumWidth(300);
  cb_train = ui::number_combo(this, {"50", "100", "200", "300", "500"}, "100", "cb_train", 80);
  cb_test = ui::number_combo(this, {"20", "100", "300", "500", "1000", "2000"}, "300", "cb_test", 80);
  cb_step = ui::number_combo(this, {"1", "2", "5", "10", "20"}, "1", "cb_step", 80);
  auto* priorities = new QWidget(this);
  auto* priority_row = new QHBoxLayout(priorities);
  priority_row->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 3; ++i) {
    rb_priority[i] = ui::radio_button(priorities, ui::qs(pillars::msg::kPriorityCaptions[i]),
                                      QStringLiteral("rb_priority%1").arg(i), i == 0);
    priority_row->addWidget(rb_priority[i]);
  }
  lb_numbers_msg = message_label(this, "lb_numbers_msg");
  lb_train_msg = message_label(this, "lb_train_msg");
  lb_test_msg = message_label(this, "lb_test_msg");
  lb_step_msg = message_label(this, "lb_step_msg");

  auto* grid = new QGridLayout(this);
  grid->addWidget(ui::label(this, QStringLiteral("方法")), 0, 0);
  grid->addWidget(cb_method, 0, 1);
  grid->addLayout(ui::row_of({ui::label(this, QStringLiteral("排列優先")), priorities}), 0, 2, 1, 2, Qt::AlignLeft);
  grid->addWidget(ui::label(this, QStringLiteral("號碼")), 1, 0);
  grid->addLayout(ui::row_of({rb_frequent, rb_fixed, ed_numbers}), 1, 1, 1, 2);
  grid->addWidget(lb_numbers_msg, 1, 3);
  int row = 2;
  for (auto [which, box, message] : {std::tuple{WalkCount::train, cb_train, lb_train_msg},
                                     std::tuple{WalkCount::test, cb_test, lb_test_msg},
                                     std::tuple{WalkCount::step, cb_step, lb_step_msg}}) {
    grid->addWidget(ui::label(this, label_of(which)), row, 0);
    auto* line = ui::row();
    line->addWidget(box);
    line->addSpacing(8);
    line->addWidget(message, 1);
    grid->addLayout(line, row, 1, 1, 3);
    ++row;
  }
  grid->setColumnStretch(3, 1);
}

void SettingsPanel::connect_checks() {
  ui::on_change(cb_train, this, [this] { (void)read_count(WalkCount::train, cb_train, lb_train_msg); });
  ui::on_change(cb_test, this, [this] { (void)read_count(WalkCount::test, cb_test, lb_test_msg); });
  ui::on_change(cb_step, this, [this] { (void)read_count(WalkCount::step, cb_step, lb_step_msg); });
  connect(ed_numbers, &QLineEdit::editingFinished, this, [this] {
    if (rb_fixed->isChecked()) (void)read_numbers();
  });
  ui::on_click(rb_fixed, this, [this] { lb_numbers_msg->clear(); });
  // An entry left empty runs no change handler; leaving the box names it.
  for (auto [which, box, message] : {std::tuple{WalkCount::train, cb_train, lb_train_msg},
                                     std::tuple{WalkCount::test, cb_test, lb_test_msg},
                                     std::tuple{WalkCount::step, cb_step, lb_step_msg}})
    connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, which, box, message] {
      if (box->currentText().trimmed().isEmpty()) (void)read_count(which, box, message);
    });
}

void SettingsPanel::connect_edits() {
  const auto edited_now = [this] { emit edited(); };
  connect(cb_method, &QComboBox::currentIndexChanged, this, [this, edited_now] {
    follow_method();
    edited_now();
  });
  for (QComboBox* box : {cb_train, cb_test, cb_step}) connect(box, &QComboBox::currentTextChanged, this, edited_now);
  connect(ed_numbers, &QLineEdit::textChanged, this, edited_now);
  for (QRadioButton* button : {rb_frequent, rb_fixed, rb_priority[0], rb_priority[1], rb_priority[2]})
    connect(button, &QRadioButton::toggled, this, [edited_now](bool on) {
      if (on) edited_now();
    });
}

// The shapes that always rank four-star first take no priority.
void SettingsPanel::follow_method() {
  const bool follows = pillars::walk_method_follows_priority(method());
  for (QRadioButton* button : rb_priority) button->setEnabled(follows);
  rb_priority[0]->parentWidget()->setToolTip(follows ? QString()
                                                     : QStringLiteral("這個方法固定以四星優先排列（3x3x3 沒有四星，看三星）"));
}

pillars::WalkMethod SettingsPanel::method() const {
  return pillars::walk_method_at(cb_method->currentIndex());
}

pillars::arith::Priority SettingsPanel::priority() const {
  for (int i = 1; i < 3; ++i)
    if (rb_priority[i]->isChecked()) return pillars::kPriorities[i];
  return pillars::kPriorities[0];
}

std::optional<int> SettingsPanel::read_count(WalkCount which, QComboBox* box, QLabel* message) {
  const auto value =
      pillars::read_walk_count_entry(which, ui::u8(label_of(which)), ui::u8(box->currentText().trimmed()));
  show_message(message, value ? std::string() : value.error().text);
  if (!value) return std::nullopt;
  return *value;
}

std::optional<std::vector<int>> SettingsPanel::read_numbers() {
  std::vector<int> numbers;
  if (!rb_fixed->isChecked()) return numbers;
  std::vector<std::string> words;
  for (const QString& word : ed_numbers->text().split(QRegularExpression(QStringLiteral("[,，\\s]+")), Qt::SkipEmptyParts))
    words.push_back(ui::u8(word));
  // Every word is read before the list is counted; the run is given them as typed.
  const auto balls = pillars::read_balls(words, max_ball_);
  const auto checked = balls ? pillars::check_number_list(*balls, pillars::walk_method_numbers(method()), max_ball_)
                             : balls;
  show_message(lb_numbers_msg, checked ? std::string() : checked.error().text);
  if (!checked) return std::nullopt;
  return *balls;
}

std::optional<pillars::WalkSettings> SettingsPanel::read_settings() {
  // Every box is read, so each refusal stands beside its box at once.
  const auto numbers = read_numbers();
  const auto train = read_count(WalkCount::train, cb_train, lb_train_msg);
  const auto test = read_count(WalkCount::test, cb_test, lb_test_msg);
  const auto step = read_count(WalkCount::step, cb_step, lb_step_msg);
  if (!numbers || !train || !test || !step) return std::nullopt;
  return pillars::WalkSettings{method(), *numbers, *train, *test, *step, priority()};
}

void SettingsPanel::show_run_refusal(const std::string& text) {
  const bool too_few = text.starts_with(pillars::msg::kTooFewDraws);
  show_message(lb_test_msg,
               too_few ? text + "(程式最多讀取最近 " + std::to_string(core::kDrawCapacity) + " 期)" : text);
}

void SettingsPanel::use_selection(const std::vector<std::string>& selection) {
  if (selection.empty()) return;  // nothing chosen yet: each step's most frequent numbers
  QStringList texts;
  for (const auto& number : selection) texts << ui::qs(number);
  ed_numbers->setText(texts.join(','));
  for (const pillars::WalkMethod m : pillars::kWalkMethods)
    if (pillars::walk_method_numbers(m) == static_cast<int>(selection.size())) {
      // 2x2x2x2 for eight numbers, the shape the workbench's first analysis uses.
      cb_method->setCurrentIndex(pillars::walk_method_index(m));
      break;
    }
  rb_fixed->setChecked(true);
  lb_numbers_msg->clear();
}

}  // namespace walkforwardwin
