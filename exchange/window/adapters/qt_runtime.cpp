#include "exchange/window/adapters/qt_runtime.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace exchange::detail {

void ensure_application() {
  if (QCoreApplication::instance()) return;
  // The command line never shows a window, so it needs no display, also in CI.
  if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Its notes (runtime directory, fonts) are not the command's output.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
  });
  static int argc = 1;
  static char name[] = "vantor39-cli";
  static char* argv[] = {name, nullptr};
  // Deliberately never deleted: destroying it during static destruction would run after
  // parts of Qt it depends on are already gone.
  new QGuiApplication(argc, argv);
}

}  // namespace exchange::detail
