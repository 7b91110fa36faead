// Loading the draw file into the draw table and deriving its columns.
//
// The rules are byte-wise on the file as stored: a line is trimmed of leading and
// trailing bytes <= 32 and must then be exactly 32 bytes; the first line that is not
// ends the load. Lines dated after today are skipped. Accepted lines are kept as read,
// in the file's code page: columns are cut on bytes, and only displays convert.
#pragma once

#include <string>
#include <string_view>

#include "core/draw_history.h"
#include "core/result.h"

namespace core {

// The three latest-draw captions of the main window (lb_data, lb_data1, lb_data2).
struct LatestDrawLabels {
  std::string date = "日期:";
  std::string issue = "期數:";
  std::string balls = "號碼(落球):";
};

struct LoadedDraws {
  LatestDrawLabels labels;
  int skipped_older = 0;  // accepted lines beyond the table's capacity, oldest left out
};

// The path of the game's draw file in `directory` ("" = the current directory).
[[nodiscard]] std::string draw_file_path(const DrawHistory& history, const std::string& directory);

// The draw file's bytes into orirec/draw_count, oldest first (the load sequence,
// core/reload.h, reads the file). `today` is "yyyy/mm/dd". Keeps the newest
// kDrawCapacity draws when the file holds more.
LoadedDraws load_draw_lines(DrawHistory& history, std::string_view bytes, std::string_view today);

// The labels for the newest of the loaded lines (orirec oldest first); prefixes alone
// when nothing is loaded.
[[nodiscard]] LatestDrawLabels latest_draw_labels(const DrawHistory& history);

// Mode 1 newest first, mode 2 oldest first; whole-line unsigned byte comparison.
void sort_orirec(DrawHistory& history, int mode);

// A field of a draw line (bytes of the file's code page) as UTF-8 text for the screen.
[[nodiscard]] std::string display_text(std::string_view bytes);

// Derives every column from orirec[0 .. draw_count-1] in their current order. On a bad
// date or ball stops with an error naming the offending text; the draws before it are
// derived.
[[nodiscard]] Status put_to_ltno(DrawHistory& history);

// What the load sequence clears before each load.
void clear_ball_texts(DrawHistory& history);

}  // namespace core
