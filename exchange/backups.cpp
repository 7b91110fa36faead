#include "exchange/backups.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <utility>

#include "core/draw_history.h"
#include "core/draw_line.h"
#include "core/loader.h"
#include "core/numbers.h"
#include "core/system_error.h"
#include "core/text_file.h"

namespace exchange {
namespace {

namespace fs = std::filesystem;

std::string stem_of(const std::string& draw_path) { return fs::path(draw_path).stem().string(); }

std::string stamp(const core::LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", t.date.year, t.date.month, t.date.day, t.hour,
                t.minute, t.second);
  return text;
}

// "<stem>-yyyymmdd-hhmmss[-n].txt" read back; nullopt for any other name.
std::optional<BackupFile> parse_backup_name(const std::string& stem, const fs::path& path) {
  const std::string name = path.filename().string();
  const std::string prefix = stem + "-";
  if (!name.starts_with(prefix) || !name.ends_with(".txt")) return std::nullopt;
  const std::string_view rest = std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - 4);
  if (rest.size() < 15 || rest[8] != '-' || !core::all_digits(rest.substr(0, 8)) || !core::all_digits(rest.substr(9, 6)))
    return std::nullopt;
  BackupFile backup{path.string(), name, {}, 0};
  const std::string_view tail = rest.substr(15);
  if (!tail.empty()) {
    if (tail[0] != '-' || !core::all_digits(tail.substr(1)) || tail.size() > 6) return std::nullopt;
    backup.sequence = core::digits_value(tail.substr(1));
  }
  backup.taken.date = {core::digits_value(rest.substr(0, 4)), core::digits_value(rest.substr(4, 2)), core::digits_value(rest.substr(6, 2))};
  backup.taken.hour = core::digits_value(rest.substr(9, 2));
  backup.taken.minute = core::digits_value(rest.substr(11, 2));
  backup.taken.second = core::digits_value(rest.substr(13, 2));
  return backup;
}

bool newer(const BackupFile& a, const BackupFile& b) {
  return std::make_pair(stamp(a.taken), a.sequence) > std::make_pair(stamp(b.taken), b.sequence);
}

core::Error folder_failure(const std::string& folder, const std::error_code& error) {
  return core::Error::error("無法建立備份資料夾 " + folder + "：" + core::system_error_text(error.value()));
}

// A name not yet taken for a backup made at `now`.
std::string free_backup_path(const std::string& folder, const std::string& stem, const core::LocalDateTime& now) {
  const std::string base = folder + "/" + stem + "-" + stamp(now);
  std::string path = base + ".txt";
  for (int sequence = 1; core::file_exists(path); ++sequence) path = base + "-" + std::to_string(sequence) + ".txt";
  return path;
}

void remove_older_than_kept(const std::string& draw_path) {
  const std::vector<BackupFile> backups = list_backups(draw_path);
  for (std::size_t i = kBackupsKept; i < backups.size(); ++i) {
    std::error_code ignored;  // a backup that cannot be removed is only one too many
    fs::remove(backups[i].path, ignored);
  }
}

}  // namespace

std::string backup_folder(const std::string& draw_path) {
  const fs::path folder = fs::path(draw_path).parent_path();
  return (folder.empty() ? fs::path(kBackupFolder) : folder / kBackupFolder).string();
}

std::vector<BackupFile> list_backups(const std::string& draw_path) {
  std::vector<BackupFile> backups;
  const std::string stem = stem_of(draw_path);
  std::error_code error;
  for (fs::directory_iterator it(backup_folder(draw_path), error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    if (auto backup = parse_backup_name(stem, it->path())) backups.push_back(std::move(*backup));
  }
  std::sort(backups.begin(), backups.end(), newer);
  return backups;
}

core::Status keep_backup(const std::string& draw_path, const core::LocalDateTime& now) {
  if (!core::file_exists(draw_path)) return {};
  const auto current = core::read_bytes(draw_path);
  if (!current) return current.error();
  if (current->empty()) return {};
  const std::vector<BackupFile> backups = list_backups(draw_path);
  if (!backups.empty()) {
    const auto newest = core::read_bytes(backups.front().path);
    if (newest && *newest == *current) return {};
  }
  const std::string folder = backup_folder(draw_path);
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return folder_failure(folder, error);
  if (const core::Status kept = core::write_bytes_atomic(free_backup_path(folder, stem_of(draw_path), now), *current);
      !kept)
    return kept;
  remove_older_than_kept(draw_path);
  return {};
}

core::Status replace_draw_file(const std::string& draw_path, std::string_view bytes, const core::LocalDateTime& now) {
  auto refused = [](const core::Error& why) { return core::Error::warning(std::string(kWriteFailed) + "\n" + why.text); };
  if (const core::Status kept = keep_backup(draw_path, now); !kept) return refused(kept.error());
  if (const core::Status written = core::write_bytes_atomic(draw_path, bytes); !written) return refused(written.error());
  return {};
}

core::Status restore_backup(const std::string& draw_path, const BackupFile& backup, const core::LocalDateTime& now) {
  // Read first: keeping the current file may remove the oldest backup, this one included.
  const auto bytes = core::read_bytes(backup.path);
  if (!bytes) return bytes.error();
  return replace_draw_file(draw_path, *bytes, now);
}

DrawFileSummary summarize_draw_file(std::string_view bytes, std::string_view today) {
  core::DrawHistory scratch;
  (void)core::load_draw_lines(scratch, bytes, today);
  DrawFileSummary summary;
  summary.draws = scratch.draw_count;
  if (scratch.draw_count > 0) summary.newest_date = core::display_text(core::draw_line::date(scratch.orirec.back()));
  return summary;
}

std::vector<BackupListing> describe_backups(const std::string& draw_path, std::string_view today) {
  std::vector<BackupListing> listings;
  for (BackupFile& file : list_backups(draw_path)) {
    const auto bytes = core::read_bytes(file.path);
    listings.push_back({std::move(file), bytes ? summarize_draw_file(*bytes, today) : DrawFileSummary{}});
  }
  return listings;
}

}  // namespace exchange
