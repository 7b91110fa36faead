#include "exchange/window/adapters/report_render.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include "ui/logo.h"
#include "ui/qt_text.h"

namespace exchange {
namespace {

// Device units per millimetre.
double dots_per_mm(const QPaintDevice& device) { return device.logicalDpiY() / 25.4; }

class PagePainter {
 public:
  PagePainter(QPainter& painter, const ReportDocument& document, double mm)
      : p_(painter), doc_(document), g_(document.geometry), mm_(mm), logo_(ui::game_logo(ui::Game::Daily539, QSize(340, 145))) {}

  void paint(const ReportPage& page) {
    header(page);
    body(page);
    footer();
  }

 private:
  QRectF rect(double x, double y, double w, double h) const { return {x * mm_, y * mm_, w * mm_, h * mm_}; }

  void rule(double y) {
    p_.setPen(QPen(Qt::black, 0.3 * mm_));
    p_.drawLine(QPointF(0, y * mm_), QPointF(g_.inner_width() * mm_, y * mm_));
  }

  void header(const ReportPage& page) {
    const double logo_top = (g_.header_height - g_.logo_height) / 2;
    p_.drawPixmap(rect(0, logo_top, g_.logo_width, g_.logo_height), logo_, logo_.rect());
    p_.setPen(Qt::black);
    p_.setFont(report_font(kTitlePoints));
    p_.drawText(rect(0, 0, g_.inner_width(), g_.header_height), Qt::AlignCenter, ui::qs(doc_.title));
    // 列印時間 and 頁次 in one column at the right, labels aligned.
    p_.setFont(report_font(kBandPoints));
    const double column = g_.inner_width() - 52, row = points_to_mm(kBandPoints) * 1.6;
    const double top = g_.header_height / 2 - row;
    p_.drawText(rect(column, top, 52, row), Qt::AlignLeft | Qt::AlignVCenter, ui::qs(doc_.printed_at));
    p_.drawText(rect(column, top + row, 52, row), Qt::AlignLeft | Qt::AlignVCenter, ui::qs(page_number_text(page.number)));
    rule(g_.header_height);
  }

  void body(const ReportPage& page) {
    p_.setPen(Qt::black);
    p_.setFont(report_font(doc_.body_points));
    const double pitch = line_pitch_mm(doc_.body_points);
    double y = g_.body_top();
    for (const auto& line : page.lines) {
      p_.drawText(rect(0, y, g_.inner_width(), pitch), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ui::qs(line));
      y += pitch;
    }
  }

  void footer() {
    rule(g_.footer_top());
    p_.setPen(Qt::black);
    p_.setFont(report_font(kBandPoints));
    p_.drawText(rect(0, g_.footer_top(), g_.inner_width(), g_.footer_height), Qt::AlignCenter, ui::qs(doc_.footer));
  }

  QPainter& p_;
  const ReportDocument& doc_;
  const ReportGeometry& g_;
  double mm_;
  QPixmap logo_;
};

}  // namespace

QFont report_font(double points) {
  QFont font;
  // A Kai face where the system has one (AR PL UKai on Linux, DFKai-SB on Windows), else a
  // Ming or sans face that holds every character of the report.
  font.setFamilies({QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL UKai HK"), QStringLiteral("AR PL UKai CN"),
                    QStringLiteral("DFKai-SB"), QStringLiteral("Noto Serif CJK TC"), QStringLiteral("PMingLiU"),
                    QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Microsoft JhengHei")});
  font.setPointSizeF(points);
  return font;
}

QPageLayout report_page_layout(const ReportGeometry& g) {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(g.margin_left, g.margin_top, g.margin_right, g.margin_bottom), QPageLayout::Millimeter);
}

ReportDocument layout_for_device(const std::string& title, const std::vector<std::string>& lines,
                                 const core::LocalDateTime& printed_at, double body_points,
                                 const QPagedPaintDevice& device) {
  const QFontMetricsF metrics(report_font(body_points), &device);
  const double mm = dots_per_mm(device);
  const MeasureText measure = [&metrics, mm](std::string_view text) {
    return metrics.horizontalAdvance(ui::qs(text)) / mm;
  };
  return layout_report(title, lines, printed_at, body_points, measure);
}

bool paint_report(QPagedPaintDevice& device, const ReportDocument& document) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  PagePainter pages(painter, document, dots_per_mm(device));
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    if (i > 0) device.newPage();
    pages.paint(document.pages[i]);
  }
  return painter.end();
}

}  // namespace exchange
