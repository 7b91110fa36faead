// The draw-history commands of vantor39-cli.
#include "cli/command_table.h"
#include "core/loader.h"

namespace cli {
namespace {

int run_draws(Context& ctx);

}  // namespace

const std::vector<NamedCommand>& history_commands() {
  static const std::vector<NamedCommand> commands{
      {"draws", run_draws, "draws: the three latest-draw labels, then every accepted draw line, oldest first"}};
  return commands;
}

namespace {

int run_draws(Context& ctx) {
  const core::LatestDrawLabels labels = core::latest_draw_labels(ctx.history);
  ctx.out << labels.lb_data << '\n' << labels.lb_data1 << '\n' << labels.lb_data2 << '\n';
  for (int i = 0; i < ctx.history.draw_count; ++i) ctx.out << ctx.history.orirec[i] << '\n';
  return 0;
}

}  // namespace
}  // namespace cli
