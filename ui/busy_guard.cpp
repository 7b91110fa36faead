#include "ui/busy_guard.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

namespace ui {
namespace {

constexpr const char* kHeldBy = "ui_busy_guards";

// Turns away the window's close events for as long as it lives.
class CloseFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Close) return QObject::eventFilter(watched, event);
    event->ignore();
    return true;
  }
};

bool is_command(const QWidget* widget) {
  if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
      qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
      qobject_cast<const QTextEdit*>(widget))
    return true;
  // A line edit of its own; the editor inside a combo or spin box follows its owner.
  return qobject_cast<const QLineEdit*>(widget) && !qobject_cast<const QComboBox*>(widget->parentWidget()) &&
         !qobject_cast<const QAbstractSpinBox*>(widget->parentWidget());
}

void count_guard(QWidget* window, int change) {
  window->setProperty(kHeldBy, window->property(kHeldBy).toInt() + change);
}

}  // namespace

BusyGuard::BusyGuard(QWidget* window, std::initializer_list<QWidget*> keep)
    : window_(window), close_filter_(std::make_unique<CloseFilter>()) {
  count_guard(window, +1);
  window->installEventFilter(close_filter_.get());
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!is_command(widget)) continue;
    // The widget's own setting, not one inherited from a disabled parent.
    enabled_before_.emplace_back(widget, !widget->testAttribute(Qt::WA_ForceDisabled));
    widget->setEnabled(std::find(keep.begin(), keep.end(), widget) != keep.end());
  }
}

BusyGuard::~BusyGuard() {
  for (const auto& [widget, enabled] : enabled_before_)
    if (widget) widget->setEnabled(enabled);
  if (!window_) return;
  window_->removeEventFilter(close_filter_.get());
  count_guard(window_, -1);
}

bool BusyGuard::holds(const QWidget* window) { return window && window->property(kHeldBy).toInt() > 0; }

}  // namespace ui
