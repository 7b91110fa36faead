#include "cli/output.h"

#include <string>

namespace cli {

core::OwnFilePlaces own_file_places(const Args& args) { return {args.value_or("--file", "TW539.txt"), ""}; }

core::Status refuse_own_output(const Args& args, const std::string& path) {
  return core::refuse_own_file(path, own_file_places(args));
}

void print_lines(Context& ctx, const std::vector<std::string>& lines) {
  for (const auto& line : lines) ctx.out << line << '\n';
}

// A line is written whole: a stream insertion per cell would cost a long grid more than
// computing it.
void print_grid(Context& ctx, const core::TextGrid& grid) {
  std::string line;
  for (int r = 0; r < grid.rows(); ++r) {
    line.clear();
    for (int c = 0; c < grid.columns(); ++c) {
      if (c > 0) line += ',';
      line += grid.cell(c, r);
    }
    line += '\n';
    ctx.out << line;
  }
}

int refuse(Context& ctx, std::string_view message) {
  ctx.err << message << '\n';
  return kRefused;
}

int refuse(Context& ctx, const core::Error& error) { return refuse(ctx, error.text); }

int print_or_refuse(Context& ctx, const core::Result<std::vector<std::string>>& lines) {
  if (!lines) return refuse(ctx, lines.error());
  print_lines(ctx, *lines);
  return 0;
}

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace cli
