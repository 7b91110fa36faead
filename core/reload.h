// The load sequence: the one way the draw table is (re)built from the draw file. The main
// window runs it at start-up and after every change of the file; the command line runs it
// once before its command.
#pragma once

#include <string>
#include <string_view>

#include "core/draw_history.h"
#include "core/loader.h"
#include "core/result.h"
#include "core/rule_settings.h"

namespace core {

enum class MissingDrawFile {
  Create,  // the program: a missing file is created empty and loads as an empty table
  Refuse,  // the command line: a missing file is an error
};

// Reads the draw file at `path` and derives every column; with `rules`, also resets the
// pattern-rule settings once the lines are read. On a read error the table is left
// exactly as it was. On a derivation error (a bad date or ball) the lines are loaded, the
// draws before the bad one derived, and the error names the offending text.
[[nodiscard]] Result<LoadedDraws> reload(DrawHistory& history, const std::string& path,
                                         std::string_view today,
                                         MissingDrawFile missing = MissingDrawFile::Create,
                                         RuleSettings* rules = nullptr);

}  // namespace core
