// Code page 950 through the Windows API, where the C library has no iconv. Behaves as the
// iconv version: a byte that starts no Big5 character becomes U+FFFD on reading, and a
// character Big5 cannot write refuses the whole text on writing.
#include "core/codepage.h"

#include "core/windows_text.h"

namespace core {
namespace {

constexpr UINT kBig5 = 950;

// One Big5 character (one byte, or a lead and a trail byte) as UTF-16; false when the
// bytes form none.
bool append_big5_character(std::string_view bytes, std::wstring& out) {
  wchar_t wide[2];
  const int n = MultiByteToWideChar(kBig5, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                    wide, 2);
  if (n <= 0) return false;
  out.append(wide, static_cast<std::size_t>(n));
  return true;
}

}  // namespace

std::string big5_to_utf8(std::string_view big5) {
  std::wstring wide;
  wide.reserve(big5.size());
  for (std::size_t i = 0; i < big5.size();) {
    const auto byte = static_cast<unsigned char>(big5[i]);
    if (byte < 0x80) {
      wide.push_back(static_cast<wchar_t>(byte));
      ++i;
    } else if (i + 1 < big5.size() && append_big5_character(big5.substr(i, 2), wide)) {
      i += 2;
    } else {
      wide.push_back(L'\xFFFD');
      ++i;
    }
  }
  return windows::utf8_of_wide(wide);
}

std::optional<std::string> utf8_to_big5(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                                         nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  BOOL lost = FALSE;
  const int size = WideCharToMultiByte(kBig5, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &lost);
  if (size <= 0 || lost) return std::nullopt;
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kBig5, WC_NO_BEST_FIT_CHARS, wide.data(), length, out.data(), size, nullptr, &lost);
  return out;
}

}  // namespace core
