// Calendar dates as the program shows them ("yyyy/mm/dd") and as the draw table holds
// them (day numbers: days since 1899-12-30, so 2007/01/05 is 39087).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

struct Date {
  int year = 1899;
  int month = 12;
  int day = 30;
  auto operator<=>(const Date&) const = default;
};

[[nodiscard]] bool is_valid_date(int year, int month, int day);

// Strict "yyyy/mm/dd": ten characters, digits and slashes in place, a real calendar
// day (2007/02/30 and 2007/13/45 are refused).
[[nodiscard]] std::optional<Date> parse_date(std::string_view text);

[[nodiscard]] std::string format_date(const Date& date);  // "yyyy/mm/dd"
// The "yyyy/mm/dd" text of a draw-table day number (its fractional part dropped).
[[nodiscard]] std::string day_text(double day_number);

[[nodiscard]] int day_number(const Date& date);          // days since 1899-12-30
[[nodiscard]] Date date_from_day_number(int days);

}  // namespace core
