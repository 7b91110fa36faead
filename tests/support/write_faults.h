// Ways to make a file write fail that hold for root too (CI runs as root, and root ignores
// permission bits): a path through a regular file, a target that is a directory, and a
// file-size limit that makes the disk look full part-way through the write.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

namespace test_support {

// While alive, no process write may take a file beyond `bytes`; such a write fails with
// EFBIG instead of raising SIGXFSZ, as a full disk would make it fail.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previous_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previous_handler_)(int) = nullptr;
};

// A path whose parent "folder" is a regular file, so nothing can be created there.
inline std::string path_through_a_file(const std::filesystem::path& dir, const std::string& name) {
  std::filesystem::create_directories(dir);
  const auto blocker = dir / "not_a_folder";
  std::ofstream(blocker) << "x";
  return (blocker / name).string();
}

// Runs `work` in a child process that, when the tests run as root, first becomes the
// ordinary user "nobody", so a read-only file or folder refuses it as it refuses a user.
// What `work` returned; "child failed" when the child could not report.
inline std::string as_ordinary_user(const std::function<std::string()>& work) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return "child failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_ends[0]);
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(1);
    const std::string said = work();
    (void)!::write(pipe_ends[1], said.data(), said.size());
    ::_exit(0);
  }
  ::close(pipe_ends[1]);
  std::string said;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipe_ends[0], buffer, sizeof buffer)) > 0;) said.append(buffer, static_cast<std::size_t>(n));
  ::close(pipe_ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? said : "child failed";
}

// While alive, TMPDIR names `folder` (missing, a file, read-only: whatever the test made).
class TemporaryFolderSetting {
 public:
  explicit TemporaryFolderSetting(const std::string& folder) {
    if (const char* old = std::getenv("TMPDIR")) previous_ = old;
    ::setenv("TMPDIR", folder.c_str(), 1);
  }
  ~TemporaryFolderSetting() {
    if (previous_) ::setenv("TMPDIR", previous_->c_str(), 1);
    else ::unsetenv("TMPDIR");
  }
  TemporaryFolderSetting(const TemporaryFolderSetting&) = delete;
  TemporaryFolderSetting& operator=(const TemporaryFolderSetting&) = delete;

 private:
  std::optional<std::string> previous_;
};

}  // namespace test_support
