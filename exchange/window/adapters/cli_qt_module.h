// The boundary between vantor39-cli and its Qt part. The command line's analysis commands
// start without loading Qt (a process that loads Qt Gui and Network spends most of its
// start-up opening their libraries): the program links cli_qt_loader.cpp, whose http_get
// and write_report_pdf open the module vantor39-cli-qt the first time a command downloads
// or writes a PDF, and call the real ones through this table. No Qt type here.
#pragma once

#include "exchange/window/adapters/http_get.h"
#include "exchange/window/adapters/report_pdf.h"

namespace exchange {

struct CliQtAdapters {
  decltype(&http_get) get;
  decltype(&write_report_pdf) write_pdf;
};

// The module's one exported function, extern "C" so it is found by this plain name; it
// returns the module's table. Loader and module are built together, so the table needs
// no version.
inline constexpr char kCliQtEntry[] = "vantor39_cli_qt_adapters";
using CliQtEntry = const CliQtAdapters* (*)();

// The module's file: beside the program in the build tree; <prefix>/lib/vantor39 when
// installed, out of the users' command path.
inline constexpr char kCliQtModuleFile[] = "vantor39-cli-qt.so";

}  // namespace exchange
