// The double-trace window "雙連拖定位獨支": the draws in which X came and, d1 draws later,
// Y came (the matches), and the fixed-position rules that would have predicted the draw V
// after each match, ranked and shown one at a time with a worked explanation.
//
//   panel boxes -> intervals::search_double_trace -> intervals::show_double_trace (rule n)
//   -> grid sgl (the matches with the rule's number and its check), labels, plan and mm
//
// Balls are read in the order the window's buttons show (落球 / 順球); choosing an order
// also records it in the draw table's working column ltno_copy for the other windows.
// Every showing searches the newest date again; only a showing that switches the order
// to 順球 keeps the first rule on display, any other resets the view.
#pragma once


#include "analysis/intervals/double_trace_view.h"
#include "analysis/intervals/window/double_trace_panel.h"
#include "core/draw_history.h"
#include "core/draw_table.h"
#include "ui/form_dialog.h"
#include "ui/memo.h"
#include "ui/string_grid.h"

class TForm_zu_ai2_stk_3xx : public ui::FormDialog {
  Q_OBJECT

 public:
  explicit TForm_zu_ai2_stk_3xx(core::DrawTable& table, QWidget* parent = nullptr);

  void FormShow() override;
  void rb_ball_sortClick();
  // 搜尋: the matches, then the rules, the first one shown.
  void SpeedButton4Click();
  void show_rule(int rule_number);
  void reset_table();

  [[nodiscard]] const intervals::DoubleTraceSearch& search() const { return search_; }
  [[nodiscard]] int rule_index() const { return rule_index_; }

  intervalswin::TracePanel* Panel1 = nullptr;
  ui::StringGrid* sgl = nullptr;
  ui::Memo* mm = nullptr;

 private:
  void show_view(intervals::DoubleTraceView view);

  core::DrawTable& draw_table_;
  const core::DrawHistory& history_;
  intervals::DoubleTraceSearch search_;
  int rule_index_ = 0;
};
