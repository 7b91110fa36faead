// Construction, the show-time reset and what every sheet shares: messages, page
// switches and the busy state of long runs.
#include "pillars/window/tform_bestpillars.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <algorithm>

#include "core/numbers.h"
#include "pillars/messages.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/memo.h"

namespace {

constexpr int kClientWidth = 907;
constexpr int kClientHeight = 594;
const QDate kDefaultStart(2009, 1, 1);

QDate to_qdate(const core::Date& d) { return QDate(d.year, d.month, d.day); }

}  // namespace

TForm_bestpillars::TForm_bestpillars(core::DrawHistory& history, const core::Clock& clock,
                                     QWidget* parent)
    : QDialog(parent), history_(history), clock_(clock) {
  setObjectName("TForm_bestpillars");
  setWindowTitle(QStringLiteral("最佳彩柱"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  build_sheets();
  connect_handlers();
  state_.reset_tables(history_.max_ball);
  state_.reset_layout();
  apply_pillar_look();
  const QSize needed = layout()->totalSizeHint();
  setFixedSize(std::max(kClientWidth, needed.width()), std::max(kClientHeight, needed.height()));
}

TForm_bestpillars::~TForm_bestpillars() = default;

void TForm_bestpillars::set_logo(const QPixmap& logo) {
  Image1->setPixmap(logo.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TForm_bestpillars::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A restore from the task bar is not a new opening of the workbench.
  if (!event->spontaneous()) FormShow();
}

void TForm_bestpillars::closeEvent(QCloseEvent* event) {
  if (busy_) return event->ignore();  // a run still uses the window's memos and state
  QDialog::closeEvent(event);
}

void TForm_bestpillars::reject() {
  if (!busy_) QDialog::reject();
}

void TForm_bestpillars::FormShow() {
  state_.pillar_count = 4;
  ui::set_text(CB_Select, "4");
  for (int i = 1; i <= pillars::kMaxPillars; ++i) ui::set_text(cb_pillar[i], i <= 4 ? "2" : "0");
  ComboBox1Change();

  const std::vector<std::string> dates = pillars::recent_draw_dates(history_);
  ui::set_items(cb_date, dates);
  ui::set_text(cb_date, dates.empty() ? std::string() : dates.front());
  if (!dates.empty()) cb_dateChange();

  PageC->setCurrentWidget(TS2);
  for (QLabel* progress : {lb2s, lb3s, lb4s}) ui::set_label(progress, std::string(pillars::msg::kProgressIdle));
  reset_table();
  Button1Click();
}

void TForm_bestpillars::reset_table() {
  for (int n = 1; n <= pillars::kMaxNumbers; ++n) no_box[n]->setVisible(n <= history_.max_ball);
  DateTimePicker1->setDate(kDefaultStart);
  DateTimePicker2->setDate(to_qdate(clock_.today()));
  state_.reset_tables(history_.max_ball);
  get_sumno();
}

// ---- shared helpers ----

void TForm_bestpillars::show_message(ui::MessageKind kind, std::string_view text) {
  ui::message(this, kind, ui::qs(std::string(text)));
}

void TForm_bestpillars::warn(std::string_view text) {
  show_message(ui::MessageKind::Warning, text);
}

void TForm_bestpillars::refuse(const core::Error& error) { ui::show_error(this, error); }

void TForm_bestpillars::show_sheet(QWidget* sheet) { PageC->setCurrentWidget(sheet); }

// ---- long runs ----

std::vector<QWidget*> TForm_bestpillars::command_widgets() const {
  std::vector<QWidget*> result;
  for (QWidget* sheet : {TS2, TS3, TS4, TS5, TS6, TS7}) {
    for (QWidget* child : sheet->findChildren<QWidget*>()) {
      if (qobject_cast<QAbstractButton*>(child) || qobject_cast<QComboBox*>(child) ||
          qobject_cast<QAbstractSpinBox*>(child) || qobject_cast<QPlainTextEdit*>(child))
        result.push_back(child);
    }
  }
  return result;
}

bool TForm_bestpillars::is_pillar_control(QWidget* widget) const {
  for (int i = 1; i <= pillars::kMaxPillars; ++i)
    if (widget == cb_pillar[i] || widget == mx_pillar[i]) return true;
  return false;
}

void TForm_bestpillars::begin_busy(const std::vector<QWidget*>& keep) {
  busy_ = true;
  pillar_count_before_busy_ = state_.pillar_count;
  enabled_before_busy_.clear();
  for (QWidget* widget : command_widgets()) {
    // The widget's own setting, not one inherited from a disabled parent.
    enabled_before_busy_.insert(widget, !widget->testAttribute(Qt::WA_ForceDisabled));
    const bool kept = std::find(keep.begin(), keep.end(), widget) != keep.end();
    widget->setEnabled(kept);
  }
  apply_pillar_look();
}

void TForm_bestpillars::end_busy() {
  busy_ = false;
  // A run that set a new pillar layout enables the pillar boxes by the new count;
  // otherwise every control gets back exactly the state it had.
  const bool layout_changed = state_.pillar_count != pillar_count_before_busy_;
  for (auto it = enabled_before_busy_.cbegin(); it != enabled_before_busy_.cend(); ++it)
    if (!layout_changed || !is_pillar_control(it.key())) it.key()->setEnabled(it.value());
  enabled_before_busy_.clear();
  if (layout_changed) apply_pillar_look();
}
