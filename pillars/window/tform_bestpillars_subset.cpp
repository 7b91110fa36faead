// TS5's best-subset analyses "12取8超優分析" and "15取10超優分析". A run computes one
// subset between two event pumps, so the window repaints its progress and the stop
// buttons can be pressed; every other workbench command is disabled meanwhile.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "core/text_file.h"
#include "pillars/optimise_best_subset.h"
#include "pillars/optimise_texts.h"
#include "pillars/window/tform_bestpillars.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/events.h"
#include "ui/memo.h"

namespace text = pillars::optimise_text;
using pillars::arith::SubsetRun;

void TForm_bestpillars::Button31Click() { run_best_subset(SubsetRun::eight_of_twelve); }

void TForm_bestpillars::Button32Click() {
  if (!ui::confirm(this, ui::qs(std::string(text::kConfirmTenOfFifteen)))) return;
  run_best_subset(SubsetRun::ten_of_fifteen);
}

void TForm_bestpillars::btn_stopClick() {
  stop_12_8 = !stop_12_8;
  btn_stop->hide();
  ui::repaint_now(btn_stop);
}

void TForm_bestpillars::btn_stop_1510Click() {
  stop_15_10 = !stop_15_10;
  btn_stop_1510->hide();
  lb_percent->hide();
}

void TForm_bestpillars::run_best_subset(SubsetRun run) {
  const std::vector<std::string> lines = Memo1->lines();
  auto started = pillars::BestSubsetAnalysis::start(run, optimise_input(lines));
  if (const auto* refusal = std::get_if<pillars::OptimiseRefusal>(&started))
    return apply_refusal(*refusal);
  pillars::BestSubsetAnalysis& analysis = std::get<pillars::BestSubsetAnalysis>(started);

  const bool twelve = run == SubsetRun::eight_of_twelve;
  QPushButton* command = twelve ? Button31 : Button32;
  QPushButton* stop = twelve ? btn_stop : btn_stop_1510;
  bool& stop_requested = twelve ? stop_12_8 : stop_15_10;
  const QString caption =
      ui::qs(std::string(twelve ? text::kEightOfTwelveCaption : text::kTenOfFifteenCaption));

  const core::LocalDateTime start_time = clock_.now();
  apply_shape_layout(analysis.layout());
  stop_requested = false;
  Memo2->clear_lines();
  lb_percent->setText(ui::qs(std::string(text::kCounterIdle)));
  if (!twelve) lb_percent->show();
  stop->show();
  begin_busy({stop});
  stop->setFocus();

  const bool report = run_subsets(analysis, command, stop_requested);
  if (report) finish_best_subset(analysis, command, start_time);
  command->setText(caption);
  ui::repaint_now(command);
  stop->hide();
  lb_percent->hide();
  end_busy();
}

bool TForm_bestpillars::run_subsets(pillars::BestSubsetAnalysis& analysis, QPushButton* command,
                                    bool& stop_requested) {
  const bool twelve = analysis.run() == SubsetRun::eight_of_twelve;
  while (!analysis.finished()) {
    ui::pump_events();
    if (!twelve) {
      lb_percent->setText(ui::qs(analysis.counter_text()));
      ui::repaint_now(lb_percent);
    }
    if (stop_requested) {
      stop_requested = false;
      return analysis.reports_after_stop();
    }
    command->setText(ui::qs(analysis.progress_caption()));
    ui::repaint_now(command);
    analysis.compute_next();
  }
  return true;
}

void TForm_bestpillars::finish_best_subset(const pillars::BestSubsetAnalysis& analysis,
                                           QPushButton* command, const core::LocalDateTime& start_time) {
  command->setText(ui::qs(std::string(text::kSorting)));
  ui::repaint_now(command);
  const pillars::OptimiseReport report =
      analysis.report(core::format_date_time(start_time), core::format_date_time(clock_.now()));
  Memo2->set_lines(report.memo2);
  load_best(report.best);
  // The report stays in Memo2 when its file cannot be written (read-only folder, file
  // in use); the run still finishes.
  const QString path = QDir(working_dir_).filePath(ui::qs(std::string(analysis.report_file_name())));
  (void)core::write_lines_atomic(QFile::encodeName(path).toStdString(), report.memo2);
  show_sheet(TS6);
}
