// Reading and writing the program's text files: Big5 on disk, UTF-8 inside, CR LF line
// ends when written. Writes are atomic: a failed write leaves the old file whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace core {

// Splits raw bytes into lines. CR LF, a lone CR and a lone LF each end a line; a final
// line end does not start another line.
[[nodiscard]] std::vector<std::string> split_lines(std::string_view bytes);

// The whole file; an error (kind Error) naming the file when it cannot be read.
[[nodiscard]] Result<std::string> read_bytes(const std::string& path);

// Reads a Big5 text file into UTF-8 lines (without line ends).
[[nodiscard]] Result<std::vector<std::string>> read_lines(const std::string& path);

// Writes the lines in Big5, each followed by CR LF, through a temporary file renamed
// over the target. On failure the old file is whole and the error names the file.
[[nodiscard]] Status write_lines_atomic(const std::string& path, const std::vector<std::string>& lines);

// Writes raw bytes atomically (downloads keep the server's bytes as they are).
[[nodiscard]] Status write_bytes_atomic(const std::string& path, std::string_view bytes);

[[nodiscard]] bool file_exists(const std::string& path);

}  // namespace core
