// The exchange commands of vantor39-cli.
#include "cli/commands/commands.h"

namespace cli {

std::span<const CommandSpec> exchange_commands() { return {}; }

}  // namespace cli
