#include "pillars/window/tform_zu_walk_forward.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <chrono>

#include "core/spreadsheet.h"
#include "pillars/walk_forward_report.h"
#include "ui/busy_guard.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/run_bar.h"
#include "ui/spreadsheet_save.h"
#include "ui/widgets.h"

namespace {

// The grid, summary and chart take the new steps at most this often while a run goes.
constexpr std::chrono::milliseconds kShowEvery{250};

}  // namespace

TForm_zu_walk_forward::TForm_zu_walk_forward(const core::DrawHistory& history, QWidget* parent)
    : ui::FormDialog(parent), history_(history) {
  setObjectName("TForm_zu_walk_forward");
  setWindowTitle(QStringLiteral("回測驗證"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  build();
  resize(1280, 700);
}

TForm_zu_walk_forward::~TForm_zu_walk_forward() = default;

void TForm_zu_walk_forward::build() {
  settings = new walkforwardwin::SettingsPanel(this);
  btn_start = ui::push_button(this, QStringLiteral("開始"), "btn_start");
  btn_save_txt = ui::push_button(this, QStringLiteral("存檔(txt)"), "btn_save_txt");
  btn_save_csv = ui::push_button(this, QStringLiteral("存檔(csv)"), "btn_save_csv");
  run_bar = new ui::RunBar(this, {btn_start}, {btn_save_txt, btn_save_csv});
  btn_stop = run_bar->btn_stop;
  pb_progress = run_bar->pb_progress;
  lb_progress = run_bar->lb_progress;
  lb_stale = ui::label(this, QStringLiteral("設定已變更：下方是上一次設定的結果，按「開始」以目前的設定重算"), "lb_stale");
  ui::set_look(lb_stale, QColor(170, 90, 0), true);
  lb_stale->hide();
  PageC = new QTabWidget(this);
  PageC->setObjectName("PageC");
  PageC->addTab(TS_summary = new walkforwardwin::SummarySheet, QStringLiteral("摘要與累計圖"));
  PageC->addTab(TS_steps = new walkforwardwin::StepsSheet, QStringLiteral("各期明細"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(settings);
  layout->addWidget(run_bar);
  layout->addWidget(lb_stale);
  layout->addWidget(PageC, 1);

  connect(settings, &walkforwardwin::SettingsPanel::edited, this, [this] {
    if (run_) lb_stale->show();
  });
  connect(btn_start, &QPushButton::clicked, this, [this] { btn_startClick(); });
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
  if (!chosen) return clear_results();
  auto started = pillars::WalkForwardRun::start(history_, *chosen);
  if (!started) {
    clear_results();
    return settings->show_run_refusal(started.error().text);
  }
  clear_results();
  run_.emplace(std::move(*started));
  run_steps();
  show_results();
}

void TForm_zu_walk_forward::clear_results() {
  run_.reset();
  shown_steps_ = 0;
  TS_steps->show_steps({});
  TS_summary->clear_run();
  run_bar->clear();
  lb_stale->hide();
}

void TForm_zu_walk_forward::run_steps() {
  // The first steps show as soon as a slice has computed them, later ones at most every
  // kShowEvery: a short run fills the grid while it goes too.
  auto next_show = std::chrono::steady_clock::now();
  run_bar->run_slices([this] { return run_->finished(); }, [this] { run_->compute_next(); },
                      [&] {
                        show_progress();
                        const bool nothing_new = static_cast<int>(run_->steps().size()) == shown_steps_;
                        if (nothing_new || std::chrono::steady_clock::now() < next_show) return;
                        show_new_steps();
                        next_show = std::chrono::steady_clock::now() + kShowEvery;
                      });
}

void TForm_zu_walk_forward::show_progress() {
  run_bar->show_progress(run_->computed(), run_->total(), !run_->finished() && !busy());
}

// The steps computed since the last showing join the grid; the summary and the chart
// are redrawn over all steps so far.
void TForm_zu_walk_forward::show_new_steps() {
  const auto& steps = run_->steps();
  TS_steps->append_steps({steps.begin() + shown_steps_, steps.end()});
  shown_steps_ = static_cast<int>(steps.size());
  TS_summary->show_run(*run_);
}

void TForm_zu_walk_forward::show_results() {
  show_progress();
  show_new_steps();
}

void TForm_zu_walk_forward::btn_save_txtClick() { save(false); }
void TForm_zu_walk_forward::btn_save_csvClick() { save(true); }

void TForm_zu_walk_forward::save(bool csv) {
  if (!run_) return ui::message(this, ui::MessageKind::Information, QStringLiteral("請先按「開始」執行回測驗證"));
  // A stopped run says so, at its head, in the text and in the spreadsheet alike.
  const std::vector<std::string> stopped = pillars::walk_stopped_lines(*run_);
  std::vector<std::string> lines = stopped;
  if (!csv) {
    const auto summary = pillars::walk_summary_text(run_->settings(), run_->summary());
    lines.insert(lines.end(), summary.begin(), summary.end());
    lines.push_back("");
  }
  const auto all = pillars::walk_forward_lines(*run_);
  lines.insert(lines.end(), all.begin(), all.end());
  // The spreadsheet is the grid whichever button asked: its cells are what one computes with.
  std::vector<std::string> grid = stopped;
  grid.insert(grid.end(), all.begin(), all.end());
  const core::Sheet sheet = core::sheet_of_lines(windowTitle().toStdString(), grid);
  ui::save_lines_or_sheet(this, QStringLiteral("儲存回測驗證"), csv, lines, sheet);
}
