// Reading and writing the program's text files: Big5 on disk, UTF-8 inside, CR LF line
// ends when written. Writes are atomic: a failed write leaves the old file whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct ReadResult {
  std::vector<std::string> lines;  // UTF-8, without line ends
  std::string error;               // empty on success
  [[nodiscard]] bool ok() const { return error.empty(); }
};

// Splits raw bytes into lines. CR LF, a lone CR and a lone LF each end a line; a final
// line end does not start another line.
[[nodiscard]] std::vector<std::string> split_lines(std::string_view bytes);

[[nodiscard]] std::optional<std::string> read_bytes(const std::string& path, std::string* error);

// Reads a Big5 text file into UTF-8 lines.
[[nodiscard]] ReadResult read_lines(const std::string& path);

// Writes the lines in Big5, each followed by CR LF, through a temporary file renamed
// over the target. Returns an empty text on success, else a message naming the file.
[[nodiscard]] std::string write_lines_atomic(const std::string& path,
                                             const std::vector<std::string>& lines);

// Writes raw bytes atomically (downloads keep the server's bytes as they are).
[[nodiscard]] std::string write_bytes_atomic(const std::string& path, std::string_view bytes);

[[nodiscard]] bool file_exists(const std::string& path);

}  // namespace core
