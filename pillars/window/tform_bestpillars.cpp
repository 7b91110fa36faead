#include "pillars/window/tform_bestpillars.h"

#include <QLabel>
#include <QLayout>
#include <QShowEvent>
#include <QTabWidget>
#include <algorithm>

#include "ui/busy_guard.h"

namespace {

constexpr int kClientWidth = 907;
constexpr int kClientHeight = 594;

}  // namespace

using bestpillarswin::Sheet;

TForm_bestpillars::TForm_bestpillars(const core::DrawHistory& history, const core::Clock& clock, QWidget* parent)
    : ui::FormDialog(parent), history_(history), links_{history, clock, state_, working_dir_} {
  setObjectName("TForm_bestpillars");
  setWindowTitle(QStringLiteral("最佳彩柱"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  state_.reset_tables(history_.max_ball);
  state_.reset_layout();
  link_sheets();
  build_sheets();
  connect_sheets();
  const QSize needed = layout()->totalSizeHint();
  setFixedSize(std::max(kClientWidth, needed.width()), std::max(kClientHeight, needed.height()));
}

TForm_bestpillars::~TForm_bestpillars() = default;

void TForm_bestpillars::link_sheets() {
  links_.period_lines = [this] { return TS2->Memo1->lines(); };
  links_.rerun_query = [this] { return TS2->rerun_query(); };
  links_.report_lines = [this] { return TS6->Memo2->lines(); };
  links_.clear_report = [this] { return TS6->report->clear(); };
  links_.write_report = [this](const std::vector<std::string>& lines) { TS6->Memo2->set_lines(lines); };
  links_.show_sheet = [this](Sheet which) { PageC->setCurrentWidget(sheet(which)); };
  links_.open_walk_forward = [this](const std::vector<std::string>& selection) {
    emit walk_forward_requested(selection);
  };
  links_.open_backtest = [this](int window, int count) { emit backtest_requested(window, count); };
  links_.ask_for_selection = [this](std::optional<int> count) {
    if (count) TS4->suggest_count(*count);
    PageC->setCurrentWidget(TS4);
  };
}

void TForm_bestpillars::build_sheets() {
  PageC = new QTabWidget(this);
  PageC->setObjectName("PageC");
  PageC->setStyleSheet(
      "QTabBar::tab { min-width: 118px; padding: 6px 10px; margin: 2px; border: 1px solid gray;"
      " border-radius: 3px; background: rgb(230,230,230); }"
      "QTabBar::tab:selected { background: rgb(255,255,225); font-weight: bold; }");
  PageC->addTab(TS2 = new bestpillarswin::PeriodSheet(links_), QStringLiteral("號碼來源"));
  PageC->addTab(TS3 = new bestpillarswin::StatisticsSheet(links_), QStringLiteral("號碼和尾數統計"));
  PageC->addTab(TS4 = new bestpillarswin::SelectionSheet(links_), QStringLiteral("選擇號碼"));
  PageC->addTab(TS5 = new bestpillarswin::PillarSheet(links_), QStringLiteral("選擇柱數"));
  PageC->addTab(TS6 = new bestpillarswin::PillarReportSheet(links_), QStringLiteral("彩柱驗證"));
  PageC->addTab(TS7 = new bestpillarswin::FullCombinationSheet(links_), QStringLiteral("連碰驗證"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(PageC);
}

void TForm_bestpillars::connect_sheets() {
  using namespace bestpillarswin;
  connect(TS2, &PeriodSheet::period_written, this, [this](const std::vector<std::string>& lines) {
    TS6->Memo2->set_lines(lines);
    TS7->Memo3->set_lines(lines);
  });
  connect(TS2, &PeriodSheet::statistics_written, TS3, &StatisticsSheet::show_statistics);
  connect(TS4, &SelectionSheet::selection_changed, this, [this](const pillars::Selection& selection) {
    TS5->show_selection(selection);
    TS6->show_selection(selection);
    TS7->show_selection(selection);
  });
  connect(TS4, &SelectionSheet::numbers_chosen, TS5, &PillarSheet::CB_SelectChange);
}

QWidget* TForm_bestpillars::sheet(Sheet which) const {
  switch (which) {
    case Sheet::Period: return TS2;
    case Sheet::Statistics: return TS3;
    case Sheet::Selection: return TS4;
    case Sheet::Pillars: return TS5;
    case Sheet::PillarReport: return TS6;
    case Sheet::FullCombination: return TS7;
  }
  return TS2;
}

void TForm_bestpillars::set_logo(const QPixmap& logo) {
  TS2->Image1->setPixmap(logo.scaled(TS2->Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool TForm_bestpillars::busy() const { return ui::BusyGuard::holds(this); }

void TForm_bestpillars::reject() {
  if (!busy()) QDialog::reject();
}

void TForm_bestpillars::FormShow() {
  TS5->reset_layout();
  TS2->reset_trace_dates();
  PageC->setCurrentWidget(TS2);
  TS3->reset_progress();
  reset_table();
  TS2->Button1Click();
}

void TForm_bestpillars::reset_table() {
  TS4->show_numbers_up_to(history_.max_ball);
  TS2->reset_dates();
  state_.reset_tables(history_.max_ball);
  TS2->get_sumno();
}
