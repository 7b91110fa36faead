#include "cli/run.h"

#include "cli/commands/commands.h"
#include "cli/context.h"
#include "cli/printed_lines_sheet.h"
#include "core/clock.h"
#include "core/reload.h"

namespace cli {

int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
  const auto& commands = all_commands();
  auto parsed = parse_command_line(words, commands);
  if (!parsed) {
    err << parsed.error().text << '\n';
    return kRefused;
  }
  const Invocation& call = *parsed;
  if (call.help) {
    out << (call.command ? command_usage(*call.command) : program_usage(commands));
    return 0;
  }
  if (!call.command) {
    err << program_usage(commands);
    return kRefused;
  }
  const std::string today = call.args.value_or("--today", core::SystemClock().today_text());
  if (const auto checked = read_date(call.args, "--today", today); !checked) {
    err << checked.error().text << '\n';
    return kRefused;
  }
  const auto sheet_file = spreadsheet_target(call.args);
  if (!sheet_file) {
    err << sheet_file.error().text << '\n';
    return kRefused;
  }
  core::DrawHistory history;
  const std::string path = call.args.value_or("--file", "TW539.txt");
  if (call.command->loads_draw_file) {
    if (const auto loaded = core::reload(history, path, today, core::MissingDrawFile::Refuse); !loaded) {
      err << loaded.error().text << '\n';
      return 1;
    }
  }
  if (sheet_file->empty()) {
    Context ctx{history, today, call.args, out, err};
    return call.command->run(ctx);
  }
  CopyingStream printed(out);
  Context ctx{history, today, call.args, printed, err};
  const int code = call.command->run(ctx);
  if (code == kRefused) return code;
  if (const auto written = write_printed_lines(*sheet_file, call.command->name, printed.copy(), call.args); !written) {
    err << written.error().text << '\n';
    return kRefused;
  }
  return code;
}

}  // namespace cli
