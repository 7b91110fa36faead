#include "app/window_registry.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <cstdlib>
#include <cxxabi.h>

#include "ui/dialogs.h"

namespace app {

void WindowRegistry::create_all(const WindowContext& context) {
  context_.emplace(context);
  for (Entry& entry : entries_) entry.window = entry.create(context);
  for (Entry& entry : entries_)
    if (entry.wire) entry.wire(*entry.window, context);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].on_reload)
      connect(this, &WindowRegistry::reloaded, entries_[i].window, [this, i] { entries_[i].on_reload(*entries_[i].window); });
  }
}

void WindowRegistry::missing_window(const char* type_name) {
  int status = 0;
  char* readable = abi::__cxa_demangle(type_name, nullptr, nullptr, &status);
  const QByteArray name = status == 0 ? QByteArray(readable) : QByteArray(type_name);
  std::free(readable);
  qFatal("No window of type %s is registered (app/windows.cpp), or the windows are not created yet", name.constData());
}

void WindowRegistry::build_menu(QMenu* menu) {
  for (const Command& command : commands_) {
    if (command.menu_text.isEmpty()) continue;
    QAction* action = menu->addAction(command.menu_text);
    connect(action, &QAction::triggered, this, [this, name = command.name] { open(name); });
  }
}

bool WindowRegistry::open(std::string_view name) {
  for (const Command& command : commands_) {
    if (command.name != name) continue;
    if (!entries_[command.entry].window) return false;
    show(command);
    return true;
  }
  return false;
}

std::vector<std::string> WindowRegistry::command_names() const {
  std::vector<std::string> names;
  for (const Command& command : commands_) names.push_back(command.name);
  return names;
}

QWidget* WindowRegistry::window_of(std::string_view name) const {
  for (const Command& command : commands_)
    if (command.name == name) return entries_[command.entry].window;
  return nullptr;
}

void WindowRegistry::show(const Command& command) {
  QWidget& window = *entries_[command.entry].window;
  if (command.prepare) command.prepare(window, *context_);
  auto* dialog = qobject_cast<QDialog*>(&window);
  if (command.showing == Showing::Modal && dialog)
    ui::show_modal(dialog);
  else
    ui::show_modeless(&window);
}

}  // namespace app
