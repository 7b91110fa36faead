// vantor39: the desktop program. Runs in its working directory (the current directory,
// or the one given with --workdir), where the draw file and help texts live.
#include <QApplication>
#include <QDir>

#include "app/application.h"
#include "ui/locale.h"

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  QString working_dir = QDir::currentPath();
  const QStringList args = qt.arguments();
  const int at = args.indexOf(QStringLiteral("--workdir"));
  if (at >= 0 && at + 1 < args.size()) working_dir = QDir(args[at + 1]).absolutePath();
  ui::use_traditional_chinese(qt);
  Application application(working_dir, std::make_unique<core::SystemClock>());
  application.start();
  return qt.exec();
}
