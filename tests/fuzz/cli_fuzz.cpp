// The command line: any words (separated by '\n') against a small draw file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/run.h"
#include "fuzz_input.h"

namespace {

const std::string& draw_file() {
  static const std::string path = [] {
    const auto p = std::filesystem::temp_directory_path() / "vantor_cli_fuzz_TW539.txt";
    std::ofstream(p, std::ios::binary) << "2009/01/02,098001,29,03,11,17,38\r\n2009/01/03,098002,05,12,23,30,38\r\n"
                                          "2009/01/05,098003,17,05,22,08,39\r\n2009/01/06,098004,01,02,03,04,05\r\n";
    return p.string();
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto words = fuzz::split(fuzz::bytes_of(data, size), '\n');
  // Keep the file fixed and writes out of the way: what is fuzzed is the reading of words.
  for (auto& w : words)
    if (w.starts_with("--file") || w == "--write-report" || w.starts_with("--pdf") || w.starts_with("--png") ||
        w.starts_with("--xlsx"))
      w = "--help";
  // Bounded work: a 10-of-15 search scores some 19 million arrangements for each training
  // period (walk-forward --method 10of15, best-subset --of 15), over a second under the
  // sanitizers, which libFuzzer reports as a time-out. The 8-of-12 search (52,000) stands
  // in for it: the same words are read, by the same readers.
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string& w = words[i];
    if (w == "10of15") w = "8of12";
    else if (w == "--of=15" || w == "--method=10of15") w = w.starts_with("--of") ? "--of=12" : "--method=8of12";
    else if (w == "15" && i > 0 && words[i - 1] == "--of") w = "12";
  }
  words.insert(words.begin(), {"--file", draw_file(), "--today", "2009/01/08"});
  std::ostringstream out, err;
  (void)cli::run(words, out, err);
  return 0;
}
