// Running vantor39-cli in-process for golden tests: the documented examples use the
// bundled history with today fixed at 2026/12/09, and elide parts of long lines with "…".
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run.h"

namespace test_support {

struct CliResult {
  int code = 0;
  std::string out;
  std::string err;
};

inline CliResult run_cli(const std::vector<std::string>& words) {
  std::ostringstream out, err;
  const int code = cli::run(words, out, err);
  return {code, out.str(), err.str()};
}

// The command on the bundled 2,500-draw history.
inline CliResult run_bundled(std::vector<std::string> words) {
  words.insert(words.begin(), {"--file", std::string(VANTOR_DATA_DIR) + "/TW539.txt", "--today", "2026/12/09"});
  return run_cli(words);
}

// Refused on the bundled history: the message alone on stderr, nothing on stdout, status 2.
struct Refusal {
  std::vector<std::string> args;
  std::string message;
};

inline void expect_refusals(std::span<const Refusal> cases) {
  for (const auto& c : cases) {
    const auto result = run_bundled(c.args);
    EXPECT_EQ(result.code, 2) << c.message;
    EXPECT_EQ(result.err, c.message + "\n");
    EXPECT_EQ(result.out, "");
  }
}

// A draw file holding `bytes`, for tables the bundled history cannot give (an empty one).
inline std::string temp_draw_file(const std::string& name, const std::string& bytes) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

// Every line of the output without its "\n"; a last line without one is kept too.
inline std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// Whether `line` reads as the documented line, where "…" stands for any elided text.
inline bool matches_elided(std::string_view line, std::string_view documented) {
  constexpr std::string_view kEllipsis = "…";
  const std::size_t first = documented.find(kEllipsis);
  if (first == std::string_view::npos) return line == documented;
  if (line.substr(0, first) != documented.substr(0, first)) return false;
  std::size_t at = first;
  std::string_view rest = documented.substr(first + kEllipsis.size());
  while (true) {
    const std::size_t next = rest.find(kEllipsis);
    const std::string_view piece = rest.substr(0, next);
    if (next == std::string_view::npos)
      return line.size() >= at + piece.size() && line.substr(line.size() - piece.size()) == piece;
    const std::size_t found = line.find(piece, at);
    if (found == std::string_view::npos) return false;
    at = found + piece.size();
    rest = rest.substr(next + kEllipsis.size());
  }
}

}  // namespace test_support
