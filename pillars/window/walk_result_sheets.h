// The result sheets of the walk-forward window:
// - StepsSheet "各期明細": one grid row per step, the fields the command line prints;
// - SummarySheet "摘要與累計圖": the summary and a plain explanation of what it means,
//   beside a line chart of the ranked star's cumulative out-of-sample wins after each
//   played draw against the cumulative chance expectation and the exact 2.5-97.5 % range
//   of each point taken alone.
#pragma once

#include <QWidget>
#include <span>

#include "pillars/walk_forward.h"
#include "pillars/walk_forward_report.h"
#include "ui/chance_band_chart.h"
#include "ui/memo.h"
#include "ui/string_grid.h"

class QChartView;
class QLabel;
class QLineSeries;
class QAreaSeries;
class QValueAxis;

namespace walkforwardwin {

class StepsSheet : public QWidget {
  Q_OBJECT

 public:
  explicit StepsSheet(QWidget* parent = nullptr);
  void show_steps(const std::vector<pillars::WalkStep>& steps);
  // The steps as rows after those shown.
  void append_steps(std::span<const pillars::WalkStep> steps);

  ui::StringGrid* sg_steps = nullptr;
};

class SummarySheet : public QWidget {
  Q_OBJECT

 public:
  explicit SummarySheet(QWidget* parent = nullptr);
  void show_run(const pillars::WalkForwardRun& run);
  void clear_run();

  ui::Memo* mm_summary = nullptr;
  QLabel* lb_explanation = nullptr;
  ui::ChanceBandChart* ch_cumulative = nullptr;
  QLineSeries *wins = nullptr, *expected = nullptr, *band_low = nullptr, *band_high = nullptr;  // its series

 private:
  void build_chart();
  void show_curve(const std::vector<pillars::WalkPoint>& points, int ranked_star);

  QValueAxis *axis_x_ = nullptr, *axis_y_ = nullptr;
};

}  // namespace walkforwardwin
