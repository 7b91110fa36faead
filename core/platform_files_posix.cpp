#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/platform_files.h"

namespace core::platform {

const int kQuotaExceeded = EDQUOT;

namespace {

// 0, or the errno of the write that failed.
int write_all_to(int fd, std::string_view bytes) {
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

std::string folder_part(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The mode a replacement takes: the old file's, or what an ordinary new file would get
// (not mkstemp's 0600).
mode_t replacement_mode(const struct stat* old) {
  if (old) return old->st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

int read_file(const std::string& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return S_ISDIR(info.st_mode) ? EISDIR : kNotRegularFile;
  }
  bytes.clear();
  bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int failure = errno;
      ::close(fd);
      return failure;
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return 0;
}

bool exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

std::string final_target(const std::string& start) {
  std::string path = start;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string link(static_cast<size_t>(info.st_size > 0 ? info.st_size : 4096), '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n < 0) return path;
    link.resize(static_cast<size_t>(n));
    path = link.starts_with('/') ? link : folder_part(path) + "/" + link;
  }
  return path;
}

bool is_read_only_file(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

int replace_contents(const std::string& target, std::string_view bytes) {
  struct stat old {};
  const bool replaces = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  // Beside the target, so the rename that replaces it never crosses a disk.
  std::string name = target + ".tmp-XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return errno;
  int failure = write_all_to(fd, bytes);
  if (failure == 0 && ::fsync(fd) != 0) failure = errno;
  ::fchmod(fd, replacement_mode(replaces ? &old : nullptr));
  if (replaces) (void)!::fchown(fd, old.st_uid, old.st_gid);
  if (::close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0 && std::rename(name.c_str(), target.c_str()) != 0) failure = errno;
  if (failure != 0) ::unlink(name.c_str());
  return failure;
}

int create_beside(const std::string& target, std::string_view suffix, std::string& created) {
  std::string pattern = target + ".tmp-XXXXXX" + std::string(suffix);
  const int fd = ::mkstemps(pattern.data(), static_cast<int>(suffix.size()));
  if (fd < 0) return errno;
  ::close(fd);
  created = pattern;
  return 0;
}

int move_replacing(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void remove_file(const std::string& path) { ::unlink(path.c_str()); }

bool may_write(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

int folder_refusal(const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno; }

}  // namespace core::platform
