#include "core/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/codepage.h"
#include "support/write_faults.h"

namespace {

namespace fs = std::filesystem;

fs::path fresh_dir(const char* name) {
  const auto dir = fs::temp_directory_path() / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

TEST(Codepage, RoundTripsTraditionalChinese) {
  const std::string text = "開獎資料共 12 期，請注意！";
  const auto big5 = core::utf8_to_big5(text);
  ASSERT_TRUE(big5);
  EXPECT_NE(*big5, text);
  EXPECT_EQ(core::big5_to_utf8(*big5), text);
  EXPECT_FALSE(core::utf8_to_big5("emoji \xF0\x9F\x98\x80"));  // Big5 cannot hold it
  EXPECT_EQ(core::big5_to_utf8("ab\xff"), "ab\xEF\xBF\xBD");
}

TEST(WriteLinesAtomic, WritesBig5WithCrLfAndReadsBack) {
  const auto dir = fresh_dir("vantor_text_file_test");
  const std::string path = (dir / "out.txt").string();
  ASSERT_TRUE(core::write_lines_atomic(path, {"第1柱", "", "05"}));
  const auto bytes = core::read_bytes(path);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, *core::utf8_to_big5("第1柱\r\n\r\n05\r\n"));
  EXPECT_EQ(core::read_lines(path).value(), (std::vector<std::string>{"第1柱", "", "05"}));
  fs::remove_all(dir);
}

// Every way a write can fail leaves the old file whole and names the file in an error.
TEST(WriteLinesAtomic, FailuresLeaveTheOldFileWholeAndNameIt) {
  const auto dir = fresh_dir("vantor_text_file_faults");
  const std::string path = (dir / "TW539.txt").string();
  const std::vector<std::string> big(20000, "2009/01/02,098001,01,02,03,04,05");
  struct Case {
    const char* what;
    std::string target;
    std::function<core::Status()> write;
  };
  std::vector<Case> cases{
      {"text Big5 cannot hold", path, [&] { return core::write_lines_atomic(path, {"\xF0\x9F\x98\x80"}); }},
      {"folder is a regular file", test_support::path_through_a_file(dir, "TW539.txt"),
       [&] { return core::write_lines_atomic(test_support::path_through_a_file(dir, "TW539.txt"), {"x"}); }},
      {"missing folder", "/nonexistent_dir_xyz/a.txt",
       [] { return core::write_lines_atomic("/nonexistent_dir_xyz/a.txt", {"x"}); }},
  };
  if (test_support::kPosixFiles)
    cases.push_back({"disk full part-way", path, [&] {
                       test_support::FileSizeLimit limit(4096);
                       return core::write_lines_atomic(path, big);
                     }});
  for (const auto& c : cases) {
    ASSERT_TRUE(core::write_lines_atomic(path, {"old"}));
    const core::Status written = c.write();
    ASSERT_FALSE(written) << c.what;
    EXPECT_EQ(written.error().kind, core::ErrorKind::Error) << c.what;
    EXPECT_NE(written.error().text.find(c.target), std::string::npos) << c.what << ": " << written.error().text;
    EXPECT_EQ(core::read_lines(path).value(), std::vector<std::string>{"old"}) << c.what;
  }
  // A target that is a folder: the rename fails and the folder keeps what it held.
  const auto folder = dir / "folder.txt";
  fs::create_directories(folder / "inside");
  EXPECT_FALSE(core::write_lines_atomic(folder.string(), {"x"}));
  EXPECT_TRUE(fs::is_directory(folder / "inside"));
  // No temporary file is left behind by any failure.
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
  fs::remove_all(dir);
}

TEST(WriteLinesAtomic, WritesThroughLinksKeepsModesAndRefusesReadOnlyFiles) {
  if (!test_support::kPosixFiles) GTEST_SKIP() << "POSIX modes and symbolic links";
  const auto dir = fresh_dir("vantor_text_file_links");
  const std::string real = (dir / "real.txt").string(), link = (dir / "TW539.txt").string();
  ASSERT_TRUE(core::write_lines_atomic(real, {"old"}));
  fs::create_symlink("real.txt", link);
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(core::write_lines_atomic(link, {"new"}));
  EXPECT_TRUE(fs::is_symlink(link));  // still one file, reached through the link
  EXPECT_EQ(core::read_lines(real).value(), std::vector<std::string>{"new"});
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  fs::permissions(real, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto refused = core::write_lines_atomic(link, {"newer"});
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().text.find("唯讀"), std::string::npos);
  EXPECT_EQ(core::read_lines(real).value(), std::vector<std::string>{"new"});
  fs::remove_all(dir);
}

TEST(WriteLinesAtomic, MessagesNameTheReasonInChineseAndTheUnwritableCharacter) {
  const auto missing = core::write_lines_atomic("/nonexistent_dir_xyz/a.txt", {"x"});
  EXPECT_EQ(missing.error().text, "無法寫入檔案 /nonexistent_dir_xyz/a.txt：找不到檔案或資料夾");
  const auto dir = fresh_dir("vantor_text_file_emoji");
  const auto emoji = core::write_lines_atomic((dir / "a.txt").string(), {"第1柱", "05 \xF0\x9F\x98\x80 12"});
  EXPECT_NE(emoji.error().text.find("第 2 行的「\xF0\x9F\x98\x80」"), std::string::npos) << emoji.error().text;
  EXPECT_EQ(core::read_bytes("/nonexistent_dir_xyz/a.txt").error().text,
            "無法讀取檔案 /nonexistent_dir_xyz/a.txt：找不到檔案或資料夾");
  fs::remove_all(dir);
}

TEST(SplitLines, AllLineEnds) {
  EXPECT_EQ(core::split_lines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(core::split_lines("a\r\n"), std::vector<std::string>{"a"});
  EXPECT_EQ(core::split_lines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(core::split_lines("").empty());
}

}  // namespace
