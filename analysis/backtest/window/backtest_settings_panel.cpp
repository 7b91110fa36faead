#include "analysis/backtest/window/backtest_settings_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include "core/rule_settings.h"
#include "ui/controls.h"
#include "ui/widgets.h"

namespace backtestwin {
namespace {

// The boxes as the messages name them.
backtest::TextNames box_names() {
  backtest::TextNames names;
  names.test = "測試期數";
  names.count = "號碼個數";
  names.window = "統計期數";
  names.run_length = "連準";
  names.rules = "規則";
  names.moving = {"位置", "平均位置", "加減數"};
  return names;
}

const QString kAverage = QStringLiteral("平均數");

QLabel* red_label(QWidget* parent, const QString& name) {
  QLabel* label = ui::label(parent, {}, name);
  ui::set_look(label, Qt::red, false);
  return label;
}

core::Status status_of(const core::Result<int>& read) {
  if (!read) return read.error();
  return {};
}

}  // namespace

SettingsPanel::SettingsPanel(QWidget* parent) : QGroupBox(QStringLiteral("回測設定"), parent) {
  setObjectName("SettingsPanel");
  build();
  connect_checks();
  show_method();
}

void SettingsPanel::build() {
  cb_method = new QComboBox(this);
  cb_method->setObjectName("cb_method");
  for (const backtest::Method m : backtest::kMethods) cb_method->addItem(ui::qs(backtest::method_name(m)));
  cb_test = ui::number_combo(this, {"50", "100", "300", "500", "1000", "2000"}, "300", "cb_test", 80);
  lb_test_msg = red_label(this, "lb_test_msg");
  pages = new QStackedWidget(this);
  pages->setObjectName("pages");
  QWidget* counted = counted_page();
  pages->addWidget(counted);  // hot
  pages->addWidget(new QWidget(pages));  // cold shares the counted page (see show_method)
  pages->addWidget(rules_page());
  pages->addWidget(moving_page());

  auto* grid = new QGridLayout(this);
  grid->addWidget(ui::label(this, QStringLiteral("方法")), 0, 0);
  grid->addLayout(ui::row_of({cb_method, ui::label(this, QStringLiteral("測試期數 (最近)")), cb_test, lb_test_msg}), 0, 1);
  grid->addWidget(ui::label(this, QStringLiteral("設定")), 1, 0);
  grid->addWidget(pages, 1, 1);
  grid->setColumnStretch(1, 1);
}

QWidget* SettingsPanel::counted_page() {
  auto* page = new QWidget(this);
  cb_count = ui::number_combo(page, ui::number_items(1, 38), "5", "cb_count", 64);
  cb_window = ui::number_combo(page, {"10", "20", "30", "50", "100", "200", "500"}, "30", "cb_window", 72);
  lb_count_msg = red_label(page, "lb_count_msg");
  lb_window_msg = red_label(page, "lb_window_msg");
  window_row_ = new QWidget(page);
  auto* window_row = new QHBoxLayout(window_row_);
  window_row->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : {static_cast<QWidget*>(ui::label(window_row_, QStringLiteral("統計期數 (每期之前)"))),
                     static_cast<QWidget*>(cb_window), static_cast<QWidget*>(lb_window_msg)})
    window_row->addWidget(w);
  cb_window->setParent(window_row_);
  lb_window_msg->setParent(window_row_);
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ui::label(page, QStringLiteral("號碼個數")));
  layout->addWidget(cb_count);
  layout->addWidget(lb_count_msg);
  layout->addSpacing(16);
  layout->addWidget(window_row_);
  layout->addStretch();
  return page;
}

