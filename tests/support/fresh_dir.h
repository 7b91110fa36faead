// A scratch folder under the system's temporary folder, emptied first, so a test starts
// from nothing whatever an earlier run left behind. The process id in its name keeps
// the cases of one test file apart when they run side by side.
#pragma once

#include <filesystem>
#include <string>

#include "support/test_platform.h"

namespace test_support {

inline std::filesystem::path fresh_dir(const char* name) {
  const auto dir = std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(process_id()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace test_support
