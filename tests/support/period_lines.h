// Period lines for tests: a sequence number, a fixed date and issue, and the balls as given.
#pragma once

#include <cstdio>
#include <string>

namespace pillars::testing_lines {

inline std::string period_line(int sequence, const std::string& balls) {
  char head[24];
  std::snprintf(head, sizeof head, "%04d,2009/01/02,098002,", sequence);
  return head + balls;
}

}  // namespace pillars::testing_lines
