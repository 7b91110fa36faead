// A scratch folder under the system's temporary folder, emptied first, so a test starts
// from nothing whatever an earlier run left behind.
#pragma once

#include <filesystem>

namespace test_support {

inline std::filesystem::path fresh_dir(const char* name) {
  const auto dir = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace test_support
