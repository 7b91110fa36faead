#include "core/reload.h"

#include "core/text_file.h"

namespace core {

Result<LoadedDraws> reload(DrawHistory& history, const std::string& path, std::string_view today,
                           MissingDrawFile missing, RuleSettings* rules) {
  if (!file_exists(path)) {
    if (missing == MissingDrawFile::Refuse) return Error::error("找不到開獎資料檔 " + path);
    if (const Status created = write_bytes_atomic(path, {}); !created) return created.error();
  }
  const auto bytes = read_bytes(path);
  if (!bytes) return bytes.error();
  clear_ball_texts(history);
  LoadedDraws loaded = load_draw_lines(history, *bytes, today);
  if (rules) reset_rule_settings(*rules);
  if (const Status derived = put_to_ltno(history); !derived) return derived.error();
  return loaded;
}

}  // namespace core
