// The moving-pattern window "移動式版路(三期內養牌)": a rule ("版路") tested over the whole
// draw table, draw by draw, with its hits in that draw and the two after it.
//
//   tab boxes (RuleSheet) -> moving::show_moving -> grid sgl (one row per draw, the last
//   the coming draw's prediction) -> a selected result cell -> its sentence in the notes
//   (Memo1) -> saved as text or printed through the memo report
//
// The rule reads the balls in the order the window's buttons show (落球 / 順球). Choosing
// an order, and every showing, also records it in the draw table's working column
// ltno_copy, where it stays for the other windows until the table is derived again.
#pragma once

#include <string>
#include <vector>

#include "analysis/backtest/backtest_texts.h"
#include "analysis/moving/moving_pattern.h"
#include "analysis/moving/window/moving_rule_sheet.h"
#include "core/ball_order.h"
#include "core/draw_history.h"
#include "core/draw_table.h"
#include "ui/form_dialog.h"
#include "ui/result_memo.h"
#include "ui/string_grid.h"

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

class TForm_zu_moving : public ui::FormDialog {
  Q_OBJECT

 public:
  explicit TForm_zu_moving(core::DrawTable& table, QWidget* parent = nullptr);
  void btn_backtestClick();

  // Every showing: the boxes' items, then the order choice (rb_LClick) as if just made.
  void FormShow() override;
  // After a reload: a shown window recomputes; a hidden one does when it is next shown.
  void refresh();
  // Selects a tab and runs the tab change (the main window's N41Click opens page 1).
  void show_page(int page);

  void rb_LClick();
  void PageControl1Change();
  // A selected cell (grid column and row, row 0 the header): the row's sentence joins the notes.
  void sglSelectCell(int column, int row);
  void title_to_notes(const movingwin::RuleSheet& sheet);  // SpeedButton3 / SpeedButton4
  void SpeedButton5Click();
  void SpeedButton6Click();
  void N1Click();

  [[nodiscard]] core::BallOrder order() const;
  [[nodiscard]] movingwin::RuleSheet& active_sheet() const;
  [[nodiscard]] const moving::MovingPattern& pattern() const { return pattern_; }

  QTabWidget* PageControl1 = nullptr;
  movingwin::RuleSheet* TabSheet1 = nullptr;  // 固定位置加減法
  movingwin::RuleSheet* TabSheet2 = nullptr;  // 平均數加減法
  QFrame* Panel5 = nullptr;
  QRadioButton *rb_L = nullptr, *rb_S = nullptr;
  QPushButton* BitBtn1 = nullptr;  // 關閉
  QToolButton *SpeedButton5 = nullptr, *SpeedButton6 = nullptr;
  QToolButton* btn_backtest = nullptr;  // 回測
  QLabel* lb_refusal = nullptr;  // why the boxes give no rule; the grid keeps its rows
  ui::StringGrid* sgl = nullptr;
  QAction* N1 = nullptr;  // 列印版路資料
  QFrame* Panel3 = nullptr;
  ui::ResultMemo* notes = nullptr;
  ui::Memo* Memo1 = nullptr;
  QPushButton *SpeedButton2 = nullptr, *SpeedButton1 = nullptr;  // 清除, 存檔

 signals:
  // 回測: asks for the number backtest with the active tab's rule and the ball order.
  void backtest_requested(const backtest::Texts& texts);
  // N1 列印版路資料: the notes for the program's memo report.
  void print_requested(const std::vector<std::string>& lines, const std::string& title);
  void help_requested();  // SpeedButton6: the program's help viewer

 private:
  using RuleSheet = movingwin::RuleSheet;
  void build();
  QFrame* build_panel5();
  QFrame* build_panel3();
  void build_grid();
  void connect_controls();
  // show_moving1 / show_moving2: the active tab's rule over the table.
  void recompute();

  core::DrawTable& draw_table_;
  const core::DrawHistory& history_;
  moving::MovingPattern pattern_;  // its grid is handed to sgl; the sentences stay here
};
