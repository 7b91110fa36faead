// "拖牌三中一分析": the triples of numbers that cover more than 30 % of the rows of the
// trace on screen, those covering the most first.
#pragma once

#include "analysis/trace/window/choice_window.h"

class TForm_zu_threeforone : public tracewin::ChoiceWindow {
  Q_OBJECT

 public:
  explicit TForm_zu_threeforone(QWidget* parent = nullptr) : ChoiceWindow(3, parent) {
    setObjectName("TForm_zu_threeforone");
  }
  void get_threeforone(tracewin::SharedTrace shown) { open_on(std::move(shown)); }
};
