// File names travel through the program as UTF-8 text. std::filesystem reads a narrow string
// in the system's own encoding: UTF-8 on Linux, but Windows' C++ library takes it byte by
// byte and garbles a Chinese name. Every path made from text is made here; turning a path
// back into text (path::string()) gives UTF-8 on both systems.
#pragma once

#include <filesystem>
#include <string_view>

namespace core {

[[nodiscard]] inline std::filesystem::path utf8_path(std::string_view utf8) {
  return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

}  // namespace core
