#include "exchange/download.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/own_files.h"
#include "core/text_file.h"
#include "support/fresh_dir.h"
#include "support/draw_file_bytes.h"
#include "support/write_faults.h"

namespace {

namespace fs = std::filesystem;
using test_support::fresh_dir;
using test_support::draw_file_bytes;

constexpr const char* kToday = "2010/01/01";

exchange::HttpReply ok(std::string body) { return {true, 200, std::move(body), {}}; }

// Every reply that must not replace the file, and the warning it gets.
TEST(review_download, RefusesFailedRequestsAndBodiesThatAreNoDrawFile) {
  const auto dir = fresh_dir("vantor_review_refusals");
  const std::string path = (dir / "TW539.txt").string();
  struct Case {
    const char* what;
    exchange::HttpReply reply;
    std::string expected_start;
  };
  const Case cases[] = {
      {"no connection", {false, 0, "", "Connection refused"}, exchange::kRequestFailed},
      {"cut short", {false, 200, draw_file_bytes(3), "closed"}, exchange::kRequestFailed},
      {"not found", {true, 404, draw_file_bytes(3), ""}, exchange::kRequestFailed},
      {"server error", {true, 500, "oops", ""}, exchange::kRequestFailed},
      {"redirect not followed", {true, 302, "", ""}, exchange::kRequestFailed},
      {"html page", ok("<!DOCTYPE html>\r\n<html><body>Proxy login</body></html>\r\n"), exchange::kNotADrawFile},
      {"empty body", ok(""), exchange::kNotADrawFile},
      {"blank first line", ok("\r\n" + draw_file_bytes(3)), exchange::kNotADrawFile},
      {"only future draws", ok("2011/01/01,100001,01,02,03,04,05\r\n"), exchange::kNotADrawFile},
      {"too large", ok(std::string(exchange::kMaxDownloadBytes + 1, 'x')), exchange::kNotADrawFile},
      {"bad date", ok("2009/02/30,098001,01,02,03,04,05\r\n"), "下載的開獎資料有錯誤"},
  };
  for (const auto& c : cases) {
    const auto review = exchange::review_download(c.reply, path, kToday);
    ASSERT_FALSE(review) << c.what;
    EXPECT_EQ(review.error().kind, core::ErrorKind::Warning) << c.what;
    EXPECT_EQ(review.error().text.rfind(c.expected_start, 0), 0u) << c.what << ": " << review.error().text;
  }
  fs::remove_all(dir);
}

TEST(review_download, CountsDrawsOnBothSidesAndNormalisesLineEnds) {
  const auto dir = fresh_dir("vantor_review_counts");
  const std::string path = (dir / "TW539.txt").string();
  struct Case {
    const char* what;
    std::string local;  // "" = no file
    std::string body;
    int server_draws, local_draws;
    bool fewer;
  };
  std::string lf_only = draw_file_bytes(2);
  std::erase(lf_only, '\r');
  const Case cases[] = {
      {"no local file", "", draw_file_bytes(5), 5, 0, false},
      {"more draws", draw_file_bytes(3), draw_file_bytes(5), 5, 3, false},
      {"same count", draw_file_bytes(3), draw_file_bytes(3), 3, 3, false},
      {"fewer draws", draw_file_bytes(3), draw_file_bytes(2), 2, 3, true},
      {"a truncated last line counts only whole lines", draw_file_bytes(3),
       draw_file_bytes(3) + "2009/01/04,098004,0", 3, 3, false},
      {"lone line feeds", draw_file_bytes(3), lf_only, 2, 3, true},
      {"beyond the table's capacity", draw_file_bytes(2600), draw_file_bytes(2501), 2501, 2600, true},
  };
  for (const auto& c : cases) {
    fs::remove(path);
    if (!c.local.empty()) ASSERT_TRUE(core::write_bytes_atomic(path, c.local));
    const auto review = exchange::review_download(ok(c.body), path, "2030/01/01");
    ASSERT_TRUE(review) << c.what << ": " << review.error().text;
    EXPECT_EQ(review->server_draws, c.server_draws) << c.what;
    EXPECT_EQ(review->local_draws, c.local_draws) << c.what;
    EXPECT_EQ(review->has_fewer_draws(), c.fewer) << c.what;
  }
  EXPECT_EQ(exchange::review_download(ok(lf_only), path, kToday)->bytes, draw_file_bytes(2));
  fs::remove_all(dir);
}

TEST(replace_draw_file, KeepsTheOldFileAsBackup) {
  const auto dir = fresh_dir("vantor_replace_backup");
  const std::string path = (dir / "TW539.txt").string();
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(2)));  // nothing to keep yet
  EXPECT_FALSE(fs::exists(exchange::backup_path(path)));
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(4)));
  EXPECT_EQ(core::read_bytes(path).value(), draw_file_bytes(4));
  EXPECT_EQ(core::read_bytes(path + ".bak").value(), draw_file_bytes(2));
  // No save from a window or the command line may replace the backup it keeps.
  EXPECT_EQ(core::own_file_kind(exchange::backup_path(path), {path, dir.string()}), core::OwnFileKind::DrawBackup);
  fs::remove_all(dir);
}

TEST(replace_draw_file, AFailedWriteLeavesTheOldFileWhole) {
  const auto dir = fresh_dir("vantor_replace_faults");
  const std::string path = (dir / "TW539.txt").string();
  const std::string old_bytes = draw_file_bytes(3);
  {
    ASSERT_TRUE(core::write_bytes_atomic(path, old_bytes));
    test_support::FileSizeLimit disk_full(old_bytes.size() + 10);
    const core::Status written = exchange::replace_draw_file(path, draw_file_bytes(50));
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().text.rfind(exchange::kWriteFailed, 0), 0u);
    EXPECT_NE(written.error().text.find(path), std::string::npos);
  }
  EXPECT_EQ(core::read_bytes(path).value(), old_bytes);
  const std::string unreachable = test_support::path_through_a_file(dir, "TW539.txt");
  EXPECT_FALSE(exchange::replace_draw_file(unreachable, draw_file_bytes(1)));
  fs::remove_all(dir);
}

}  // namespace
