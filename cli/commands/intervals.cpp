// The intervals commands of vantor39-cli.
#include "cli/commands/commands.h"

namespace cli {

std::span<const CommandSpec> intervals_commands() { return {}; }

}  // namespace cli
