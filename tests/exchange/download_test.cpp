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

constexpr const char* kDownloadDay = "2010/01/01";

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
      {"not found", {false, 404, draw_file_bytes(3), "server replied: Not Found"}, "伺服器回應 HTTP 404,沒有取得開獎資料"},
      {"server error", {true, 500, "oops", ""}, "伺服器回應 HTTP 500,"},
      {"redirect not followed", {true, 302, "", ""}, "伺服器回應 HTTP 302,"},
      {"stopped at the size limit", {false, 200, "2009", "", true, false}, exchange::kTooLarge},
      {"stopped at the time limit", {false, 200, "2009", "", false, true}, exchange::kTooSlow},
      {"html page", ok("<!DOCTYPE html>\r\n<html><body>Proxy login</body></html>\r\n"), exchange::kNotADrawFile},
      {"empty body", ok(""), exchange::kNotADrawFile},
      {"blank first line", ok("\r\n" + draw_file_bytes(3)), exchange::kNotADrawFile},
      {"only future draws", ok("2011/01/01,100001,01,02,03,04,05\r\n"), exchange::kNotADrawFile},
      {"too large", ok(std::string(exchange::kMaxDownloadBytes + 1, 'x')), exchange::kTooLarge},
      {"bad date", ok("2009/02/30,098001,01,02,03,04,05\r\n"), "下載的開獎資料有錯誤"},
      {"impossible balls on the newest line", ok(draw_file_bytes(3) + "2009/01/04,098004,45,00,24,24,06\r\n"),
       "下載的開獎資料有錯誤:第 4 行：號碼「45」不在 01 到 39 之間 「2009/01/04,098004,45,00,24,24,06」,原開獎資料檔保留不變"},
      {"an HTML tail after the draws", ok(draw_file_bytes(3) + "<html><body>503</body></html>\r\n"),
       "下載的內容在開獎資料之後還有不是開獎資料的內容(第 4 行「<html><body>503</body></html>」),"
       "原開獎資料檔保留不變"},
      {"a message after a blank line", ok(draw_file_bytes(3) + "\r\n\r\n-- 資料更新中 --\r\n"), "下載的內容在開獎資料之後還有"},
      {"a last line cut short", ok(draw_file_bytes(3) + "2009/01/04,098004,0"), "下載的內容在開獎資料之後還有"},
      {"a ball twice in a future draw", ok(draw_file_bytes(3) + "2011/01/01,100001,05,05,24,26,06\r\n"),
       "下載的開獎資料有錯誤:第 4 行：號碼 05 出現兩次"},
  };
  for (const auto& c : cases) {
    const auto review = exchange::review_download(c.reply, path, kDownloadDay);
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
  const std::string bundled = core::read_bytes(std::string(VANTOR_DATA_DIR) + "/TW539.txt").value();
  const Case cases[] = {
      {"no local file", "", draw_file_bytes(5), 5, 0, false},
      {"more draws", draw_file_bytes(3), draw_file_bytes(5), 5, 3, false},
      {"same count", draw_file_bytes(3), draw_file_bytes(3), 3, 3, false},
      {"fewer draws", draw_file_bytes(3), draw_file_bytes(2), 2, 3, true},
      {"lone line feeds", draw_file_bytes(3), lf_only, 2, 3, true},
      {"a byte-order mark before the first line", draw_file_bytes(3), "\xEF\xBB\xBF" + draw_file_bytes(4), 4, 3, false},
      {"blank lines after the draws", draw_file_bytes(3), draw_file_bytes(3) + "\r\n \r\n\r\n", 3, 3, false},
      // Counted over the whole files, though the table holds the newest 2,500 of each.
      {"beyond the table's capacity", draw_file_bytes(2600), draw_file_bytes(2501), 2501, 2600, true},
      {"the bundled history without its newest 100 draws", bundled, bundled.substr(0, bundled.size() - 100 * 34), 5848,
       5948, true},
  };
  for (const auto& c : cases) {
    fs::remove(path);
    if (!c.local.empty()) {
      ASSERT_TRUE(core::write_bytes_atomic(path, c.local));
    }
    const auto review = exchange::review_download(ok(c.body), path, "2030/01/01");
    ASSERT_TRUE(review) << c.what << ": " << review.error().text;
    EXPECT_EQ(review->server_draws, c.server_draws) << c.what;
    EXPECT_EQ(review->local_draws, c.local_draws) << c.what;
    EXPECT_EQ(review->has_fewer_draws(), c.fewer) << c.what;
  }
  EXPECT_EQ(exchange::review_download(ok(lf_only), path, kDownloadDay)->bytes, draw_file_bytes(2));
  EXPECT_EQ(exchange::review_download(ok("\xEF\xBB\xBF" + lf_only), path, kDownloadDay)->bytes, draw_file_bytes(2));
  fs::remove_all(dir);
}

TEST(replace_draw_file, TwoDownloadsInARowLeaveTheFirstFilesBackup) {
  const auto dir = fresh_dir("vantor_replace_backup");
  const std::string path = (dir / "TW539.txt").string();
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(2)));  // nothing to keep yet
  EXPECT_FALSE(fs::exists(exchange::backup_folder(path)));
  const core::LocalDateTime first{core::Date{2026, 8, 22}, 9, 0, 0}, second{core::Date{2026, 8, 22}, 9, 0, 5};
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(1), first));   // a bad, smaller copy
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(1), second));  // and once more
  ASSERT_TRUE(exchange::replace_draw_file(path, draw_file_bytes(4), second));
  EXPECT_EQ(core::read_bytes(path).value(), draw_file_bytes(4));
  const auto backups = exchange::list_backups(path);
  ASSERT_EQ(backups.size(), 2u);
  EXPECT_EQ(backups[0].name, "TW539-000002-20260822-090005.txt");
  EXPECT_EQ(core::read_bytes(backups[0].path).value(), draw_file_bytes(1));
  EXPECT_EQ(core::read_bytes(backups[1].path).value(), draw_file_bytes(2));  // the good history survives
  // No save from a window or the command line may replace a backup it keeps.
  EXPECT_EQ(core::own_file_kind(backups[0].path, {path, dir.string()}), core::OwnFileKind::DrawBackup);
  fs::remove_all(dir);
}

TEST(replace_draw_file, AFailedWriteLeavesTheOldFileWhole) {
  const auto dir = fresh_dir("vantor_replace_faults");
  const std::string path = (dir / "TW539.txt").string();
  const std::string old_bytes = draw_file_bytes(3);
  ASSERT_TRUE(core::write_bytes_atomic(path, old_bytes));
  if (test_support::kPosixFiles) {
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
