// The data-server address setting: four dot-separated parts kept as the one line of
// "FtpServerIp.txt" in the working directory. Its only effect on the program is that the
// address "1.1.1.1" switches the records window's download button off.
//
// The file is read and written under the one name "FtpServerIp.txt"; when only a
// differently cased file exists (made by an older version on a case-insensitive disk) it
// is read, so no address the user once set is lost.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/result.h"

namespace exchange {

inline constexpr const char* kServerAddressFile = "FtpServerIp.txt";
inline constexpr std::string_view kDisabledAddress = "1.1.1.1";

inline constexpr const char* kBlankAddressPart = "資料有空白錯誤";
inline constexpr const char* kAddressSaved = "新IP設定完成";
[[nodiscard]] std::string confirm_address_question(std::string_view address);  // "請確定新的IP為 " + address

// Trims each part of surrounding blanks and joins them with "."; an empty part is
// refused with kBlankAddressPart (kind Error). {" 10 ","0","0","1"} -> "10.0.0.1".
[[nodiscard]] core::Result<std::string> compose_address(const std::array<std::string, 4>& parts);

// The first line of the address file in `directory` ("" = the current directory). A
// missing or empty file gives an empty text; only an unreadable file is an error.
[[nodiscard]] core::Result<std::string> read_server_address(const std::string& directory);

// Writes the address as the file's only line, atomically, under kServerAddressFile.
[[nodiscard]] core::Status write_server_address(const std::string& directory, std::string_view address);

// False only for the switch-off address (compared trimmed).
[[nodiscard]] bool download_enabled_for(std::string_view address);

}  // namespace exchange
