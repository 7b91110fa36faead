#include "core/console.h"

namespace core {

std::vector<std::string> command_line_words(int argc, char* argv[]) { return {argv + 1, argv + argc}; }

void use_exact_standard_streams() {}

}  // namespace core
