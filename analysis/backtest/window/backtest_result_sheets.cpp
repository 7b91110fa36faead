#include "analysis/backtest/window/backtest_result_sheets.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QPlainTextEdit>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis/backtest/backtest_report.h"
#include "ui/chance_band_chart.h"
#include "ui/controls.h"
#include "ui/widgets.h"

namespace backtestwin {
namespace {

// The z of a 0.00625 upper tail of the normal law: where the corrected threshold stands on
// the z scale, for orientation only (the verdicts rest on the exact tails).
constexpr double kCorrectedZ = 2.50;

QLabel* wrapped_label(QWidget* parent, const QString& text, const QString& name = {}) {
  QLabel* label = ui::label(parent, text, name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  return label;
}

ui::StringGrid* result_grid(QWidget* parent, const QString& name) {
  auto* grid = new ui::StringGrid(parent);
  grid->setObjectName(name);
  grid->model_data().set_fixed_rows(1);
  grid->model_data().set_alignment(Qt::AlignCenter);
  grid->set_row_height(20);
  return grid;
}

// A tick interval of 1, 2 or 5 times a power of ten that cuts `range` into at most 10 steps.
double nice_step(double range) {
  for (double power = 1;; power *= 10)
    for (const double m : {1.0, 2.0, 5.0})
      if (range / (m * power) <= 10) return m * power;
}

const QString kHowToRead = QStringLiteral(
    "灰色範圍是隨機開獎時累計命中數逐期的 95% 範圍（精確計算，2.5% 到 97.5%）。它逐點成立：隨機的曲線也常在某處"
    "走出範圍一下，所以曲線出界不代表什麼；結論只看最後的累計命中數與它的精確尾機率。");

}  // namespace

StepsSheet::StepsSheet(QWidget* parent) : QWidget(parent) {
  sg_steps = result_grid(this, "sg_steps");
  show_steps(nullptr);
  sg_steps->set_column_widths({56, 90, 70, 300, 50, 160, 60});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(sg_steps);
}

void StepsSheet::show_steps(const backtest::Backtest* run, std::size_t from) {
  const auto titles = backtest::step_titles();
  const std::size_t count = run ? run->steps().size() : 0;
  core::TextGrid grid = from > 0 ? sg_steps->grid() : core::TextGrid(1, static_cast<int>(titles.size()));
  if (from == 0) grid.set_row(0, titles);
  grid.set_rows(static_cast<int>(count) + 1);
  for (std::size_t k = from; k < count; ++k)
    grid.set_row(static_cast<int>(k) + 1, backtest::step_fields(*run, run->steps()[k]));
  sg_steps->set_grid(std::move(grid));
}

SummarySheet::SummarySheet(QWidget* parent) : QWidget(parent) {
  lb_verdict = ui::sized_label(this, {}, "lb_verdict", 18, true);
  lb_verdict->setWordWrap(true);
  lb_tried = wrapped_label(this, {}, "lb_tried");
  mm_summary = ui::fixed_pitch_memo(this, "mm_summary");
  mm_summary->setReadOnly(true);
  mm_summary->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  build_chart();
  auto* left = new QVBoxLayout;
  left->addWidget(ui::heading(this, QStringLiteral("結論"), QColor(0, 0, 128)));
  left->addWidget(lb_verdict);
  left->addWidget(lb_tried);
  left->addWidget(ui::heading(this, QStringLiteral("摘要"), QColor(0, 0, 128)));
  left->addWidget(mm_summary, 1);
  left->addWidget(ui::heading(this, QStringLiteral("怎麼看這張圖"), QColor(0, 0, 128)));
  left->addWidget(wrapped_label(this, kHowToRead));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(left, 2);
  layout->addWidget(ch_cumulative, 3);
}

void SummarySheet::build_chart() {
  ch_cumulative = new ui::ChanceBandChart(this, "ch_cumulative", QStringLiteral("隨機 95% 範圍 (精確，逐點)"),
                                          QStringLiteral("累計命中數"), QStringLiteral("測試期數"));
  hits = ch_cumulative->observed;
  expected = ch_cumulative->expected;
  band_low = ch_cumulative->band_low;
  band_high = ch_cumulative->band_high;
  axis_x_ = ch_cumulative->axis_x;
  axis_y_ = ch_cumulative->axis_y;
  axis_y_->setTitleText(QStringLiteral("累計命中號碼數"));
  clear_run(QStringLiteral("按「執行」後，這裡畫出累計命中數與隨機期望"));
}

void SummarySheet::clear_run(const QString& why) {
  lb_verdict->setText(why);
  lb_tried->clear();
  mm_summary->clear_lines();
  show_curve({});
  ch_cumulative->chart()->setTitle(QString());
}

void SummarySheet::show_run(const backtest::Backtest& run, int tried, bool stopped) {
  const backtest::Summary summary = run.summary();
  std::vector<std::string> plain = backtest::plain_summary(summary);
  QString verdict = ui::qs(plain.front());
  if (stopped) verdict += QStringLiteral("（已停止：只算了前 %1 期）").arg(run.computed());
  lb_verdict->setText(verdict);
  lb_tried->setText(ui::qs(backtest::settings_tried_text(summary, tried)));
  std::vector<std::string> lines{backtest::title(run.settings())};
  lines.insert(lines.end(), plain.begin() + 1, plain.end());
  lines.push_back("");
  const auto csv = backtest::summary_lines(summary);
  lines.insert(lines.end(), csv.begin(), csv.end());
  mm_summary->set_lines(lines);
  show_curve(run.curve());
  ch_cumulative->chart()->setTitle(ui::qs(backtest::title(run.settings())));
}

void SummarySheet::show_curve(const std::vector<backtest::CurvePoint>& curve) {
  std::vector<ui::BandPoint> points;
  for (std::size_t i = 0; i < curve.size(); ++i)
    points.push_back({static_cast<double>(i + 1), static_cast<double>(curve[i].hits), curve[i].expected,
                      static_cast<double>(curve[i].low), static_cast<double>(curve[i].high)});
  const double top = std::max(10.0, ch_cumulative->show(points));  // whole-number labels on an empty chart too
  axis_x_->setRange(0, std::max<double>(1, static_cast<double>(curve.size())));
  axis_x_->setTickType(QValueAxis::TicksDynamic);
  axis_x_->setTickAnchor(0);
  axis_x_->setTickInterval(nice_step(static_cast<double>(curve.size())));
  axis_y_->setRange(0, top * 1.05);
  axis_y_->applyNiceNumbers();
}

AllMethodsSheet::AllMethodsSheet(QWidget* parent) : QWidget(parent) {
  sg_all = result_grid(this, "sg_all");
  sg_all->setMaximumHeight(130);
  lb_all = wrapped_label(this, {}, "lb_all");
  build_chart();
  clear_table();
  sg_all->set_column_widths({90, 80, 90, 70, 70, 80, 60, 70, 70, 130});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(sg_all);
  layout->addWidget(lb_all);
  layout->addWidget(ch_z, 1);
}

void AllMethodsSheet::build_chart() {
  ch_z = ui::chart_view(this, "ch_z");
  QChart* chart = ch_z->chart();
  z_values = new QBarSet(QStringLiteral("z 值"));
  z_values->setColor(QColor(70, 110, 180));
  auto* bars = new QBarSeries;
  bars->append(z_values);
  bars->setLabelsVisible(true);
  bars->setLabelsFormat(QStringLiteral("@value"));
  bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  z_values->setLabelColor(Qt::black);
  chart->addSeries(bars);
  auto* methods = new QBarCategoryAxis;
  for (const backtest::Method m : backtest::kMethods) methods->append(ui::qs(backtest::method_name(m)));
  axis_z_ = new QValueAxis;
  axis_z_->setTitleText(QStringLiteral("z 值"));
  axis_z_->setRange(-4, 4);
  axis_z_->setTickType(QValueAxis::TicksDynamic);
  axis_z_->setTickAnchor(0);
  axis_z_->setTickInterval(1);
  axis_z_->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(methods, Qt::AlignBottom);
  chart->addAxis(axis_z_, Qt::AlignLeft);
  bars->attachAxis(methods);
  bars->attachAxis(axis_z_);
  // The threshold lines run over the whole width, on a hidden axis of the category positions.
  auto* across = new QValueAxis;
  across->setRange(-0.5, 3.5);
  across->setVisible(false);
  chart->addAxis(across, Qt::AlignBottom);
  for (const double z : {kCorrectedZ, -kCorrectedZ}) {
    auto* line = new QLineSeries;
    line->setName(z > 0 ? QStringLiteral("校正門檻 (z ≈ ±2.50)") : QString());
    line->setPen(QPen(QColor(200, 30, 30), 2, Qt::DashLine));
    *line << QPointF(-0.5, z) << QPointF(3.5, z);
    chart->addSeries(line);
    line->attachAxis(across);
    line->attachAxis(axis_z_);
  }
  chart->legend()->markers(chart->series().back()).front()->setVisible(false);
}

void AllMethodsSheet::clear_table() {
  const auto titles = backtest::all_methods_titles();
  core::TextGrid grid(1, static_cast<int>(titles.size()));
  grid.set_row(0, titles);
  sg_all->set_grid(std::move(grid));
  lb_all->setText(QStringLiteral("按「全部方法」後，四種方法以各自的預設設定在同樣的測試期數上回測。"));
  QList<qreal> zeros(static_cast<int>(backtest::kMethods.size()), 0.0);
  z_values->remove(0, z_values->count());
  z_values->append(zeros);
  ch_z->chart()->setTitle(QString());
}

void AllMethodsSheet::show_table(int test, const std::vector<backtest::Summary>& summaries) {
  const auto lines = backtest::all_methods_lines(test, summaries);
  const auto titles = backtest::all_methods_titles();
  core::TextGrid grid(static_cast<int>(summaries.size()) + 1, static_cast<int>(titles.size()));
  grid.set_row(0, titles);
  double reach = 4;
  z_values->remove(0, z_values->count());
  for (std::size_t i = 0; i < summaries.size(); ++i) {
    grid.set_row(static_cast<int>(i) + 1, backtest::all_methods_fields(backtest::kMethods[i], summaries[i]));
    z_values->append(std::round(summaries[i].z * 100) / 100);
    reach = std::max(reach, std::ceil(std::abs(summaries[i].z) + 0.5));
  }
  sg_all->set_grid(std::move(grid));
  axis_z_->setRange(-reach, reach);
  lb_all->setText(QStringLiteral("測試期數 %1。同時比較四種方法，總有一種會碰巧過 2.5% 的門檻；所以這張表每一尾用 0.00625 "
                                 "(四種方法共用雙尾 5%，Bonferroni 校正)。紅線是這個門檻在 z 值上的大約位置，結論依精確尾機率。")
                      .arg(test));
  ch_z->chart()->setTitle(QStringLiteral("四種方法的 z 值"));
}

}  // namespace backtestwin
