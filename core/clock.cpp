#include "core/clock.h"

#include <cstdio>
#include <ctime>

namespace core {

LocalDateTime SystemClock::now() const {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return LocalDateTime{Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                       local.tm_hour, local.tm_min, local.tm_sec};
}

std::string format_date_time(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%s %02d:%02d:%02d", format_date(t.date).c_str(), t.hour,
                t.minute, t.second);
  return text;
}

}  // namespace core
