// exchange::http_get and exchange::write_report_pdf as vantor39-cli links them: the first
// call opens the Qt module (cli_qt_module.h) and every call goes through its table. A
// module that cannot be opened is a refusal that names the file, as a missing chart-picture
// program is.
#include "core/program_module.h"
#include "exchange/window/adapters/cli_qt_module.h"

namespace exchange {
namespace {

const core::OpenedModule<CliQtAdapters>& cli_qt_module() {
  static const auto opened = core::open_program_module<CliQtAdapters>(kCliQtModuleFile, kCliQtEntry, "無法載入命令列的 Qt 元件");
  return opened;
}

}  // namespace

HttpReply http_get(const ServerEndpoint& endpoint, const std::string& path, int timeout_ms) {
  const auto& module = cli_qt_module();
  if (!module.table) {
    HttpReply unsent;
    unsent.failure = module.failure;
    return unsent;
  }
  return module.table->get(endpoint, path, timeout_ms);
}

core::Result<int> write_report_pdf(const std::string& path, const ReportRequest& request) {
  const auto& module = cli_qt_module();
  if (!module.table) return core::Error::error(module.failure);
  return module.table->write_pdf(path, request);
}

}  // namespace exchange
