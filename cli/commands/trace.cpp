// The trace commands of vantor39-cli.
#include "cli/commands/commands.h"

namespace cli {

std::span<const CommandSpec> trace_commands() { return {}; }

}  // namespace cli
