#include "pillars/window/walk_result_sheets.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPen>
#include <QPlainTextEdit>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

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

// The view is given its chart at construction, so no default chart is made and leaked.
void SummarySheet::build_chart() {
  ch_cumulative = new QChartView(new QChart, this);
  ch_cumulative->setObjectName("ch_cumulative");
  ch_cumulative->setRenderHint(QPainter::Antialiasing);
  ch_cumulative->setMinimumWidth(420);
  QChart* chart = ch_cumulative->chart();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(4, 4, 4, 4));
  band_low = new QLineSeries(chart);
  band_high = new QLineSeries(chart);
  band = new QAreaSeries(band_high, band_low);
  band->setName(QStringLiteral("隨機下每一點單獨的 95% 範圍"));
  band->setColor(QColor(160, 160, 160, 90));
  band->setBorderColor(QColor(150, 150, 150));
  expected = new QLineSeries;
  expected->setName(QStringLiteral("隨機期望累計"));
  expected->setPen(QPen(QColor(90, 90, 90), 2, Qt::DashLine));
  wins = new QLineSeries;
  wins->setName(QStringLiteral("樣本外累計中獎"));
  wins->setPen(QPen(QColor(200, 30, 30), 2));
  axis_x_ = new QValueAxis;
  axis_x_->setTitleText(QStringLiteral("樣本外期數"));
  axis_x_->setLabelFormat(QStringLiteral("%d"));
  axis_y_ = new QValueAxis;
  axis_y_->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(axis_x_, Qt::AlignBottom);
  chart->addAxis(axis_y_, Qt::AlignLeft);
  for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(band), static_cast<QAbstractSeries*>(expected),
                                  static_cast<QAbstractSeries*>(wins)}) {
    chart->addSeries(series);
    series->attachAxis(axis_x_);
    series->attachAxis(axis_y_);
  }
  chart->legend()->setAlignment(Qt::AlignBottom);
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
  QList<QPointF> w, e, low, high;
  w.reserve(static_cast<qsizetype>(points.size()) + 1);
  w << QPointF(0, 0);
  e << QPointF(0, 0);
  low << QPointF(0, 0);
  high << QPointF(0, 0);
  double top = 1;
  for (const pillars::WalkPoint& p : points) {
    const double x = static_cast<double>(p.played);
    w << QPointF(x, static_cast<double>(p.wins));
    e << QPointF(x, p.expected);
    low << QPointF(x, static_cast<double>(p.low));
    high << QPointF(x, static_cast<double>(p.high));
    top = std::max({top, static_cast<double>(p.wins), static_cast<double>(p.high)});
  }
  wins->replace(w);
  expected->replace(e);
  band_low->replace(low);
  band_high->replace(high);
  walk_whole_number_axis(axis_x_, points.empty() ? 1.0 : static_cast<double>(points.back().played));
  walk_whole_number_axis(axis_y_, top);
  axis_y_->setTitleText(ui::qs("累計" + pillars::star_name(ranked_star) + "中獎碰數"));
}

}  // namespace walkforwardwin
