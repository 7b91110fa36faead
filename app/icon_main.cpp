// vantor39-icon: writes the program's icon as PNG files for the desktop's icon theme, at
// build time, so the installed icon is the one the program draws for its own windows.
//   vantor39-icon FOLDER     writes FOLDER/<side>x<side>/vantor39.png for each side
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "ui/logo.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication qt(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: vantor39-icon FOLDER\n");
    return 2;
  }
  for (const int side : {48, 256}) {
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("%1x%1").arg(side));
    const QString file = QDir(folder).filePath(QStringLiteral("vantor39.png"));
    if (!QDir().mkpath(folder) || !ui::program_icon(side).save(file, "PNG")) {
      std::fprintf(stderr, "vantor39-icon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
