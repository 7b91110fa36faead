// Checking a downloaded draw file before it may replace the one on disk, and replacing
// it safely.
//
// The HTTP client (exchange/window/adapters/http_get.h) hands over an HttpReply; review_download
// decides whether the body may replace the draw file, and a refusal names the real reason:
//   - a failed transfer (no connection, idle time-out, a body cut short) blames the
//     network; a status other than 2xx, a body over 16 MB and a server too slow to finish
//     within the total time limit are told as what they are;
//   - the body must be a draw file: at least one line qualifies under the loader's rules
//     (core::load_draw_lines; a UTF-8 byte-order mark before the first line is dropped),
//     nothing but blank lines follows the draws (an HTML tail would cut every later load
//     short), and every line the loader would read is a possible draw (real date, balls
//     01..39, none twice), else the first bad line is named;
//   - a copy with fewer draws than the file on disk, both counted over the whole file (not
//     the newest 2,500 the table holds), needs the user's Yes (has_fewer_draws).
// replace_draw_file (exchange/backups.h) then keeps the old file as a dated backup and
// writes the new one atomically, so a bad download can always be undone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/result.h"
#include "exchange/backups.h"

namespace exchange {

inline constexpr const char* kRequestFailed = "檔案下載失敗,請檢查網路連線或防火牆(防毒程式)設定";
inline constexpr const char* kDownloadDone = "下載完成,請等候5-10秒以更新資料";
inline constexpr const char* kNotADrawFile =
    "下載的內容不是開獎資料檔(沒有任何一行符合開獎資料格式),原開獎資料檔保留不變";
inline constexpr const char* kTooLarge = "下載的內容超過 16 MB,不是開獎資料檔,原開獎資料檔保留不變";
inline constexpr const char* kTooSlow = "伺服器傳送太慢,下載未能在時限內完成,原開獎資料檔保留不變";

// A draw file of the whole history is a few hundred kilobytes; anything far larger is
// not one, and holding it in memory would only hurt.
inline constexpr std::size_t kMaxDownloadBytes = 16u << 20;
// A server that trickles bytes never trips the idle time-out; the whole transfer gets
// this long.
inline constexpr int kTotalTimeLimitMs = 90000;

// What the HTTP client reports.
struct HttpReply {
  bool completed = false;  // the whole response arrived without a transport error
  int status = 0;          // the HTTP status, 0 when no response head arrived
  std::string body;
  std::string failure;     // the client's own words when !completed
  bool too_large = false;  // stopped at kMaxDownloadBytes
  bool too_slow = false;   // stopped at the total time limit
};

struct ReviewedDownload {
  std::string bytes;      // the body's lines, each followed by CR LF, bytes as sent
  int server_draws = 0;   // draws of the whole downloaded copy the loader would accept
  int local_draws = 0;    // the same of the whole file on disk (0 when missing)
  [[nodiscard]] bool has_fewer_draws() const { return server_draws < local_draws; }
};

// Refusals are warnings: kRequestFailed, kTooLarge, kTooSlow, kNotADrawFile, the HTTP
// status, or a text naming the first impossible line.
[[nodiscard]] core::Result<ReviewedDownload> review_download(const HttpReply& reply,
                                                             const std::string& draw_path,
                                                             std::string_view today);

// The Yes/No question for a copy with fewer draws.
[[nodiscard]] std::string fewer_draws_question(const ReviewedDownload& review);

}  // namespace exchange
