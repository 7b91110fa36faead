#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace core {

std::optional<int> to_int(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;  // "+-5"
  }
  if (text.empty()) return std::nullopt;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> to_int_strict(std::string_view text) {
  if (text.empty() || text.front() == ' ' || text.back() == ' ' || text.front() == '\t' ||
      text.back() == '\t')
    return std::nullopt;
  return to_int(text);
}

std::string not_an_integer(std::string_view text) { return "「" + std::string(text) + "」不是有效的整數"; }

std::string zero_pad(long long value, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

bool all_digits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int digits_value(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

}  // namespace core
