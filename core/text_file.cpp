#include "core/text_file.h"

#include "core/codepage.h"
#include "core/platform_files.h"
#include "core/system_error.h"

namespace core {

std::vector<std::string> split_lines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

Result<std::string> read_bytes(const std::string& path) {
  std::string content;
  const int failure = platform::read_file(path, content);
  if (failure == 0) return content;
  return Error::error("無法讀取檔案 " + path + "：" +
                      (failure == platform::kNotRegularFile ? std::string("不是一般檔案") : system_error_text(failure)));
}

Result<std::vector<std::string>> read_lines(const std::string& path) {
  const auto bytes = read_bytes(path);
  if (!bytes) return bytes.error();
  return split_lines(big5_to_utf8(*bytes));
}

bool file_exists(const std::string& path) { return platform::exists(path); }

Status write_bytes_atomic(const std::string& path, std::string_view bytes) {
  const std::string target = platform::final_target(path);
  if (platform::is_read_only_file(target)) return write_failure(path, "檔案是唯讀的");
  if (const int failure = platform::replace_contents(target, bytes); failure != 0)
    return write_failure(path, write_reason(failure, target));
  return {};
}

namespace {

// The first line and character that Big5 cannot hold, for a message the user can act on.
std::string unwritable_character(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (utf8_to_big5(lines[i])) continue;
    const std::string& line = lines[i];
    for (size_t at = 0; at < line.size();) {
      size_t length = 1;
      const auto lead = static_cast<unsigned char>(line[at]);
      if (lead >= 0xF0) length = 4;
      else if (lead >= 0xE0) length = 3;
      else if (lead >= 0xC0) length = 2;
      const std::string character = line.substr(at, length);
      if (!utf8_to_big5(character)) return "第 " + std::to_string(i + 1) + " 行的「" + character + "」";
      at += length;
    }
    return "第 " + std::to_string(i + 1) + " 行";
  }
  return {};
}

}  // namespace

Status write_lines_atomic(const std::string& path, const std::vector<std::string>& lines) {
  std::string utf8;
  for (const auto& line : lines) {
    utf8 += line;
    utf8 += "\r\n";
  }
  const auto big5 = utf8_to_big5(utf8);
  if (!big5) return write_failure(path, "內容含有無法以 Big5 儲存的字元：" + unwritable_character(lines));
  return write_bytes_atomic(path, *big5);
}

}  // namespace core
