// The boundary between vantor39-cli and its file-format part: the ZIP reader (libzip, which
// brings a cryptography library) and the spreadsheet writer (libxlsxwriter). Loading them
// costs every start a few milliseconds, and only the import of an archive and a save as
// .xlsx use them: the program links file_module_loader.cpp, whose functions open the module
// vantor39-cli-files the first time one is called and call the real ones through this table.
#pragma once

#include "core/spreadsheet.h"
#include "exchange/zip_archive.h"

namespace cli {

struct CliFileAdapters {
  decltype(&exchange::visit_zip_entries) visit_zip;
  decltype(&core::write_spreadsheet) write_sheet;
};

// The module's one exported function, extern "C"; loader and module are built together,
// so the table needs no version.
inline constexpr char kCliFileEntry[] = "vantor39_cli_file_adapters";
// Beside the program in the build tree; <prefix>/lib/vantor39 when installed.
inline constexpr char kCliFileModuleFile[] = "vantor39-cli-files.so";

}  // namespace cli
