#include "core/working_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/fresh_dir.h"

namespace {

namespace fs = std::filesystem;

void write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// An installed tree <prefix>/bin, <prefix>/share/vantor39 whose files are read-only, as a
// package leaves them, and a user's home beside it.
class WorkingFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root = test_support::fresh_dir("vantor_working_folder_test");
    fs::create_directories(root / "prefix" / "bin");
    bundle = root / "prefix" / "share" / "vantor39";
    fs::create_directories(bundle / "subfolder");
    for (const char* name : {"TW539.txt", "help_record.txt", "help_single.txt", "help_moving.txt"}) {
      write(bundle / name, std::string("bundled ") + name);
      fs::permissions(bundle / name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    home = root / "home" / "vantor39";
  }
  void TearDown() override { test_support::remove_tree(root); }

  fs::path root, bundle, home;
};

TEST_F(WorkingFolder, FreshFolderGetsEveryBundledFileWritable) {
  const auto copied = core::seed_working_folder(home, bundle);
  ASSERT_TRUE(copied) << copied.error().text;
  EXPECT_EQ(*copied,
            (std::vector<std::string>{"TW539.txt", "help_moving.txt", "help_record.txt", "help_single.txt"}));
  for (const std::string& name : *copied) {
    EXPECT_EQ(read(home / name), "bundled " + name);
    EXPECT_NE(fs::status(home / name).permissions() & fs::perms::owner_write, fs::perms::none) << name;
  }
  EXPECT_FALSE(fs::exists(home / "subfolder"));
}

TEST_F(WorkingFolder, WhatIsAlreadyThereStaysUntouched) {
  if (!test_support::kPosixFiles) GTEST_SKIP() << "POSIX modes and symbolic links";
  fs::create_directories(home);
  write(home / "TW539.txt", "my own history");
  fs::permissions(home / "TW539.txt", fs::perms::owner_read);
  fs::create_symlink(root / "gone.txt", home / "help_single.txt");  // dangling: still the user's
  fs::create_directory(home / "help_moving.txt");
  const auto first = core::seed_working_folder(home, bundle);
  ASSERT_TRUE(first) << first.error().text;
  EXPECT_EQ(*first, std::vector<std::string>{"help_record.txt"});
  EXPECT_EQ(read(home / "TW539.txt"), "my own history");
  EXPECT_EQ(fs::status(home / "TW539.txt").permissions(), fs::perms::owner_read);
  EXPECT_TRUE(fs::is_symlink(home / "help_single.txt"));
  EXPECT_FALSE(fs::exists(root / "gone.txt"));
  EXPECT_TRUE(fs::is_directory(home / "help_moving.txt"));
  const auto again = core::seed_working_folder(home, bundle);
  ASSERT_TRUE(again);
  EXPECT_TRUE(again->empty());
}

TEST_F(WorkingFolder, RefusesWithTheReasonWhenTheFolderCannotBeMade) {
  write(root / "home", "a file where the home folder should be");
  const auto seeded = core::seed_working_folder(home, bundle);
  ASSERT_FALSE(seeded);
  EXPECT_NE(seeded.error().text.find("無法建立資料夾 " + home.string()), std::string::npos) << seeded.error().text;
  EXPECT_FALSE(core::seed_working_folder(home, root / "no-bundle"));
}

TEST_F(WorkingFolder, FolderAndBundleAreFoundFromTheEnvironmentAndTheExecutable) {
  struct Case {
    const char* vantor39_home;
    const char* home;
    std::optional<fs::path> folder;
  };
  const Case cases[] = {
      {"/data/lotto", "/home/a", fs::path("/data/lotto")},
      {"", "/home/a", fs::path("/home/a/vantor39")},
      {nullptr, "/home/a", fs::path("/home/a/vantor39")},
      {nullptr, nullptr, std::nullopt},
      {"", "", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::user_working_folder(c.vantor39_home, c.home), c.folder)
        << (c.vantor39_home ? c.vantor39_home : "(unset)") << " " << (c.home ? c.home : "(unset)");
  EXPECT_EQ(core::installed_bundle(root / "prefix" / "bin"), bundle);
  EXPECT_EQ(core::installed_bundle(root / "home"), std::nullopt);  // a build tree has no share/vantor39
}

}  // namespace
