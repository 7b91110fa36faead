// Tab 0 "不定位單支拖牌": the draws that followed every draw holding a number, and the
// pinned mode that traces a second number inside those rows.
//
//   first row (Panel1):  第 [cb_latest] 期 本期開 [cb_trno] 上一期 lbtridx 下一期 [固定] ...
//   second row (Panel7, pinned mode only):  lbn1 開 [cbn1] 上一期 lbtridx_n1 下一期 [結束]
//
// 固定 keeps the rows on screen as the draws the single-number rule examines; the second
// row then traces its own number and distance among them; coming back to the tab while
// pinned shows that pinned trace again. 結束 gives the rule every draw again and redraws
// the first trace at the first row's unchanged distance.
#pragma once

#include "analysis/trace/window/trace_sheet.h"

namespace tracewin {

class SingleNumberSheet : public TraceSheet {
  Q_OBJECT

 public:
  explicit SingleNumberSheet(const TraceLinks& links, QWidget* parent = nullptr);

  void open(const OpeningItems& items) override;
  void enter() override;

  // Each returns false when the entry was refused (and said why).
  bool cb_latestChange();
  bool cb_trnoChange();
  void sbpin1Click();        // enter pinned mode
  bool cbn1Change();
  void SpeedButton16Click();  // pinned level 上一期
  void SpeedButton17Click();  // pinned level 下一期
  void SpeedButton3Click();   // 結束: leave pinned mode
  // Leaves pinned mode without tracing (the window's opening).
  void end_pinned_mode();

  [[nodiscard]] bool pinned() const { return pinned_; }
  [[nodiscard]] int selected_draw() const { return selected_draw_; }

  QComboBox *cb_latest = nullptr, *cb_trno = nullptr;
  QToolButton* sbpin1 = nullptr;
  QFrame* Panel7 = nullptr;
  QLabel* lbn1 = nullptr;
  QComboBox* cbn1 = nullptr;
  QToolButton *SpeedButton16 = nullptr, *SpeedButton17 = nullptr, *SpeedButton3 = nullptr;
  QLabel* lbtridx_n1 = nullptr;

 protected:
  bool retrace() override;
  void stepped() override;

 private:
  void build_pinned_row();
  bool retrace_pinned();
  void show_issue_enabled(bool enabled);

  int selected_draw_ = 0;
  bool pinned_ = false;
  int pinned_distance_ = 0;
};

}  // namespace tracewin
