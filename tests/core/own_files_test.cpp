#include "core/own_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "support/fresh_dir.h"

namespace {

namespace fs = std::filesystem;

void touch(const fs::path& path) { std::ofstream(path) << "x"; }

// A working directory holding the files a user's folder has, the open draw file kept
// elsewhere (the command line's --file), and a second folder reached through a link.
class OwnFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    root = test_support::fresh_dir("vantor_own_files_test");
    work = root / "work";
    data = root / "data";
    fs::create_directories(work / "backup");
    fs::create_directories(data / "backup");
    fs::create_directories(work / "sub");
    for (const char* name : {"TW539.txt", "TW539.txt.bak", "help_single.txt", "FtpServerIp.txt", "notes.txt"})
      touch(work / name);
    touch(data / "mine.txt");
    // Windows gives symbolic links to some users only: without one, its case is left out.
    std::error_code no_link;
    fs::create_directory_symlink(work, root / "link", no_link);
    fs::create_hard_link(work / "TW539.txt", root / "hard.txt");
    places = {(data / "mine.txt").string(), work.string()};
  }
  void TearDown() override { fs::remove_all(root); }

  fs::path root, work, data;
  core::OwnFilePlaces places;
};

TEST_F(OwnFiles, KnowsEveryOwnFileHoweverItIsNamed) {
  using Kind = core::OwnFileKind;
  struct Case {
    fs::path target;
    std::optional<Kind> kind;
  };
  std::vector<Case> cases = {
      {work / "TW539.txt", Kind::DrawFile},
      {work / "US539.txt", Kind::DrawFile},  // the other game's, even before it exists
      {data / "mine.txt", Kind::DrawFile},   // the open draw file, wherever it is
      {work / "tw539.TXT", Kind::DrawFile},
      {work / "sub" / ".." / "TW539.txt", Kind::DrawFile},
      {root / "hard.txt", Kind::DrawFile},
      {work / "TW539.txt.bak", Kind::DrawBackup},
      {data / "mine.txt.bak", Kind::DrawBackup},
      {work / "backup" / "TW539_20260101.txt", Kind::DrawBackup},
      {work / "backup" / "2026" / "TW539.txt", Kind::DrawBackup},
      {data / "backup" / "mine-1.txt", Kind::DrawBackup},
      {work / "help_record.txt", Kind::HelpText},
      {work / "help_single.txt", Kind::HelpText},
      {work / "help_moving.txt", Kind::HelpText},
      {work / "ftpserverip.txt", Kind::ServerAddress},
      {work / "notes.txt", std::nullopt},
      {work / "TW539.txt.png", std::nullopt},
      {work / "sub" / "TW539.txt", std::nullopt},
      {work / "backup", std::nullopt},
      {work / "backups" / "TW539.txt", std::nullopt},
      {data / "TW539.txt", std::nullopt},
      {root / "help_single.txt", std::nullopt},
      {"", std::nullopt},
  };
  if (fs::is_symlink(root / "link")) cases.push_back({root / "link" / "TW539.txt", Kind::DrawFile});
  for (const Case& c : cases) EXPECT_EQ(core::own_file_kind(c.target.string(), places), c.kind) << c.target;
}

TEST_F(OwnFiles, RefusesOwnFilesByNameAndLetsOthersThrough) {
  EXPECT_EQ(core::refuse_own_file((work / "TW539.txt").string(), places).error(),
            core::Error::warning("「TW539.txt」是本程式的開獎資料檔,不能覆蓋,請另選檔名"));
  EXPECT_EQ(core::refuse_own_file((work / "backup" / "a.txt").string(), places).error().text,
            "「a.txt」是本程式的開獎資料的備份檔,不能覆蓋,請另選檔名");
  EXPECT_EQ(core::refuse_own_file((work / "help_moving.txt").string(), places).error().text,
            "「help_moving.txt」是本程式的說明檔,不能覆蓋,請另選檔名");
  EXPECT_EQ(core::refuse_own_file((work / "FtpServerIp.txt").string(), places).error().text,
            "「FtpServerIp.txt」是本程式的資料伺服器位址檔,不能覆蓋,請另選檔名");
  EXPECT_TRUE(core::refuse_own_file((work / "notes.txt").string(), places).ok());
}

TEST_F(OwnFiles, RelativeNamesAreTakenFromTheCurrentDirectory) {
  const fs::path before = fs::current_path();
  fs::current_path(work);
  const core::OwnFilePlaces command_line{"TW539.txt", ""};
  EXPECT_EQ(core::own_file_kind("TW539.txt", command_line), core::OwnFileKind::DrawFile);
  EXPECT_EQ(core::own_file_kind("./sub/../help_single.txt", command_line), core::OwnFileKind::HelpText);
  EXPECT_EQ(core::own_file_kind((work / "TW539.txt.bak").string(), command_line), core::OwnFileKind::DrawBackup);
  EXPECT_FALSE(core::own_file_kind("report.pdf", command_line));
  fs::current_path(before);
}

}  // namespace