QWidget* SettingsPanel::rules_page() {
  auto* page = new QWidget(this);
  cb_run_length = new QComboBox(page);
  cb_run_length->setObjectName("cb_run_length");
  cb_run_length->addItems({QStringLiteral("連準二版"), QStringLiteral("連準三版"), QStringLiteral("連準四版"),
                           QStringLiteral("連準五版")});
  cb_run_length->setCurrentIndex(1);
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(cb_run_length);
  layout->addSpacing(12);
  layout->addWidget(ui::label(page, QStringLiteral("規則")));
  for (int r = 0; r < statistics::kRules; ++r) {
    ck_rules[r] = ui::check_box(page, QString::number(r + 1), QStringLiteral("ck_rule%1").arg(r + 1));
    ck_rules[r]->setChecked(true);
    ck_rules[r]->setToolTip(ui::qs(core::RuleSettings{}.rule_name[static_cast<std::size_t>(r)]));
    layout->addWidget(ck_rules[r]);
  }
  layout->addStretch();
  return page;
}

QWidget* SettingsPanel::moving_page() {
  auto* page = new QWidget(this);
  cb_ball_order = new QComboBox(page);
  cb_ball_order->setObjectName("cb_ball_order");
  cb_ball_order->addItems({QStringLiteral("落球"), QStringLiteral("順球")});
  cb_look_back = ui::number_combo(page, ui::number_items(1, 30), "1", "cb_look_back", 56);
  std::vector<std::string> positions = ui::number_items(1, 5);
  positions.push_back(ui::u8(kAverage));
  cb_position = ui::number_combo(page, positions, "1", "cb_position", 80);
  ed_average_of = new QLineEdit(QStringLiteral("1,2,3"), page);
  ed_average_of->setObjectName("ed_average_of");
  ed_average_of->setMaximumWidth(70);
  ed_amounts = new QLineEdit(QStringLiteral("+0"), page);
  ed_amounts->setObjectName("ed_amounts");
  ed_amounts->setMaximumWidth(110);
  ed_amounts->setToolTip(QStringLiteral("一到三個加減數，以「,」分開，例如 +3,-3"));
  lb_moving_msg = red_label(page, "lb_moving_msg");
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto caption = [page](const char* text) { return ui::label(page, QString::fromUtf8(text)); };
  for (QWidget* w : {static_cast<QWidget*>(cb_ball_order), static_cast<QWidget*>(caption("上")), static_cast<QWidget*>(cb_look_back),
                     static_cast<QWidget*>(caption("期 第")), static_cast<QWidget*>(cb_position),
                     static_cast<QWidget*>(caption("支 (平均數的位置")), static_cast<QWidget*>(ed_average_of),
                     static_cast<QWidget*>(caption(")  加減數")), static_cast<QWidget*>(ed_amounts),
                     static_cast<QWidget*>(lb_moving_msg)})
    layout->addWidget(w);
  layout->addStretch();
  return page;
}

void SettingsPanel::connect_checks() {
  connect(cb_method, &QComboBox::currentIndexChanged, this, [this] { show_method(); });
  ui::on_change(cb_test, this, [this] { (void)read_test(); });
  ui::on_change(cb_count, this, [this] { check(status_of(backtest::read_count(ui::text_of(cb_count), box_names().count)), lb_count_msg); });
  ui::on_change(cb_window, this, [this] {
    check(status_of(backtest::read_window(ui::text_of(cb_window), box_names().window)), lb_window_msg);
  });
  const auto moving_entry = [this] { check(check_moving(), lb_moving_msg); };
  ui::on_change(cb_position, this, moving_entry);
  ui::on_change(cb_look_back, this, moving_entry);
  connect(ed_average_of, &QLineEdit::editingFinished, this, moving_entry);
  connect(ed_amounts, &QLineEdit::editingFinished, this, moving_entry);
}

void SettingsPanel::show_method() {
  const backtest::Method m = method();
  pages->setCurrentIndex(m == backtest::Method::cold ? 0 : static_cast<int>(m));
  window_row_->setVisible(m == backtest::Method::hot);
}

backtest::Method SettingsPanel::method() const { return backtest::kMethods[std::max(0, cb_method->currentIndex())]; }

bool SettingsPanel::check(const core::Status& read, QLabel* message) {
  message->setText(read ? QString() : ui::qs(read.error().text));
  return static_cast<bool>(read);
}

