#include "app/tform_zu_lotto_record.h"

#include <QAction>
#include <QFileInfo>
#include <algorithm>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "app/tform_zu_history_check.h"
#include "app/tform_zu_main.h"
#include "app/tform_zu_restore.h"
#include "core/history_check.h"
#include "core/loader.h"
#include "core/records.h"
#include "core/text_file.h"
#include "exchange/backups.h"
#include "exchange/history_import.h"
#include "ui/controls.h"
#include "ui/busy_guard.h"
#include "ui/dialogs.h"
#include "ui/events.h"
#include "ui/spreadsheet_save.h"
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

// A message box stays readable: the first lines of a long list, then how many more.
constexpr std::size_t kLinesShown = 20;

QString shown_lines(const std::vector<std::string>& lines, std::size_t limit = kLinesShown) {
  QStringList shown;
  for (std::size_t i = 0; i < lines.size() && i < limit; ++i) shown << ui::qs(lines[i]);
  if (lines.size() > limit) shown << QStringLiteral("…另有 %1 項").arg(lines.size() - limit);
  return shown.join('\n');
}

}  // namespace

TForm_zu_lotto_record::TForm_zu_lotto_record(TForm_zu_main& main, core::DrawTable& table,
                                             QWidget* parent)
    : ui::FormDialog(parent), main_(main), draw_table_(table), history_(table.history()) {
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
  ui::offer_spreadsheet(sgl);
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
  lb_progress = new QLabel(this);
  lb_progress->setObjectName("lb_progress");
  lb_progress->setWordWrap(true);
  lb_progress->setMaximumWidth(180);
  lb_progress->setMinimumHeight(3 * lb_progress->fontMetrics().lineSpacing());  // laid out before it speaks
  BitBtn2 = ui::push_button(this, QStringLiteral("網路下載開獎資料"), "BitBtn2");
  BitBtn3 = ui::push_button(this, QStringLiteral("手動輸入開獎資料"), "BitBtn3");
  BitBtn4 = ui::push_button(this, QStringLiteral("匯入開獎檔"), "BitBtn4");
  BitBtn4->setToolTip(QStringLiteral("匯入台灣彩券公司的開獎結果檔 (CSV 或 ZIP)"));
  BitBtn5 = ui::push_button(this, QStringLiteral("還原備份"), "BitBtn5");
  BitBtn6 = ui::push_button(this, QStringLiteral("檢查開獎資料"), "BitBtn6");
  BitBtn1 = ui::push_button(this, QStringLiteral("關閉"), "BitBtn1");

  auto* side = new QVBoxLayout;
  side->addWidget(lb_reclen);
  side->addWidget(BitBtn2);
  side->addWidget(BitBtn3);
  side->addWidget(BitBtn4);
  side->addWidget(BitBtn5);
  side->addWidget(BitBtn6);
  side->addWidget(lb_progress);
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
  connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
  connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
  connect(BitBtn6, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
  connect(SpeedButton13, &QToolButton::clicked, this, [this] { SpeedButton13Click(); });
  connect(N1, &QAction::triggered, this, [this] { SpeedButton13Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
}

void TForm_zu_lotto_record::FormShow() {
  BitBtn2->setEnabled(download_enabled_);
  draw_table_.hold_newest_first();
  auto& grid = sgl->model_data().begin_edit();
  core::show_to_grid(grid, history_);
  sgl->model_data().end_edit();
  ui::set_label(lb_reclen, core::record_count_text(history_.draw_count));
}

void TForm_zu_lotto_record::reject() {
  if (!ui::BusyGuard::holds(this)) ui::FormDialog::reject();
}

void TForm_zu_lotto_record::show_loaded_table() {
  auto& grid = sgl->model_data().begin_edit();
  grid.resize(history_.draw_count + 1, core::kRecordColumns);
  core::set_record_header(grid, false);
  core::show_to_grid(grid, history_);
  sgl->model_data().end_edit();
}

void TForm_zu_lotto_record::refresh_balls(bool ascending) {
  if (const auto derived = draw_table_.derive_again(); !derived) {
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
void TForm_zu_lotto_record::BitBtn2Click() { emit download_requested(); }
void TForm_zu_lotto_record::SpeedButton13Click() { emit print_range_requested(sgl->grid()); }

std::string TForm_zu_lotto_record::draw_path() const {
  return core::draw_file_path(history_, ui::u8(main_.working_dir()));
}

void TForm_zu_lotto_record::reload_after_write() {
  main_.load_sequence();
  FormShow();
}

void TForm_zu_lotto_record::BitBtn4Click() {
  const auto files = ui::open_files(this, QStringLiteral("匯入開獎檔"),
                                    QStringLiteral("開獎結果檔 (*.csv *.zip)|*.csv;*.zip|所有檔案 (*)|*"));
  if (!files) return;
  std::vector<std::string> paths;
  for (const QString& file : *files) paths.push_back(ui::u8(file));
  const auto plan = [&] {
    // Twenty yearly archives take a while: say which one is read, and keep the window painted.
    ui::BusyGuard busy(this);
    const auto told = [&](std::size_t done, std::size_t total) {
      lb_progress->setText(QStringLiteral("正在讀取第 %1/%2 個檔案 %3")
                               .arg(done + 1)
                               .arg(total)
                               .arg(QFileInfo((*files)[static_cast<int>(done)]).fileName()));
      ui::repaint_now(lb_progress);
      ui::pump_events();
    };
    auto planned = exchange::plan_import_files(draw_path(), paths, main_.clock().today_text(), told);
    lb_progress->clear();
    return planned;
  }();
  if (!plan) return ui::show_error(this, plan.error());
  const std::vector<std::string> lines = exchange::import_summary(*plan, kLinesShown);  // conflicts cut short
  const QString summary = shown_lines(lines, lines.size());
  if (!plan->has_additions()) {
    ui::message(this, ui::MessageKind::Information, summary + QStringLiteral("\n沒有需要新增的開獎資料"));
    return;
  }
  if (!ui::confirm(this, summary + QStringLiteral("\n\n確定要寫入開獎資料檔嗎?(原檔案會先備份)"),
                   ui::MessageKind::Information))
    return;
  if (const core::Status written = exchange::replace_draw_file(draw_path(), plan->bytes, main_.clock().now());
      !written)
    return ui::show_error(this, written.error());
  reload_after_write();
  ui::message(this, ui::MessageKind::Information,
              QStringLiteral("匯入完成,新增 %1 期").arg(static_cast<int>(plan->added.size())));
}

void TForm_zu_lotto_record::BitBtn5Click() {
  if (!restore_window) return;
  if (!restore_window->open_for(draw_path(), main_.clock())) {
    ui::message(this, ui::MessageKind::Information, QStringLiteral("目前沒有開獎資料的備份"));
    return;
  }
  ui::show_modal(restore_window);
}

void TForm_zu_lotto_record::BitBtn6Click() {
  const auto bytes = core::read_bytes(draw_path());
  if (!bytes) return ui::show_error(this, bytes.error());
  const std::vector<std::string> findings = core::check_history(*bytes, main_.clock().today_text());
  if (findings.empty()) {
    ui::message(this, ui::MessageKind::Information, QString::fromUtf8(core::kNoProblemsFound));
    return;
  }
  if (!check_window) return;
  check_window->show_findings(history_.draw_file_name, findings);
  ui::show_modal(check_window);
}
