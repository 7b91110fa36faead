// A scratch folder under the system's temporary folder, emptied first, so a test starts
// from nothing whatever an earlier run left behind. The process id in its name keeps
// the cases of one test file apart when they run side by side.
#pragma once

#include <filesystem>
#include <string>

#include "support/test_platform.h"

namespace test_support {

// Removes `dir` and everything in it. Windows refuses to delete a read-only file, which
// some tests make: every file is made writable first.
inline void remove_tree(const std::filesystem::path& dir) {
  std::error_code ignored;
  for (auto entry = std::filesystem::recursive_directory_iterator(dir, ignored);
       entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored))
    std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow, ignored);
  std::filesystem::remove_all(dir);
}

inline std::filesystem::path fresh_dir(const char* name) {
  const auto dir = std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(process_id()));
  remove_tree(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace test_support
