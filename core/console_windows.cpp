#include "core/console.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "core/windows_text.h"

namespace core {

std::vector<std::string> command_line_words(int argc, char* argv[]) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return {argv + 1, argv + argc};
  std::vector<std::string> words;
  for (int i = 1; i < count; ++i) words.push_back(windows::utf8_of_wide(wide[i]));
  LocalFree(wide);
  return words;
}

void use_exact_standard_streams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
}

}  // namespace core
