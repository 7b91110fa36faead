#include "core/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/codepage.h"
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
  auto fail = [&](const std::string& why) -> Result<std::string> {
    return Error::error("無法讀取檔案 " + path + "：" + why);
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(system_error_text(errno));
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return fail(S_ISDIR(info.st_mode) ? system_error_text(EISDIR) : "不是一般檔案");
  }
  std::string content;
  content.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string why = system_error_text(errno);
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

// 0, or the errno of the write that failed.
int write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}

std::string directory_of(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a write really replaces: a symbolic link is followed to its target, so the
// user's one draw file is updated instead of being split into a link and a copy.
std::string final_target(std::string path) {
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string link(static_cast<size_t>(info.st_size > 0 ? info.st_size : 4096), '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n < 0) return path;
    link.resize(static_cast<size_t>(n));
    path = link.starts_with('/') ? link : directory_of(path) + "/" + link;
  }
  return path;
}

// The mode a replacement takes: the old file's, or what an ordinary new file would get
// (not mkstemp's 0600).
mode_t replacement_mode(const struct stat* old) {
  if (old) return old->st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool is_read_only(const struct stat& info) {
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

Status write_bytes_atomic(const std::string& path, std::string_view bytes) {
  const std::string target = final_target(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISREG(old.st_mode) && is_read_only(old)) return write_failure(path, "檔案是唯讀的");
  // Beside the target, so the rename that replaces it never crosses a disk.
  std::string name = target + ".tmp-XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return write_failure(path, write_reason(errno, target));
  int failure = write_all(fd, bytes);
  if (failure == 0 && ::fsync(fd) != 0) failure = errno;
  ::fchmod(fd, replacement_mode(exists && S_ISREG(old.st_mode) ? &old : nullptr));
  if (exists && S_ISREG(old.st_mode)) (void)!::fchown(fd, old.st_uid, old.st_gid);
  if (::close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0 && std::rename(name.c_str(), target.c_str()) != 0) failure = errno;
  if (failure != 0) {
    ::unlink(name.c_str());
    return write_failure(path, write_reason(failure, target));
  }
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
