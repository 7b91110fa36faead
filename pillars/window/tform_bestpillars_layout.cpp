// Layout of the sheets TS2 "號碼來源", TS3 "號碼和尾數統計" and TS4 "選擇號碼".
#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "pillars/window/tform_bestpillars.h"
#include "pillars/window/tform_bestpillars_widgets.h"
#include "ui/controls.h"
#include "ui/string_grid.h"

namespace w = bestpillars_widgets;
using w::row;

namespace {

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);

const std::vector<std::string> kRecentItems = {"20",  "30",  "40",  "50",  "60",  "70",  "80",
                                               "90",  "100", "150", "200", "250", "300", "400",
                                               "500", "550", "600", "650", "700", "800", "900",
                                               "1000", "1100", "1200", "1500"};

QDateEdit* date_picker(QWidget* parent, const char* name) {
  auto* picker = new QDateEdit(parent);
  picker->setObjectName(name);
  picker->setCalendarPopup(true);
  picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  picker->setMinimumDate(QDate(1900, 1, 1));
  picker->setFixedWidth(120);
  return picker;
}

// Two rows of 25 (or 10) cells with the row labels in the vertical header.
ui::StringGrid* stats_grid(QWidget* parent, const char* name, int columns, const QString& top,
                           const QString& bottom, int column_width) {
  auto* grid = new ui::StringGrid(parent);
  grid->setObjectName(name);
  grid->set_grid(core::TextGrid(2, columns));
  grid->model_data().set_row_labels({top, bottom});
  grid->verticalHeader()->setVisible(true);
  grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid->horizontalHeader()->setVisible(false);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->set_row_height(22);
  grid->set_column_widths(QList<int>(columns, column_width));
  grid->setFixedHeight(2 * 22 + 2 * grid->frameWidth());
  grid->setFixedWidth(grid->verticalHeader()->sizeHint().width() + columns * column_width +
                      2 * grid->frameWidth());
  return grid;
}

}  // namespace

