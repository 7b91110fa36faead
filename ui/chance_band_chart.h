// The chart of the two verdict windows (回測驗證, 號碼回測): a cumulative count over the
// test draws against the cumulative expectation of random draws and its exact pointwise
// 2.5-97.5 % range, drawn as a grey band. Each curve starts at (0, 0); the window sets the
// axes' ticks and titles.
//
//   auto* view = new ui::ChanceBandChart(this, "ch_cumulative", band_name, observed_name, x_title);
//   const double top = view->show(points);   // the highest value drawn, for the y axis
#pragma once

#include <QChartView>
#include <QString>
#include <vector>

class QAreaSeries;
class QLineSeries;
class QValueAxis;

namespace ui {

// A chart view as the program's charts look: antialiased, no animation, square corners,
// narrow margins, the legend below. It owns its chart.
[[nodiscard]] QChartView* chart_view(QWidget* parent, const QString& name);

struct BandPoint {
  double x = 0;
  double observed = 0;  // the cumulative count so far
  double expected = 0;  // its expectation under chance
  double low = 0, high = 0;  // the exact pointwise 2.5 % and 97.5 % quantiles
};

class ChanceBandChart : public QChartView {
 public:
  ChanceBandChart(QWidget* parent, const QString& name, const QString& band_name, const QString& observed_name,
                  const QString& x_title);

  // Draws the points after (0, 0); returns the highest observed count or band edge.
  double show(const std::vector<BandPoint>& points);

  QLineSeries *observed = nullptr, *expected = nullptr, *band_low = nullptr, *band_high = nullptr;
  QAreaSeries* band = nullptr;
  QValueAxis *axis_x = nullptr, *axis_y = nullptr;
};

}  // namespace ui
