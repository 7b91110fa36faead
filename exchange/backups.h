// Dated backups of the draw file. Every write that replaces the draw file (download,
// import, restore, the editor's save) first keeps the file it replaces as
//   backup/TW539-NNNNNN-yyyymmdd-hhmmss.txt        beside the draw file
// where NNNNNN is the write order (one past the newest backup's) and the time is only
// told to the user: the newest ten by write order are kept, so a clock set back never
// removes the backup just made. Names of the older form "TW539-yyyymmdd-hhmmss[-n].txt"
// are read as older than every numbered one. A backup that would equal the newest one is
// not made, so saving twice does not push a good history out, and a write that fails
// leaves the backups as they were. Two bad downloads in a row therefore still leave the
// history from before the first one.
//
// The folder is named exactly "backup": the saving guard recognises it as the program's own.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"
#include "core/result.h"

namespace exchange {

inline constexpr int kBackupsKept = 10;
inline constexpr const char* kBackupFolder = "backup";
// The first line of a refused draw file write; the reason that follows suggests a disk
// repair only where a damaged disk is the likely cause.
inline constexpr const char* kWriteFailed = "開獎資料檔沒有更新，原來的檔案保持不變";

struct BackupFile {
  std::string path;
  std::string name;           // "TW539-000012-20260822-101500.txt"
  core::LocalDateTime taken;  // from the name
  int sequence = 0;           // older names: 0, then 1, 2 .. within one second
  int order = 0;              // the write order, 1, 2 ..; 0 for older names
};

// "<folder of draw_path>/backup"
[[nodiscard]] std::string backup_folder(const std::string& draw_path);

// The backups of this draw file, newest first. Only names this program gives are listed
// (and only they are ever removed); other files in the folder are left alone.
[[nodiscard]] std::vector<BackupFile> list_backups(const std::string& draw_path);

// Keeps the current draw file as a new backup. Nothing is kept when the file is missing
// or empty, or when the newest backup holds the same bytes. Backups beyond the newest
// kBackupsKept are removed. Refuses (kind Error, naming the file) when the backup cannot
// be written.
[[nodiscard]] core::Status keep_backup(const std::string& draw_path, const core::LocalDateTime& now);

// keep_backup around a write of draw_path the caller makes (the editor writes lines in
// the file's code page): when `write` fails, the backup it made is removed again and none
// is pruned, and its refusal comes back as it is; a backup that cannot be made stops
// before `write` runs, with its own refusal (kind Error, naming the file).
[[nodiscard]] core::Status write_with_backup(const std::string& draw_path, const core::LocalDateTime& now,
                                             const std::function<core::Status()>& write);

// keep_backup, then writes `bytes` over draw_path atomically. On any failure the draw
// file and the backups are as they were, and the refusal is the warning kWriteFailed
// followed by the system's reason on a second line.
[[nodiscard]] core::Status replace_draw_file(const std::string& draw_path, std::string_view bytes,
                                             const core::LocalDateTime& now = core::SystemClock().now());

// Puts a backup's bytes back as the draw file, keeping the current file as a backup first.
[[nodiscard]] core::Status restore_backup(const std::string& draw_path, const BackupFile& backup,
                                          const core::LocalDateTime& now);

// What a draw file holds: the draws the loader accepts in the whole file (beyond the 2,500
// the table keeps) and the newest date.
struct DrawFileSummary {
  int draws = 0;
  std::string newest_date;  // "yyyy/mm/dd", "" without draws
};
[[nodiscard]] DrawFileSummary summarize_draw_file(std::string_view bytes, std::string_view today);

// The backups newest first, each with what it holds (an unreadable one shows no draws).
struct BackupListing {
  BackupFile file;
  DrawFileSummary summary;
};
[[nodiscard]] std::vector<BackupListing> describe_backups(const std::string& draw_path, std::string_view today);

}  // namespace exchange
