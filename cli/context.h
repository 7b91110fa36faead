// What every vantor39-cli command gets: the loaded draw table, today's date and the
// output streams (UTF-8 text, one line per memo or grid line).
#pragma once

#include <ostream>
#include <string>

#include "cli/args.h"
#include "core/draw_history.h"

namespace cli {

struct Context {
  core::DrawHistory& history;   // loaded and derived, oldest first
  std::string today;            // "yyyy/mm/dd", the date the loader compared against
  const Args& args;
  std::ostream& out;
  std::ostream& err;
};

// A command returns the process exit code: 0 on success, non-zero after writing the
// reason to err.
using Command = int (*)(Context&);

}  // namespace cli
