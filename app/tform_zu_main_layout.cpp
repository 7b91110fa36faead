// The main window's controls: menu, the green latest-draw panel and the picture panel.
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/tform_zu_main.h"
#include "ui/controls.h"
#include "ui/widgets.h"

namespace {

using ui::sized_label;
using ui::tool_button;

QFrame* make_logo_panel(QWidget* parent, ui::Game game, const char* name, const char* style) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setStyleSheet(style);
  auto* logo = new QLabel(panel);
  logo->setPixmap(ui::game_logo(game, QSize(140, 56)));
  (new QHBoxLayout(panel))->addWidget(logo, 0, Qt::AlignCenter);
  return panel;
}

}  // namespace

void TForm_zu_main::build_menu() {
  QMenu* records = menuBar()->addMenu(QStringLiteral("開獎資料"));
  action_lt_record = records->addAction(QStringLiteral("開獎紀錄"));
  action_lt_record->setShortcut(QKeySequence(Qt::Key_F2));
  connect(action_lt_record, &QAction::triggered, this, [this] { open("lt_recordExecute"); });

  QMenu* workbench = menuBar()->addMenu(QStringLiteral("進入Vantor"));
  action_bestpillars = workbench->addAction(QStringLiteral("最佳彩柱操作"));
  connect(action_bestpillars, &QAction::triggered, this, [this] { open("BestPillarsExecute"); });

  // Commands without a control of their own: the window registry fills this menu.
  tools_menu = menuBar()->addMenu(QStringLiteral("分析工具"));

  action_exit = menuBar()->addAction(QStringLiteral("結束作業"));
  connect(action_exit, &QAction::triggered, this, [this] { N9Click(); });
}

void TForm_zu_main::build_body() {
  auto* body = new QWidget(this);
  body->setObjectName("body");
  body->setStyleSheet("QWidget#body { background: rgb(236, 242, 236); }");
  auto* layout = new QHBoxLayout(body);
  layout->setContentsMargins(16, 16, 16, 16);
  auto* left = new QVBoxLayout;
  left->addWidget(build_panel5());
  SpeedButton20 = tool_button(body, QStringLiteral("顯示"), "SpeedButton20");
  connect(SpeedButton20, &QToolButton::clicked, this, [this] { SpeedButton20Click(); });
  left->addWidget(SpeedButton20, 0, Qt::AlignLeft);
  left->addStretch();
  layout->addLayout(left);
  layout->addWidget(build_panel6(), 1);
  setCentralWidget(body);
}

