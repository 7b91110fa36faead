// The simulated-draw window: seven two-digit fields the user fills in; the entries stay
// from one opening to the next.
#pragma once

#include <QLineEdit>
#include <array>

#include "ui/form_dialog.h"

class TForm_zu_simulate : public ui::FormDialog {
  Q_OBJECT
 public:
  explicit TForm_zu_simulate(QWidget* parent = nullptr);
  std::array<QLineEdit*, 6> main_numbers{};  // 正號
  QLineEdit* special_number = nullptr;       // 特別號
};
