#include "analysis/moving/window/tform_zu_moving.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace {

constexpr int kClientWidth = 760;
constexpr int kClientHeight = 660;
const QList<int> kColumnWidths = {94, 76, 46, 44, 41, 44, 45, 2, 2, 75, 76, 74, 75};
constexpr const char* kReportTitle = "移動式版路";

QFrame* panel(QWidget* parent, const char* name) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFrameShape(QFrame::StyledPanel);
  return frame;
}

}  // namespace

TForm_zu_moving::TForm_zu_moving(core::DrawHistory& history, QWidget* parent) : QDialog(parent), history_(history) {
  setObjectName("TForm_zu_moving");
  setWindowTitle(QStringLiteral("移動式版路(三期內養牌)"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  build();
  connect_controls();
  const QSize needed = layout()->totalSizeHint();
  setFixedSize(std::max(kClientWidth, needed.width()), std::max(kClientHeight, needed.height()));
}

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
  rb_L = new QRadioButton(QStringLiteral("落球"), Panel5);
  rb_L->setObjectName("rb_L");
  rb_L->setChecked(true);
  rb_S = new QRadioButton(QStringLiteral("順球"), Panel5);
  rb_S->setObjectName("rb_S");
  BitBtn1 = ui::push_button(Panel5, QStringLiteral("關閉"), "BitBtn1");
  SpeedButton5 = ui::tool_button(Panel5, QStringLiteral("版路內容"), "SpeedButton5");
  SpeedButton6 = ui::tool_button(Panel5, {}, "SpeedButton6");
  SpeedButton6->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
  SpeedButton6->setToolTip(QStringLiteral("說明"));
  lb_refusal = ui::label(Panel5, {}, "lb_refusal");
  lb_refusal->setWordWrap(true);
  lb_refusal->setStyleSheet(QStringLiteral("color: rgb(192,0,0);"));
  auto* v = new QVBoxLayout(Panel5);
  v->addLayout(ui::row_of({rb_L, rb_S}));
  v->addWidget(BitBtn1);
  v->addLayout(ui::row_of({SpeedButton5, SpeedButton6}));
  v->addWidget(lb_refusal);
  v->addStretch();
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

void TForm_zu_moving::connect_controls() {
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
  for (RuleSheet* sheet : {TabSheet1, TabSheet2}) {
    connect(sheet, &RuleSheet::changed, this, [this, sheet] {
      if (sheet == &active_sheet()) recompute();
    });
    connect(sheet, &RuleSheet::title_requested, this, [this, sheet] { title_to_notes(*sheet); });
  }
  for (QRadioButton* order_button : {rb_L, rb_S})
    ui::on_click(order_button, this, [this, order_button] {
      if (order_button->isChecked()) rb_LClick();
    });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
  connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
  connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });
  connect(N1, &QAction::triggered, this, [this] { N1Click(); });
  connect(sgl->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
    if (current.isValid()) sglSelectCell(current.column(), current.row() + 1);
  });
}

void TForm_zu_moving::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm_zu_moving::FormShow() {
  for (RuleSheet* sheet : {TabSheet1, TabSheet2}) sheet->fill_items(history_.max_ball);
  recompute();
}

void TForm_zu_moving::refresh() {
  if (isVisible()) recompute();
}

void TForm_zu_moving::show_page(int page) {
  {
    const QSignalBlocker quiet(PageControl1);
    PageControl1->setCurrentIndex(page);
  }
  if (isVisible()) PageControl1Change();
}

core::BallOrder TForm_zu_moving::order() const {
  return rb_S->isChecked() ? core::BallOrder::Sorted : core::BallOrder::Drawn;
}

moving_window::RuleSheet& TForm_zu_moving::active_sheet() const {
  return PageControl1->currentWidget() == TabSheet2 ? *TabSheet2 : *TabSheet1;
}

void TForm_zu_moving::rb_LClick() { recompute(); }

void TForm_zu_moving::PageControl1Change() { recompute(); }

void TForm_zu_moving::recompute() {
  core::set_ball_order(history_, order());
  auto computed = moving::show_moving(history_, active_sheet().boxes(), order());
  if (!computed) return ui::set_label(lb_refusal, computed.error().text);
  lb_refusal->clear();
  pattern_ = std::move(*computed);
  sgl->set_grid(std::move(pattern_.sgl));
}

void TForm_zu_moving::sglSelectCell(int column, int row) {
  if (const auto note = moving::note_for_cell(pattern_, column, row)) Memo1->add_line(*note);
}

void TForm_zu_moving::title_to_notes(const RuleSheet& sheet) {
  const std::string title = moving::moving_title(sheet.boxes(), order());
  Memo1->add_line(title);
  ui::message(this, ui::MessageKind::Information, ui::qs(title) + QStringLiteral("\n(已存入版路明細)"));
}

void TForm_zu_moving::SpeedButton5Click() {
  ui::message(this, ui::MessageKind::Information, QStringLiteral("點[預測欄]就可以產生版路明細"));
}

void TForm_zu_moving::SpeedButton6Click() {
  if (outlets_.help) outlets_.help();
}

void TForm_zu_moving::N1Click() {
  if (outlets_.print) outlets_.print(Memo1->lines(), kReportTitle);
}
