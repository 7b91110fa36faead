// UTF-8 and the Windows API's UTF-16, for the Windows side of the platform seams only
// (codepage_windows.cpp, child_process_windows.cpp, platform_files_windows.cpp).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace core::windows {

inline std::wstring wide_of_utf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

inline std::string utf8_of_wide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size, nullptr, nullptr);
  return out;
}

}  // namespace core::windows