std::optional<int> SettingsPanel::read_test() {
  const auto test = backtest::read_test(ui::text_of(cb_test), box_names().test);
  if (!check(status_of(test), lb_test_msg)) return std::nullopt;
  return *test;
}

core::Status SettingsPanel::check_moving() const {
  backtest::Texts t = texts();
  const auto rule = moving::read_rule_texts(t.moving, t.order, box_names().moving);
  if (!rule) return rule.error();
  return {};
}

backtest::Texts SettingsPanel::texts() const {
  backtest::Texts t;
  t.method = method();
  t.test = ui::text_of(cb_test);
  t.count = ui::text_of(cb_count);
  t.window = ui::text_of(cb_window);
  t.run_length = std::to_string(cb_run_length->currentIndex() + 2);
  t.rules.clear();
  for (int r = 0; r < statistics::kRules; ++r)
    if (ck_rules[r]->isChecked()) (t.rules += t.rules.empty() ? "" : ",") += std::to_string(r + 1);
  const QString position = cb_position->currentText().trimmed();
  const bool average = position == kAverage || position == QStringLiteral("average");
  t.moving.position = average ? "average" : ui::u8(position);
  if (average) t.moving.average_of = ui::u8(ed_average_of->text());
  t.moving.look_back = ui::text_of(cb_look_back);
  t.moving.amounts = ui::u8(ed_amounts->text());
  t.order = cb_ball_order->currentIndex() == 1 ? core::BallOrder::Sorted : core::BallOrder::Drawn;
  return t;
}

std::optional<backtest::Settings> SettingsPanel::read_settings() {
  const backtest::Texts t = texts();
  const backtest::TextNames names = box_names();
  // Every box of the method is read, so each refusal stands beside its box at once.
  bool usable = read_test().has_value();
  if (t.method == backtest::Method::hot || t.method == backtest::Method::cold)
    usable = check(status_of(backtest::read_count(t.count, names.count)), lb_count_msg) && usable;
  if (t.method == backtest::Method::hot)
    usable = check(status_of(backtest::read_window(t.window, names.window)), lb_window_msg) && usable;
  if (t.method == backtest::Method::moving) usable = check(check_moving(), lb_moving_msg) && usable;
  if (!usable) return std::nullopt;
  auto settings = backtest::read_settings(t, names);
  if (!settings) {
    show_run_refusal(settings.error().text);
    return std::nullopt;
  }
  return std::move(*settings);
}

void SettingsPanel::show_run_refusal(const std::string& text) { lb_test_msg->setText(ui::qs(text)); }

void SettingsPanel::use_texts(const backtest::Texts& t) {
  cb_method->setCurrentIndex(static_cast<int>(t.method));
  ui::set_text(cb_test, t.test);
  ui::set_text(cb_count, t.count);
  ui::set_text(cb_window, t.window);
  cb_run_length->setCurrentIndex(std::clamp(std::atoi(t.run_length.c_str()), 2, 5) - 2);
  std::array<bool, statistics::kRules> on{};
  if (const auto rules = backtest::read_rules(t.rules, "")) on = *rules;
  for (int r = 0; r < statistics::kRules; ++r) ck_rules[r]->setChecked(on[static_cast<std::size_t>(r)]);
  cb_ball_order->setCurrentIndex(t.order == core::BallOrder::Sorted ? 1 : 0);
  const bool average = t.moving.position == "average";
  ui::set_text(cb_position, average ? ui::u8(kAverage) : t.moving.position);
  ed_average_of->setText(ui::qs(t.moving.average_of.value_or("1,2,3")));
  ui::set_text(cb_look_back, t.moving.look_back);
  ed_amounts->setText(ui::qs(t.moving.amounts));
  for (QLabel* message : {lb_test_msg, lb_count_msg, lb_window_msg, lb_moving_msg}) message->clear();
  show_method();
}

}  // namespace backtestwin
