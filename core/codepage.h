// Conversion between the program's UTF-8 text and code page 950 (Big5), the encoding of
// every file the program reads or writes. Only core's file functions call these. iconv does
// the work on Linux (codepage_iconv.cpp), the Windows API on Windows (codepage_windows.cpp).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

// The byte-order mark some editors write before UTF-8 text. The draw file never holds one;
// text from outside the program may.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Big5 bytes to UTF-8. Bytes that do not form a Big5 character become U+FFFD, so a
// damaged file still shows what it can.
[[nodiscard]] std::string big5_to_utf8(std::string_view big5);

// UTF-8 to Big5. Returns nullopt when the text holds a character Big5 cannot write.
[[nodiscard]] std::optional<std::string> utf8_to_big5(std::string_view utf8);

}  // namespace core
