// exchange::http_get and exchange::write_report_pdf as vantor39-cli links them: the first
// call opens the Qt module (cli_qt_module.h) and every call goes through its table. A
// module that cannot be opened is a refusal that names the file, as a missing chart-picture
// program is.
#include <dlfcn.h>

#include <filesystem>

#include "core/child_process.h"
#include "exchange/window/adapters/cli_qt_module.h"

namespace exchange {
namespace {

std::filesystem::path cli_qt_module_path() {
  const std::filesystem::path folder = core::own_program_folder();
  const std::filesystem::path beside = folder / kCliQtModuleFile;
  const std::filesystem::path installed = folder.parent_path() / "lib" / "vantor39" / kCliQtModuleFile;
  std::error_code ignored;
  if (!std::filesystem::exists(beside, ignored) && std::filesystem::exists(installed, ignored)) return installed;
  return beside;
}

struct OpenedCliQtModule {
  const CliQtAdapters* adapters = nullptr;
  std::string failure;  // why it could not be opened, in the user's words
};

OpenedCliQtModule open_cli_qt_module() {
  const std::filesystem::path path = cli_qt_module_path();
  const std::string cannot = "無法載入命令列的 Qt 元件";
  // Never closed: Qt's application object lives until the process ends.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) return {nullptr, cannot + " (" + dlerror() + ")"};  // the system's words name the file
  const auto entry = reinterpret_cast<CliQtEntry>(dlsym(module, kCliQtEntry));
  const CliQtAdapters* adapters = entry ? entry() : nullptr;
  if (!adapters) return {nullptr, cannot + " " + path.string() + " (缺少 " + kCliQtEntry + ")"};
  return {adapters, {}};
}

const OpenedCliQtModule& cli_qt_module() {
  static const OpenedCliQtModule opened = open_cli_qt_module();
  return opened;
}

}  // namespace

HttpReply http_get(const ServerEndpoint& endpoint, const std::string& path, int timeout_ms) {
  const OpenedCliQtModule& module = cli_qt_module();
  if (!module.adapters) {
    HttpReply unsent;
    unsent.failure = module.failure;
    return unsent;
  }
  return module.adapters->get(endpoint, path, timeout_ms);
}

core::Result<int> write_report_pdf(const std::string& path, const ReportRequest& request) {
  const OpenedCliQtModule& module = cli_qt_module();
  if (!module.adapters) return core::Error::error(module.failure);
  return module.adapters->write_pdf(path, request);
}

}  // namespace exchange
