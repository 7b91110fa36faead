// "版路拖牌排序顯示" (進階): the trace on screen with its number columns in the order of
// their totals and its tail columns in the order of their tail sums. It keeps showing
// the trace it was given while the trace window moves on; its pop-up saves the grid as
// text.
#pragma once

#include <string>

#include "analysis/trace/window/shown_trace.h"
#include "ui/form_dialog.h"

class QAction;
class QMenu;

namespace ui {
class StringGrid;
}

class TForm_zu_grid_sort : public ui::FormDialog {
  Q_OBJECT

 public:
  explicit TForm_zu_grid_sort(QWidget* parent = nullptr);

  // Fills the grid from the trace and shows the window without blocking.
  void show_grid_sort(tracewin::SharedTrace shown);
  void N1Click();  // 將本圖表資料存成文字檔案

  ui::StringGrid* sgmap = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* N1 = nullptr;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  int max_ball_ = 39;
  std::string title_;  // the shown trace's analysis title, the saved sheet's name
};
