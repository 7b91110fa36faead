// Panel_F2 of the statistics window: the ten digit pictures Image0..Image9 with their
// counts F2_lb0..F2_lb9 and the average label F2_avrlb.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

#include "analysis/statistics/statistics_views.h"

namespace statwin {

class TailValuesPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TailValuesPanel(QWidget* parent = nullptr);

  void show_view(const statistics::TailView& view);

  std::array<QLabel*, 10> pictures{};  // Image0..Image9
  std::array<QLabel*, 10> values{};    // F2_lb0..F2_lb9
  QLabel* F2_avrlb = nullptr;
};

}  // namespace statwin
