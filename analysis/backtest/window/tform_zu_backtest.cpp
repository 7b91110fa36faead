#include "analysis/backtest/window/tform_zu_backtest.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/backtest/backtest_report.h"
#include "core/spreadsheet.h"
#include "ui/busy_guard.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/run_bar.h"
#include "ui/spreadsheet_save.h"
#include "ui/widgets.h"

TForm_zu_backtest::TForm_zu_backtest(const core::DrawHistory& history, QWidget* parent)
    : ui::FormDialog(parent), history_(history) {
  setObjectName("TForm_zu_backtest");
  setWindowTitle(QStringLiteral("號碼回測"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  build();
  resize(1280, 720);
}

TForm_zu_backtest::~TForm_zu_backtest() = default;

void TForm_zu_backtest::build() {
  settings = new backtestwin::SettingsPanel(this);
  btn_run = ui::push_button(this, QStringLiteral("執行"), "btn_run");
  btn_all = ui::push_button(this, QStringLiteral("全部方法"), "btn_all");
  btn_save_txt = ui::push_button(this, QStringLiteral("存檔(txt)"), "btn_save_txt");
  btn_save_csv = ui::push_button(this, QStringLiteral("存檔(csv)"), "btn_save_csv");
  run_bar = new ui::RunBar(this, {btn_run, btn_all}, {btn_save_txt, btn_save_csv});
  btn_stop = run_bar->btn_stop;
  pb_progress = run_bar->pb_progress;
  lb_progress = run_bar->lb_progress;
  PageC = new QTabWidget(this);
  PageC->setObjectName("PageC");
  PageC->addTab(TS_summary = new backtestwin::SummarySheet, QStringLiteral("摘要與累計圖"));
  PageC->addTab(TS_steps = new backtestwin::StepsSheet, QStringLiteral("各期明細"));
  PageC->addTab(TS_all = new backtestwin::AllMethodsSheet, QStringLiteral("全部方法"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(settings);
  layout->addWidget(run_bar);
  layout->addWidget(PageC, 1);

  connect(btn_run, &QPushButton::clicked, this, [this] { btn_runClick(); });
  connect(btn_all, &QPushButton::clicked, this, [this] { btn_allClick(); });
  connect(btn_save_txt, &QPushButton::clicked, this, [this] { btn_save_txtClick(); });
  connect(btn_save_csv, &QPushButton::clicked, this, [this] { btn_save_csvClick(); });
}

void TForm_zu_backtest::FormShow() {
  if (!busy()) tried_.clear();
}

void TForm_zu_backtest::use_texts(const backtest::Texts& texts) {
  settings->use_texts(texts);
  PageC->setCurrentWidget(TS_summary);
}

bool TForm_zu_backtest::busy() const { return ui::BusyGuard::holds(this); }

void TForm_zu_backtest::reject() {
  if (!busy()) QDialog::reject();
}

bool TForm_zu_backtest::compute(backtest::Backtest& run, int done, int total, bool show_steps) {
  std::size_t shown = 0;
  return run_bar->run_slices([&] { return run.finished(); }, [&] { run.compute_next(); },
                             [&] {
                               if (show_steps) TS_steps->show_steps(&run, shown);
                               shown = run.steps().size();
                               run_bar->show_progress(done + run.computed(), total, false);
                             });
}

void TForm_zu_backtest::btn_runClick() {
  auto chosen = settings->read_settings();
  if (!chosen) return;
  auto started = backtest::Backtest::start(history_, *chosen);
  if (!started) return settings->show_run_refusal(started.error().text);
  run_.emplace(std::move(*started));
  tried_.insert(backtest::title(run_->settings()) + "|" + std::to_string(run_->settings().test));
  TS_steps->show_steps(nullptr);
  TS_summary->clear_run(QStringLiteral("回測中…"));
  PageC->setCurrentWidget(PageC->currentWidget() == TS_all ? static_cast<QWidget*>(TS_summary) : PageC->currentWidget());
  stopped_ = !compute(*run_, 0, run_->total(), true);
  run_bar->show_progress(run_->computed(), run_->total(), stopped_);
  TS_steps->show_steps(&*run_);
  TS_summary->show_run(*run_, tried(), stopped_);
}

void TForm_zu_backtest::btn_allClick() {
  const auto test = settings->read_test();
  if (!test) return;
  std::vector<backtest::Backtest> runs;
  for (const backtest::Settings& s : backtest::all_methods_settings(*test)) {
    auto started = backtest::Backtest::start(history_, s);
    if (!started) return settings->show_run_refusal(started.error().text);
    runs.push_back(std::move(*started));
  }
  TS_all->clear_table();
  PageC->setCurrentWidget(TS_all);
  bool finished = true;
  for (std::size_t m = 0; m < runs.size() && finished; ++m)
    finished = compute(runs[m], static_cast<int>(m) * *test, static_cast<int>(runs.size()) * *test, false);
  int done = 0;
  for (const auto& run : runs) done += run.computed();
  run_bar->show_progress(done, static_cast<int>(runs.size()) * *test, !finished);
  if (!finished) {
    all_.reset();
    TS_all->clear_table();
    return TS_all->lb_all->setText(QStringLiteral("已停止：四種方法沒有全部算完，所以不列出部分結果。"));
  }
  all_ = AllMethods{*test, {}};
  for (const auto& run : runs) all_->summaries.push_back(run.summary(backtest::kAllMethodsThreshold));
  TS_all->show_table(*test, all_->summaries);
}

void TForm_zu_backtest::btn_save_txtClick() { save(false); }
void TForm_zu_backtest::btn_save_csvClick() { save(true); }

std::vector<std::string> TForm_zu_backtest::saved_lines(bool csv) const {
  if (PageC->currentWidget() == TS_all && all_) return backtest::all_methods_lines(all_->test, all_->summaries);
  std::vector<std::string> lines;
  if (stopped_) lines.push_back("已停止：只算了前 " + std::to_string(run_->computed()) + " 期");
  if (!csv) {
    const auto plain = backtest::plain_summary(run_->summary());
    lines.insert(lines.end(), plain.begin(), plain.end());
    lines.push_back(backtest::settings_tried_text(run_->summary(), tried()));
    lines.push_back("");
  }
  const auto all = backtest::backtest_lines(*run_);
  lines.insert(lines.end(), all.begin(), all.end());
  return lines;
}

void TForm_zu_backtest::save(bool csv) {
  const bool all_shown = PageC->currentWidget() == TS_all;
  if (all_shown ? !all_ : !run_)
    return ui::message(this, ui::MessageKind::Information,
                       all_shown ? QStringLiteral("請先按「全部方法」執行回測") : QStringLiteral("請先按「執行」執行號碼回測"));
  const std::vector<std::string> lines = saved_lines(csv);
  // The spreadsheet is the grid whichever button asked: its cells are what one computes with.
  const core::Sheet sheet = core::sheet_of_lines(windowTitle().toStdString(), saved_lines(true));
  ui::save_lines_or_sheet(this, QStringLiteral("儲存號碼回測"), csv, lines, sheet);
}
