// One tab of the moving-pattern window: the boxes of a rule ("版路") that reads one ball
// position (TabSheet1 "固定位置加減法") or the average of three (TabSheet2 "平均數加減法").
//
//   上 [K] 期 第 [P] 支 [加][0] 本期開 (•)一中一
//                    或 [加][0]        ( )二中一
//   [版路標題]       或 [加][0]        ( )三中一
//
// The sheet owns its boxes and the rows the prediction count shows; it hands its box
// texts to the form (boxes()) and tells it when they changed. Both tabs are this class:
// they differ only in the position boxes and in their controls' names.
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "analysis/moving/moving_rule.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace movingwin {

class RuleSheet : public QWidget {
  Q_OBJECT

 public:
  // `average`: the tab of the average of three positions (TabSheet2).
  explicit RuleSheet(bool average, QWidget* parent = nullptr);

  // What showing the window does: the look-back boxes "1".."30", the positions "1".."5",
  // the amounts "0" .. max_ball - 1; the texts stay as they are.
  void fill_items(int max_ball);
  [[nodiscard]] moving::MovingBoxes boxes() const;
  // What the form made of the boxes: the boxes of the pattern on display, or nullopt for
  // a refusal, which gives the entry's box back its accepted text.
  void set_result(const std::optional<moving::MovingBoxes>& shown);
  // The boxes of this tab's pattern on display (its title names them), else boxes().
  [[nodiscard]] moving::MovingBoxes shown_boxes() const;
  // The number boxes in the order the rule reads them, for naming an empty one.
  [[nodiscard]] std::vector<const QComboBox*> number_boxes() const;
  [[nodiscard]] bool average() const { return average_; }

  // Named cb_lastw, cb_order, cb_pm1.., cb_pmx1.., rb_1to1.., Label3, Label16, SpeedButton3
  // on TabSheet1; cb_av_lastw, cb_av1..cb_av3, cb_av_pm1.., cb_av_pmx1.., rb_av_1to1..,
  // Label8, Label17, SpeedButton4 on TabSheet2. The one-position tab has positions[0] only.
  QComboBox* look_back = nullptr;
  std::array<QComboBox*, 3> positions{};
  std::array<QComboBox*, moving::kMaxPredictions> signs{};
  std::array<QComboBox*, moving::kMaxPredictions> amounts{};
  std::array<QRadioButton*, moving::kMaxPredictions> counts{};  // 一中一, 二中一, 三中一
  std::array<QLabel*, 2> or_labels{};                          // "或" before rows 2 and 3
  QPushButton* title_button = nullptr;                         // 版路標題

 signals:
  // A box or the prediction count changed: the form recomputes this tab.
  void changed();
  void title_requested();

 private:
  void build();
  // rb_1to1Click / rb_av_1to1Click: rows 2 and 3 follow the chosen count, then a recompute.
  void count_chosen();
  void show_rows();
  [[nodiscard]] int count() const;

  bool average_;
  std::optional<moving::MovingBoxes> shown_;
  bool refused_ = false;
};

}  // namespace movingwin
