#include "exchange/download.h"

#include "core/draw_history.h"
#include "core/loader.h"
#include "core/text_file.h"

namespace exchange {
namespace {

std::string with_crlf_line_ends(std::string_view body) {
  std::string bytes;
  bytes.reserve(body.size() + body.size() / 16);
  for (const auto& line : core::split_lines(body)) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

bool is_success_status(int status) { return status >= 200 && status <= 299; }

}  // namespace

int qualifying_draws(std::string_view bytes, std::string_view today) {
  core::DrawHistory scratch;
  const core::LoadedDraws loaded = core::load_draw_lines(scratch, bytes, today);
  return scratch.draw_count + loaded.skipped_older;
}

core::Result<ReviewedDownload> review_download(const HttpReply& reply, const std::string& draw_path,
                                               std::string_view today) {
  if (!reply.completed || !is_success_status(reply.status)) return core::Error::warning(kRequestFailed);
  if (reply.body.size() > kMaxDownloadBytes) return core::Error::warning(kNotADrawFile);
  ReviewedDownload review;
  review.bytes = with_crlf_line_ends(reply.body);
  core::DrawHistory server_copy;
  const core::LoadedDraws loaded = core::load_draw_lines(server_copy, review.bytes, today);
  review.server_draws = server_copy.draw_count + loaded.skipped_older;
  if (review.server_draws == 0) return core::Error::warning(kNotADrawFile);
  if (const core::Status derived = core::put_to_ltno(server_copy); !derived)
    return core::Error::warning("下載的開獎資料有錯誤:" + derived.error().text + ",原開獎資料檔保留不變");
  if (core::file_exists(draw_path)) {
    if (const auto current = core::read_bytes(draw_path)) review.local_draws = qualifying_draws(*current, today);
  }
  return review;
}

std::string fewer_draws_question(const ReviewedDownload& review) {
  return "伺服器上的開獎資料只有 " + std::to_string(review.server_draws) + " 期,比目前檔案中的 " +
         std::to_string(review.local_draws) + " 期少.確定要以伺服器的資料取代目前的檔案嗎?";
}

std::string backup_path(const std::string& draw_path) { return draw_path + ".bak"; }

core::Status replace_draw_file(const std::string& draw_path, std::string_view bytes) {
  auto refused = [](const core::Error& why) { return core::Error::warning(std::string(kWriteFailed) + "\n" + why.text); };
  if (core::file_exists(draw_path)) {
    const auto current = core::read_bytes(draw_path);
    if (!current) return refused(current.error());
    if (const core::Status kept = core::write_bytes_atomic(backup_path(draw_path), *current); !kept)
      return refused(kept.error());
  }
  if (const core::Status written = core::write_bytes_atomic(draw_path, bytes); !written)
    return refused(written.error());
  return {};
}

}  // namespace exchange
