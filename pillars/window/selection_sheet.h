// TS4 "選擇號碼": the number, tail and head boxes and the selection they make.
//
// The checked number boxes are the selection. Commands change the boxes' checked state,
// so every actual change runs the box's click handler just as a user click does, and
// CB01Click rebuilds the selection each time and announces it.
#pragma once

#include <QWidget>
#include <array>

#include "pillars/selection.h"
#include "pillars/statistics.h"
#include "pillars/window/workbench_links.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace bestpillarswin {

class SelectionSheet : public QWidget {
  Q_OBJECT

 public:
  explicit SelectionSheet(const WorkbenchLinks& links, QWidget* parent = nullptr);

  // Shows the number boxes 1 .. max_ball only.
  void show_numbers_up_to(int max_ball);
  // After a command refused the selection's size: cb9 suggests how many to take.
  void suggest_count(int count);

  void CB01Click();    // any number box
  void Button7Click(); // the most frequent numbers
  void Button8Click(); // clear
  void Clear_CB();
  void CBT1Click();    // any tail box
  void CBH0Click();    // any head box

  // CB01 .. CB49 by number ([0] unused), CBT0 .. CBT9 by digit, CBH0 .. CBH4 by tens.
  QComboBox* cb9 = nullptr;
  QPushButton *Button7 = nullptr, *Button8 = nullptr;
  std::array<QCheckBox*, pillars::kMaxNumbers + 1> no_box{};
  std::array<QCheckBox*, 10> cb_tail{};
  std::array<QCheckBox*, 5> cb_head{};
  QLabel* lb_selectNo = nullptr;

 signals:
  void selection_changed(const pillars::Selection& selection);
  // Button7 checked the most frequent numbers; the pillar count is to be applied again.
  void numbers_chosen();

 private:
  QWidget* build_boxes();
  void build_filters(QVBoxLayout* sheet);
  void connect_handlers();
  void set_number_checked(int number, bool checked);
  [[nodiscard]] pillars::NumberBoxes number_box_states() const;
  [[nodiscard]] std::array<bool, 10> tail_box_states() const;
  [[nodiscard]] std::array<bool, 5> head_box_states() const;
  // Runs a command that checks and unchecks many boxes; the limit is said once, after it.
  template <class Change>
  void as_one_action(Change change);

  const WorkbenchLinks& links_;
  int actions_running_ = 0;
};

}  // namespace bestpillarswin
