// The writer of the draw table. Windows read the table through `const DrawHistory&`; the
// few places that change it go through the named operations here, so a reader can see
// who writes what. The application owns one writer over its table.
//
//   table.reload(path, today, &rules);            // the load sequence
//   table.set_working_order(BallOrder::Sorted);   // a user's 落球/順球 choice
//   table.hold_newest_first();                    // the records window while it is open
#pragma once

#include <string>
#include <string_view>

#include "core/ball_order.h"
#include "core/draw_history.h"
#include "core/reload.h"
#include "core/rule_settings.h"

namespace core {

class DrawTable {
 public:
  explicit DrawTable(DrawHistory& history) : history_(history) {}

  [[nodiscard]] const DrawHistory& history() const { return history_; }

  // Reads the draw file and derives every column (core::reload); with `rules`, also puts
  // the pattern-rule settings back to their load-time values once the lines are read.
  [[nodiscard]] Result<LoadedDraws> reload(const std::string& path, std::string_view today,
                                           RuleSettings* rules = nullptr);
  // The game whose draw file the next load reads.
  void choose_game(const std::string& draw_file_name, const std::string& game_name);
  // Records the ball order a user chose in ltno_copy, for the windows that share it.
  void set_working_order(BallOrder order);
  // The loaded lines newest first, as the records window shows and edits them.
  void hold_newest_first();
  // Every column derived again from the lines in their current order; this also puts the
  // working ball column back in draw order.
  [[nodiscard]] Status derive_again();

 private:
  DrawHistory& history_;
};

}  // namespace core
