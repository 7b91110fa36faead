// Small helpers every command shares: printing lines, refusing, splitting list options.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/context.h"
#include "core/own_files.h"
#include "core/result.h"
#include "core/text_grid.h"

namespace cli {

void print_lines(Context& ctx, const std::vector<std::string>& lines);
// Every row of the grid as one line, its cells joined by "," (empty cells kept).
void print_grid(Context& ctx, const core::TextGrid& grid);

// Writes the message on the error stream; returns kRefused for the command to return.
int refuse(Context& ctx, std::string_view message);
int refuse(Context& ctx, const core::Error& error);

// The whole of a command that prints lines: the lines and 0, or the refusal and kRefused.
int print_or_refuse(Context& ctx, const core::Result<std::vector<std::string>>& lines);

// A file a command is asked to write: refused when it is one of the program's own files
// (the draw file given by --file, its backups, the help texts, the address file).
[[nodiscard]] core::Status refuse_own_output(const Args& args, const std::string& path);
[[nodiscard]] core::OwnFilePlaces own_file_places(const Args& args);

// "a,b,,c" -> {"a", "b", "", "c"}; an empty text is one empty part.
[[nodiscard]] std::vector<std::string> split(std::string_view text, char separator);

}  // namespace cli
