// A started application on a temporary working directory, with a fixed clock and every
// dialog answered by a recorder.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/application.h"
#include "core/clock.h"
#include "ui/dialogs.h"

struct AppFixture {
  QTemporaryDir dir;
  ui::ScopedRecorder dialogs;
  std::unique_ptr<Application> app;

  explicit AppFixture(const QByteArray& draw_file, bool create_file = true) {
    if (create_file) write("TW539.txt", draw_file);
  }
  void write(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
  }
  [[nodiscard]] QByteArray read(const QString& name) const {
    QFile file(dir.filePath(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }
  Application& start(core::Date today = core::Date{2009, 1, 10}) {
    app = std::make_unique<Application>(dir.path(), std::make_unique<core::FixedClock>(today));
    app->start();
    return *app;
  }
  [[nodiscard]] QStringList messages() const { return dialogs.recorder.texts(); }
};

inline QByteArray three_draws() {
  return "2009/01/05,098003,39,05,17,22,08\r\n"
         "2009/01/02,098001,01,02,03,04,05\r\n"
         "2009/01/03,098002,11,12,13,14,15\r\n";
}
