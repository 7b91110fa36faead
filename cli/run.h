// The whole of vantor39-cli as a function, so tests run it without a process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// words: the arguments after the program name. Returns the exit code.
int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace cli
