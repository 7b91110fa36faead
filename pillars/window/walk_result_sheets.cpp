#include "pillars/window/walk_result_sheets.h"

#include <QChart>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPen>
#include <QPlainTextEdit>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/chance_band_chart.h"
#include "ui/controls.h"
#include "ui/widgets.h"

namespace walkforwardwin {

StepsSheet::StepsSheet(QWidget* parent) : QWidget(parent) {
  sg_steps = new ui::StringGrid(this);
  sg_steps->setObjectName("sg_steps");
  sg_steps->model_data().set_fixed_rows(1);
  sg_steps->model_data().set_alignment(Qt::AlignCenter);
  sg_steps->set_row_height(20);
  show_steps({});
  sg_steps->set_column_widths({48, 86, 64, 240, 240, 74, 74, 74, 74, 74, 74, 74});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(sg_steps);
}

void StepsSheet::show_steps(const std::vector<pillars::WalkStep>& steps) {
  const auto titles = pillars::walk_step_titles();
  core::TextGrid grid(1, static_cast<int>(titles.size()));
  grid.set_row(0, titles);
  sg_steps->set_grid(std::move(grid));
  append_steps(steps);
}

void StepsSheet::append_steps(std::span<const pillars::WalkStep> steps) {
  if (steps.empty()) return;
  core::TextGrid& grid = sg_steps->model_data().begin_edit();
  const int first = grid.rows();
  grid.set_rows(first + static_cast<int>(steps.size()));
  for (std::size_t k = 0; k < steps.size(); ++k) grid.set_row(first + static_cast<int>(k), pillars::walk_step_fields(steps[k]));
  sg_steps->model_data().end_edit();
}

namespace {

// A whole-number step for an axis from 0 to `top`: 1, 2 or 5 times a power of ten, so
// that the axis has at most about eight labels, each a whole number.
double walk_axis_step(double top) {
  double step = 1;
  while (top / step > 8) {
    if (top / (step * 2) <= 8) return step * 2;
    if (top / (step * 5) <= 8) return step * 5;
    step *= 10;
  }
  return step;
}

void walk_whole_number_axis(QValueAxis* axis, double top) {
  const double step = walk_axis_step(std::max(1.0, top));
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  axis->setTickInterval(step);
  axis->setRange(0, std::ceil(std::max(1.0, top) / step) * step);
}

}  // namespace

SummarySheet::SummarySheet(QWidget* parent) : QWidget(parent) {
  mm_summary = ui::fixed_pitch_memo(this, "mm_summary");
  mm_summary->setReadOnly(true);
  mm_summary->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  lb_explanation = ui::label(this, {}, "lb_explanation");
  lb_explanation->setWordWrap(true);
  QStringList explanation;
  for (const auto& line : pillars::walk_explanation()) explanation << ui::qs(line);
  lb_explanation->setText(explanation.join(QStringLiteral("\n\n")));
  lb_explanation->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  build_chart();

  auto* left = new QVBoxLayout;
  left->addWidget(ui::heading(this, QStringLiteral("摘要"), QColor(0, 0, 128)));
  left->addWidget(mm_summary, 3);
  left->addWidget(ui::heading(this, QStringLiteral("怎麼看這些數字"), QColor(0, 0, 128)));
  left->addWidget(lb_explanation, 2);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(left, 1);
  layout->addWidget(ch_cumulative, 1);
}

void SummarySheet::build_chart() {
  ch_cumulative = new ui::ChanceBandChart(this, "ch_cumulative", QStringLiteral("隨機下每一點單獨的 95% 範圍"),
                                          QStringLiteral("樣本外累計中獎"), QStringLiteral("樣本外期數"));
  wins = ch_cumulative->observed;
  expected = ch_cumulative->expected;
  band_low = ch_cumulative->band_low;
  band_high = ch_cumulative->band_high;
  axis_x_ = ch_cumulative->axis_x;
  axis_y_ = ch_cumulative->axis_y;
  clear_run();
}

void SummarySheet::clear_run() {
  mm_summary->clear_lines();
  show_curve({}, 4);
  ch_cumulative->chart()->setTitle(QStringLiteral("按「開始」後，這裡畫出樣本外累計中獎與隨機期望"));
}

void SummarySheet::show_run(const pillars::WalkForwardRun& run) {
  const pillars::WalkSummary summary = run.summary();
  std::vector<std::string> lines = pillars::walk_summary_text(run.settings(), summary);
  lines.push_back("");
  const auto csv = pillars::walk_summary_lines(summary);
  lines.insert(lines.end(), csv.begin(), csv.end());
  mm_summary->set_lines(lines);
  show_curve(run.points(), summary.ranked_star);
  ch_cumulative->chart()->setTitle(ui::qs(pillars::star_name(summary.ranked_star) + "：樣本外累計中獎與隨機期望"));
}

void SummarySheet::show_curve(const std::vector<pillars::WalkPoint>& points, int ranked_star) {
  std::vector<ui::BandPoint> band_points;
  band_points.reserve(points.size());
  for (const pillars::WalkPoint& p : points)
    band_points.push_back({static_cast<double>(p.played), static_cast<double>(p.wins), p.expected,
                           static_cast<double>(p.low), static_cast<double>(p.high)});
  const double top = std::max(1.0, ch_cumulative->show(band_points));
  walk_whole_number_axis(axis_x_, points.empty() ? 1.0 : static_cast<double>(points.back().played));
  walk_whole_number_axis(axis_y_, top);
  axis_y_->setTitleText(ui::qs("累計" + pillars::star_name(ranked_star) + "中獎碰數"));
}

}  // namespace walkforwardwin
