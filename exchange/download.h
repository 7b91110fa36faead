// Checking a downloaded draw file before it may replace the one on disk, and replacing
// it safely.
//
// The HTTP client (exchange/window/http_get.h) hands over an HttpReply; review_download
// decides whether the body may replace the draw file:
//   - a failed transfer (no connection, time-out, a body cut short) or a status other
//     than 2xx is a failed request;
//   - the body must be a draw file: at least one line qualifies under the loader's rules
//     (core::load_draw_lines) and the qualifying lines hold valid dates and balls;
//   - a copy with fewer qualifying draws than the file on disk needs the user's Yes
//     (ReviewedDownload::has_fewer_draws) before it replaces the file.
// replace_draw_file then keeps the old file as "<name>.bak" and writes the new one
// atomically, so one bad download can always be undone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/result.h"

namespace exchange {

inline constexpr const char* kRequestFailed = "檔案下載失敗,請檢查網路連線或防火牆(防毒程式)設定";
inline constexpr const char* kDownloadDone = "下載完成,請等候5-10秒以更新資料";
inline constexpr const char* kWriteFailed = "檔案無法寫入,磁碟可能損壞.請執行修復後再試試";
inline constexpr const char* kNotADrawFile =
    "下載的內容不是開獎資料檔(沒有任何一行符合開獎資料格式),原開獎資料檔保留不變";

// A draw file of the whole history is a few hundred kilobytes; anything far larger is
// not one, and holding it in memory would only hurt.
inline constexpr std::size_t kMaxDownloadBytes = 16u << 20;

// What the HTTP client reports.
struct HttpReply {
  bool completed = false;  // the whole response arrived without a transport error
  int status = 0;          // the HTTP status, 0 when no response head arrived
  std::string body;
  std::string failure;     // the client's own words when !completed
};

struct ReviewedDownload {
  std::string bytes;      // the body's lines, each followed by CR LF, bytes as sent
  int server_draws = 0;   // qualifying draws in the downloaded copy
  int local_draws = 0;    // qualifying draws in the file on disk (0 when missing)
  [[nodiscard]] bool has_fewer_draws() const { return server_draws < local_draws; }
};

// Qualifying draws in a draw file's bytes, counted as the loader counts them (also
// those beyond the table's capacity).
[[nodiscard]] int qualifying_draws(std::string_view bytes, std::string_view today);

// Refusals are warnings: kRequestFailed, kNotADrawFile, or a text naming the bad line.
[[nodiscard]] core::Result<ReviewedDownload> review_download(const HttpReply& reply,
                                                             const std::string& draw_path,
                                                             std::string_view today);

// The Yes/No question for a copy with fewer draws.
[[nodiscard]] std::string fewer_draws_question(const ReviewedDownload& review);

// "<draw_path>.bak"
[[nodiscard]] std::string backup_path(const std::string& draw_path);

// Copies the current file (when there is one) to backup_path, then writes `bytes` over
// draw_path atomically. On any failure the draw file is whole and unchanged, and the
// refusal is the warning kWriteFailed followed by the system's reason.
[[nodiscard]] core::Status replace_draw_file(const std::string& draw_path, std::string_view bytes);

}  // namespace exchange
