// vantor39-icon: writes the program's icon for the desktop, at build time, so the installed
// icon is the one the program draws for its own windows.
//   vantor39-icon FOLDER     writes FOLDER/<side>x<side>/vantor39.png for each side of the
//                            Linux icon theme, and FOLDER/vantor39.ico for the Windows program
//                            file (built on Linux: the Windows build cannot run its own tools)
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <iterator>

#include "ui/logo.h"

namespace {

bool cannot_write(const QString& file) {
  std::fprintf(stderr, "vantor39-icon: cannot write %s\n", qPrintable(file));
  return false;
}

bool write_theme_pngs(const QDir& folder) {
  for (const int side : {48, 256}) {
    const QString sized = folder.filePath(QStringLiteral("%1x%1").arg(side));
    const QString file = QDir(sized).filePath(QStringLiteral("vantor39.png"));
    if (!QDir().mkpath(sized) || !ui::program_icon(side).save(file, "PNG")) return cannot_write(file);
  }
  return true;
}

void append_le(QByteArray& bytes, quint32 value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// An .ico file whose images are PNG data, which Windows reads since Vista: the header, one
// directory entry per side (0 stands for 256), then the pictures.
bool write_windows_icon(const QString& file) {
  const int sides[] = {16, 24, 32, 48, 64, 256};
  const int count = static_cast<int>(std::size(sides));
  QByteArray header, pictures;
  append_le(header, 0, 2);
  append_le(header, 1, 2);  // an icon, not a cursor
  append_le(header, static_cast<quint32>(count), 2);
  const int first_offset = 6 + 16 * count;
  for (const int side : sides) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !ui::program_icon(side).save(&buffer, "PNG")) return cannot_write(file);
    header.append(static_cast<char>(side == 256 ? 0 : side));
    header.append(static_cast<char>(side == 256 ? 0 : side));
    append_le(header, 0, 2);   // no palette, reserved
    append_le(header, 1, 2);   // planes
    append_le(header, 32, 2);  // bits per pixel
    append_le(header, static_cast<quint32>(png.size()), 4);
    append_le(header, static_cast<quint32>(first_offset + pictures.size()), 4);
    pictures.append(png);
  }
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly) || out.write(header + pictures) != header.size() + pictures.size())
    return cannot_write(file);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication qt(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: vantor39-icon FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const bool written = write_theme_pngs(folder) && write_windows_icon(folder.filePath(QStringLiteral("vantor39.ico")));
  return written ? 0 : 1;
}
