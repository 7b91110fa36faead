// Layout of the sheets TS5 "選擇柱數", TS6 "彩柱驗證" and TS7 "連碰驗證".
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "pillars/optimise_texts.h"
#include "pillars/window/tform_bestpillars.h"
#include "pillars/window/tform_bestpillars_widgets.h"
#include "ui/controls.h"

namespace w = bestpillars_widgets;
using w::row;
namespace text = pillars::optimise_text;

namespace {

const QColor kNavy(0, 0, 128);

QString qtext(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// "您所選的號碼為：" and the two selection captions of a sheet.
QHBoxLayout* selection_row(QWidget* sheet, QLabel*& numbers, const char* numbers_name,
                           QLabel*& count, const char* count_name) {
  auto* h = row();
  h->addWidget(w::heading(sheet, QStringLiteral("您所選的號碼為："), kNavy), 0, Qt::AlignTop);
  numbers = w::label(sheet, QStringLiteral("沒有號碼"), numbers_name);
  numbers->setWordWrap(true);
  ui::set_look(numbers, Qt::red, true);
  h->addWidget(numbers, 1);
  count = w::label(sheet, QStringLiteral("共計：0  個"), count_name);
  h->addWidget(count, 0, Qt::AlignTop);
  return h;
}

}  // namespace

QWidget* TForm_bestpillars::build_ts5() {
  TS5 = new QWidget;
  TS5->setObjectName("TS5");
  auto* h = new QHBoxLayout(TS5);
  h->addWidget(build_ts5_pillars(), 1);
  h->addSpacing(8);
  h->addWidget(build_ts5_optimise());
  return TS5;
}

QWidget* TForm_bestpillars::build_ts5_pillars() {
  auto* panel = new QWidget(TS5);
  QWidget* p = TS5;
  const auto text = [p](const char* caption) { return w::label(p, QString::fromUtf8(caption)); };
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(0, 0, 0, 0);
  v->addLayout(selection_row(p, Label6, "Label6", Label28, "Label28"));
  CB_Select = w::combo(p, ui::number_items(3, 8), "4", "CB_Select", 50);
  v->addLayout(w::row_of({text("您要選幾柱"), CB_Select, text("柱")}));
  v->addWidget(lb_NOTT = w::label(p, QString(), "lb_NOTT"));
  ui::set_look(lb_NOTT, Qt::darkGreen, true);
  v->addLayout(build_ts5_grid());

  lb_pon2 = w::label(p, QString(), "lb_pon2");
  lb_pon3 = w::label(p, QString(), "lb_pon3");
  lb_pon4 = w::label(p, QString(), "lb_pon4");
  lb_tot = w::label(p, QString(), "lb_tot");
  for (QLabel* cost : {lb_pon2, lb_pon3, lb_pon4, lb_tot}) {
    ui::set_look(cost, Qt::red, true);
    cost->setMinimumWidth(90);
  }
  v->addLayout(w::row_of({lb_pon2, lb_pon3, lb_pon4, lb_tot}));
  Button27 = w::button(p, QStringLiteral("手動輸入驗證"), "Button27");
  v->addLayout(w::row_of({Button27, text("(手動驗證須輸入幾柱和每一柱號碼)")}));
  Button26 = w::button(p, QStringLiteral("驗證"), "Button26");
  Button26->hide();
  for (auto [memo, name] : {std::pair{&MM_2, "MM_2"}, {&MM3_2, "MM3_2"}, {&M2, "M2"}, {&M3, "M3"}}) {
    *memo = w::memo(panel, name);
    (*memo)->hide();
  }
  v->addStretch();
  return panel;
}

QGridLayout* TForm_bestpillars::build_ts5_grid() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->addWidget(w::label(TS5, QStringLiteral("支")), 1, 0, Qt::AlignRight);
  grid->addWidget(w::label(TS5, QStringLiteral("號碼內容")), 2, 0, Qt::AlignRight | Qt::AlignTop);
  for (int i = 1; i <= pillars::kMaxPillars; ++i) {
    grid->addWidget(w::heading(TS5, QStringLiteral("第%1柱").arg(i), kNavy), 0, i, Qt::AlignCenter);
    const int largest = i <= 3 ? 5 : 8;
    cb_pillar[i] = w::combo(TS5, ui::number_items(1, largest), i <= 4 ? "2" : "0", "", 56);
    cb_pillar[i]->setObjectName(QStringLiteral("ComboBox%1").arg(i));
    grid->addWidget(cb_pillar[i], 1, i);
    mx_pillar[i] = w::memo(TS5, "");
    mx_pillar[i]->setObjectName(QStringLiteral("Mx%1").arg(i));
    mx_pillar[i]->setFixedSize(56, 170);
    mx_pillar[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->addWidget(mx_pillar[i], 2, i);
  }
  grid->setColumnStretch(pillars::kMaxPillars + 1, 1);
  return grid;
}

QWidget* TForm_bestpillars::build_ts5_optimise() {
  auto* panel = new QGroupBox(TS5);
  panel->setFixedWidth(300);
  auto* v = new QVBoxLayout(panel);
  v->addWidget(Button19 = w::button(panel, QStringLiteral("電腦排定號碼"), "Button19"));

  RG1 = new QGroupBox(panel);
  RG1->setObjectName("RG1");
  auto* options = new QHBoxLayout(RG1);
  auto* group = new QButtonGroup(RG1);
  const char* captions[] = {"４星優先", "３星優先", "２星優先"};
  for (int i = 0; i < 3; ++i) {
    RG1_items[i] = new QRadioButton(QString::fromUtf8(captions[i]), RG1);
    RG1_items[i]->setObjectName(QStringLiteral("RG1_%1").arg(i));
    group->addButton(RG1_items[i], i);
    options->addWidget(RG1_items[i]);
  }
  RG1_items[0]->setChecked(true);
  v->addWidget(RG1);

  v->addWidget(Button12 = w::button(panel, QStringLiteral("８碼=2x2x2x2 優柱分析"), "Button12"));
  v->addWidget(Button29 = w::button(panel, QStringLiteral("８碼=1x1x2x2x2 優柱分析"), "Button29"));
  v->addWidget(Button28 = w::button(panel, QStringLiteral("９碼=3x3x3 優柱分析"), "Button28"));
  v->addWidget(Button30 = w::button(panel, QStringLiteral("10碼=2x2x3x3 優柱分析"), "Button30"));
  v->addSpacing(8);

  auto* twelve = row();
  twelve->addWidget(Button31 = w::button(panel, qtext(text::kEightOfTwelveCaption), "Button31"), 1);
  twelve->addWidget(btn_stop = w::button(panel, qtext(text::kStopCaption), "btn_stop"));
  btn_stop->setFixedWidth(60);
  btn_stop->hide();
  v->addLayout(twelve);

  auto* fifteen = row();
  fifteen->addWidget(Button32 = w::button(panel, qtext(text::kTenOfFifteenCaption), "Button32"), 1);
  fifteen->addWidget(btn_stop_1510 = w::button(panel, qtext(text::kStopCaption), "btn_stop_1510"));
  btn_stop_1510->setFixedWidth(60);
  btn_stop_1510->hide();
  v->addLayout(fifteen);
  lb_percent = w::label(panel, qtext(text::kCounterIdle), "lb_percent");
  lb_percent->setAlignment(Qt::AlignRight);
  ui::set_look(lb_percent, Qt::red, true);
  lb_percent->hide();
  v->addWidget(lb_percent);
  v->addStretch();
  return panel;
}

QWidget* TForm_bestpillars::build_ts6() {
  TS6 = new QWidget;
  TS6->setObjectName("TS6");
  auto* v = new QVBoxLayout(TS6);
  v->addLayout(selection_row(TS6, Label57, "Label57", Label56, "Label56"));
  v->addWidget(w::heading(
      TS6, QStringLiteral("核對所選的號碼，以立柱方式，在過去所選的區間內開出的情形"), kNavy));
  v->addLayout(w::result_area(TS6, Memo2, "Memo2", {&Button20, &Button21, &Button22, &Button23},
                              {"Button20", "Button21", "Button22", "Button23"}),
               1);
  return TS6;
}

QWidget* TForm_bestpillars::build_ts7() {
  TS7 = new QWidget;
  TS7->setObjectName("TS7");
  auto* v = new QVBoxLayout(TS7);
  v->addLayout(selection_row(TS7, Label41, "Label41", Label42, "Label42"));
  v->addWidget(
      w::heading(TS7, QStringLiteral("核對所選的號碼，在過去所選的區間內開出的情形"), kNavy));
  auto* start = row();
  start->addWidget(Button9 = w::button(TS7, QStringLiteral("開始連碰驗證"), "Button9"));
  cb_detail = w::check(TS7, QStringLiteral("顯示每一期開出明細"), "cb_detail");
  cb_detail->setChecked(true);
  start->addWidget(cb_detail);
  start->addStretch();
  v->addLayout(start);
  v->addLayout(w::result_area(TS7, Memo3, "Memo3", {&Button10, &Button11, &Button13, &Button15},
                              {"Button10", "Button11", "Button13", "Button15"}),
               1);
  return TS7;
}
