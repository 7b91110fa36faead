// The commands of vantor39-cli, grouped by the part of the program they expose.
#pragma once

#include <string_view>
#include <vector>

#include "cli/context.h"

namespace cli {

struct NamedCommand {
  std::string_view name;
  Command run;
  std::string_view usage;  // one line for --help
};

const std::vector<NamedCommand>& history_commands();    // draws
const std::vector<NamedCommand>& workbench_commands();  // period, stats, hot, lenpon, cost, verify
const std::vector<NamedCommand>& optimise_commands();   // arrange, analyse, best-subset

}  // namespace cli