QFrame* TForm_zu_main::build_panel5() {
  Panel5 = new QFrame(this);
  Panel5->setObjectName("Panel5");
  Panel5->setStyleSheet("QFrame#Panel5 { background: rgb(0, 128, 64); border-radius: 8px; }"
                        "QLabel, QRadioButton { color: white; background: transparent; }"
                        "QToolButton { background: rgb(240, 240, 220); color: black; }");
  Panel5->setFixedWidth(330);
  auto* v = new QVBoxLayout(Panel5);
  v->setContentsMargins(14, 14, 14, 14);

  Panel3 = make_logo_panel(Panel5, ui::Game::Daily539, "Panel3", "background: rgb(255,128,0); border-radius: 6px;");
  Panel4 = make_logo_panel(Panel5, ui::Game::California5, "Panel4", "background: white;");
  Panel4->hide();
  v->addWidget(Panel3);
  v->addWidget(Panel4);

  rb_biglotto = new QRadioButton(QStringLiteral("今彩539"), Panel5);
  rb_biglotto->setObjectName("rb_biglotto");
  rb_mark6 = new QRadioButton(QStringLiteral("加州夢幻５"), Panel5);
  rb_mark6->setObjectName("rb_mark6");
  rb_biglotto->setChecked(true);
  QFont bold = rb_biglotto->font();
  bold.setBold(true);
  rb_biglotto->setFont(bold);
  rb_mark6->hide();
  // On the green panel the style's pale indicator disappears: a white ring with a dark dot.
  for (QRadioButton* game : {rb_biglotto, rb_mark6})
    game->setStyleSheet(QStringLiteral(
        "QRadioButton { color: white; spacing: 8px; }"
        "QRadioButton::indicator { width: 12px; height: 12px; border-radius: 7px; border: 2px solid white;"
        " background: rgb(0,90,40); }"
        "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,"
        " stop:0 rgb(255,200,0), stop:0.55 rgb(255,200,0), stop:0.6 rgb(0,90,40)); }"));
  // Only the newly selected button's change applies the choice, once per change.
  connect(rb_biglotto, &QRadioButton::toggled, this, [this](bool on) { if (on) rb_biglottoClick(); });
  connect(rb_mark6, &QRadioButton::toggled, this, [this](bool on) { if (on) rb_biglottoClick(); });
  v->addWidget(rb_biglotto);
  v->addWidget(rb_mark6);

  v->addSpacing(8);
  v->addWidget(sized_label(Panel5, QStringLiteral("檔案中最新開獎資料"), "Label_latest", 18, true));
  lb_data = sized_label(Panel5, QStringLiteral("日期:"), "lb_data", 17, false);
  lb_data1 = sized_label(Panel5, QStringLiteral("期數:"), "lb_data1", 17, false);
  lb_data2 = sized_label(Panel5, QStringLiteral("號碼(落球):"), "lb_data2", 17, false);
  v->addWidget(lb_data);
  v->addWidget(lb_data1);
  v->addWidget(lb_data2);
  v->addSpacing(8);

  SpeedButton1 = tool_button(Panel5, QStringLiteral("開獎紀錄"), "SpeedButton1");
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { open("lt_recordExecute"); });
  v->addWidget(SpeedButton1);

  auto* file_row = new QHBoxLayout;
  Label4 = sized_label(Panel5, ui::qs(history_.draw_file_name), "Label4", 15, false);
  QFont underlined = Label4->font();
  underlined.setUnderline(true);
  Label4->setFont(underlined);
  Label4->setCursor(Qt::PointingHandCursor);
  Label5 = sized_label(Panel5, QStringLiteral("手動輸入"), "Label5", 15, false);
  Label5->setCursor(Qt::PointingHandCursor);
  Label4->installEventFilter(this);
  Label5->installEventFilter(this);
  file_row->addWidget(Label4);
  file_row->addWidget(Label5);
  file_row->addStretch();
  v->addLayout(file_row);

  SpeedButton19 = tool_button(Panel5, QStringLiteral("Close"), "SpeedButton19");
  connect(SpeedButton19, &QToolButton::clicked, this, [this] { SpeedButton19Click(); });
  v->addWidget(SpeedButton19, 0, Qt::AlignRight);
  return Panel5;
}

QFrame* TForm_zu_main::build_panel6() {
  Panel6 = new QFrame(this);
  Panel6->setObjectName("Panel6");
  auto* v = new QVBoxLayout(Panel6);
  Image1 = new QLabel(Panel6);
  Image1->setObjectName("Image1");
  Image1->setPixmap(ui::game_logo(game_, QSize(300, 128)));
  v->addWidget(Image1, 0, Qt::AlignHCenter);
  auto* title = sized_label(Panel6, QStringLiteral("３９Vantor  今彩539 分析工具"), "Label_title", 30, true);
  title->setStyleSheet("color: rgb(0, 90, 45);");
  v->addWidget(title, 0, Qt::AlignHCenter);
  auto* picture1 = new QLabel(Panel6);
  picture1->setPixmap(ui::ball_strip({5, 12, 23, 30, 38}, 64));
  auto* picture2 = new QLabel(Panel6);
  picture2->setPixmap(ui::ball_strip({3, 11, 17, 29, 39}, 48));
  v->addStretch();
  v->addWidget(picture1, 0, Qt::AlignHCenter);
  v->addWidget(picture2, 0, Qt::AlignHCenter);
  v->addStretch();
  Panel1 = new QFrame(Panel6);
  Panel1->setObjectName("Panel1");
  Panel1->setStyleSheet("background: rgb(0, 90, 45); color: white;");
  auto* strip = new QHBoxLayout(Panel1);
  strip->addWidget(sized_label(Panel1,
                              QStringLiteral("最佳操作模式  1024x768    Vantor 數據工作室  "
                                             "本軟體僅供號碼統計研究，不保證任何中獎結果"),
                              "Label_notice", 14, false));
  v->addWidget(Panel1);
  return Panel6;
}

bool TForm_zu_main::eventFilter(QObject* watched, QEvent* event) {
  // A left click opens the editor; the other buttons do nothing, as on any link.
  if ((watched == Label4 || watched == Label5) && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Label4Click();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}
