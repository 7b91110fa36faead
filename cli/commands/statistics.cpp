// The statistics commands of vantor39-cli.
#include "cli/commands/commands.h"

namespace cli {

std::span<const CommandSpec> statistics_commands() { return {}; }

}  // namespace cli
