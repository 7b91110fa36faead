// vantor39-cli: the program's computations from the command line, for scripts and
// checks. Output is UTF-8, one line per memo or grid line.
#include <iostream>

#include "cli/run.h"
#include "core/console.h"

int main(int argc, char* argv[]) {
  core::use_exact_standard_streams();
  const std::vector<std::string> words = core::command_line_words(argc, argv);
  if (words == std::vector<std::string>{"--version"}) {
    std::cout << "vantor39-cli " << VANTOR_VERSION << '\n';
    return 0;
  }
  return cli::run(words, std::cout, std::cerr);
}
