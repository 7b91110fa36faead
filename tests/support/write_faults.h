// Ways to make a file write fail that hold for root too (CI runs as root, and root ignores
// permission bits): a path through a regular file, and a temporary folder that is missing,
// a file or read-only. The file-size limit that makes the disk look full part-way through a
// write is in test_platform.h.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "support/test_platform.h"

namespace test_support {

// A path whose parent "folder" is a regular file, so nothing can be created there.
inline std::string path_through_a_file(const std::filesystem::path& dir, const std::string& name) {
  std::filesystem::create_directories(dir);
  const auto blocker = dir / "not_a_folder";
  std::ofstream(blocker) << "x";
  return (blocker / name).string();
}

// While alive, TMPDIR names `folder` (missing, a file, read-only: whatever the test made).
class TemporaryFolderSetting {
 public:
  explicit TemporaryFolderSetting(const std::string& folder) : setting_("TMPDIR", folder) {}

 private:
  EnvironmentSetting setting_;
};

}  // namespace test_support
