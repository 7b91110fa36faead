#include "ui/events.h"

#include <QCoreApplication>
#include <QWidget>

namespace ui {

void pump_events() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void repaint_now(QWidget* widget) {
  if (widget->isVisible()) widget->repaint();
}

}  // namespace ui
