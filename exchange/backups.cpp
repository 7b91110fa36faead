#include "exchange/backups.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <tuple>
#include <utility>

#include "core/draw_history.h"
#include "core/draw_line.h"
#include "core/loader.h"
#include "core/numbers.h"
#include "core/system_error.h"
#include "core/text_file.h"
#include "core/utf8_path.h"

namespace exchange {
namespace {

namespace fs = std::filesystem;

std::string stem_of(const std::string& draw_path) { return core::utf8_path(draw_path).stem().string(); }

std::string stamp(const core::LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", t.date.year, t.date.month, t.date.day, t.hour,
                t.minute, t.second);
  return text;
}

// "yyyymmdd-hhmmss" at the start of `text`.
bool read_stamp(std::string_view text, core::LocalDateTime& taken) {
  if (text.size() < 15 || text[8] != '-' || !core::all_digits(text.substr(0, 8)) || !core::all_digits(text.substr(9, 6)))
    return false;
  taken.date = {core::digits_value(text.substr(0, 4)), core::digits_value(text.substr(4, 2)), core::digits_value(text.substr(6, 2))};
  taken.hour = core::digits_value(text.substr(9, 2));
  taken.minute = core::digits_value(text.substr(11, 2));
  taken.second = core::digits_value(text.substr(13, 2));
  return true;
}

// "<stem>-NNNNNN-yyyymmdd-hhmmss.txt" read back, or the older "<stem>-yyyymmdd-hhmmss[-n].txt";
// nullopt for any other name.
std::optional<BackupFile> parse_backup_name(const std::string& stem, const fs::path& path) {
  const std::string name = path.filename().string();
  const std::string prefix = stem + "-";
  if (!name.starts_with(prefix) || !name.ends_with(".txt")) return std::nullopt;
  const std::string_view rest = std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - 4);
  BackupFile backup{path.string(), name, {}, 0, 0};
  if (rest.size() == 22 && rest[6] == '-' && core::all_digits(rest.substr(0, 6))) {
    backup.order = core::digits_value(rest.substr(0, 6));
    if (backup.order > 0 && read_stamp(rest.substr(7), backup.taken)) return backup;
    return std::nullopt;
  }
  if (!read_stamp(rest, backup.taken)) return std::nullopt;
  const std::string_view tail = rest.substr(15);
  if (tail.empty()) return backup;
  if (tail[0] != '-' || tail.size() > 6 || !core::all_digits(tail.substr(1)) || tail.size() < 2) return std::nullopt;
  backup.sequence = core::digits_value(tail.substr(1));
  return backup;
}

// Write order: every backup named with its order is newer than the older names, which
// only their clock times order.
bool newer(const BackupFile& a, const BackupFile& b) {
  return std::make_tuple(a.order, stamp(a.taken), a.sequence) > std::make_tuple(b.order, stamp(b.taken), b.sequence);
}

core::Error folder_failure(const std::string& folder, const std::error_code& error) {
  return core::Error::error("無法建立備份資料夾 " + folder + "：" + core::system_error_text(error.value()));
}

// The name of the next backup: one past the newest's write order, whatever the clock says.
std::string next_backup_path(const std::string& folder, const std::string& stem, const std::vector<BackupFile>& backups,
                             const core::LocalDateTime& now) {
  int order = backups.empty() ? 1 : backups.front().order + 1;
  std::string path;
  do {
    path = folder + "/" + stem + "-" + core::zero_pad(order++, 6) + "-" + stamp(now) + ".txt";
  } while (core::file_exists(path));
  return path;
}

void remove_older_than_kept(const std::string& draw_path) {
  const std::vector<BackupFile> backups = list_backups(draw_path);
  for (std::size_t i = kBackupsKept; i < backups.size(); ++i) {
    std::error_code ignored;  // a backup that cannot be removed is only one too many
    fs::remove(core::utf8_path(backups[i].path), ignored);
  }
}

// Keeps the current file as a new backup without removing old ones; the path of the
// backup made, "" when none was needed.
core::Result<std::string> keep_unpruned_backup(const std::string& draw_path, const core::LocalDateTime& now) {
  if (!core::file_exists(draw_path)) return std::string();
  const auto current = core::read_bytes(draw_path);
  if (!current) return current.error();
  if (current->empty()) return std::string();
  const std::vector<BackupFile> backups = list_backups(draw_path);
  if (!backups.empty()) {
    const auto newest = core::read_bytes(backups.front().path);
    if (newest && *newest == *current) return std::string();
  }
  const std::string folder = backup_folder(draw_path);
  std::error_code error;
  fs::create_directories(core::utf8_path(folder), error);
  if (error) return folder_failure(folder, error);
  const std::string path = next_backup_path(folder, stem_of(draw_path), backups, now);
  if (const core::Status kept = core::write_bytes_atomic(path, *current); !kept) return kept.error();
  return path;
}

}  // namespace

std::string backup_folder(const std::string& draw_path) {
  const fs::path folder = core::utf8_path(draw_path).parent_path();
  return (folder.empty() ? fs::path(kBackupFolder) : folder / kBackupFolder).string();
}

std::vector<BackupFile> list_backups(const std::string& draw_path) {
  std::vector<BackupFile> backups;
  const std::string stem = stem_of(draw_path);
  std::error_code error;
  for (fs::directory_iterator it(core::utf8_path(backup_folder(draw_path)), error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    if (auto backup = parse_backup_name(stem, it->path())) backups.push_back(std::move(*backup));
  }
  std::sort(backups.begin(), backups.end(), newer);
  return backups;
}

core::Status keep_backup(const std::string& draw_path, const core::LocalDateTime& now) {
  const auto kept = keep_unpruned_backup(draw_path, now);
  if (!kept) return kept.error();
  if (!kept->empty()) remove_older_than_kept(draw_path);
  return {};
}

core::Status write_with_backup(const std::string& draw_path, const core::LocalDateTime& now,
                               const std::function<core::Status()>& write) {
  const auto kept = keep_unpruned_backup(draw_path, now);
  if (!kept) return kept.error();
  if (const core::Status written = write(); !written) {
    // The file is unchanged, so the backups are too: the copy just made goes, none is pruned.
    std::error_code ignored;
    if (!kept->empty()) fs::remove(core::utf8_path(*kept), ignored);
    return written;
  }
  if (!kept->empty()) remove_older_than_kept(draw_path);
  return {};
}

core::Status replace_draw_file(const std::string& draw_path, std::string_view bytes, const core::LocalDateTime& now) {
  const core::Status written =
      write_with_backup(draw_path, now, [&] { return core::write_bytes_atomic(draw_path, bytes); });
  if (!written) return core::Error::warning(std::string(kWriteFailed) + "\n" + written.error().text);
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
  const core::LoadedDraws loaded = core::load_draw_lines(scratch, bytes, today);
  DrawFileSummary summary;
  summary.draws = scratch.draw_count + loaded.skipped_older;  // the whole file, not the table's 2,500
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
