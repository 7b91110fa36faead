#include "analysis/trace/window/chart_bars.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QClipboard>
#include <QFontMetricsF>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QTemporaryFile>
#include <QValueAxis>
#include <algorithm>
#include <cerrno>
#include <cmath>

#include "core/platform_files.h"
#include "core/system_error.h"
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

// A new picture is read by all and written by its owner; a replaced one keeps its own
// permissions (a temporary file starts private to the owner).
constexpr QFileDevice::Permissions kPictureMode =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// In the shape of every failed write, with the system's reason when it gave one.
core::Error cannot_save(const QString& path, int errnum) {
  const std::string file = ui::u8(QDir::toNativeSeparators(path));
  return core::write_failure(file, errnum != 0 ? core::write_reason(errnum, file) : "無法產生圖片");
}

constexpr int kMargin = 4;

// The value axis of the highest bar: a function of that value alone, so the same data
// always gets the same axis (the toolkit's nice numbers depend on the axis' previous tick
// count). Room above the bar for its value mark; at most four steps of 1, 2, 2.5 or 5
// times a power of ten, so even the short charts have a line's height between values.
struct ValueScale {
  int top = 1;
  int ticks = 2;
};

ValueScale value_scale(int highest) {
  const long long need = std::max(1LL, highest + highest / 3LL + 1);
  constexpr long long kSteps = 4;
  for (long long power = 1;; power *= 10) {
    for (const long long step : {power, 2 * power, 5 * power / 2, 5 * power}) {
      if (need > kSteps * step) continue;
      const long long steps = (need + step - 1) / step;
      return {static_cast<int>(steps * step), static_cast<int>(steps) + 1};
    }
  }
}

}  // namespace

core::Status save_picture(const QPixmap& picture, const QString& path, const char* format) {
  return save_pictures({{picture, path}}, format);
}

// Each picture goes to a temporary file beside its target; only when all are written do
// they replace their targets, so a failure leaves every target as it was. The files are
// closed before they move: Windows moves no open file.
core::Status save_pictures(const std::vector<std::pair<QPixmap, QString>>& pictures, const char* format) {
  std::vector<QString> temporaries;
  const auto refuse = [&temporaries](const QString& path, int error) {
    for (const QString& temporary : temporaries) QFile::remove(temporary);  // a moved one is gone already
    return cannot_save(path, error);
  };
  for (const auto& [picture, path] : pictures) {
    if (QFileInfo(path).isDir()) return refuse(path, EISDIR);
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    errno = 0;
    const bool saved = file.open() && picture.save(&file, format) && file.flush();
    if (!saved) return refuse(path, errno);
    file.setPermissions(QFileInfo::exists(path) ? QFile::permissions(path) : kPictureMode);
    file.setAutoRemove(false);
    temporaries.push_back(file.fileName());
  }
  for (std::size_t i = 0; i < temporaries.size(); ++i) {
    const QString& path = pictures[i].second;
    if (const int failure = core::platform::move_replacing(temporaries[i].toStdString(), path.toStdString()))
      return refuse(path, failure);
  }
  return {};
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
  chart->setMargins(QMargins(kMargin, kMargin, kMargin, kMargin));
  chart->setBackgroundRoundness(0);
  QFont title_font = chart->titleFont();
  title_font.setBold(true);
  title_font.setPointSize(look.colour_each_bar ? 11 : 9);
  chart->setTitleFont(title_font);
  chart->setTitle(look.title);

  series_ = new QBarSeries;
  // Each bar fills its slot of the category exactly, so slot i is bar i's span.
  series_->setBarWidth(1.0);
  series_->setLabelsVisible(true);
  series_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  series_->setLabelsFormat(QStringLiteral("@value"));
  chart->addSeries(series_);
  // The axis draws the base line and a tick between bars; the labels are the chart's own.
  items_ = new QCategoryAxis;
  items_->setLabelsVisible(false);
  items_->setGridLineVisible(false);
  items_->setRange(-0.5, 0.5);
  counts_ = new QValueAxis;
  counts_->setLabelFormat(QStringLiteral("%d"));
  counts_->setMinorTickCount(0);
  // The axis would cut a value to "…" when its share of the axis is barely a line high,
  // which the short charts reach; four steps never let two values touch.
  counts_->setTruncateLabels(false);
  fit_value_axis(0);
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
  bars_.clear();
  fill_series();
}

