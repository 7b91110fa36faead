#include "cli/run.h"

#include "cli/command_table.h"
#include "core/clock.h"
#include "core/dates.h"
#include "core/loader.h"
#include "core/text_file.h"

namespace cli {
namespace {

const NamedCommand* find_command(std::string_view name) {
  for (const auto* table : {&history_commands(), &workbench_commands(), &optimise_commands()})
    for (const auto& command : *table)
      if (command.name == name) return &command;
  return nullptr;
}

void print_usage(std::ostream& out) {
  out << "usage: vantor39-cli [--file PATH] [--today yyyy/mm/dd] COMMAND [options]\n"
         "  --file PATH        draw file (default ./TW539.txt)\n"
         "  --today yyyy/mm/dd the local date the loader compares against (default: today)\n"
         "commands:\n";
  for (const auto* table : {&history_commands(), &workbench_commands(), &optimise_commands()})
    for (const auto& command : *table) out << "  " << command.usage << '\n';
  out << "period options (default: --from 2009/01/01 --to today):\n"
         "  --from yyyy/mm/dd --to yyyy/mm/dd | --recent N | --every M --recent N |\n"
         "  --trace-date yyyy/mm/dd [--position A] [--anywhere] [--number XX] [--distance N]\n";
}

// The first word that is neither a global option nor its value.
std::string command_name(const std::vector<std::string>& words) {
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "--file" || words[i] == "--today") {
      ++i;
      continue;
    }
    return words[i];
  }
  return {};
}

// Loads and derives the draw table the way the main window's load sequence does,
// without creating a missing file. Returns an error text or empty.
std::string load(core::DrawHistory& history, const std::string& path, const std::string& today) {
  if (!core::file_exists(path)) return "找不到開獎資料檔 " + path;
  std::string error;
  const auto bytes = core::read_bytes(path, &error);
  if (!bytes) return error;
  (void)core::load_draw_lines(history, *bytes, today);
  core::reset_rule_settings(history);
  return core::put_to_ltno(history);
}

}  // namespace

int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
  const Args args(words);
  const std::string name = command_name(words);
  if (name.empty() || name == "--help" || name == "help") {
    print_usage(name.empty() ? err : out);
    return name.empty() ? 2 : 0;
  }
  const NamedCommand* command = find_command(name);
  if (!command) {
    err << "未知的指令: " << name << '\n';
    print_usage(err);
    return 2;
  }
  std::string today = core::SystemClock().today_text();
  if (const auto given = args.value("--today")) {
    if (!core::parse_date(*given)) {
      err << "「" << *given << "」不是有效的日期 (yyyy/mm/dd)\n";
      return 2;
    }
    today = *given;
  }
  core::DrawHistory history;
  const std::string path = args.value("--file").value_or("TW539.txt");
  if (const std::string error = load(history, path, today); !error.empty()) {
    err << error << '\n';
    return 1;
  }
  Context ctx{history, today, args, out, err};
  return command->run(ctx);
}

}  // namespace cli
