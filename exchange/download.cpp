#include "exchange/download.h"

#include "core/codepage.h"
#include "core/history_check.h"
#include "core/text_file.h"

namespace exchange {
namespace {

std::string with_crlf_line_ends(std::string_view body) {
  if (body.starts_with(core::kUtf8Bom)) body.remove_prefix(core::kUtf8Bom.size());
  std::string bytes;
  bytes.reserve(body.size() + body.size() / 16);
  for (const auto& line : core::split_lines(body)) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

bool is_success_status(int status) { return status >= 200 && status <= 299; }

std::string status_refusal(int status) {
  return "伺服器回應 HTTP " + std::to_string(status) + ",沒有取得開獎資料,原開獎資料檔保留不變";
}

}  // namespace

core::Result<ReviewedDownload> review_download(const HttpReply& reply, const std::string& draw_path,
                                               std::string_view today) {
  if (reply.too_large || reply.body.size() > kMaxDownloadBytes) return core::Error::warning(kTooLarge);
  if (reply.too_slow) return core::Error::warning(kTooSlow);
  // The client counts an error status as a failed transfer too; the status is the real reason.
  if (reply.status != 0 && !is_success_status(reply.status)) return core::Error::warning(status_refusal(reply.status));
  if (!reply.completed || reply.status == 0) return core::Error::warning(kRequestFailed);
  ReviewedDownload review;
  review.bytes = with_crlf_line_ends(reply.body);
  review.server_draws = summarize_draw_file(review.bytes, today).draws;
  if (review.server_draws == 0) return core::Error::warning(kNotADrawFile);
  // Written as it is, a tail would stop every later load at its first line.
  if (const auto tail = core::first_line_after_the_draws(review.bytes))
    return core::Error::warning("下載的內容在開獎資料之後還有不是開獎資料的內容(" + tail->reason + "),原開獎資料檔保留不變");
  if (const auto bad = core::first_impossible_draw(review.bytes))
    return core::Error::warning("下載的開獎資料有錯誤:" + bad->reason + ",原開獎資料檔保留不變");
  if (core::file_exists(draw_path)) {
    if (const auto current = core::read_bytes(draw_path)) review.local_draws = summarize_draw_file(*current, today).draws;
  }
  return review;
}

std::string fewer_draws_question(const ReviewedDownload& review) {
  return "伺服器上的開獎資料只有 " + std::to_string(review.server_draws) + " 期,比目前檔案中的 " +
         std::to_string(review.local_draws) + " 期少.確定要以伺服器的資料取代目前的檔案嗎?";
}

}  // namespace exchange
