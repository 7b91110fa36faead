// Draw files made to measure: `count` well-formed lines on consecutive days from
// 2009/01/01, newest last, each ending in CR LF.
#pragma once

#include <cstdio>
#include <string>

#include "core/dates.h"

namespace test_support {

inline std::string draw_line_on(int day_offset, int issue) {
  const core::Date date = core::date_from_day_number(core::day_number(core::Date{2009, 1, 1}) + day_offset);
  char line[40];
  std::snprintf(line, sizeof line, "%s,%06d,%02d,%02d,%02d,%02d,%02d", core::format_date(date).c_str(), issue,
                day_offset % 39 + 1, (day_offset + 7) % 39 + 1, (day_offset + 14) % 39 + 1,
                (day_offset + 21) % 39 + 1, (day_offset + 28) % 39 + 1);
  return line;
}

inline std::string draw_file_bytes(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += draw_line_on(i, 98001 + i) + "\r\n";
  return bytes;
}

}  // namespace test_support
