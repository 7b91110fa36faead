#include "analysis/moving/window/tform_zu_moving.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

#include "exchange/report_layout.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace {

constexpr int kClientWidth = 760;
constexpr int kClientHeight = 660;

}  // namespace

TForm_zu_moving::TForm_zu_moving(core::DrawTable& table, QWidget* parent)
    : ui::FormDialog(parent), draw_table_(table), history_(table.history()) {
  setObjectName("TForm_zu_moving");
  setWindowTitle(QStringLiteral("移動式版路(三期內養牌)"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  build();
  connect_controls();
  const QSize needed = layout()->totalSizeHint();
  setFixedSize(std::max(kClientWidth, needed.width()), std::max(kClientHeight, needed.height()));
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
  connect(btn_backtest, &QToolButton::clicked, this, [this] { btn_backtestClick(); });
  connect(N1, &QAction::triggered, this, [this] { N1Click(); });
  connect(sgl->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
    if (current.isValid()) sglSelectCell(current.column(), current.row() + 1);
  });
}

void TForm_zu_moving::btn_backtestClick() {
  emit backtest_requested(backtest::moving_texts(active_sheet().boxes(), order()));
}

void TForm_zu_moving::FormShow() {
  for (RuleSheet* sheet : {TabSheet1, TabSheet2}) sheet->fill_items(history_.max_ball);
  rb_LClick();
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

movingwin::RuleSheet& TForm_zu_moving::active_sheet() const {
  return PageControl1->currentWidget() == TabSheet2 ? *TabSheet2 : *TabSheet1;
}

void TForm_zu_moving::rb_LClick() {
  draw_table_.set_working_order(order());  // the choice other windows see in ltno_copy
  recompute();
}

void TForm_zu_moving::PageControl1Change() { recompute(); }

void TForm_zu_moving::recompute() {
  RuleSheet& sheet = active_sheet();
  const moving::MovingBoxes boxes = sheet.boxes();
  auto computed = moving::show_moving(history_, boxes, order());
  sheet.set_result(computed ? std::optional<moving::MovingBoxes>(boxes) : std::nullopt);
  if (!computed) {
    lb_refusal->setText(ui::refusal_text(computed.error(), sheet.number_boxes()));
    lb_refusal->setToolTip(lb_refusal->text());  // the whole message, should it not fit
    return;
  }
  lb_refusal->clear();
  lb_refusal->setToolTip({});
  pattern_ = std::move(*computed);
  sgl->set_grid(std::move(pattern_.sgl));
}

void TForm_zu_moving::sglSelectCell(int column, int row) {
  if (const auto note = moving::note_for_cell(pattern_, column, row)) Memo1->add_line(*note);
}

void TForm_zu_moving::title_to_notes(const RuleSheet& sheet) {
  const std::string title = moving::moving_title(sheet.shown_boxes(), order());
  Memo1->add_line(title);
  ui::message(this, ui::MessageKind::Information, ui::qs(title) + QStringLiteral("\n(已存入版路明細)"));
}

void TForm_zu_moving::SpeedButton5Click() {
  ui::message(this, ui::MessageKind::Information, QStringLiteral("點[預測欄]就可以產生版路明細"));
}

void TForm_zu_moving::SpeedButton6Click() { emit help_requested(); }

void TForm_zu_moving::N1Click() { emit print_requested(Memo1->lines(), exchange::kReportTitle); }
