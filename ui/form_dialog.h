// The skeleton of every top-level window and its show handler. A window that sets itself
// up on each opening implements FormShow; it runs every time the program shows the window,
// after the dialog has placed itself, and not when the user restores the window from the
// task bar (that is no new opening: the window keeps what it shows).
#pragma once

#include <QDialog>

namespace ui {

class FormDialog : public QDialog {
  Q_OBJECT
 public:
  using QDialog::QDialog;

  virtual void FormShow() {}

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace ui
