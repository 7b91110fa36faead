#include "analysis/intervals/window/tform_zu_no_interval.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include "analysis/intervals/double_trace_boxes.h"
#include "core/ball_text.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/spreadsheet_save.h"
#include "ui/widgets.h"

namespace {

constexpr int kNumberColumnWidth = 30;
constexpr int kRowLabelWidth = 40;

}  // namespace

TForm_zu_no_interval::TForm_zu_no_interval(const core::DrawHistory& history, QWidget* parent)
    : ui::FormDialog(parent), history_(history) {
  setObjectName("TForm_zu_no_interval");
  setWindowTitle(QStringLiteral("號碼開出間隔分析"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  sgmap = new ui::StringGrid(this);
  sgmap->setObjectName("sgmap");
  sgmap->model_data().set_fixed_rows(1);
  sgmap->set_row_height(20);
  ui::offer_spreadsheet(sgmap);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 4, 4, 4);
  v->addLayout(build_top_panel());
  v->addWidget(sgmap, 1);
  Button1 = ui::push_button(this, QStringLiteral("計算"), "Button1");
  Button1->hide();
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  ui::on_entry(cb_no, this, [this] { return cb_noChange(); });
  // Opened maximised; without a window manager to maximise it, it takes the screen's room.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->availableGeometry().size());
  setWindowState(Qt::WindowMaximized);
}

QLayout* TForm_zu_no_interval::build_top_panel() {
  Label2 = ui::label(this, QStringLiteral("---"), "Label2");
  Label2->setMinimumWidth(220);
  cb_no = ui::number_combo(this, {}, "01", "cb_no", 60);
  Label4 = ui::label(this, QStringLiteral("全部號碼"), "Label4");
  Label4->setCursor(Qt::PointingHandCursor);
  QFont underlined = Label4->font();
  underlined.setUnderline(true);
  Label4->setFont(underlined);
  Label4->installEventFilter(this);
  summaries = new ui::ResultMemo(this, "Memo1", {{ui::ResultMemo::Command::Clear, "Button3"}});
  Memo1 = summaries->memo();
  ui::offer_spreadsheet(Memo1);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFixedHeight(130);
  Button3 = summaries->button(ui::ResultMemo::Command::Clear);
  auto* choices = new QVBoxLayout;
  choices->addLayout(ui::row_of({ui::label(this, QStringLiteral("最長間隔")), Label2}));
  choices->addLayout(ui::row_of({ui::label(this, QStringLiteral("分析")), cb_no, Label4}));
  choices->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(choices);
  top->addWidget(Memo1, 1);
  top->addWidget(Button3, 0, Qt::AlignTop);
  return top;
}

bool TForm_zu_no_interval::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
    Label4Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm_zu_no_interval::FormShow() {
  Memo1->clear_lines();
  ui::set_items(cb_no, core::ball_texts(history_.max_ball));
  ui::set_text(cb_no, "01");
  Label2->setText(QStringLiteral("---"));
  Button1Click();
}

void TForm_zu_no_interval::Button1Click() {
  analysis_ = intervals::analyse_intervals(history_);
  sgmap->set_grid(std::move(analysis_.grid));
  QList<int> widths(sgmap->grid().columns(), kNumberColumnWidth);
  if (!widths.isEmpty()) widths[0] = kRowLabelWidth;
  sgmap->set_column_widths(widths);
  // A new table starts at its first gaps, wherever the last one was left.
  sgmap->verticalScrollBar()->setValue(0);
  sgmap->horizontalScrollBar()->setValue(0);
  ui::set_label(Label2, analysis_.longest_gap);
  show_no("01");
}

void TForm_zu_no_interval::show_no(const std::string& typed) {
  Memo1->append_lines(intervals::show_no(analysis_, typed));
  // The summary just asked for comes into view at the bottom of the memo.
  Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
  Memo1->horizontalScrollBar()->setValue(0);
}

bool TForm_zu_no_interval::cb_noChange() {
  // Only a number has a summary: anything else would show another number's under its name.
  const auto number = intervals::read_trace_number(ui::text_of(cb_no));
  if (!number) {
    ui::show_error(this, number.error());
    return false;
  }
  if (*number != ui::text_of(cb_no)) ui::set_text(cb_no, *number);
  show_no(*number);
  return true;
}

void TForm_zu_no_interval::Label4Click() {
  Memo1->set_lines(intervals::all_summaries(analysis_));
  // The box ends on the last number, as stepping through every number leaves it.
  if (history_.max_ball > 0) ui::set_text(cb_no, core::ball_text(history_.max_ball));
}
