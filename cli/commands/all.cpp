#include "cli/commands/commands.h"

namespace cli {

const std::vector<CommandSpec>& all_commands() {
  static const std::vector<CommandSpec> all = [] {
    std::vector<CommandSpec> commands;
    for (const auto table : {history_commands(), history_upkeep_commands(), pillars_commands(), optimise_commands(),
                             walk_forward_commands(), exchange_commands(),
                             trace_commands(), statistics_commands(), moving_commands(),
                             backtest_commands(), intervals_commands()})
      commands.insert(commands.end(), table.begin(), table.end());
    return commands;
  }();
  return all;
}

}  // namespace cli
