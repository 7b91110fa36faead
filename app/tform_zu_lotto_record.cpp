#include "app/tform_zu_lotto_record.h"

#include <QAction>
#include <algorithm>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "app/tform_zu_main.h"
#include "core/loader.h"
#include "core/records.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace {

// 81, 54 and 36 pixels for date, issue and ball columns, widened where the screen font
// needs more for "2026/08/22", "115204" or "一落".
QList<int> record_column_widths(const QFontMetrics& font) {
  const int padding = 12;
  const int date = std::max(81, font.horizontalAdvance(QStringLiteral("2026/08/22")) + padding);
  const int issue = std::max(54, font.horizontalAdvance(QStringLiteral("115204")) + padding);
  const int ball = std::max(36, font.horizontalAdvance(QStringLiteral("一落")) + padding);
  return {date, issue, ball, ball, ball, ball, ball};
}

}  // namespace

TForm_zu_lotto_record::TForm_zu_lotto_record(TForm_zu_main& main, core::DrawHistory& history,
                                             QWidget* parent)
    : QDialog(parent), main_(main), history_(history) {
  setObjectName("TForm_zu_lotto_record");
  setWindowTitle(QStringLiteral("今彩 539"));
  build();
  // Every close, by the button or the frame, reloads the table oldest first.
  connect(this, &QDialog::finished, this, [this](int) { main_.load_sequence(); });
}

void TForm_zu_lotto_record::build() {
  auto* tools = new QHBoxLayout;
  SpeedButton3 = ui::tool_button(this, QStringLiteral("順球順序"), "SpeedButton3");
  SpeedButton12 = ui::tool_button(this, QStringLiteral("落球大小"), "SpeedButton12");
  SpeedButton13 = ui::tool_button(this, QStringLiteral("列印開獎資料"), "SpeedButton13");
  SpeedButton10 = ui::tool_button(this, QString(), "SpeedButton10");
  SpeedButton10->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
  SpeedButton10->setToolTip(QStringLiteral("說明"));
  for (QToolButton* tool : {SpeedButton3, SpeedButton12, SpeedButton13, SpeedButton10}) tools->addWidget(tool);
  tools->addStretch();

  sgl = new ui::StringGrid(this);
  sgl->setObjectName("sgl");
  sgl->model_data().set_fixed_rows(1);
  sgl->set_row_count(1);
  sgl->set_column_widths(record_column_widths(sgl->fontMetrics()));
  sgl->set_row_height(20);
  sgl->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgl->setSelectionMode(QAbstractItemView::SingleSelection);
  sgl->setToolTip(QStringLiteral("按滑鼠右鍵列印開獎資料"));
  sgl->setContextMenuPolicy(Qt::ActionsContextMenu);
  N1 = new QAction(QStringLiteral("列印開獎資料"), sgl);
  sgl->addAction(N1);
  // Exactly as wide as its columns and scroll bar: no blank strip beside the balls.
  sgl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  int columns_width = 0;
  for (const int width : record_column_widths(sgl->fontMetrics())) columns_width += width;
  sgl->setFixedWidth(columns_width + sgl->verticalScrollBar()->sizeHint().width() + 2 * sgl->frameWidth());
  {
    auto& grid = sgl->model_data().begin_edit();
    grid.resize(1, core::kRecordColumns);
    core::set_record_header(grid, false);
    sgl->model_data().end_edit();
  }

  lb_reclen = new QLabel(QStringLiteral("開獎資料共 0 期"), this);
  lb_reclen->setObjectName("lb_reclen");
  BitBtn2 = new QPushButton(QStringLiteral("網路下載開獎資料"), this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn3 = new QPushButton(QStringLiteral("手動輸入開獎資料"), this);
  BitBtn3->setObjectName("BitBtn3");
  BitBtn1 = new QPushButton(QStringLiteral("關閉"), this);
  BitBtn1->setObjectName("BitBtn1");

  auto* side = new QVBoxLayout;
  side->addWidget(lb_reclen);
  side->addWidget(BitBtn2);
  side->addWidget(BitBtn3);
  side->addStretch();
  side->addWidget(BitBtn1);
  auto* body = new QHBoxLayout;
  body->addWidget(sgl, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addLayout(body);
  resize(sizeHint().width(), 640);

  connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
  connect(SpeedButton12, &QToolButton::clicked, this, [this] { SpeedButton12Click(); });
  connect(SpeedButton10, &QToolButton::clicked, this, [this] { SpeedButton10Click(); });
  connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(SpeedButton13, &QToolButton::clicked, this, [this] { SpeedButton13Click(); });
  connect(N1, &QAction::triggered, this, [this] { SpeedButton13Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
}

void TForm_zu_lotto_record::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Restoring a minimised window is not a new opening: the grid keeps its order and header.
  if (!event->spontaneous()) FormShow();
}

void TForm_zu_lotto_record::FormShow() {
  BitBtn2->setEnabled(download_enabled_);
  core::sort_orirec(history_, 1);
  auto& grid = sgl->model_data().begin_edit();
  core::show_to_grid(grid, history_);
  sgl->model_data().end_edit();
  ui::set_label(lb_reclen, core::record_count_text(history_.draw_count));
}

void TForm_zu_lotto_record::show_loaded_table() {
  auto& grid = sgl->model_data().begin_edit();
  grid.resize(history_.draw_count + 1, core::kRecordColumns);
  core::set_record_header(grid, false);
  core::show_to_grid(grid, history_);
  sgl->model_data().end_edit();
}

void TForm_zu_lotto_record::refresh_balls(bool ascending) {
  if (const auto derived = core::put_to_ltno(history_); !derived) {
    ui::show_error(this, derived.error());
    return;
  }
  auto& grid = sgl->model_data().begin_edit();
  if (ascending) core::show_to_grid(grid, history_);
  core::show_ball_columns(grid, history_, ascending);
  core::set_record_header(grid, ascending);
  sgl->model_data().end_edit();
}

void TForm_zu_lotto_record::SpeedButton3Click() { refresh_balls(true); }
void TForm_zu_lotto_record::SpeedButton12Click() { refresh_balls(false); }
void TForm_zu_lotto_record::BitBtn3Click() { main_.open_editor(); }
void TForm_zu_lotto_record::SpeedButton10Click() { main_.show_memo(QStringLiteral("help_record.txt")); }
void TForm_zu_lotto_record::BitBtn2Click() {
  if (open_download_) open_download_();
}
void TForm_zu_lotto_record::SpeedButton13Click() {
  if (open_print_range_) open_print_range_();
}
