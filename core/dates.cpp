#include "core/dates.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "core/numbers.h"

namespace core {
namespace {

constexpr std::chrono::sys_days kEpoch =
    std::chrono::year{1899} / std::chrono::December / std::chrono::day{30};

}  // namespace

bool is_valid_date(int year, int month, int day) {
  if (year < 1 || year > 9999) return false;
  const std::chrono::year_month_day ymd{std::chrono::year{year},
                                        std::chrono::month{static_cast<unsigned>(month)},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  return month >= 1 && month <= 12 && day >= 1 && ymd.ok();
}

std::optional<Date> parse_date(std::string_view text) {
  if (text.size() != 10 || text[4] != '/' || text[7] != '/') return std::nullopt;
  const auto y = text.substr(0, 4), m = text.substr(5, 2), d = text.substr(8, 2);
  if (!all_digits(y) || !all_digits(m) || !all_digits(d)) return std::nullopt;
  Date date{digits_value(y), digits_value(m), digits_value(d)};
  if (!is_valid_date(date.year, date.month, date.day)) return std::nullopt;
  return date;
}

std::string format_date(const Date& date) {
  // Written digit by digit: an analysis writes a date for each of 2,500 draws, and
  // snprintf costs several times the rest of it. Out of the usual ranges, snprintf says
  // what it always said.
  if (date.year < 0 || date.year > 9999 || date.month < 0 || date.month > 99 || date.day < 0 || date.day > 99) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
  }
  const auto digit = [](int n) { return static_cast<char>('0' + n % 10); };
  return {digit(date.year / 1000), digit(date.year / 100), digit(date.year / 10), digit(date.year), '/',
          digit(date.month / 10),  digit(date.month),      '/',                   digit(date.day / 10), digit(date.day)};
}

std::string day_text(double day_number) {
  return format_date(date_from_day_number(static_cast<int>(std::floor(day_number))));
}

int day_number(const Date& date) {
  const std::chrono::sys_days days{std::chrono::year{date.year} /
                                   std::chrono::month{static_cast<unsigned>(date.month)} /
                                   std::chrono::day{static_cast<unsigned>(date.day)}};
  return static_cast<int>((days - kEpoch).count());
}

Date date_from_day_number(int days) {
  const std::chrono::year_month_day ymd{kEpoch + std::chrono::days{days}};
  return Date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
              static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

}  // namespace core
