// The draw-file upkeep commands of vantor39-cli: bringing the history up to date from the
// operator's result files, and checking it. Both read the draw file themselves: an import
// may start from no file, and the check must see the lines the loader would not take.
#include <algorithm>
#include <string>

#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/history_check.h"
#include "core/text_file.h"
#include "exchange/backups.h"
#include "exchange/history_import.h"

namespace cli {
namespace {

constexpr int kProblemsFound = 1;

std::string draw_path(const Context& ctx) { return ctx.args.value_or("--file", "TW539.txt"); }

int import_command(Context& ctx) {
  const auto& files = ctx.args.operands();
  if (files.empty()) return refuse(ctx, "請指定要匯入的開獎結果檔 (CSV 或 ZIP)");
  const std::string path = draw_path(ctx);
  const auto plan = exchange::plan_import_files(path, files, ctx.today);
  if (!plan) return refuse(ctx, plan.error());
  print_lines(ctx, exchange::import_summary(*plan));
  if (!plan->has_additions() || ctx.args.has("--dry-run")) return 0;
  if (const core::Status written = exchange::replace_draw_file(path, plan->bytes); !written) {
    std::string text = written.error().text;
    std::replace(text.begin(), text.end(), '\n', ' ');  // a refusal is one line
    return refuse(ctx, text);
  }
  ctx.out << "已寫入 " << path << '\n';
  return 0;
}

int check_command(Context& ctx) {
  const std::string path = draw_path(ctx);
  if (!core::file_exists(path)) return refuse(ctx, "找不到開獎資料檔 " + path);
  const auto bytes = core::read_bytes(path);
  if (!bytes) return refuse(ctx, bytes.error());
  const std::vector<std::string> findings = core::check_history(*bytes, ctx.today);
  if (findings.empty()) {
    ctx.out << core::kNoProblemsFound << '\n';
    return 0;
  }
  print_lines(ctx, findings);
  return kProblemsFound;
}

constexpr OptionSpec kImportOptions[] = {
    {"--dry-run", Takes::Flag, "", "print the summary without writing the draw file"},
};

const CommandSpec kHistoryUpkeepCommands[] = {
    {"import", "merge the operator's result files (CSV or ZIP) into --file, keeping a dated backup",
     join({kImportOptions}), import_command, NotTakenWording::NamesCommand, false, "FILE..."},
    {"check", "list what is wrong in --file (exit status 1 when anything is)", {}, check_command,
     NotTakenWording::NamesCommand, false},
};

}  // namespace

std::span<const CommandSpec> history_upkeep_commands() { return kHistoryUpkeepCommands; }

}  // namespace cli
