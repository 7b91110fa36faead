// One bar chart of the trace summary chart window: a chart view over one QBarSeries in
// which every bar is a bar set of one value, laid side by side in a single category. So
// each bar can take its own colour (the number chart colours every number differently)
// and a bar of 0 shows no value mark, as the marks' "####" format writes nothing for 0.
// The item labels ("07", "3尾", "2頭") are the chart's own, each centred under its bar
// (chart_item_labels.h); the value axis depends on the highest bar alone.
//
// The pop-up menu saves the chart's picture (BMP as the help text promises, and PNG),
// atomically, or copies it to the clipboard; a window adds its own items after those.
#pragma once

#include <QAction>
#include <QChartView>
#include <QMenu>
#include <QPixmap>
#include <string>
#include <utility>
#include <vector>

#include "analysis/trace/trace_chart.h"
#include "analysis/trace/window/chart_item_labels.h"
#include "core/result.h"

class QBarSeries;
class QCategoryAxis;
class QValueAxis;

namespace chartwin {

struct BarChartLook {
  QString name;        // the chart's object name (Chart1, Chart2, Chart3)
  QString title;       // before the first run
  bool colour_each_bar = false;
  QString save_item;   // the menu's save-as-BMP caption
  QString copy_item;   // the menu's copy caption
};

class BarChart : public QChartView {
  Q_OBJECT

 public:
  explicit BarChart(const BarChartLook& look, QWidget* parent = nullptr);

  // The bars in the order given, and the title.
  void show_bars(const std::vector<trace::Bar>& bars, const std::string& title);
  // An empty series (ResetArray).
  void clear_bars();

  [[nodiscard]] QBarSeries* series() const { return series_; }
  [[nodiscard]] QString title() const;
  [[nodiscard]] const std::vector<ItemLabel*>& item_labels() const { return item_labels_.items(); }
  [[nodiscard]] QValueAxis* value_axis() const { return counts_; }

  // The chart as it is drawn now, at the view's size.
  [[nodiscard]] QPixmap picture();
  // Asks for a file name and saves the picture; a failed write is shown and keeps any
  // old file whole.
  void save_as(const char* format);
  void copy_picture();

  QMenu* menu = nullptr;
  QAction* save_bmp = nullptr;
  QAction* save_png = nullptr;
  QAction* copy = nullptr;

 private:
  void fill_series();
  void fit_value_axis(int highest);
  void fit_labels();
  void fit_value_font(qreal per_bar);

  bool colour_each_bar_;
  static constexpr qreal kSmallestValuePoint = 6;
  QFont value_font_;  // the value marks' type, smaller on narrow bars
  std::vector<trace::Bar> bars_;  // as shown
  QBarSeries* series_ = nullptr;
  QCategoryAxis* items_ = nullptr;  // the base line, with a tick between bars
  QValueAxis* counts_ = nullptr;
  ItemLabels item_labels_;
};

// Writes the picture in `format` ("BMP", "PNG") through a temporary file that replaces
// `path` only when complete.
[[nodiscard]] core::Status save_picture(const QPixmap& picture, const QString& path, const char* format);
// Several pictures, all or none: no target is replaced unless every picture was written.
[[nodiscard]] core::Status save_pictures(const std::vector<std::pair<QPixmap, QString>>& pictures,
                                         const char* format);

}  // namespace chartwin
