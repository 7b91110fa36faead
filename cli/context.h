// What every vantor39-cli command gets: the loaded draw table, today's date, its options
// and the output streams (UTF-8 text, one line per memo or grid line).
#pragma once

#include <ostream>
#include <string>

#include "cli/options.h"
#include "core/draw_history.h"

namespace cli {

struct Context {
  core::DrawHistory& history;  // loaded and derived, oldest first
  std::string today;           // "yyyy/mm/dd", the date the loader compared against
  const Args& args;
  std::ostream& out;
  std::ostream& err;
};

}  // namespace cli
