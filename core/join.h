// Texts in one line with a separator between them: "05,12,23".
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace core {

[[nodiscard]] inline std::string join(std::span<const std::string> parts, std::string_view separator = ",") {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += separator;
    text += parts[i];
  }
  return text;
}

}  // namespace core
