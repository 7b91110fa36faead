#include "exchange/zip_archive.h"

#include <zip.h>

#include <algorithm>
#include <memory>

#include "exchange/text_encoding.h"

namespace exchange {
namespace {

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

core::Error refused(const std::string& source, const std::string& why) {
  return core::Error::warning("壓縮檔「" + source + "」" + why + ",未匯入任何資料");
}

// The archive over the caller's bytes (libzip does not copy them); nullptr when the bytes
// are no archive.
Archive open_archive(std::string_view bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
  if (source && !archive) zip_source_free(source);  // an opened archive owns its source
  zip_error_fini(&error);
  return Archive(archive);
}

bool has_parent_part(std::string_view name) {
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t end = name.find_first_of("/\\", start);
    const std::string_view part = name.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (part == "..") return true;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return false;
}

std::string entry_name(zip_t* archive, zip_uint64_t index) {
  const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
  return raw ? text_as_utf8(raw) : std::string();
}

// Inflates one entry into `out`, at most `room` bytes; an error text when it cannot
// (`too_large` when it would pass `room`).
std::string inflate(zip_t* archive, zip_uint64_t index, std::size_t room, const std::string& too_large, std::string& out) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && stat.size > room)
    return too_large;
  const Entry file(zip_fopen_index(archive, index, 0));
  if (!file) {
    const int code = zip_error_code_zip(zip_get_error(archive));
    return code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_ENCRNOTSUPP ? "有密碼保護,無法讀取"
                                                                                              : "無法讀取(檔案損壞)";
  }
  char buffer[65536];
  while (true) {
    const zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
    if (n == 0) return {};
    if (n < 0) return "無法讀取(檔案損壞)";
    if (static_cast<std::size_t>(n) > room - out.size()) return too_large;
    out.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

core::Status visit_zip_entries(std::string_view bytes, const std::string& source,
                               const std::function<bool(std::string_view name)>& wanted, const ZipVisit& visit,
                               std::size_t entry_limit, std::size_t total_limit) {
  const Archive archive = open_archive(bytes);
  if (!archive) return refused(source, "不是可讀取的 ZIP 壓縮檔");
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    if (has_parent_part(entry_name(archive.get(), static_cast<zip_uint64_t>(i))))
      return refused(source, "中的「" + entry_name(archive.get(), static_cast<zip_uint64_t>(i)) + "」路徑含有「..」");
  }
  std::size_t inflated = 0;
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    std::string name = entry_name(archive.get(), index);
    if (name.empty() || name.back() == '/' || !wanted(name)) continue;
    ZipEntry entry{std::move(name), {}};
    const bool whole_archive = total_limit - inflated < entry_limit;
    const std::string too_large = "解壓後" + std::string(whole_archive ? "與之前的檔案合計" : "") + "超過 " +
                                  std::to_string((whole_archive ? total_limit : entry_limit) >> 20) + " MB";
    if (std::string why = inflate(archive.get(), index, std::min(entry_limit, total_limit - inflated), too_large, entry.bytes);
        !why.empty())
      return refused(source, "中的「" + entry.name + "」" + why);
    inflated += entry.bytes.size();
    if (const core::Status taken = visit(std::move(entry)); !taken) return taken;
  }
  return {};
}

core::Result<std::vector<ZipEntry>> read_zip_entries(std::string_view bytes, const std::string& source,
                                                     const std::function<bool(std::string_view name)>& wanted) {
  std::vector<ZipEntry> entries;
  const core::Status read = visit_zip_entries(
      bytes, source, wanted,
      [&](ZipEntry entry) -> core::Status {
        entries.push_back(std::move(entry));
        return {};
      },
      kMaxInflatedBytes, kMaxInflatedBytes);
  if (!read) return read.error();
  return entries;
}

}  // namespace exchange
