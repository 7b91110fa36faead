#include "ui/form_dialog.h"

#include <QShowEvent>

namespace ui {

void FormDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

}  // namespace ui
