#include "analysis/trace/window/chart_item_labels.h"

#include <QChart>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace chartwin {
namespace {

constexpr qreal kBelowPlot = 6;  // the axis line and its ticks stand between plot and labels
constexpr qreal kSpare = 2;      // free pixels beside a label within its bar
constexpr qreal kSmallestPoint = 5;

}  // namespace

ItemLabel::ItemLabel(const QString& text, QGraphicsItem* parent) : QGraphicsItem(parent), text_(text) {}

void ItemLabel::set_look(const QFont& font, bool upright) {
  prepareGeometryChange();
  font_ = font;
  upright_ = upright;
  ink_ = QFontMetricsF(font).tightBoundingRect(text_);
  const QSizeF size = upright ? ink_.size().transposed() : ink_.size();
  bounds_ = QRectF(QPointF(-size.width() / 2, -size.height() / 2), size);
}

// The ink is centred on the origin, so turning it upright keeps its centre in place; a
// line box would not centre digits, which sit high in it.
void ItemLabel::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  painter->setFont(font_);
  painter->setPen(Qt::black);
  if (upright_) painter->rotate(-90);
  painter->drawText(-ink_.center(), text_);
}

void ItemLabels::set_texts(QChart* chart, const QStringList& texts) {
  for (ItemLabel* item : items_) delete item;
  items_.clear();
  for (const QString& text : texts) items_.push_back(new ItemLabel(text, chart));
}

qreal ItemLabels::place(QChart* chart, QAbstractSeries* series, const QFont& font) {
  if (items_.empty()) return 0;
  const qreal count = static_cast<qreal>(items_.size());
  const auto x_at = [&](qreal value) { return chart->mapToPosition(QPointF(value, 0), series).x(); };
  const qreal room = (x_at(0.5) - x_at(-0.5)) / count - kSpare;

  const QFontMetricsF metrics(font);
  qreal widest = 0, tallest = 0;
  for (const ItemLabel* item : items_) {
    const QRectF ink = metrics.tightBoundingRect(item->text());
    widest = std::max(widest, ink.width());
    tallest = std::max(tallest, ink.height());
  }
  const bool upright = widest > room;
  QFont look = font;
  if (upright && tallest > room && room > 0)
    look.setPointSizeF(std::max(kSmallestPoint, font.pointSizeF() * room / tallest));

  const qreal top = chart->plotArea().bottom() + kBelowPlot;
  qreal needed = 0;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    ItemLabel* item = items_[i];
    item->set_look(look, upright);
    const qreal left = x_at(-0.5 + static_cast<qreal>(i) / count);
    const qreal right = x_at(-0.5 + static_cast<qreal>(i + 1) / count);
    const qreal height = item->boundingRect().height();
    item->setPos((left + right) / 2, top + height / 2);
    needed = std::max(needed, kBelowPlot + height);
  }
  return needed;
}

}  // namespace chartwin
