// The help window: a read-only text area showing one help text file.
#pragma once

#include <QDialog>
#include <QPushButton>

#include "ui/memo.h"

class TForm_zu_help : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_zu_help(QWidget* parent = nullptr);
  ui::Memo* mm = nullptr;
  QPushButton* close_button = nullptr;
};
