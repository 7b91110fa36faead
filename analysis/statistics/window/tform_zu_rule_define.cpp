#include "analysis/statistics/window/tform_zu_rule_define.h"

#include <QGridLayout>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/controls.h"
#include "ui/widgets.h"

namespace {

constexpr const char* kRuleBoxNames[statistics::kRules] = {"cb_n1p0", "cb_n1p1", "cb_n1m1", "cb_n1p2", "cb_n1m2",
                                                           "cb_n2p0", "cb_n2p1", "cb_n2m1", "cb_n2p2", "cb_n2m2"};
const QString kClear = QStringLiteral("清除");
const QString kSelectAll = QStringLiteral("全選");

}  // namespace

TForm_zu_rule_define::TForm_zu_rule_define(core::RuleSettings& settings, QWidget* parent)
    : ui::FormDialog(parent), settings_(settings) {
  setObjectName("TForm_zu_rule_define");
  setWindowTitle(QStringLiteral("版路定義"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  build();
  show_rule_names();
}

void TForm_zu_rule_define::build() {
  auto* layout = new QVBoxLayout(this);
  QLabel* title = ui::sized_label(this, QStringLiteral("落 點 圖 版 路 定 義"), "Label1", 20, true);
  title->setAlignment(Qt::AlignCenter);
  ui::set_look(title, QColor(0, 0, 128), true);
  layout->addWidget(title);
  for (std::size_t i = 0; i < rule_boxes.size(); ++i) {
    rule_boxes[i] = ui::check_box(this, QString(), kRuleBoxNames[i]);
    rule_boxes[i]->setChecked(true);
    layout->addWidget(rule_boxes[i]);
  }
  auto* lengths = new QGridLayout;
  const QString captions[] = {QStringLiteral("連準二版"), QStringLiteral("連準三版"), QStringLiteral("連準四版"),
                              QStringLiteral("連準五版")};
  for (std::size_t i = 0; i < run_length_buttons.size(); ++i) {
    run_length_buttons[i] = new QRadioButton(captions[i], this);
    run_length_buttons[i]->setObjectName(QStringLiteral("rb_ok%1").arg(i + 2));
    lengths->addWidget(run_length_buttons[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
  }
  run_length_buttons[1]->setChecked(true);
  layout->addSpacing(8);
  layout->addLayout(lengths);
  SpeedButton1 = ui::tool_button(this, kClear, "SpeedButton1");
  SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
  BitBtn1 = ui::push_button(this, QStringLiteral("關閉"), "BitBtn1");
  layout->addSpacing(8);
  layout->addLayout(ui::row_of({SpeedButton1, BitBtn1}));
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (QCheckBox* box : rule_boxes) ui::on_click(box, this, [this] { copy_to_settings(); });
  for (QRadioButton* button : run_length_buttons) ui::on_click(button, this, [this] { copy_to_settings(); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
}

void TForm_zu_rule_define::showEvent(QShowEvent* event) {
  // The names first (the window exists before the first load names the rules), and the
  // window at the size they give, so it is centred at the size it shows: placed at its
  // nameless size and then grown, it opened lower the first time than every later time.
  show_rule_names();
  show_settings();
  layout()->activate();
  ui::FormDialog::showEvent(event);
}

void TForm_zu_rule_define::show_settings() {
  // A reload resets the settings the analysis runs with: the boxes show those, not the
  // choice made before it.
  for (std::size_t i = 0; i < rule_boxes.size(); ++i) {
    const QSignalBlocker quiet(rule_boxes[i]);
    rule_boxes[i]->setChecked(settings_.rule_on[i]);
  }
  const int run = std::clamp(settings_.rule_run_len, 2, 5);
  // The button of the run in force, which unchecks the others.
  QRadioButton* in_force = run_length_buttons[static_cast<std::size_t>(run - 2)];
  const QSignalBlocker quiet(in_force);
  in_force->setChecked(true);
}

void TForm_zu_rule_define::show_rule_names() {
  for (std::size_t i = 0; i < rule_boxes.size(); ++i)
    if (!settings_.rule_name[i].empty()) rule_boxes[i]->setText(ui::qs(settings_.rule_name[i]));
}

void TForm_zu_rule_define::SpeedButton1Click() {
  const bool tick = SpeedButton1->text() == kSelectAll;
  for (QCheckBox* box : rule_boxes) box->setChecked(tick);
  SpeedButton1->setText(tick ? kClear : kSelectAll);
  SpeedButton1->setIcon(style()->standardIcon(tick ? QStyle::SP_DialogResetButton : QStyle::SP_DialogApplyButton));
}

void TForm_zu_rule_define::copy_to_settings() {
  std::array<bool, statistics::kRules> ticked{};
  for (std::size_t i = 0; i < ticked.size(); ++i) ticked[i] = rule_boxes[i]->isChecked();
  int run_length = 3;
  for (std::size_t i = 0; i < run_length_buttons.size(); ++i)
    if (run_length_buttons[i]->isChecked()) run_length = static_cast<int>(i) + 2;
  statistics::define_rules(settings_, ticked, run_length);
}
