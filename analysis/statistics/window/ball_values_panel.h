// Panel_F1 of the statistics window: a ball picture per number (Image01..) with its value
// label under it (lb01..) and the average label F1_avrlb. It shows the number view and
// the gap view. Screen position k is a fixed spot of the panel; an arrangement moves the
// picture and label of the number it puts at position k to that spot, so in 統計順序 the
// balls themselves stand in the order of their values.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QWidget>
#include <vector>

#include "analysis/statistics/statistics_views.h"

namespace statwin {

class BallValuesPanel : public QWidget {
  Q_OBJECT

 public:
  BallValuesPanel(int max_ball, QWidget* parent = nullptr);

  // Values, places and the average of a number or gap view.
  void show_view(const statistics::NumberView& view, statistics::View kind);

  // The top-left corner of screen position k (1-based) for a ball picture.
  [[nodiscard]] static QPoint spot(int k);

  [[nodiscard]] QLabel* picture(int number) const { return pictures_.at(static_cast<std::size_t>(number - 1)); }
  [[nodiscard]] QLabel* value_label(int number) const { return values_.at(static_cast<std::size_t>(number - 1)); }
  QLabel* F1_avrlb = nullptr;

 private:
  std::vector<QLabel*> pictures_;  // Image01..
  std::vector<QLabel*> values_;    // lb01..
};

// The value label's look: blue 10-point type, or red 12-point for a highlighted value.
void set_value_look(QLabel* label, bool highlighted);

}  // namespace statwin
