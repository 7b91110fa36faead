// The help window: a read-only text area showing one help text file.
#pragma once

#include <QPushButton>

#include "ui/form_dialog.h"
#include "ui/memo.h"

class TForm_zu_help : public ui::FormDialog {
  Q_OBJECT
 public:
  explicit TForm_zu_help(QWidget* parent = nullptr);
  ui::Memo* mm = nullptr;
  QPushButton* close_button = nullptr;
};
