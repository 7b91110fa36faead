#include "analysis/statistics/window/tform_zu_statistics.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/widgets.h"

namespace {

constexpr core::Date kFirstDay{2002, 1, 1};

// The chosen view and order must be plain to see: the stock style draws a pressed button
// barely darker than the others, so the pressed one is dark blue with white bold text.
const QString kToggleLook = QStringLiteral(
    "QToolButton { padding: 3px 8px; border: 1px solid rgb(150,150,150); border-radius: 3px;"
    " background: rgb(240,240,240); color: black; }"
    "QToolButton:hover { background: rgb(222,234,250); }"
    "QToolButton:checked { background: rgb(0,64,160); color: white; font-weight: bold;"
    " border: 1px solid rgb(0,32,96); }");

QToolButton* toggle(QWidget* parent, const QString& text, const char* name, QButtonGroup* group) {
  QToolButton* button = ui::tool_button(parent, text, name);
  button->setCheckable(true);
  button->setStyleSheet(kToggleLook);
  button->setMinimumWidth(84);
  group->addButton(button);
  return button;
}

}  // namespace

using statistics::Arrangement;
using statistics::View;

TForm_zu_statistics::TForm_zu_statistics(const core::DrawHistory& history, const core::Clock& clock,
                                         QWidget* parent)
    : ui::FormDialog(parent), history_(history), clock_(clock) {
  setObjectName("TForm_zu_statistics");
  setWindowTitle(QStringLiteral("統計資料"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  build();
}

void TForm_zu_statistics::build() {
  panels = new QStackedWidget(this);
  panels->addWidget(Panel_F1 = new statwin::BallValuesPanel(history_.max_ball, panels));
  panels->addWidget(Panel_F2 = new statwin::TailValuesPanel(panels));
  panels->setFixedSize(Panel_F1->size());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(build_bar());
  layout->addWidget(panels);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(sb_F1, &QToolButton::clicked, this, [this] { sb_F1Click(); });
  connect(sb_F2, &QToolButton::clicked, this, [this] { sb_F2Click(); });
  connect(sb_F3, &QToolButton::clicked, this, [this] { sb_F3Click(); });
  connect(sb_big, &QToolButton::clicked, this, [this] { sb_bigClick(); });
  connect(sb_no, &QToolButton::clicked, this, [this] { sb_noClick(); });
  connect(sb_begin, &QToolButton::clicked, this, [this] { sb_beginClick(); });
  for (QDateEdit* picker : {DateTimePicker1, DateTimePicker2})
    connect(picker, &QDateEdit::dateChanged, this, [this] { DateTimePickerChange(); });
  connect(sb_F3, &QToolButton::toggled, btn_backtest, &QWidget::setVisible);
  connect(btn_backtest, &QToolButton::clicked, this, [this] {
    emit backtest_requested(backtest::cold_texts(0));
  });
}

QLayout* TForm_zu_statistics::build_bar() {
  DateTimePicker1 = ui::date_picker(this, "DateTimePicker1");
  DateTimePicker1->setDate(ui::qdate(kFirstDay));
  DateTimePicker2 = ui::date_picker(this, "DateTimePicker2");
  lbcount = ui::label(this, QString(), "lbcount");
  lbcount->setFrameShape(QFrame::StyledPanel);
  lbcount->setMinimumWidth(60);
  lbcount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto* views = new QButtonGroup(this);
  sb_F1 = toggle(this, QStringLiteral("號碼統計"), "sb_F1", views);
  sb_F2 = toggle(this, QStringLiteral("尾數統計"), "sb_F2", views);
  sb_F3 = toggle(this, QStringLiteral("遠星統計"), "sb_F3", views);
  sb_F1->setChecked(true);
  auto* arrangements = new QButtonGroup(this);
  sb_big = toggle(this, QStringLiteral("統計順序"), "sb_big", arrangements);
  sb_no = toggle(this, QStringLiteral("號碼順序"), "sb_no", arrangements);
  sb_big->setChecked(true);
  sb_begin = ui::tool_button(this, QStringLiteral("統計"), "sb_begin");
  sb_begin->setStyleSheet(kToggleLook);  // a plain button, drawn like its neighbours
  sb_begin->setMinimumWidth(84);
  sb_begin->hide();
  btn_backtest = ui::tool_button(this, QStringLiteral("回測"), "btn_backtest");
  btn_backtest->setStyleSheet(kToggleLook);
  btn_backtest->setToolTip(QStringLiteral("最久未開的號碼做號碼回測：每期只用之前的開獎，與隨機比較"));
  btn_backtest->hide();

  auto* range = ui::row_of({ui::label(this, QStringLiteral("統計時間")), DateTimePicker1,
                            ui::label(this, QStringLiteral("至")), DateTimePicker2,
                            ui::label(this, QStringLiteral("統計期數")), lbcount});
  auto* buttons = ui::row();
  for (QToolButton* button : {sb_F1, sb_F2, sb_F3}) buttons->addWidget(button);
  buttons->addSpacing(24);
  for (QToolButton* button : {sb_big, sb_no, sb_begin, btn_backtest}) buttons->addWidget(button);
  buttons->addStretch();
  auto* bar = new QVBoxLayout;
  bar->addLayout(range);
  bar->addLayout(buttons);
  return bar;
}

// The count shown is the range's, as every recount shows it.
void TForm_zu_statistics::FormShow() {
  {
    const QSignalBlocker blocker(DateTimePicker2);
    DateTimePicker2->setDate(ui::qdate(clock_.today()));
  }
  sb_F1->setChecked(true);
  sb_F1Click();
}

void TForm_zu_statistics::sb_F1Click() { choose_ball_view(View::Numbers); }
void TForm_zu_statistics::sb_F3Click() { choose_ball_view(View::Gaps); }

void TForm_zu_statistics::choose_ball_view(View view) {
  view_ = view;
  panels->setCurrentWidget(Panel_F1);
  sb_begin->hide();
  sb_big->show();
  sb_no->show();
  sb_big->setChecked(true);
  sb_bigClick();
}

void TForm_zu_statistics::sb_F2Click() {
  view_ = View::Tails;
  panels->setCurrentWidget(Panel_F2);
  sb_big->hide();
  sb_no->hide();
  sb_begin->show();
  sb_beginClick();
}

void TForm_zu_statistics::sb_beginClick() {
  const auto tails = statistics::tail_view(history_, ui::date_of(DateTimePicker1->date()),
                                           ui::date_of(DateTimePicker2->date()));
  Panel_F2->show_view(tails);
  show_count(tails.count);
}

void TForm_zu_statistics::recount_balls(Arrangement arrangement) {
  if (view_ == View::Tails) return;
  const auto balls = statistics::number_view(history_, ui::date_of(DateTimePicker1->date()),
                                             ui::date_of(DateTimePicker2->date()), view_, arrangement);
  Panel_F1->show_view(balls, view_);
  show_count(balls.count);
}

// Every view follows the range at once, so 統計期數 and the values never belong to
// another range than the one shown; in the tail view 統計 counts again too.
void TForm_zu_statistics::DateTimePickerChange() {
  sb_big->setChecked(true);
  if (view_ == View::Tails) return sb_beginClick();
  sb_bigClick();
}

void TForm_zu_statistics::show_count(int count) { lbcount->setText(QString::number(count)); }
