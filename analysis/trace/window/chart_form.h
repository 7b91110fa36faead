// The trace summary chart window "拖牌匯總統計圖": which numbers, tail digits and head
// digits came 1 to 12 draws after the draws of a period that resemble a reference.
//
//   Panel1 (settings) --summary control changed--> summary run --+
//   Panel3 (queries, in 個別查詢 mode, docked) --query button--> query run --+--> three bar charts
//                                                                      and the detail memos
//
// Every run reads the panels, calls trace::run_chart (analysis/trace/trace_chart.h) over
// the draw table taken when the window was shown, and shows the bars, titles, memos and
// any no-record messages. The form owns that table and links the panels; the panels own
// their controls.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <optional>

#include "analysis/trace/trace_chart.h"
#include "analysis/trace/trace_table.h"
#include "analysis/trace/window/chart_detail_panel.h"
#include "analysis/trace/window/chart_query_panel.h"
#include "analysis/trace/window/chart_settings_panel.h"
#include "core/clock.h"
#include "core/draw_history.h"
#include "ui/form_dialog.h"

namespace chartwin {
class BarChart;  // chart_bars.h; the form's users need not see the chart library
}

class TForm_zu_chart1 : public ui::FormDialog {
  Q_OBJECT

 public:
  // The size the window opens at, and the size its chart pictures are drawn at from the
  // command line.
  static constexpr int kDefaultWidth = 1010;
  static constexpr int kDefaultHeight = 720;

  TForm_zu_chart1(const core::DrawHistory& history, const core::Clock& clock, QWidget* parent = nullptr);

  // The game logo the main window passes before showing the chart.
  void set_logo(const QPixmap& logo);

  void FormShow() override;
  // The summary run of every summary control; nothing in query mode.
  void cb_next01Click();
  // A query box's run over the ticked distances.
  void run_query(const trace::ChartQuery& query);
  // A new period: what the charts show is counted again over it (the summary, or in query
  // mode the query on display), so counts and titles never name another period.
  void period_changed();
  void cb_star234Click();
  void Button1Click();  // shows or hides the detail panel
  // Empties the three charts.
  void ResetArray();
  // The bars and titles of a run in the three charts.
  void show_charts(const trace::ChartData& data);

  chartwin::ChartSettingsPanel* Panel1 = nullptr;
  chartwin::BarChart* Chart1 = nullptr;  // numbers
  chartwin::BarChart* Chart2 = nullptr;  // heads
  chartwin::BarChart* Chart3 = nullptr;  // tails
  QPushButton* Button1 = nullptr;
  chartwin::ChartDetailPanel* Panel4 = nullptr;
  chartwin::ChartQueryPanel* Panel3 = nullptr;

 private:
  void build();
  void add_detail_items(chartwin::BarChart* chart, const QString& show, const QString& hide);
  void set_detail_visible(bool visible);
  void show_run(const trace::ChartSettings& settings);

  const core::DrawHistory& history_;
  const core::Clock& clock_;
  trace::TraceTable table_;
  std::optional<trace::ChartQuery> shown_query_;  // the query the charts show, if any
};
