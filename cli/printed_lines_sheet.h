// --xlsx FILE, the global option that keeps what a command prints as a spreadsheet too:
// the printed lines become the first sheet of FILE, one row per line and one cell per
// ","-separated field, while the output stream gets the same bytes as without it.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

#include "cli/options.h"
#include "core/result.h"

namespace cli {

// Checked before the command runs, so a refused target never leaves a command half done:
// "" when the option is not given, else the file (".xlsx" added to a name without
// extension, as every save of a spreadsheet does), or the refusal (no name given, another
// extension, one of the program's own files, a folder that cannot be written).
[[nodiscard]] core::Result<std::string> spreadsheet_target(const Args& args);

// An output stream that passes every byte on to `out` and keeps a copy.
class CopyingStream : public std::ostream {
 public:
  explicit CopyingStream(std::ostream& out);
  [[nodiscard]] const std::string& copy() const { return buffer_.copy; }

 private:
  struct Buffer : std::streambuf {
    std::streambuf* out = nullptr;
    std::string copy;
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override { return out->pubsync(); }
  };
  Buffer buffer_;
};

// Writes the printed text's lines as the sheet `command` of `path`.
[[nodiscard]] core::Status write_printed_lines(const std::string& path, std::string_view command,
                                               const std::string& printed, const Args& args);

}  // namespace cli
