// The module vantor39-cli opens for its two Qt commands: the real HTTP client and PDF
// writer, handed over as one table.
#include "exchange/window/adapters/cli_qt_module.h"

extern "C" __attribute__((visibility("default"))) const exchange::CliQtAdapters* vantor39_cli_qt_adapters() {
  static constexpr exchange::CliQtAdapters adapters{&exchange::http_get, &exchange::write_report_pdf};
  return &adapters;
}
