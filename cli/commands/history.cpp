// The draw-history commands of vantor39-cli.
#include "cli/commands/commands.h"
#include "cli/context.h"
#include "core/loader.h"

namespace cli {
namespace {

int draws_command(Context& ctx) {
  const core::LatestDrawLabels labels = core::latest_draw_labels(ctx.history);
  ctx.out << labels.date << '\n' << labels.issue << '\n' << labels.balls << '\n';
  for (int i = 0; i < ctx.history.draw_count; ++i) ctx.out << core::display_text(ctx.history.orirec[i]) << '\n';
  return 0;
}

const CommandSpec kHistoryCommands[] = {
    {"draws", "the three latest-draw labels, then every accepted draw line, oldest first", {}, draws_command},
};

}  // namespace

std::span<const CommandSpec> history_commands() { return kHistoryCommands; }

}  // namespace cli
