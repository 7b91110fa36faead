// Running vantor39-cli in-process on the bundled draw file and comparing its output with
// the lines a command document shows. In a documented line "…" stands for an elided part
// (what stands before it must start the line, what stands after it must end it); a line
// that is only "…" stands for any number of lines.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"

namespace test_support {

struct CliResult {
  int code = 0;
  std::string out, err;
};

// `vantor39-cli --file data/TW539.txt --today 2026/12/09 WORDS...`
inline CliResult run_bundled(std::vector<std::string> words) {
  words.insert(words.begin(), {"--file", std::string(VANTOR_DATA_DIR) + "/TW539.txt", "--today", "2026/12/09"});
  std::ostringstream out, err;
  const int code = cli::run(words, out, err);
  return {code, out.str(), err.str()};
}

inline std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline bool line_matches(const std::string& actual, const std::string& documented) {
  const std::string ellipsis = "…";
  const auto cut = documented.find(ellipsis);
  if (cut == std::string::npos) return actual == documented;
  const std::string head = documented.substr(0, cut), tail = documented.substr(cut + ellipsis.size());
  return actual.size() >= head.size() + tail.size() && actual.compare(0, head.size(), head) == 0 &&
         actual.compare(actual.size() - tail.size(), tail.size(), tail) == 0;
}

// Every documented line in order; "…" lines skip as few lines as the next documented one needs.
inline ::testing::AssertionResult matches_document(const std::vector<std::string>& actual,
                                                   const std::vector<std::string>& documented) {
  std::size_t a = 0;
  for (std::size_t d = 0; d < documented.size(); ++d) {
    if (documented[d] == "…") {
      if (d + 1 == documented.size()) return ::testing::AssertionSuccess();
      while (a < actual.size() && !line_matches(actual[a], documented[d + 1])) ++a;
      if (a == actual.size()) return ::testing::AssertionFailure() << "never found: " << documented[d + 1];
      continue;
    }
    if (a >= actual.size()) return ::testing::AssertionFailure() << "output ends before: " << documented[d];
    if (!line_matches(actual[a], documented[d]))
      return ::testing::AssertionFailure()
             << "line " << a + 1 << "\n  got:      " << actual[a] << "\n  expected: " << documented[d];
    ++a;
  }
  if (a != actual.size()) return ::testing::AssertionFailure() << "extra line " << a + 1 << ": " << actual[a];
  return ::testing::AssertionSuccess();
}

}  // namespace test_support