void TForm_bestpillars::build_sheets() {
  PageC = new QTabWidget(this);
  PageC->setObjectName("PageC");
  PageC->setStyleSheet(
      "QTabBar::tab { min-width: 118px; padding: 6px 10px; margin: 2px; border: 1px solid gray;"
      " border-radius: 3px; background: rgb(230,230,230); }"
      "QTabBar::tab:selected { background: rgb(255,255,225); font-weight: bold; }");
  PageC->addTab(build_ts2(), QStringLiteral("號碼來源"));
  PageC->addTab(build_ts3(), QStringLiteral("號碼和尾數統計"));
  PageC->addTab(build_ts4(), QStringLiteral("選擇號碼"));
  PageC->addTab(build_ts5(), QStringLiteral("選擇柱數"));
  PageC->addTab(build_ts6(), QStringLiteral("彩柱驗證"));
  PageC->addTab(build_ts7(), QStringLiteral("連碰驗證"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(PageC);
}

QWidget* TForm_bestpillars::build_ts2() {
  TS2 = new QWidget;
  TS2->setObjectName("TS2");
  auto* v = new QVBoxLayout(TS2);
  auto* top = new QHBoxLayout;
  top->addLayout(build_ts2_sources(), 1);
  Image1 = w::label(TS2, QString(), "Image1");
  Image1->setFixedSize(150, 64);
  Image1->setAlignment(Qt::AlignCenter);
  top->addWidget(Image1, 0, Qt::AlignTop | Qt::AlignRight);
  v->addLayout(top);

  v->addWidget(w::heading(TS2, QStringLiteral("符合您選擇條件和時間區間的期數如下"), kNavy));
  v->addLayout(w::result_area(TS2, Memo1, "Memo1", {&Button3, &Button4, &Button5, &Button6},
                              {"Button3", "Button4", "Button5", "Button6"}),
               1);
  Button2 = w::button(TS2, QStringLiteral("計算"), "Button2");
  Button2->hide();
  return TS2;
}

QVBoxLayout* TForm_bestpillars::build_ts2_sources() {
  QWidget* p = TS2;
  const auto text = [p](const char* caption) { return w::label(p, QString::fromUtf8(caption)); };
  const auto source = [p](const char* caption) { return w::heading(p, QString::fromUtf8(caption), kMaroon); };
  DateTimePicker1 = date_picker(p, "DateTimePicker1");
  DateTimePicker2 = date_picker(p, "DateTimePicker2");
  Edit1 = new QLineEdit(p);
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  Edit1->setFixedWidth(70);
  Button1 = w::button(p, QStringLiteral("查詢"), "Button1");
  cbis = w::combo(p, kRecentItems, "50", "cbis", 80);
  Button16 = w::button(p, QStringLiteral("查詢"), "Button16");
  cb_intv = w::combo(p, ui::number_items(2, 20), "2", "cb_intv", 60);
  cbis_2 = w::combo(p, kRecentItems, "50", "cbis_2", 80);
  Button17 = w::button(p, QStringLiteral("查詢"), "Button17");
  cb_date = w::combo(p, {}, "", "cb_date", 120);
  cb_ii = w::combo(p, ui::number_items(1, 5), "1", "cb_ii", 50);
  CB_xx = w::combo(p, {}, "", "CB_xx", 60);
  cb_prediction = w::combo(p, {}, "", "cb_prediction", 70);
  Button18 = w::button(p, QStringLiteral("查詢"), "Button18");
  cb_ff = w::check(p, QStringLiteral("定點"), "cb_ff");
  cb_ff->setChecked(true);

  auto* sources = new QVBoxLayout;
  sources->addLayout(w::row_of({w::heading(p, QStringLiteral("開獎期間"), kNavy), DateTimePicker1,
                                text("到"), DateTimePicker2, text("期數"), Edit1, Button1}));
  sources->addLayout(w::row_of({source("※ 近期統計"), text("最近"), cbis, text("期"), Button16}));
  sources->addLayout(w::row_of({source("※ 週期統計"), text("每"), cb_intv, text("期一次"),
                                text("取最近"), cbis_2, text("期"), Button17}));
  sources->addLayout(w::row_of({source("※ 單支拖牌"), cb_date, text("第"), cb_ii, text("支開"), CB_xx,
                                text("之下"), cb_prediction, text("期"), Button18, cb_ff}));
  return sources;
}

QWidget* TForm_bestpillars::build_ts3() {
  TS3 = new QWidget;
  TS3->setObjectName("TS3");
  auto* v = new QVBoxLayout(TS3);
  const QString number = QStringLiteral("號碼"), times = QStringLiteral("次數");
  v->addWidget(sga1 = stats_grid(TS3, "sga1", pillars::kGridColumns, number, times, 32));
  v->addWidget(sga2 = stats_grid(TS3, "sga2", pillars::kGridColumns, number, times, 32));
  v->addWidget(sgaT = stats_grid(TS3, "sgaT", 10, QStringLiteral("尾數"), times, 52));

  struct Column {
    QPushButton*& button;
    const char* button_name;
    QString caption;
    QLabel*& progress;
    const char* progress_name;
    QString title;
    ui::Memo*& memo;
    const char* memo_name;
    QPushButton*& copy;
    const char* copy_name;
  };
  const Column columns[] = {
      {SpeedButton2, "SpeedButton2", QStringLiteral("熱門雙星組合排列"), lb2s, "lb2s",
       QStringLiteral("☆☆號碼  次數"), mm, "mm", BitBtn1, "BitBtn1"},
      {SpeedButton3, "SpeedButton3", QStringLiteral("熱門三星組合排列"), lb3s, "lb3s",
       QStringLiteral("☆☆☆號碼  次數"), mm3, "mm3", BitBtn2, "BitBtn2"},
      {SpeedButton1, "SpeedButton1", QStringLiteral("熱門四星組合排列"), lb4s, "lb4s",
       QStringLiteral("☆☆☆☆號碼  次數"), mm9, "mm9", BitBtn3, "BitBtn3"},
  };
  auto* hot = new QHBoxLayout;
  for (const Column& c : columns) {
    auto* column = new QVBoxLayout;
    auto* head = row();
    head->addWidget(c.button = w::button(TS3, c.caption, c.button_name));
    head->addWidget(c.progress = w::label(TS3, QStringLiteral("---"), c.progress_name));
    c.progress->setMinimumWidth(60);
    head->addStretch();
    column->addLayout(head);
    column->addWidget(w::heading(TS3, c.title, kNavy));
    column->addWidget(c.memo = w::memo(TS3, c.memo_name), 1);
    column->addWidget(c.copy = w::button(TS3, QStringLiteral("複製"), c.copy_name), 0, Qt::AlignLeft);
    hot->addLayout(column);
  }
  v->addLayout(hot, 1);
  return TS3;
}

QWidget* TForm_bestpillars::build_ts4() {
  TS4 = new QWidget;
  TS4->setObjectName("TS4");
  QWidget* p = TS4;
  const auto text = [p](const char* caption) { return w::label(p, QString::fromUtf8(caption)); };
  auto* v = new QVBoxLayout(p);
  v->addWidget(w::heading(
      p, QStringLiteral("請選擇您要立柱﹙或連碰﹚的號碼，最少2碼，最多30碼"), kNavy));
  cb9 = w::combo(p, ui::number_items(2, 30), "8", "cb9", 60);
  Button7 = w::button(p, QStringLiteral("選擇"), "Button7");
  v->addLayout(w::row_of({text("選擇前項統計最熱門號碼"), cb9, text("個"), Button7,
                          text("(或以手動點選自己喜愛的號碼)")}));
  v->addSpacing(6);
  v->addWidget(build_ts4_boxes());
  v->addSpacing(6);

  lb_selectNo = w::label(p, QStringLiteral("0"), "lb_selectNo");
  ui::set_look(lb_selectNo, Qt::red, true);
  Button8 = w::button(p, QStringLiteral("清除重選"), "Button8");
  v->addLayout(w::row_of({text("您所選擇的號碼共"), lb_selectNo, text("個"), Button8}));
  build_ts4_filters(v);
  v->addStretch();
  return TS4;
}

QWidget* TForm_bestpillars::build_ts4_boxes() {
  auto* boxes = new QFrame(TS4);
  boxes->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(boxes);
  grid->setHorizontalSpacing(18);
  grid->setVerticalSpacing(14);
  QFont number_font = boxes->font();
  number_font.setPointSize(number_font.pointSize() + 4);
  for (int n = 1; n <= pillars::kMaxNumbers; ++n) {
    const QString text = QString::asprintf("%02d", n);
    no_box[n] = w::check(boxes, text, QStringLiteral("CB") + text);
    no_box[n]->setFont(number_font);
    ui::set_look(no_box[n], Qt::blue, false);
    grid->addWidget(no_box[n], (n - 1) / 10, (n - 1) % 10);
  }
  return boxes;
}

void TForm_bestpillars::build_ts4_filters(QVBoxLayout* sheet) {
  QFont filter_font = TS4->font();
  filter_font.setPointSize(filter_font.pointSize() + 2);
  auto* tails = row();
  tails->addWidget(w::heading(TS4, QStringLiteral("尾數"), kMaroon));
  for (int d = 1; d <= 10; ++d) {
    const int digit = d % 10;  // 1 尾 .. 9 尾, then 0尾
    const QString text = digit == 0 ? QStringLiteral("0尾") : QStringLiteral("%1 尾").arg(digit);
    cb_tail[digit] = w::check(TS4, text, QStringLiteral("CBT%1").arg(digit));
    cb_tail[digit]->setFont(filter_font);
    tails->addWidget(cb_tail[digit]);
  }
  tails->addStretch();
  sheet->addLayout(tails);

  auto* heads = row();
  heads->addWidget(w::heading(TS4, QStringLiteral("頭數"), kMaroon));
  for (int h = 0; h < 5; ++h) {
    cb_head[h] = w::check(TS4, QStringLiteral("%1 頭").arg(h), QStringLiteral("CBH%1").arg(h));
    cb_head[h]->setFont(filter_font);
    heads->addWidget(cb_head[h]);
  }
  cb_head[4]->hide();
  heads->addStretch();
  sheet->addLayout(heads);
}
