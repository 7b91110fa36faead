// System error reasons in the program's language: every message that quotes why a file
// could not be read or written uses these, never the C library's English texts.
#pragma once

#include <string>

#include "core/result.h"

namespace core {

// "找不到檔案或資料夾" for ENOENT, and so on; unknown codes name their number.
[[nodiscard]] std::string system_error_text(int errnum);

// "無法寫入檔案 <path>：<why>": the refusal of every write that failed.
[[nodiscard]] Error write_failure(const std::string& path, const std::string& why);

// Why writing `path` failed with `errnum`, as the user can act on it: a permission
// refusal names what refused (the file is read-only, or its folder takes no new file), a
// full disk says so, and only a read/write error of the disk itself, where a damaged disk
// is the likely cause, suggests repairing the disk.
[[nodiscard]] std::string write_reason(int errnum, const std::string& path);

}  // namespace core
