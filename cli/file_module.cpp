// The module vantor39-cli opens to read a ZIP archive or save a spreadsheet.
#include "cli/file_module.h"

extern "C" __attribute__((visibility("default"))) const cli::CliFileAdapters* vantor39_cli_file_adapters() {
  static constexpr cli::CliFileAdapters adapters{&exchange::visit_zip_entries, &core::write_spreadsheet};
  return &adapters;
}
