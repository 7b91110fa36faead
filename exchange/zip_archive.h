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

// "PK\3\4" (an archive with entries) or "PK\5\6" (an empty one) at the start. Inline: a
// program that opens the reader as a module (vantor39-cli) tells an archive without it.
[[nodiscard]] inline bool looks_like_zip(std::string_view bytes) {
  return bytes.starts_with(std::string_view("PK\x03\x04", 4)) || bytes.starts_with(std::string_view("PK\x05\x06", 4));
}

// An archive of a year may hold large members of other games (a year of 賓果賓果): read one
// at a time, each may inflate this far, and all of them together kMaxInflatedTotal.
inline constexpr std::size_t kMaxInflatedTotal = 8 * kMaxInflatedBytes;

using ZipVisit = std::function<core::Status(ZipEntry entry)>;

// Inflates the entries whose names `wanted` accepts one at a time, in archive order, and
// hands each to `visit`, which may stop the walk with a refusal (returned as it is).
// Refusals of its own as read_zip_entries, with the limits given (the message says 64 MB:
// pass kMaxInflatedBytes for a single entry).
[[nodiscard]] core::Status visit_zip_entries(std::string_view bytes, const std::string& source,
                                             const std::function<bool(std::string_view name)>& wanted,
                                             const ZipVisit& visit, std::size_t entry_limit = kMaxInflatedBytes,
                                             std::size_t total_limit = kMaxInflatedTotal);

// The entries whose names `wanted` accepts, inflated, in archive order; folders are never
// wanted. Refusals (warnings) name `source`: bytes that are no readable archive, an entry
// path with "..", inflating past kMaxInflatedBytes, an entry that cannot be read
// (encrypted or damaged).
[[nodiscard]] core::Result<std::vector<ZipEntry>> read_zip_entries(
    std::string_view bytes, const std::string& source, const std::function<bool(std::string_view name)>& wanted);

}  // namespace exchange
