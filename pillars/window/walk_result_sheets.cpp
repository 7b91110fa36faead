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

#include "ui/controls.h"
#include "ui/widgets.h"

namespace walkforward {

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
  core::TextGrid grid(static_cast<int>(steps.size()) + 1, static_cast<int>(titles.size()));
  grid.set_row(0, titles);
  for (std::size_t k = 0; k < steps.size(); ++k) grid.set_row(static_cast<int>(k) + 1, pillars::walk_step_fields(steps[k]));
  sg_steps->set_grid(std::move(grid));
}

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
  band->setName(QStringLiteral("隨機 95% 範圍 (±1.96σ)"));
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
  axis_y_->setLabelFormat(QStringLiteral("%g"));
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
  show_curve(pillars::walk_curve(run), summary.ranked_star);
  ch_cumulative->chart()->setTitle(ui::qs(pillars::star_name(summary.ranked_star) + "：樣本外累計中獎與隨機期望"));
}

void SummarySheet::show_curve(const pillars::WalkCurve& curve, int ranked_star) {
  QList<QPointF> w, e, low, high;
  w << QPointF(0, 0);
  e << QPointF(0, 0);
  low << QPointF(0, 0);
  high << QPointF(0, 0);
  double top = 1;
  for (std::size_t i = 0; i < curve.played.size(); ++i) {
    const double x = curve.played[i];
    w << QPointF(x, curve.wins[i]);
    e << QPointF(x, curve.expected[i]);
    low << QPointF(x, std::max(0.0, curve.low[i]));
    high << QPointF(x, curve.high[i]);
    top = std::max({top, curve.wins[i], curve.high[i]});
  }
  wins->replace(w);
  expected->replace(e);
  band_low->replace(low);
  band_high->replace(high);
  axis_x_->setRange(0, curve.played.empty() ? 1 : std::max(1.0, curve.played.back()));
  axis_y_->setRange(0, top * 1.05);
  axis_y_->applyNiceNumbers();
  axis_y_->setTitleText(ui::qs("累計" + pillars::star_name(ranked_star) + "中獎碰數"));
}

}  // namespace walkforward
