// Dated backups of the draw file: the newest ten survive any number of writes, a backup
// equal to the newest is not made again, and a restore can itself be undone.
#include "exchange/backups.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/text_file.h"
#include "support/draw_file_bytes.h"
#include "support/fresh_dir.h"
#include "support/write_faults.h"

namespace {

namespace fs = std::filesystem;
using test_support::draw_file_bytes;

core::LocalDateTime at(int second) { return {core::Date{2026, 8, 22}, 10, 0, second}; }

std::vector<std::string> names(const std::string& draw_path) {
  std::vector<std::string> listed;
  for (const auto& backup : exchange::list_backups(draw_path)) listed.push_back(backup.name);
  return listed;
}

std::string content(const exchange::BackupFile& backup) { return core::read_bytes(backup.path).value(); }

TEST(backups, KeepTheNewestTenByWriteOrderAndNeverTheSameTwice) {
  const auto dir = test_support::fresh_dir("vantor_backups");
  const std::string path = (dir / "TW539.txt").string();
  ASSERT_TRUE(exchange::keep_backup(path, at(0)));  // no file: nothing to keep
  ASSERT_TRUE(core::write_bytes_atomic(path, ""));
  ASSERT_TRUE(exchange::keep_backup(path, at(0)));  // an empty file: nothing worth keeping
  EXPECT_FALSE(fs::exists(dir / "backup"));
  fs::create_directories(dir / "backup");
  const char* foreign[] = {"notes.txt", "TW539-20200101-000000-x.txt", "US539-20200101-000000.txt", "TW539-000000-20200101-000000.txt"};
  for (const char* name : foreign) ASSERT_TRUE(core::write_bytes_atomic((dir / "backup" / name).string(), "x"));
  // A backup of the older naming, its clock far ahead: still older than every numbered one.
  ASSERT_TRUE(core::write_bytes_atomic((dir / "backup" / "TW539-20991231-235959.txt").string(), "older naming"));

  for (int version = 1; version <= 12; ++version)  // each write keeps the version before it
    ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(version), at(version)));
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(12), at(13)));  // keeps version 12
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(12), at(14)));  // version 12 is kept already
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(1), at(15)));   // so is this one
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(2), at(15)));   // keeps 1
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(3), at(15)));   // keeps 2, in the same second

  EXPECT_EQ(names(path), (std::vector<std::string>{
                             "TW539-000014-20260822-100015.txt", "TW539-000013-20260822-100015.txt",
                             "TW539-000012-20260822-100013.txt", "TW539-000011-20260822-100012.txt",
                             "TW539-000010-20260822-100011.txt", "TW539-000009-20260822-100010.txt",
                             "TW539-000008-20260822-100009.txt", "TW539-000007-20260822-100008.txt",
                             "TW539-000006-20260822-100007.txt", "TW539-000005-20260822-100006.txt"}));
  const auto backups = exchange::list_backups(path);
  EXPECT_EQ(content(backups[0]), draw_file_bytes(2));
  EXPECT_EQ(content(backups[1]), draw_file_bytes(1));
  EXPECT_EQ(content(backups[2]), draw_file_bytes(12));
  EXPECT_EQ(content(backups[9]), draw_file_bytes(5));
  EXPECT_EQ(backups[0].order, 14);
  EXPECT_EQ(core::format_date_time(backups[0].taken), "2026/08/22 10:00:15");
  for (const char* name : foreign) EXPECT_TRUE(fs::exists(dir / "backup" / name)) << name;

  // The clock set back an hour: the backup just made is the newest all the same.
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(4), {core::Date{2026, 8, 22}, 9, 0, 0}));
  EXPECT_EQ(names(path).front(), "TW539-000015-20260822-090000.txt");
  EXPECT_EQ(content(exchange::list_backups(path).front()), draw_file_bytes(3));
  EXPECT_EQ(names(path).back(), "TW539-000006-20260822-100007.txt");

  // A write that fails (the disk full for the new file, not for the backup) keeps every
  // backup as it was: the one it made is removed again and none is pruned.
  const std::vector<std::string> before = names(path);
  if (test_support::kPosixFiles) {
    test_support::FileSizeLimit disk_full(draw_file_bytes(4).size() + 10);
    ASSERT_FALSE(exchange::replace_draw_file(path, draw_file_bytes(60), at(30)));
  }
  EXPECT_EQ(names(path), before);
  EXPECT_EQ(core::read_bytes(path).value(), draw_file_bytes(4));
  fs::remove_all(dir);
}

TEST(backups, RestoreKeepsTheCurrentFileAndTellsWhatABackupHolds) {
  const auto dir = test_support::fresh_dir("vantor_backups_restore");
  const std::string path = (dir / "TW539.txt").string();
  const std::string good = draw_file_bytes(2600), bad = draw_file_bytes(3);
  // Two bad copies in a row, as two downloads of a broken server would write them.
  ASSERT_TRUE(core::write_bytes_atomic(path, good));
  ASSERT_TRUE(exchange::replace_draw_file(path, bad, at(1)));
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(4), at(2)));
  const auto listed = exchange::describe_backups(path, "2030/01/01");
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[1].summary.draws, 2600);  // the whole file, beyond the table's 2,500
  EXPECT_EQ(listed[1].summary.newest_date, "2016/02/13");
  EXPECT_EQ(listed[0].summary.draws, 3);

  ASSERT_TRUE(exchange::restore_backup(path, listed[1].file, at(3)));
  EXPECT_EQ(core::read_bytes(path).value(), good);
  EXPECT_EQ(content(exchange::list_backups(path).front()), draw_file_bytes(4));  // the restore can be undone

  // A backup that cannot be written stops the write: the file stays whole.
  fs::remove_all(dir / "backup");
  ASSERT_TRUE(core::write_bytes_atomic((dir / "backup").string(), "a file where the folder belongs"));
  const core::Status refused = exchange::replace_draw_file(path, bad, at(4));
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().text.rfind(std::string(exchange::kWriteFailed) + "\n無法建立備份資料夾 ", 0), 0u)
      << refused.error().text;
  EXPECT_EQ(core::read_bytes(path).value(), good);
  fs::remove_all(dir);
}

}  // namespace
