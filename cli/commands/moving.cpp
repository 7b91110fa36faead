// The moving commands of vantor39-cli.
#include "cli/commands/commands.h"

namespace cli {

std::span<const CommandSpec> moving_commands() { return {}; }

}  // namespace cli
