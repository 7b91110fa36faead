#include "core/program_module.h"

#include <dlfcn.h>

#include <filesystem>

#include "core/child_process.h"

namespace core {
namespace {

std::filesystem::path program_module_path(const char* file) {
  const std::filesystem::path folder = own_program_folder();
  const std::filesystem::path beside = folder / file;
  const std::filesystem::path installed = folder.parent_path() / "lib" / "vantor39" / file;
  std::error_code ignored;
  if (!std::filesystem::exists(beside, ignored) && std::filesystem::exists(installed, ignored)) return installed;
  return beside;
}

}  // namespace

ModuleEntry find_module_entry(const char* file, const char* entry, const std::string& cannot) {
  const std::filesystem::path path = program_module_path(file);
  // Never closed: what a module starts (Qt's application object) lives until the process ends.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) return {nullptr, cannot + " (" + dlerror() + ")"};
  void* function = dlsym(module, entry);
  if (!function) return {nullptr, cannot + " " + path.string() + " (缺少 " + entry + ")"};
  return {function, {}};
}

}  // namespace core
