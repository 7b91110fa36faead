// Panel1 of the trace summary chart window: the period, the newest draw, the summary
// levels (獨支 / 二星 / 三星拖牌匯總), the twelve distances (拖下一期 .. 拖下十二期),
// ordering by size, the switch to query mode (個別查詢), the two help links and the game
// logo. Every summary control announces its change and the form decides whether to run;
// the help links show their texts themselves.
#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QWidget>
#include <array>

#include "analysis/trace/trace_chart.h"

namespace chartwin {

class ChartSettingsPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ChartSettingsPanel(QWidget* parent = nullptr);

  // The period, distances, levels and order as the boxes hold them (summary mode).
  [[nodiscard]] trace::ChartSettings settings() const;
  [[nodiscard]] bool any_distance() const;
  // Disabled while 個別查詢 is ticked.
  void enable_levels(bool enabled);
  // The help of the chart (說明) and of the queries (個別查詢說明).
  void Label6Click();
  void Label11Click();

  QDateEdit* DateTimePicker1 = nullptr;  // 自
  QDateEdit* DateTimePicker2 = nullptr;  // 至
  QLabel* Label5 = nullptr;              // draws in the period
  QLabel* Label6 = nullptr;              // "說明"
  QLabel* Label8 = nullptr;              // "最近開獎"
  QLabel* Label10 = nullptr;             // the newest draw's date
  QLabel* Label7 = nullptr;              // its balls
  std::array<QCheckBox*, trace::kChartLevels> levels{};        // cb_star1..cb_star3
  std::array<QCheckBox*, trace::kChartDistances> distances{};  // cb_next01..cb_next12
  QCheckBox* cb_sort = nullptr;
  QCheckBox* cb_star234 = nullptr;  // "個別查詢"
  QLabel* Label11 = nullptr;        // "個別查詢說明"
  QLabel* Image1 = nullptr;         // the game logo

 signals:
  void summary_changed();  // a level, distance or the order changed
  void period_changed();   // a date changed
  void query_mode_clicked();

 private:
  QLayout* build_period_row();
  QLayout* build_choice_rows();
};

}  // namespace chartwin
