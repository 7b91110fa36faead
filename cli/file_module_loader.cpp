// exchange::visit_zip_entries and core::write_spreadsheet as vantor39-cli links them: the
// first call opens the file module (file_module.h). A module that cannot be opened is a
// refusal that names the file.
#include "cli/file_module.h"
#include "core/program_module.h"

namespace {

const core::OpenedModule<cli::CliFileAdapters>& cli_file_module() {
  static const auto opened =
      core::open_program_module<cli::CliFileAdapters>(cli::kCliFileModuleFile, cli::kCliFileEntry, "無法載入命令列的檔案元件");
  return opened;
}

}  // namespace

namespace exchange {

core::Status visit_zip_entries(std::string_view bytes, const std::string& source,
                               const std::function<bool(std::string_view name)>& wanted, const ZipVisit& visit,
                               std::size_t entry_limit, std::size_t total_limit) {
  const auto& module = cli_file_module();
  if (!module.table) return core::Error::error(module.failure);
  return module.table->visit_zip(bytes, source, wanted, visit, entry_limit, total_limit);
}

}  // namespace exchange

namespace core {

Status write_spreadsheet(const std::string& path, const Sheet& sheet, const OwnFilePlaces& places) {
  const auto& module = cli_file_module();
  if (!module.table) return Error::error(module.failure);
  return module.table->write_sheet(path, sheet, places);
}

}  // namespace core
