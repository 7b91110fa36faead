// The item labels ("07", "3尾", "2頭") under the bars of one chart, placed by the chart
// itself rather than by an axis. An axis lays its labels out by its own rules: it hides
// a label at either end whose share of the axis is narrower than the text, and hides
// any label that would touch its neighbour, so on a narrow chart (detail panel open, a
// saved or copied picture) labels vanish or stand under a neighbour's bar. Here every
// bar keeps its label, centred under the middle of the bar; labels turn upright and, if
// need be, smaller when the bars are too narrow to hold them.
#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class QAbstractSeries;
class QChart;

namespace chartwin {

// One label; its bounding rectangle is the ink of its text, centred on the item's position.
class ItemLabel : public QGraphicsItem {
 public:
  ItemLabel(const QString& text, QGraphicsItem* parent);

  [[nodiscard]] QString text() const { return text_; }
  void set_look(const QFont& font, bool upright);

  [[nodiscard]] QRectF boundingRect() const override { return bounds_; }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  QString text_;
  QFont font_;
  bool upright_ = false;
  QRectF ink_;     // the text's ink relative to its baseline origin
  QRectF bounds_;  // the ink as drawn, centred on (0, 0)
};

class ItemLabels {
 public:
  // The labels in bar order; none for an empty chart.
  void set_texts(QChart* chart, const QStringList& texts);
  // Puts label i under the middle of bar i, the i-th of equal slots across the series'
  // single category [-0.5, 0.5] (the bars fill their slots exactly), mapped to the chart
  // through the series' axes. Returns the height the labels need below the plot area.
  qreal place(QChart* chart, QAbstractSeries* series, const QFont& font);

  [[nodiscard]] const std::vector<ItemLabel*>& items() const { return items_; }

 private:
  std::vector<ItemLabel*> items_;
};

}  // namespace chartwin
