#include "core/number_format.h"

#include <charconv>

namespace core {

std::string fixed(double value, int decimals) {
  char text[400];  // the widest double in fixed notation is 309 digits before the point
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  if (written.ec != std::errc{}) return "nan";
  return std::string(text, written.ptr);
}

}  // namespace core
