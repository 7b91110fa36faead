#include "analysis/trace/window/chart_bars.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QValueAxis>
#include <algorithm>

#include "ui/controls.h"
#include "ui/dialogs.h"

namespace chartwin {
namespace {

const QColor kSingleColour(30, 110, 200);

// A colour per number, spread round the colour wheel so neighbours differ.
QColor bar_colour(int index, int count) {
  const int hue = (index * 360 * 7 / std::max(count, 1)) % 360;
  return QColor::fromHsv(hue, 190, 230);
}

QString format_name(const char* format) { return QString::fromLatin1(format).toLower(); }

}  // namespace

core::Status save_picture(const QPixmap& picture, const QString& path, const char* format) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && picture.save(&file, format) && file.commit()) return {};
  return core::Error::error("無法儲存圖片檔 " + ui::u8(QDir::toNativeSeparators(path)));
}

// The view is given its chart at construction: a view made without one makes a default
// chart of its own, which a later setChart releases and nobody deletes.
BarChart::BarChart(const BarChartLook& look, QWidget* parent)
    : QChartView(new QChart, parent), colour_each_bar_(look.colour_each_bar) {
  setObjectName(look.name);
  setToolTip(QStringLiteral("按滑鼠右鍵儲存或複製圖表"));
  setRenderHint(QPainter::Antialiasing);
  QChart* chart = this->chart();
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  QFont title_font = chart->titleFont();
  title_font.setBold(true);
  title_font.setPointSize(look.colour_each_bar ? 11 : 9);
  chart->setTitleFont(title_font);
  chart->setTitle(look.title);

  series_ = new QBarSeries;
  series_->setBarWidth(0.96);
  series_->setLabelsVisible(true);
  series_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  series_->setLabelsFormat(QStringLiteral("@value"));
  chart->addSeries(series_);
  items_ = new QCategoryAxis;
  items_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
  items_->setGridLineVisible(false);
  items_->setTruncateLabels(false);
  items_->setRange(-0.5, 0.5);
  counts_ = new QValueAxis;
  counts_->setLabelFormat(QStringLiteral("%d"));
  counts_->setRange(0, 1);
  chart->addAxis(items_, Qt::AlignBottom);
  chart->addAxis(counts_, Qt::AlignLeft);
  series_->attachAxis(items_);
  series_->attachAxis(counts_);
  connect(chart, &QChart::plotAreaChanged, this, [this] { fit_labels(); });

  menu = new QMenu(this);
  save_bmp = menu->addAction(look.save_item, this, [this] { save_as("BMP"); });
  save_png = menu->addAction(QStringLiteral("儲存圖片(PNG檔案)"), this, [this] { save_as("PNG"); });
  copy = menu->addAction(look.copy_item, this, [this] { copy_picture(); });
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { menu->popup(viewport()->mapToGlobal(at)); });
}

QString BarChart::title() const { return chart()->title(); }

void BarChart::clear_bars() {
  series_->clear();
  for (const QString& label : items_->categoriesLabels()) items_->remove(label);
}

void BarChart::show_bars(const std::vector<trace::Bar>& bars, const std::string& title) {
  clear_bars();
  QList<QBarSet*> sets;
  const int count = static_cast<int>(bars.size());
  for (int i = 0; i < count; ++i) {
    const trace::Bar& bar = bars[static_cast<std::size_t>(i)];
    auto* set = new QBarSet(ui::qs(bar.label));
    *set << bar.value;
    // A number keeps its colour when the bars are sorted.
    set->setColor(colour_each_bar_ ? bar_colour(ui::qs(bar.label).toInt(), count) : kSingleColour);
    set->setBorderColor(Qt::white);
    set->setLabelColor(bar.value == 0 ? QColor(Qt::transparent) : QColor(Qt::black));
    sets << set;
    items_->append(set->label(), -0.5 + (i + 1.0) / count);
  }
  series_->append(sets);
  fit_axes(bars);
  fit_labels();
  chart()->setTitle(ui::qs(title));
}

// Marks and item labels turn upright when the bars are too narrow to hold them flat.
void BarChart::fit_labels() {
  const QList<QBarSet*> sets = series_->barSets();
  if (sets.isEmpty()) return;
  const QFontMetrics metrics(sets.first()->labelFont());
  const qreal per_bar = chart()->plotArea().width() * series_->barWidth() / sets.size();
  const bool upright = per_bar < metrics.horizontalAdvance(QStringLiteral("0000"));
  series_->setLabelsAngle(upright ? -90 : 0);
  items_->setLabelsAngle(upright ? -90 : 0);
}

void BarChart::fit_axes(const std::vector<trace::Bar>& bars) {
  int top = 0;
  for (const trace::Bar& bar : bars) top = std::max(top, bar.value);
  // Room above the highest bar for its value mark, also in the short charts.
  counts_->setRange(0, std::max(1, top + top / 3 + 1));
  counts_->applyNiceNumbers();
  items_->setStartValue(-0.5);
  items_->setRange(-0.5, 0.5);
}

QPixmap BarChart::picture() { return grab(); }

void BarChart::save_as(const char* format) {
  const QString suffix = format_name(format);
  const QString filter = QStringLiteral("%1 檔案(*.%2)|*.%2").arg(QString::fromLatin1(format), suffix);
  const auto path = ui::save_file(window(), QStringLiteral("儲存圖片"), suffix, filter);
  if (!path) return;
  if (const core::Status saved = save_picture(picture(), *path, format); !saved) ui::show_error(this, saved.error());
}

void BarChart::copy_picture() { QGuiApplication::clipboard()->setPixmap(picture()); }

}  // namespace chartwin
