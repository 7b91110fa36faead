// Ways to make a file write fail that hold for root too (CI runs as root, and root ignores
// permission bits): a path through a regular file, a target that is a directory, and a
// file-size limit that makes the disk look full part-way through the write.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
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

}  // namespace test_support
