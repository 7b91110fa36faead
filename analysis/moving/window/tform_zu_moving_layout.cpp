// The moving-pattern window's layout: the tabs with Panel5 beside them, the grid, and the
// notes panel Panel3 below.
#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "analysis/moving/window/tform_zu_moving.h"
#include "ui/widgets.h"

namespace {

const QList<int> kColumnWidths = {94, 76, 46, 44, 41, 44, 45, 2, 2, 75, 76, 74, 75};

QFrame* panel(QWidget* parent, const char* name) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFrameShape(QFrame::StyledPanel);
  return frame;
}

}  // namespace

void TForm_zu_moving::build() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->addTab(TabSheet1 = new RuleSheet(false), QStringLiteral("固定位置加減法"));
  PageControl1->addTab(TabSheet2 = new RuleSheet(true), QStringLiteral("平均數加減法"));
  auto* top = new QHBoxLayout;
  top->addWidget(PageControl1, 1);
  top->addWidget(build_panel5());
  build_grid();
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 4, 4, 4);
  v->addLayout(top);
  v->addWidget(sgl, 1);
  v->addWidget(build_panel3());
}

QFrame* TForm_zu_moving::build_panel5() {
  Panel5 = panel(this, "Panel5");
  rb_L = ui::radio_button(Panel5, QStringLiteral("落球"), "rb_L", true);
  rb_S = ui::radio_button(Panel5, QStringLiteral("順球"), "rb_S");
  BitBtn1 = ui::push_button(Panel5, QStringLiteral("關閉"), "BitBtn1");
  SpeedButton5 = ui::tool_button(Panel5, QStringLiteral("版路內容"), "SpeedButton5");
  SpeedButton6 = ui::tool_button(Panel5, {}, "SpeedButton6");
  SpeedButton6->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
  SpeedButton6->setToolTip(QStringLiteral("說明"));
  btn_backtest = ui::tool_button(Panel5, QStringLiteral("回測"), "btn_backtest");
  btn_backtest->setToolTip(QStringLiteral("以這個版路做號碼回測：每期只用之前的開獎，與隨機比較"));
  lb_refusal = ui::label(Panel5, {}, "lb_refusal");
  lb_refusal->setWordWrap(true);
  lb_refusal->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lb_refusal->setStyleSheet(QStringLiteral("color: rgb(192,0,0);"));
  // The refusal fills the room the panel has anyway: a message, however long, never
  // makes the panel taller and so never moves the tabs or the grid.
  lb_refusal->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  auto* v = new QVBoxLayout(Panel5);
  v->addLayout(ui::row_of({rb_L, rb_S}));
  v->addLayout(ui::row_of({SpeedButton5, SpeedButton6, BitBtn1}));
  v->addLayout(ui::row_of({btn_backtest}));
  v->addWidget(lb_refusal, 1);
  Panel5->setFixedWidth(190);
  return Panel5;
}

void TForm_zu_moving::build_grid() {
  sgl = new ui::StringGrid(this);
  sgl->setObjectName("sgl");
  sgl->model_data().set_fixed_rows(1);
  sgl->set_column_widths(kColumnWidths);
  sgl->set_row_height(20);
  sgl->horizontalHeader()->setMinimumSectionSize(2);
  N1 = new QAction(QStringLiteral("列印版路資料"), sgl);
  N1->setObjectName("N1");
  sgl->addAction(N1);
  sgl->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QFrame* TForm_zu_moving::build_panel3() {
  Panel3 = panel(this, "Panel3");
  ui::ResultMemo::Texts texts;
  texts.copied.clear();
  texts.save_title = QStringLiteral("儲存版路明細");
  texts.text_filter = QStringLiteral("純文字檔案(*.txt)|*.txt");
  using Command = ui::ResultMemo::Command;
  notes = new ui::ResultMemo(Panel3, "Memo1", {{Command::Clear, "SpeedButton2"}, {Command::SaveText, "SpeedButton1"}},
                             texts);
  Memo1 = notes->memo();
  SpeedButton2 = notes->button(Command::Clear);
  SpeedButton1 = notes->button(Command::SaveText);
  SpeedButton1->setText(QStringLiteral("存檔"));
  auto* commands = new QVBoxLayout;
  commands->addWidget(ui::heading(Panel3, QStringLiteral("版路明細"), QColor(0, 0, 128)));
  commands->addWidget(SpeedButton2);
  commands->addWidget(SpeedButton1);
  commands->addStretch();
  auto* h = new QHBoxLayout(Panel3);
  h->addLayout(commands);
  h->addWidget(Memo1, 1);
  Panel3->setFixedHeight(150);
  return Panel3;
}
