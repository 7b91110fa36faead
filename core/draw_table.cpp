#include "core/draw_table.h"

#include "core/loader.h"

namespace core {

Result<LoadedDraws> DrawTable::reload(const std::string& path, std::string_view today, RuleSettings* rules) {
  return core::reload(history_, path, today, MissingDrawFile::Create, rules);
}

void DrawTable::choose_game(const std::string& draw_file_name, const std::string& game_name) {
  history_.max_ball = 39;
  history_.draw_file_name = draw_file_name;
  history_.game_name = game_name;
}

void DrawTable::set_working_order(BallOrder order) { set_ball_order(history_, order); }

void DrawTable::hold_newest_first() { sort_orirec(history_, 1); }

Status DrawTable::derive_again() { return put_to_ltno(history_); }

}  // namespace core
