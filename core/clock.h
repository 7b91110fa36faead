// Where "today" and "now" come from. The application uses the system clock; tests and
// the CLI's --today option use a fixed one.
#pragma once

#include <string>

#include "core/dates.h"

namespace core {

struct LocalDateTime {
  Date date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  [[nodiscard]] virtual LocalDateTime now() const = 0;
  [[nodiscard]] Date today() const { return now().date; }
  [[nodiscard]] std::string today_text() const { return format_date(today()); }
};

class SystemClock final : public Clock {
 public:
  [[nodiscard]] LocalDateTime now() const override;
};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(LocalDateTime at) : at_(at) {}
  explicit FixedClock(Date day) : at_{day, 12, 0, 0} {}
  [[nodiscard]] LocalDateTime now() const override { return at_; }
  void set(LocalDateTime at) { at_ = at; }

 private:
  LocalDateTime at_;
};

// "yyyy/mm/dd hh:mm:ss"
[[nodiscard]] std::string format_date_time(const LocalDateTime& t);

}  // namespace core
