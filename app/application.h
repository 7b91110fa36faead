// The application object: owns the draw table and its writer, the pattern-rule settings,
// the clock, the main window and the
// registry that creates every other window once, in start-up order (app/windows.cpp).
#pragma once

#include <QString>
#include <memory>

#include "app/window_registry.h"
#include "core/clock.h"
#include "core/draw_history.h"
#include "core/draw_table.h"
#include "core/rule_settings.h"

class TForm_zu_main;
class Trpt;

class Application {
 public:
  Application(QString working_dir, std::unique_ptr<core::Clock> clock);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Shows the main window maximised; its first showing runs the load sequence.
  void start();

  [[nodiscard]] const core::DrawHistory& history() const { return history_; }
  [[nodiscard]] core::DrawTable& table() { return table_; }
  [[nodiscard]] core::RuleSettings& rule_settings() { return rules_; }
  [[nodiscard]] TForm_zu_main& main_window() { return *main_; }
  [[nodiscard]] app::WindowRegistry& windows() { return windows_; }
  [[nodiscard]] Trpt& report() { return *report_; }
  // The registered window of type W (every registered window exists after construction).
  template <class W>
  [[nodiscard]] W& window() {
    return windows_.get<W>();
  }

 private:
  core::DrawHistory history_;
  core::DrawTable table_{history_};
  core::RuleSettings rules_;
  std::unique_ptr<core::Clock> clock_;
  QString working_dir_;
  app::WindowRegistry windows_;
  // The other windows are children of the main window, which deletes them.
  std::unique_ptr<TForm_zu_main> main_;
  std::unique_ptr<Trpt> report_;
  std::unique_ptr<app::WindowContext> context_;
};
