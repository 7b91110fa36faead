// Opening one of the program's modules at run time: a shared library built beside the
// program and installed in <prefix>/lib/vantor39, which hands over a table of functions
// through one exported function. vantor39-cli opens its Qt part and its file-format part
// this way, so a command that needs neither loads neither library. Not on Windows, where
// the program links those parts itself.
#pragma once

#include <string>

namespace core {

template <typename Table>
struct OpenedModule {
  const Table* table = nullptr;
  std::string failure;  // why it could not be opened, in the user's words
};

// The exported function named `entry` of the module file `file`, looked up beside the
// program, then in <prefix>/lib/vantor39; null and `failure` saying why ("`cannot` (the
// system's words, which name the file)") when it cannot be opened or lacks the function.
// An opened module stays open until the process ends.
struct ModuleEntry {
  void* function = nullptr;
  std::string failure;
};
[[nodiscard]] ModuleEntry find_module_entry(const char* file, const char* entry, const std::string& cannot);

// The table the module's entry (`const Table* entry()`, extern "C") returns.
template <typename Table>
[[nodiscard]] OpenedModule<Table> open_program_module(const char* file, const char* entry, const std::string& cannot) {
  const ModuleEntry found = find_module_entry(file, entry, cannot);
  if (!found.function) return {nullptr, found.failure};
  return {reinterpret_cast<const Table* (*)()>(found.function)(), {}};
}

}  // namespace core
