// What the tests need of the system under them, in one place: POSIX on Linux
// (test_platform_posix.cpp), the Windows API when the Windows build's tests run under Wine
// (test_platform_windows.cpp). Tests of POSIX file behaviour (modes, symbolic links, a
// file-size limit, a root that becomes an ordinary user) skip themselves where it is absent.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace test_support {

// True where files have POSIX modes and symbolic links, and a file-size limit can make the
// disk look full (Linux); false on Windows.
extern const bool kPosixFiles;

[[nodiscard]] long process_id();

// While alive, no process write may take a file beyond `bytes`; such a write fails with
// EFBIG instead of raising SIGXFSZ, as a full disk would make it fail. Only where kPosixFiles.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long long previous_ = 0;
  void (*previous_handler_)(int) = nullptr;
};

// Runs `work` in a child process that, when the tests run as root, first becomes the
// ordinary user "nobody", so a read-only file or folder refuses it as it refuses a user.
// What `work` returned; "child failed" when the child could not report. Only where kPosixFiles.
[[nodiscard]] std::string as_ordinary_user(const std::function<std::string()>& work);

// While alive, the environment variable `name` is `value`.
class EnvironmentSetting {
 public:
  EnvironmentSetting(const char* name, const std::string& value);
  ~EnvironmentSetting();
  EnvironmentSetting(const EnvironmentSetting&) = delete;
  EnvironmentSetting& operator=(const EnvironmentSetting&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

}  // namespace test_support
