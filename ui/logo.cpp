#include "ui/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace ui {
namespace {

void draw_ball(QPainter& p, QPointF centre, qreal radius, const QColor& colour, const QString& text) {
  QRadialGradient shade(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
  shade.setColorAt(0, colour.lighter(170));
  shade.setColorAt(1, colour.darker(130));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawEllipse(centre, radius, radius);
  p.setBrush(Qt::white);
  p.drawEllipse(centre, radius * 0.58, radius * 0.58);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(static_cast<int>(radius * 0.8));
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
             text);
}


// The rounded badge every logo sits on, in the game's colour.
void draw_badge(QPainter& p, QSize size, const QColor& base, qreal corner) {
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, base.lighter(130));
  fill.setColorAt(1, base.darker(115));
  p.setBrush(fill);
  p.setPen(QPen(base.darker(160), qMax<qreal>(1, size.height() / 32.0)));
  p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), corner, corner);
}

void draw_bold_text(QPainter& p, const QRectF& box, int pixel_size, Qt::Alignment align, const QString& text) {
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(qMax(1, pixel_size));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(box, align, text);
}

// The logo's three balls "05 03 09", right to left from `right`, centred on `y`.
void draw_logo_balls(QPainter& p, qreal right, qreal y, qreal r) {
  const QColor balls[3] = {QColor(220, 30, 30), QColor(30, 110, 220), QColor(40, 170, 60)};
  const int numbers[3] = {5, 3, 9};
  for (int i = 0; i < 3; ++i)
    draw_ball(p, QPointF(right - r - i * (2.3 * r), y), r, balls[i], QString::asprintf("%02d", numbers[2 - i]));
}

const QColor kDaily539Colour(255, 128, 0);

}  // namespace

QPixmap game_logo(Game game, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  draw_badge(p, size, game == Game::Daily539 ? kDaily539Colour : QColor(255, 0, 255), 12);
  const QString name = game == Game::Daily539 ? QStringLiteral("今彩539") : QStringLiteral("加州夢幻５");
  draw_bold_text(p, QRectF(8, 4, size.width() - 16, size.height() / 2.0), size.height() / 3,
                 Qt::AlignLeft | Qt::AlignVCenter, name);
  draw_logo_balls(p, size.width() - 12, size.height() * 0.72, size.height() / 6.0);
  return pixmap;
}

QPixmap program_icon(int side) {
  const QSize size(side, side);
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  draw_badge(p, size, kDaily539Colour, side / 6.0);
  draw_bold_text(p, QRectF(0, side * 0.04, side, side * 0.56), static_cast<int>(side * 0.46), Qt::AlignCenter,
                 QStringLiteral("39"));
  const qreal r = side / 7.6;
  draw_logo_balls(p, side / 2.0 + 3.3 * r, side * 0.74, r);
  return pixmap;
}

QColor ball_colour(int index) {
  static const QColor kPalette[5] = {QColor(220, 40, 40), QColor(240, 150, 0), QColor(30, 120, 220),
                                     QColor(40, 160, 70), QColor(150, 60, 200)};
  return kPalette[((index % 5) + 5) % 5];
}

QPixmap ball_picture(const QString& text, const QColor& colour, int diameter) {
  QPixmap pixmap(diameter, diameter);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  draw_ball(p, QPointF(diameter / 2.0, diameter / 2.0), diameter / 2.0 - 0.5, colour, text);
  return pixmap;
}

QPixmap ball_strip(const QList<int>& numbers, int diameter) {
  QPixmap pixmap(qMax<int>(1, numbers.size()) * (diameter + 6), diameter + 6);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < numbers.size(); ++i)
    draw_ball(p, QPointF(i * (diameter + 6) + diameter / 2.0 + 3, diameter / 2.0 + 3), diameter / 2.0,
              ball_colour(i), QString::asprintf("%02d", numbers[i]));
  return pixmap;
}

}  // namespace ui
