#include "pillars/window/tform_zu_walk_forward.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <chrono>

#include "core/spreadsheet.h"
#include "pillars/walk_forward_report.h"
#include "ui/busy_guard.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/events.h"
#include "ui/spreadsheet_save.h"
#include "ui/widgets.h"

namespace {

// Steps computed between two event pumps: the window repaints and the stop button
// answers well within a tenth of a second, while a run loses little to pumping.
constexpr std::chrono::milliseconds kSlice{40};

}  // namespace

TForm_zu_walk_forward::TForm_zu_walk_forward(const core::DrawHistory& history, QWidget* parent)
    : QDialog(parent), history_(history) {
  setObjectName("TForm_zu_walk_forward");
  setWindowTitle(QStringLiteral("回測驗證"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  build();
  resize(1280, 700);
}

TForm_zu_walk_forward::~TForm_zu_walk_forward() = default;

void TForm_zu_walk_forward::build() {
  settings = new walkforward::SettingsPanel(this);
  btn_start = ui::push_button(this, QStringLiteral("開始"), "btn_start");
  btn_stop = ui::push_button(this, QStringLiteral("停止"), "btn_stop");
  btn_stop->setEnabled(false);
  pb_progress = new QProgressBar(this);
  pb_progress->setObjectName("pb_progress");
  pb_progress->setRange(0, 1);
  pb_progress->setValue(0);
  lb_progress = ui::label(this, QStringLiteral("尚未執行"), "lb_progress");
  btn_save_txt = ui::push_button(this, QStringLiteral("存檔(txt)"), "btn_save_txt");
  btn_save_csv = ui::push_button(this, QStringLiteral("存檔(csv)"), "btn_save_csv");
  PageC = new QTabWidget(this);
  PageC->setObjectName("PageC");
  PageC->addTab(TS_summary = new walkforward::SummarySheet, QStringLiteral("摘要與累計圖"));
  PageC->addTab(TS_steps = new walkforward::StepsSheet, QStringLiteral("各期明細"));

  auto* commands = ui::row();
  commands->addWidget(btn_start);
  commands->addWidget(btn_stop);
  commands->addWidget(pb_progress, 1);
  commands->addWidget(lb_progress);
  commands->addSpacing(24);
  commands->addWidget(btn_save_txt);
  commands->addWidget(btn_save_csv);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(settings);
  layout->addLayout(commands);
  layout->addWidget(PageC, 1);

  connect(btn_start, &QPushButton::clicked, this, [this] { btn_startClick(); });
  connect(btn_stop, &QPushButton::clicked, this, [this] { btn_stopClick(); });
  connect(btn_save_txt, &QPushButton::clicked, this, [this] { btn_save_txtClick(); });
  connect(btn_save_csv, &QPushButton::clicked, this, [this] { btn_save_csvClick(); });
}

void TForm_zu_walk_forward::use_selection(const std::vector<std::string>& selection) {
  settings->use_selection(selection);
}

bool TForm_zu_walk_forward::busy() const { return ui::BusyGuard::holds(this); }

void TForm_zu_walk_forward::reject() {
  if (!busy()) QDialog::reject();
}

void TForm_zu_walk_forward::btn_startClick() {
  settings->set_max_ball(history_.max_ball);
  const auto chosen = settings->read_settings();
  if (!chosen) return;
  auto started = pillars::WalkForwardRun::start(history_, *chosen);
  if (!started) return settings->show_run_refusal(started.error().text);
  run_.emplace(std::move(*started));
  TS_steps->show_steps({});
  TS_summary->clear_run();
  pb_progress->setRange(0, run_->total());
  pb_progress->setValue(0);
  stop_requested_ = false;
  {
    ui::BusyGuard busy(this, {btn_stop});
    btn_stop->setEnabled(true);
    btn_stop->setFocus();
    run_steps();
  }
  btn_stop->setEnabled(false);
  show_results();
}

void TForm_zu_walk_forward::run_steps() {
  using Clock = std::chrono::steady_clock;
  while (!run_->finished()) {
    pb_progress->setValue(run_->computed());
    lb_progress->setText(QStringLiteral("%1 / %2").arg(run_->computed()).arg(run_->total()));
    ui::pump_events();
    if (stop_requested_) return;
    const auto until = Clock::now() + kSlice;
    do run_->compute_next();
    while (!run_->finished() && Clock::now() < until);
  }
}

void TForm_zu_walk_forward::btn_stopClick() { stop_requested_ = true; }

void TForm_zu_walk_forward::show_results() {
  pb_progress->setValue(run_->computed());
  const QString done = QStringLiteral("%1 / %2").arg(run_->computed()).arg(run_->total());
  lb_progress->setText(run_->finished() ? done : done + QStringLiteral("（已停止）"));
  TS_steps->show_steps(run_->steps());
  TS_summary->show_run(*run_);
}

void TForm_zu_walk_forward::btn_save_txtClick() { save(false); }
void TForm_zu_walk_forward::btn_save_csvClick() { save(true); }

void TForm_zu_walk_forward::save(bool csv) {
  if (!run_) return ui::message(this, ui::MessageKind::Information, QStringLiteral("請先按「開始」執行回測驗證"));
  std::vector<std::string> lines;
  if (!csv) {
    lines = pillars::walk_summary_text(run_->settings(), run_->summary());
    lines.push_back("");
  }
  const auto all = pillars::walk_forward_lines(*run_);
  lines.insert(lines.end(), all.begin(), all.end());
  // The spreadsheet is the grid whichever button asked: its cells are what one computes with.
  const core::Sheet sheet = core::sheet_of_lines(windowTitle().toStdString(), all);
  (void)ui::save_file(this, QStringLiteral("儲存回測驗證"), csv ? "csv" : "txt",
                      ui::with_spreadsheet(csv ? QStringLiteral("Execel檔案(*.csv)|*.csv")
                                               : QStringLiteral("文字檔案(*.txt)|*.txt")),
                      [&](const QString& path) { return ui::write_lines_or_sheet(path, lines, sheet); });
}
