#include "core/codepage.h"

#include <iconv.h>

#include <cerrno>

namespace core {
namespace {

// One conversion descriptor per call keeps the functions thread-safe and reentrant.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  [[nodiscard]] bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as possible; on an invalid sequence calls on_bad and skips `skip`
  // bytes. Returns false when on_bad asks to give up.
  template <typename OnBad>
  bool run(std::string_view in, std::string& out, OnBad on_bad) {
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char buffer[4096];
    while (src_left > 0) {
      char* dst = buffer;
      size_t dst_left = sizeof buffer;
      const size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      if (rc != static_cast<size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      if (!on_bad(out)) return false;
      const size_t skip = (errno == EILSEQ && src_left > 0) ? 1 : src_left;
      src += skip;
      src_left -= skip;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string big5_to_utf8(std::string_view big5) {
  Converter converter("UTF-8", "CP950");
  std::string out;
  out.reserve(big5.size() + big5.size() / 2);
  if (!converter.ok()) return std::string(big5);
  converter.run(big5, out, [](std::string& o) {
    o += "\xEF\xBF\xBD";
    return true;
  });
  return out;
}

std::optional<std::string> utf8_to_big5(std::string_view utf8) {
  Converter converter("CP950", "UTF-8");
  if (!converter.ok()) return std::nullopt;
  std::string out;
  out.reserve(utf8.size());
  if (!converter.run(utf8, out, [](std::string&) { return false; })) return std::nullopt;
  return out;
}

}  // namespace core
