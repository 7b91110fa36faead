// The top panel of the double-trace window: the boxes that state the double trace (a date,
// number X in that draw, Y some draws later, the prediction distance and the run 連準),
// the ball-order buttons, and the labels and step buttons of the rule on display.
//
//   [date] 開 [X]        且下 [d1] 期 開 [Y] (下0期=同期)        預測下 [V] 期  連準 [R] 版 (note)
//   (•)落球 ( )順球   第 1 組  共 12 組   [上一組] [下一組] [搜尋]   準3版  07.__.__
//
// Choosing a date fills the number boxes with that draw's balls and asks for a search;
// the form runs the searches and shows their results through show_labels().
#pragma once

#include <QFrame>
#include <optional>
#include <string>
#include <vector>

#include "analysis/intervals/double_trace_view.h"
#include "core/ball_order.h"
#include "core/draw_history.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QToolButton;

namespace intervalswin {

// The boxes read for a search. Without a number in 連準 the search lists the matches only.
struct PanelQuery {
  intervals::DoubleTraceQuery query;
  bool rules_wanted = true;
};

class TracePanel : public QFrame {
  Q_OBJECT

 public:
  explicit TracePanel(const core::DrawHistory& history, QWidget* parent = nullptr);

  // The dates of the 20 newest draws, newest first, the newest chosen (not yet looked up,
  // so until a date is found 搜尋 has nothing to search).
  void reset_dates();
  // Looks the date up, fills X, V and d1 from that draw, then Y (cb_d1Change), then asks
  // for a search. A date no draw has is refused with a message (false); the boxes stay.
  bool cb_dateChange();
  // False when the distance is refused (said in a message): the box then shows again the
  // distance Y belongs to.
  bool cb_d1Change();
  // The boxes as a search reads them (X and Y as two digits, "5" as "05"); nullopt after
  // a message for the first box that holds what cannot be searched.
  [[nodiscard]] std::optional<PanelQuery> query();
  // The 連準 a search used: lowered for a search that found fewer matches, which the
  // note beside the box says; 連準 itself stays as the user set it.
  void show_run(int asked, int searched);
  void show_labels(const intervals::DoubleTraceView& view);
  [[nodiscard]] core::BallOrder order() const;

  QComboBox *cb_date = nullptr, *CB_xx = nullptr, *cb_d1 = nullptr, *cb_d2 = nullptr;
  QComboBox *cb_prediction = nullptr, *cb_lan = nullptr;
  QLabel* lb_lan_note = nullptr;  // beside 連準: the run a search of few matches used
  QRadioButton *rb_ball_ori = nullptr, *rb_ball_sort = nullptr;
  QLabel *lb_sortidx = nullptr, *lb_tot = nullptr;
  QToolButton *SpeedButton2 = nullptr, *SpeedButton6 = nullptr;  // 上一組, 下一組
  QToolButton* SpeedButton4 = nullptr;                            // 搜尋
  QLabel* plan = nullptr;

 signals:
  void search_requested();
  void order_chosen();        // rb_ball_sortClick, for either button
  void step_requested(int step);  // +1 下一組, -1 上一組

 private:
  void build();
  void connect_controls();
  [[nodiscard]] std::optional<int> box_number(QComboBox* box);
  [[nodiscard]] std::optional<int> read_later();                       // 且下, within the table
  [[nodiscard]] std::optional<std::string> read_number(QComboBox* box);  // X or Y

  const core::DrawHistory& history_;
  int base_draw_ = 0;  // L: the draw of the last date looked up
};

}  // namespace intervalswin
