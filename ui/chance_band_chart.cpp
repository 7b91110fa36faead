#include "ui/chance_band_chart.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

namespace ui {

namespace {

void set_up(QChartView* view, const QString& name) {
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumWidth(420);
  QChart* chart = view->chart();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->legend()->setAlignment(Qt::AlignBottom);
}

}  // namespace

QChartView* chart_view(QWidget* parent, const QString& name) {
  auto* view = new QChartView(new QChart, parent);  // given its chart, so no default one is made
  set_up(view, name);
  return view;
}

ChanceBandChart::ChanceBandChart(QWidget* parent, const QString& name, const QString& band_name,
                                 const QString& observed_name, const QString& x_title)
    : QChartView(new QChart, parent) {
  set_up(this, name);
  QChart* drawn = chart();
  band_low = new QLineSeries(drawn);
  band_high = new QLineSeries(drawn);
  band = new QAreaSeries(band_high, band_low);
  band->setName(band_name);
  band->setColor(QColor(160, 160, 160, 90));
  band->setBorderColor(QColor(150, 150, 150));
  expected = new QLineSeries;
  expected->setName(QStringLiteral("隨機期望累計"));
  expected->setPen(QPen(QColor(90, 90, 90), 2, Qt::DashLine));
  observed = new QLineSeries;
  observed->setName(observed_name);
  observed->setPen(QPen(QColor(200, 30, 30), 2));
  axis_x = new QValueAxis;
  axis_x->setTitleText(x_title);
  axis_x->setLabelFormat(QStringLiteral("%d"));
  axis_y = new QValueAxis;
  axis_y->setLabelFormat(QStringLiteral("%d"));
  drawn->addAxis(axis_x, Qt::AlignBottom);
  drawn->addAxis(axis_y, Qt::AlignLeft);
  for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(band), static_cast<QAbstractSeries*>(expected),
                                  static_cast<QAbstractSeries*>(observed)}) {
    drawn->addSeries(series);
    series->attachAxis(axis_x);
    series->attachAxis(axis_y);
  }
}

double ChanceBandChart::show(const std::vector<BandPoint>& points) {
  QList<QPointF> o{QPointF(0, 0)}, e{QPointF(0, 0)}, low{QPointF(0, 0)}, high{QPointF(0, 0)};
  double top = 0;
  for (const BandPoint& p : points) {
    o << QPointF(p.x, p.observed);
    e << QPointF(p.x, p.expected);
    low << QPointF(p.x, p.low);
    high << QPointF(p.x, p.high);
    top = std::max({top, p.observed, p.high});
  }
  observed->replace(o);
  expected->replace(e);
  band_low->replace(low);
  band_high->replace(high);
  return top;
}

}  // namespace ui
