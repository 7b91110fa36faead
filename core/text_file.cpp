#include "core/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/codepage.h"

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
  auto fail = [&](const std::string& why) -> Result<std::string> {
    return Error::error("無法讀取檔案 " + path + "：" + why);
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(std::strerror(errno));
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return fail("不是一般檔案");
  }
  std::string content;
  content.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string why = std::strerror(errno);
      ::close(fd);
      return fail(why);
    }
    content.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return content;
}

Result<std::vector<std::string>> read_lines(const std::string& path) {
  const auto bytes = read_bytes(path);
  if (!bytes) return bytes.error();
  return split_lines(big5_to_utf8(*bytes));
}

bool file_exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

namespace {

Error write_failure(const std::string& path, const std::string& why) {
  return Error::error("無法寫入檔案 " + path + "：" + why);
}

std::string write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::strerror(errno);
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return {};
}

}  // namespace

Status write_bytes_atomic(const std::string& path, std::string_view bytes) {
  const std::string temp = path + ".tmp-XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return write_failure(path, std::strerror(errno));
  std::string failure = write_all(fd, bytes);
  if (failure.empty() && ::fsync(fd) != 0) failure = std::strerror(errno);
  // Keep the permissions an ordinary new file would get, not mkstemp's 0600.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::close(fd) != 0 && failure.empty()) failure = std::strerror(errno);
  if (failure.empty() && std::rename(name.data(), path.c_str()) != 0) failure = std::strerror(errno);
  if (!failure.empty()) {
    ::unlink(name.data());
    return write_failure(path, failure);
  }
  return {};
}

Status write_lines_atomic(const std::string& path, const std::vector<std::string>& lines) {
  std::string utf8;
  for (const auto& line : lines) {
    utf8 += line;
    utf8 += "\r\n";
  }
  const auto big5 = utf8_to_big5(utf8);
  if (!big5) return write_failure(path, "內容含有無法以 Big5 儲存的字元");
  return write_bytes_atomic(path, *big5);
}

}  // namespace core
