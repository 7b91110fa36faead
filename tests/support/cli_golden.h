// A command's output against the lines a command document shows. In a documented line "…"
// stands for an elided part; a line that is only "…" stands for any number of lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_run.h"

namespace test_support {

// Every documented line in order; "…" lines skip as few lines as the next documented one needs.
inline ::testing::AssertionResult matches_document(const std::vector<std::string>& actual,
                                                   const std::vector<std::string>& documented) {
  std::size_t a = 0;
  for (std::size_t d = 0; d < documented.size(); ++d) {
    if (documented[d] == "…") {
      if (d + 1 == documented.size()) return ::testing::AssertionSuccess();
      while (a < actual.size() && !matches_elided(actual[a], documented[d + 1])) ++a;
      if (a == actual.size()) return ::testing::AssertionFailure() << "never found: " << documented[d + 1];
      continue;
    }
    if (a >= actual.size()) return ::testing::AssertionFailure() << "output ends before: " << documented[d];
    if (!matches_elided(actual[a], documented[d]))
      return ::testing::AssertionFailure()
             << "line " << a + 1 << "\n  got:      " << actual[a] << "\n  expected: " << documented[d];
    ++a;
  }
  if (a != actual.size()) return ::testing::AssertionFailure() << "extra line " << a + 1 << ": " << actual[a];
  return ::testing::AssertionSuccess();
}

}  // namespace test_support
