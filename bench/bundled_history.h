// The draw table the analysis benchmarks run on: the bundled draw file loaded as the
// program loads it (its newest 2500 draws, oldest first).
#pragma once

#include <string>

#include "core/reload.h"

namespace bench_data {

inline const core::DrawHistory& bundled_history() {
  static const core::DrawHistory h = [] {
    core::DrawHistory loaded;
    (void)core::reload(loaded, std::string(VANTOR_DATA_DIR) + "/TW539.txt", "2026/12/09",
                       core::MissingDrawFile::Refuse);
    return loaded;
  }();
  return h;
}

}  // namespace bench_data
