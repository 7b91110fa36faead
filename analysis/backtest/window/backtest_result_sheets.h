// The result sheets of the number backtest window:
// - SummarySheet "摘要與累計圖": the verdict in plain words, the settings tried so far, the
//   summary lines, and a chart of the cumulative hits against the cumulative expectation of
//   random draws with its exact pointwise 2.5-97.5 % range;
// - StepsSheet "各期明細": one grid row per test draw;
// - AllMethodsSheet "全部方法": the four methods with their defaults, the corrected threshold,
//   and a bar chart of their z values with the lines of that threshold.
#pragma once

#include <QWidget>
#include <vector>

#include "analysis/backtest/number_backtest.h"
#include "ui/chance_band_chart.h"
#include "ui/memo.h"
#include "ui/string_grid.h"

class QAreaSeries;
class QBarSet;
class QChartView;
class QLabel;
class QLineSeries;
class QValueAxis;

namespace backtestwin {

class StepsSheet : public QWidget {
  Q_OBJECT

 public:
  explicit StepsSheet(QWidget* parent = nullptr);
  // Rows for the steps from `from` on are added to those already shown (0: all anew).
  void show_steps(const backtest::Backtest* run, std::size_t from = 0);

  ui::StringGrid* sg_steps = nullptr;
};

class SummarySheet : public QWidget {
  Q_OBJECT

 public:
  explicit SummarySheet(QWidget* parent = nullptr);
  void show_run(const backtest::Backtest& run, int tried, bool stopped);
  void clear_run(const QString& why);

  QLabel* lb_verdict = nullptr;
  QLabel* lb_tried = nullptr;
  ui::Memo* mm_summary = nullptr;
  ui::ChanceBandChart* ch_cumulative = nullptr;
  QLineSeries *hits = nullptr, *expected = nullptr, *band_low = nullptr, *band_high = nullptr;  // its series

 private:
  void build_chart();
  void show_curve(const std::vector<backtest::CurvePoint>& curve);

  QValueAxis *axis_x_ = nullptr, *axis_y_ = nullptr;
};

class AllMethodsSheet : public QWidget {
  Q_OBJECT

 public:
  explicit AllMethodsSheet(QWidget* parent = nullptr);
  void show_table(int test, const std::vector<backtest::Summary>& summaries);
  void clear_table();

  ui::StringGrid* sg_all = nullptr;
  QLabel* lb_all = nullptr;
  QChartView* ch_z = nullptr;
  QBarSet* z_values = nullptr;

 private:
  void build_chart();
  QValueAxis* axis_z_ = nullptr;
};

}  // namespace backtestwin
