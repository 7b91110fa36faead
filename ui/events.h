// Long runs on the window's thread call pump_events() between steps, so progress labels
// repaint and a stop button can be pressed.
#pragma once

class QWidget;

namespace ui {

void pump_events();
// Repaints one widget now (a progress caption) without waiting for the event loop.
void repaint_now(QWidget* widget);

}  // namespace ui
