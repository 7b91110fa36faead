// The single-draw trace window "單期號碼拖牌": pick a draw of the recent history and one
// of its numbers (or a pair, a triple, a position, a relation of two positions, a cycle)
// and see what came in the draws that followed every earlier occurrence.
//
//   draw table -> trace::TraceTable (rebuilt on every opening)
//   tab boxes -> trace::trace_tab -> the trace grid sgmap (marks, tail counts, summary)
//   the trace on screen -> 二中一 / 三中一 / 進階 windows, number analysis, text file
//
// The form owns the window's state: the table, the draws the single-number rule
// examines (every draw, or in pinned mode the rows of the pinned trace) and the trace on
// screen. Each tab is a sheet of its own (analysis/trace/window/*_sheet.h) that reads its
// boxes and asks the form to trace them; the tab that traced last owns the grid.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/trace/trace.h"
#include "analysis/trace/window/shown_trace.h"
#include "analysis/trace/window/trace_sheet.h"
#include "core/draw_history.h"
#include "core/draw_table.h"
#include "ui/form_dialog.h"

class QAction;
class QMenu;
class QTabWidget;

namespace ui {
class StringGrid;
}
namespace tracewin {
class SingleNumberSheet;
class CombinationSheet;
class PositionSheet;
class AddSheet;
class CycleSheet;
}  // namespace tracewin

class TForm_zu_trace_single : public ui::FormDialog {
  Q_OBJECT

 public:
  explicit TForm_zu_trace_single(core::DrawTable& table, QWidget* parent = nullptr);
  ~TForm_zu_trace_single() override;

  // Makes tab `page` active and runs the page change: at once when the window is open,
  // otherwise right after its opening.
  void show_page(int page);
  // After a reload of the draw table an open window opens afresh on the new table.
  void refresh();

  void FormShow() override;
  void PageControl1Change();
  void N1Click();      // 版路分析及拖牌結果
  void N3Click();      // 操作說明
  void N4Click();      // the grid as a text file or a spreadsheet

  // The trace on screen (none before the first opening).
  [[nodiscard]] const tracewin::SharedTrace& shown() const { return shown_; }
  // source_list: the draws the single-number rule examines.
  [[nodiscard]] const std::vector<int>& source_list() const { return source_list_; }
  [[nodiscard]] const trace::TraceTable& table() const { return table_; }
  // The tabs in page order.
  [[nodiscard]] const std::array<tracewin::TraceSheet*, trace::kTabCount>& sheets() const { return sheets_; }

  QTabWidget* PageControl1 = nullptr;
  tracewin::SingleNumberSheet* TabSheet1 = nullptr;  // 不定位單支拖牌
  tracewin::CombinationSheet* TabSheet2 = nullptr;   // 不定位雙星拖牌
  tracewin::CombinationSheet* TabSheet7 = nullptr;   // 不定位三星拖牌
  tracewin::PositionSheet* TabSheet3 = nullptr;      // 大小定位拖牌
  tracewin::PositionSheet* TabSheet4 = nullptr;      // 落球定位拖牌
  tracewin::AddSheet* TabSheet5 = nullptr;           // 大小加減版路
  tracewin::CycleSheet* TabSheet6 = nullptr;         // 週期法
  ui::StringGrid* sgmap = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction *N1 = nullptr, *N2 = nullptr, *N3 = nullptr, *N4 = nullptr;

 signals:
  // The tab buttons 二中一, 三中一 and 進階 ask for their windows on the trace on screen.
  void two_of_one_requested(tracewin::SharedTrace shown);
  void three_of_one_requested(tracewin::SharedTrace shown);
  void grid_sort_requested(tracewin::SharedTrace shown);
  // N1 asks for the number analysis on the trace's rows and title. N1 stays disabled until
  // something listens: a trace window alone has no analysis to open.
  void number_analysis_requested(const trace::TraceExport& rows, const std::string& title);
  void help_requested();  // N3 操作說明

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void connectNotify(const QMetaMethod& signal) override;

 private:
  void build_pages();
  void build_menu();
  void connect_sheet(tracewin::TraceSheet* sheet);
  core::Status show_trace(const trace::TraceBoxes& boxes, int distance, const trace::ExportBound& export_bound);
  void pin(bool pinned);
  void select_page(int page);
  void chk_highlight();
  void follow_up(void (TForm_zu_trace_single::*request)(tracewin::SharedTrace));

  core::DrawTable& draw_table_;
  const core::DrawHistory& history_;
  trace::TraceTable table_;
  tracewin::TraceLinks links_;
  std::array<tracewin::TraceSheet*, trace::kTabCount> sheets_{};
  std::vector<int> source_list_;
  tracewin::SharedTrace shown_;
  std::optional<int> pending_page_;
};
