// Reading ZIP archives held in memory, through libzip; no libzip type leaves this pair of
// files. Archives come from the internet, so nothing in one is trusted: a path with a
// ".." part refuses the archive (we never write entries to disk, but such a file was made
// to harm), and inflating stops at kMaxInflatedBytes, so a small archive cannot fill the
// memory (a "ZIP bomb").
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace exchange {

// The most the wanted entries of one archive may inflate to, together.
inline constexpr std::size_t kMaxInflatedBytes = 64u << 20;

struct ZipEntry {
  std::string name;  // the path inside the archive, UTF-8 (Big5 names converted)
  std::string bytes;
};

// "PK\3\4" (an archive with entries) or "PK\5\6" (an empty one) at the start.
[[nodiscard]] bool looks_like_zip(std::string_view bytes);

// The entries whose names `wanted` accepts, inflated, in archive order; folders are never
// wanted. Refusals (warnings) name `source`: bytes that are no readable archive, an entry
// path with "..", inflating past kMaxInflatedBytes, an entry that cannot be read
// (encrypted or damaged).
[[nodiscard]] core::Result<std::vector<ZipEntry>> read_zip_entries(
    std::string_view bytes, const std::string& source, const std::function<bool(std::string_view name)>& wanted);

}  // namespace exchange
