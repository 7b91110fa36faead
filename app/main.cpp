// vantor39: the desktop program. Runs in its working directory: the one given with
// --workdir; for an installed program the user's folder (~/vantor39 or VANTOR39_HOME),
// filled on first start from the installation's bundled files; otherwise (started from
// the build tree) the current directory.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/application.h"
#include "core/working_folder.h"
#include "ui/dialogs.h"
#include "ui/locale.h"
#include "ui/logo.h"

namespace {

bool asks_for_version(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--version") == 0) return true;
  return false;
}

// The installed program's folder, seeded; the current directory for a build-tree program
// or when the user has no home. A seeding fault is shown and the program starts anyway:
// it then tells which file is missing.
QString working_folder(const QStringList& args) {
  const int at = args.indexOf(QStringLiteral("--workdir"));
  if (at >= 0 && at + 1 < args.size()) return QDir(args[at + 1]).absolutePath();
  const auto bundle = core::installed_bundle(QCoreApplication::applicationDirPath().toStdString());
  const auto folder = core::user_working_folder(std::getenv("VANTOR39_HOME"), std::getenv("HOME"));
  if (!bundle || !folder) return QDir::currentPath();
  if (const auto seeded = core::seed_working_folder(*folder, *bundle); !seeded)
    ui::show_error(nullptr, seeded.error());
  const QString path = QDir(QString::fromStdString(folder->string())).absolutePath();
  QDir::setCurrent(path);  // file dialogs open where the user's files are
  return path;
}

// Test hook: the package check starts the program offscreen and lets it end by itself.
// exit() rather than quit(): closing the main window would ask for a confirmation.
void quit_after_test_delay(QApplication& qt) {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue("VANTOR39_TEST_QUIT_AFTER_MS", &ok);
  if (ok && ms >= 0) QTimer::singleShot(ms, &qt, [] { QCoreApplication::exit(0); });
}

}  // namespace

int main(int argc, char* argv[]) {
  if (asks_for_version(argc, argv)) {
    std::cout << "vantor39 " << VANTOR_VERSION << '\n';
    return 0;
  }
  QApplication qt(argc, argv);
  ui::use_traditional_chinese(qt);
  QApplication::setWindowIcon(QIcon(ui::program_icon(256)));
  quit_after_test_delay(qt);  // armed first: it also ends a message box shown at start
  Application application(working_folder(qt.arguments()), std::make_unique<core::SystemClock>());
  application.start();
  return qt.exec();
}
