// Small draw tables for the analysis tests: draws given as ball values (oldest first)
// become draw lines on consecutive days from 2009/01/01, issues 098001, 098002, ..., and
// are loaded and derived as the program does. Values 0 and 40..99 make the hand-edited
// balls that have no number column.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/draw_history.h"
#include "core/loader.h"
#include "core/rule_settings.h"

namespace test_support {

using Balls = std::array<int, 5>;

inline std::string test_date(int index) {  // index 0 = 2009/01/01
  return core::format_date(core::date_from_day_number(core::day_number({2009, 1, 1}) + index));
}

inline std::string test_issue(int index) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", 98001 + index);
  return text;
}

inline std::string draw_line(int index, const Balls& b) {
  char text[40];
  std::snprintf(text, sizeof text, "%s,%s,%02d,%02d,%02d,%02d,%02d", test_date(index).c_str(),
                test_issue(index).c_str(), b[0], b[1], b[2], b[3], b[4]);
  return text;
}

inline core::DrawHistory history_of(const std::vector<Balls>& draws) {
  std::string bytes;
  for (std::size_t i = 0; i < draws.size(); ++i) bytes += draw_line(static_cast<int>(i), draws[i]) + "\r\n";
  core::DrawHistory history;
  core::load_draw_lines(history, bytes, "2099/12/31");
  (void)core::put_to_ltno(history);
  return history;
}

// The pattern-rule settings as every load leaves them.
inline core::RuleSettings rules_at_load() {
  core::RuleSettings settings;
  core::reset_rule_settings(settings);
  return settings;
}

}  // namespace test_support
