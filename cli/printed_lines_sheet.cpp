#include "cli/printed_lines_sheet.h"



#include "cli/output.h"
#include "core/platform_files.h"
#include "core/spreadsheet.h"
#include "core/system_error.h"
#include "core/text_file.h"

namespace cli {
namespace {

std::string folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

core::Result<std::string> spreadsheet_target(const Args& args) {
  const auto path = args.value("--xlsx");
  if (!path) return std::string();
  if (path->empty()) return core::Error::error("請以 --xlsx FILE.xlsx 指定試算表檔");
  if (const core::Status free = refuse_own_output(args, *path); !free) return free.error();
  const auto named = core::spreadsheet_path(*path);
  if (!named) return named.error();
  if (const core::Status free = refuse_own_output(args, *named); !free) return free.error();
  if (const int refusal = core::platform::folder_refusal(folder_of(*named)); refusal != 0)
    return core::write_failure(*named, core::write_reason(refusal, *named));
  return *named;
}

CopyingStream::CopyingStream(std::ostream& out) : std::ostream(&buffer_) {
  buffer_.out = out.rdbuf();
  copyfmt(out);
}

CopyingStream::Buffer::int_type CopyingStream::Buffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  copy += traits_type::to_char_type(c);
  return out->sputc(traits_type::to_char_type(c));
}

std::streamsize CopyingStream::Buffer::xsputn(const char* bytes, std::streamsize count) {
  copy.append(bytes, static_cast<std::size_t>(count));
  return out->sputn(bytes, count);
}

core::Status write_printed_lines(const std::string& path, std::string_view command, const std::string& printed,
                                 const Args& args) {
  const core::Sheet sheet = core::sheet_of_lines(std::string(command), core::split_lines(printed));
  return core::write_spreadsheet(path, sheet, own_file_places(args));
}

}  // namespace cli
