#include "app/tform_zu_restore.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "core/text_file.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace {

constexpr int kColumns = 3;

std::string summary_text(const exchange::DrawFileSummary& summary) {
  return "共 " + std::to_string(summary.draws) + " 期,最新開獎日期 " +
         (summary.newest_date.empty() ? std::string("(無)") : summary.newest_date);
}

std::string taken_text(const exchange::BackupFile& file) {
  std::string text = core::format_date_time(file.taken);
  if (file.sequence > 0) text += " (" + std::to_string(file.sequence + 1) + ")";
  return text;
}

}  // namespace

TForm_zu_restore::TForm_zu_restore(QWidget* parent) : ui::FormDialog(parent) {
  setObjectName("TForm_zu_restore");
  setWindowTitle(QStringLiteral("還原備份"));
  build();
}

void TForm_zu_restore::build() {
  lb_current = new QLabel(this);
  lb_current->setObjectName("lb_current");
  sg_backups = new ui::StringGrid(this);
  sg_backups->setObjectName("sg_backups");
  sg_backups->model_data().set_fixed_rows(1);
  sg_backups->set_column_widths({170, 110, 120});
  sg_backups->setSelectionBehavior(QAbstractItemView::SelectRows);
  sg_backups->setSelectionMode(QAbstractItemView::SingleSelection);
  sg_backups->horizontalHeader()->setStretchLastSection(true);
  auto* note = new QLabel(QStringLiteral("還原前,目前的開獎資料會先另存一份備份,隨時可以再還原回來."), this);
  note->setStyleSheet("color: rgb(0, 90, 45);");
  Button1 = ui::push_button(this, QStringLiteral("還原"), "Button1");
  Button2 = ui::push_button(this, QStringLiteral("關閉"), "Button2");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lb_current);
  layout->addWidget(sg_backups, 1);
  layout->addWidget(note);
  layout->addLayout(buttons);
  resize(480, 380);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { reject(); });
  connect(sg_backups, &QTableView::doubleClicked, this, [this] { Button1Click(); });
}

bool TForm_zu_restore::open_for(const std::string& draw_path, const core::Clock& clock) {
  draw_path_ = draw_path;
  clock_ = &clock;
  listings_ = exchange::describe_backups(draw_path, clock.today_text());
  if (listings_.empty()) return false;
  const auto current = core::read_bytes(draw_path);
  const exchange::DrawFileSummary now_held =
      current ? exchange::summarize_draw_file(*current, clock.today_text()) : exchange::DrawFileSummary{};
  ui::set_label(lb_current, "目前的開獎資料" + summary_text(now_held));
  auto& grid = sg_backups->model_data().begin_edit();
  grid.resize(static_cast<int>(listings_.size()) + 1, kColumns);
  grid.set_row(0, {"備份時間", "期數", "最新開獎日期"});
  for (std::size_t i = 0; i < listings_.size(); ++i) {
    const exchange::BackupListing& listing = listings_[i];
    grid.set_row(static_cast<int>(i) + 1, {taken_text(listing.file), std::to_string(listing.summary.draws),
                                           listing.summary.newest_date});
  }
  sg_backups->model_data().end_edit();
  sg_backups->selectRow(0);
  return true;
}

const exchange::BackupListing* TForm_zu_restore::chosen() const {
  const int row = sg_backups->currentIndex().row();
  return row >= 0 && row < static_cast<int>(listings_.size()) ? &listings_[static_cast<std::size_t>(row)] : nullptr;
}

void TForm_zu_restore::Button1Click() {
  const exchange::BackupListing* listing = chosen();
  if (!listing || !clock_) {
    ui::message(this, ui::MessageKind::Information, QStringLiteral("請先選擇要還原的備份"));
    return;
  }
  const std::string question = "確定要以 " + taken_text(listing->file) + " 的備份(" + summary_text(listing->summary) +
                               ")取代目前的開獎資料嗎?\n目前的開獎資料會先另存一份備份.";
  if (!ui::confirm(this, ui::qs(question))) return;
  if (const core::Status restored = exchange::restore_backup(draw_path_, listing->file, clock_->now()); !restored) {
    ui::show_error(this, restored.error());
    return;
  }
  ui::message(this, ui::MessageKind::Information, QStringLiteral("還原完成"));
  accept();
  emit restored();
}
