// "拖牌二中一分析": the pairs of numbers that cover the most rows of the trace on screen.
#pragma once

#include "analysis/trace/window/choice_window.h"

class TForm_zu_twoforone : public tracewin::ChoiceWindow {
  Q_OBJECT

 public:
  explicit TForm_zu_twoforone(QWidget* parent = nullptr) : ChoiceWindow(2, parent) {
    setObjectName("TForm_zu_twoforone");
  }
  void get_twoforone(tracewin::SharedTrace shown) { open_on(std::move(shown)); }
};
