// Every window of the program besides the main one: created once at start-up in the
// order they are registered, opened by the name of the command that opens them, and
// told of every reload of the draw table. A new window is one registration in
// app/windows.cpp, next to the others and in start-up order:
//
//   registry.add<TForm_zu_simulate>([](const WindowContext& c) { return new TForm_zu_simulate(&c.main); })
//       .command("simulateExecute", QStringLiteral("模擬開獎"));
//   registry.add<TForm_zu_trace_single>(...)
//       .command("N12Click", {}, Showing::Modeless, [](TForm_zu_trace_single& w, const WindowContext&) { w.show_page(1); })
//       .on_reload(&TForm_zu_trace_single::refresh);
//   registry.add<TForm_zu_rule_define>(...)
//       .wire([](TForm_zu_rule_define& w, const WindowContext& c) { c.windows.get<TForm_zu_no_analysis>().set_rule_definition(&w); });
//
// - A command with a menu text becomes an item of the main window's "分析工具" menu, in
//   registration order; one without is opened by a control (windows().open(name)).
// - A command's prepare step runs just before the window shows (pass it the game logo,
//   select a page).
// - wire connects a window to other windows: a request from one window to another is a
//   signal of the asking window, connected here. It runs once every window exists, so the
//   order of registration never decides whether the other window is there yet. Only a
//   factory that makes a window the child of one registered before it calls get().
// - on_reload names the refresh of a window that shows table data and must not show a
//   stale table after a reload; other windows refresh when they are next shown.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "core/clock.h"
#include "core/draw_history.h"
#include "core/draw_table.h"
#include "core/rule_settings.h"

class QMenu;
class QWidget;
class TForm_zu_main;
class Trpt;

namespace app {

class WindowRegistry;

// What a window's factory may hand to the window it creates.
struct WindowContext {
  const core::DrawHistory& history;  // what every window reads
  core::DrawTable& table;            // the few windows that change the table write through it
  core::RuleSettings& rules;         // the pattern-rule settings of the number analysis
  const core::Clock& clock;
  const QString& working_dir;
  TForm_zu_main& main;  // the parent of every window and the owner of the load sequence
  WindowRegistry& windows;
  Trpt& report;         // the one printing path (show_memo_rpt)
};

enum class Showing { Modal, Modeless };

template <class W>
class Registration;

class WindowRegistry : public QObject {
  Q_OBJECT

 public:
  // Registers a window; the returned registration adds its commands and reload hook.
  template <class W>
  Registration<W> add(std::function<W*(const WindowContext&)> create);

  // Creates every registered window, in registration order, then runs every wiring in the
  // same order. Run once.
  void create_all(const WindowContext& context);
  // Adds an item for every command with a menu text.
  void build_menu(QMenu* menu);
  // Shows the window of a command as the command says; false for an unknown command.
  bool open(std::string_view command);
  // Every command, in registration order (the screenshot tour and the monkey test visit them).
  [[nodiscard]] std::vector<std::string> command_names() const;
  // The window a command shows; nullptr for an unknown command.
  [[nodiscard]] QWidget* window_of(std::string_view command) const;

  // The window of type W; nullptr before create_all or when none is registered.
  template <class W>
  [[nodiscard]] W* find() const;
  // The window of type W, for windows that rely on each other: a missing one is a fault of
  // the registrations, so it stops the program with the type's name rather than leaving a
  // null pointer to crash on later.
  template <class W>
  [[nodiscard]] W& get() const;

  // The load sequence calls this after every run.
  void announce_reload() { emit reloaded(); }

 signals:
  void reloaded();

 private:
  template <class W>
  friend class Registration;
  struct Entry {
    std::function<QWidget*(const WindowContext&)> create;
    std::function<void(QWidget&, const WindowContext&)> wire;
    std::function<void(QWidget&)> on_reload;
    QWidget* window = nullptr;
  };
  struct Command {
    std::string name;
    QString menu_text = QString();
    Showing showing;
    std::function<void(QWidget&, const WindowContext&)> prepare;
    std::size_t entry;
  };
  void show(const Command& command);
  [[noreturn]] static void missing_window(const char* type_name);

  std::vector<Entry> entries_;
  std::vector<Command> commands_;
  std::optional<WindowContext> context_;
};

// One window's registration: its commands and what it does on a reload.
template <class W>
class Registration {
 public:
  using Prepare = std::function<void(W&, const WindowContext&)>;
  using Wiring = std::function<void(W&, const WindowContext&)>;

  Registration(WindowRegistry& registry, std::size_t entry) : registry_(registry), entry_(entry) {}

  // A command that shows the window; with a menu text it is also a "分析工具" item.
  Registration& command(std::string name, const QString& menu_text = QString(), Showing showing = Showing::Modal,
                        Prepare prepare = nullptr) {
    std::function<void(QWidget&, const WindowContext&)> erased;
    if (prepare)
      erased = [p = std::move(prepare)](QWidget& w, const WindowContext& c) { p(static_cast<W&>(w), c); };
    registry_.commands_.push_back({std::move(name), menu_text, showing, std::move(erased), entry_});
    return *this;
  }
  // Connects the window to other windows once every window exists (see get()).
  Registration& wire(Wiring wiring) {
    registry_.entries_[entry_].wire = [w = std::move(wiring)](QWidget& window, const WindowContext& c) {
      w(static_cast<W&>(window), c);
    };
    return *this;
  }
  // The member function that refreshes the window after each reload.
  Registration& on_reload(void (W::*refresh)()) {
    registry_.entries_[entry_].on_reload = [refresh](QWidget& w) { (static_cast<W&>(w).*refresh)(); };
    return *this;
  }

 private:
  WindowRegistry& registry_;
  std::size_t entry_;
};

template <class W>
Registration<W> WindowRegistry::add(std::function<W*(const WindowContext&)> create) {
  entries_.push_back({[create = std::move(create)](const WindowContext& c) -> QWidget* { return create(c); }, {}, {}});
  return Registration<W>(*this, entries_.size() - 1);
}

template <class W>
W* WindowRegistry::find() const {
  for (const Entry& entry : entries_)
    if (auto* window = dynamic_cast<W*>(entry.window)) return window;
  return nullptr;
}

template <class W>
W& WindowRegistry::get() const {
  if (W* window = find<W>()) return *window;
  missing_window(typeid(W).name());
}

}  // namespace app