void BarChart::show_bars(const std::vector<trace::Bar>& bars, const std::string& title) {
  bars_ = bars;
  fill_series();
  int highest = 0;
  for (const trace::Bar& bar : bars_) highest = std::max(highest, bar.value);
  fit_value_axis(highest);
  fit_labels();
  chart()->setTitle(ui::qs(title));
}

// One bar set per bar, each with the value mark turned as the series' marks are now.
void BarChart::fill_series() {
  series_->clear();
  for (const QString& label : items_->categoriesLabels()) items_->remove(label);
  QList<QBarSet*> sets;
  QStringList labels;
  const int count = static_cast<int>(bars_.size());
  for (int i = 0; i < count; ++i) {
    const trace::Bar& bar = bars_[static_cast<std::size_t>(i)];
    auto* set = new QBarSet(ui::qs(bar.label));
    *set << bar.value;
    // A number keeps its colour when the bars are sorted.
    set->setColor(colour_each_bar_ ? bar_colour(ui::qs(bar.label).toInt(), count) : kSingleColour);
    set->setBorderColor(Qt::white);
    set->setLabelColor(bar.value == 0 ? QColor(Qt::transparent) : QColor(Qt::black));
    set->setLabelFont(value_font_);
    sets << set;
    labels << set->label();
    items_->append(set->label(), -0.5 + (i + 1.0) / count);
  }
  series_->append(sets);
  item_labels_.set_texts(chart(), labels);
}

// Value marks turn upright when the bars are too narrow to hold them flat; the item
// labels fit themselves, and the chart keeps room below the plot area for them.
void BarChart::fit_labels() {
  if (!bars_.empty()) {
    const qreal per_bar = chart()->plotArea().width() / static_cast<qreal>(bars_.size());
    fit_value_font(per_bar);
    const QFontMetrics metrics(value_font_);
    int widest = 0;
    for (const trace::Bar& bar : bars_) widest = std::max(widest, metrics.horizontalAdvance(QString::number(bar.value)));
    const qreal angle = per_bar < widest + 2 ? -90 : 0;
    if (angle != series_->labelsAngle()) {
      series_->setLabelsAngle(angle);
      // The toolkit turns a mark for any angle but 0 and never turns it back: flat marks
      // need new bar sets.
      if (angle == 0) fill_series();
    }
  }
  const int room = kMargin + static_cast<int>(std::ceil(item_labels_.place(chart(), series_, items_->labelsFont())));
  // The plot area's width does not depend on the bottom margin, so the next layout
  // places the labels alike and leaves the margin as it is.
  QMargins margins = chart()->margins();
  if (margins.bottom() != room) {
    margins.setBottom(room);
    chart()->setMargins(margins);
  }
}

// Upright marks stand side by side, each as wide as a digit is high: where the bars are
// narrower than that (the window at its smallest), the marks take a smaller type so
// neighbours keep a pixel between them.
void BarChart::fit_value_font(qreal per_bar) {
  QFont font = QBarSet(QString()).labelFont();
  const auto digit_height = [](const QFont& f) {
    return QFontMetricsF(f).tightBoundingRect(QStringLiteral("0123456789")).height();
  };
  while (font.pointSizeF() > kSmallestValuePoint && digit_height(font) + 1 > per_bar)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  if (font == value_font_) return;
  value_font_ = font;
  for (QBarSet* set : series_->barSets()) set->setLabelFont(font);
}

void BarChart::fit_value_axis(int highest) {
  const ValueScale scale = value_scale(highest);
  counts_->setRange(0, scale.top);
  counts_->setTickCount(scale.ticks);
}

// The layout is brought up to date first, so a picture taken right after new bars shows
// their labels where the next paint would put them.
QPixmap BarChart::picture() {
  if (QGraphicsLayout* layout = chart()->layout()) layout->activate();
  return grab();
}

void BarChart::save_as(const char* format) {
  const QString suffix = format_name(format);
  const QString filter = QStringLiteral("%1 檔案(*.%2)|*.%2").arg(QString::fromLatin1(format), suffix);
  const QPixmap shown = picture();
  (void)ui::save_file(window(), QStringLiteral("儲存圖片"), suffix, filter,
                      [&](const QString& path) { return save_picture(shown, path, format); });
}

void BarChart::copy_picture() { QGuiApplication::clipboard()->setPixmap(picture()); }

}  // namespace chartwin
