// Not a test: opens every window of the program on the bundled draw history (today
// 2026/12/09) under whatever display there is and saves a picture of each, so a person can
// look at them. scripts/screenshots.sh runs it under a virtual display.
//
//   screenshot_tour OUTPUT_FOLDER
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/application.h"
#include "app/tform_zu_main.h"
#include "ui/dialogs.h"
#include "ui/locale.h"

namespace {

void save(QWidget& window, const QString& folder, const QString& name) {
  window.activateWindow();
  QTest::qWait(150);
  window.grab().save(folder + "/" + name + ".png");
}

QList<QDialog*> visible_dialogs() {
  QList<QDialog*> dialogs;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible()) dialogs << dialog;
  return dialogs;
}

// Clicks the button or menu item `caption` of `window`, as the user would.
void click(QWidget& window, const QString& caption) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->text() == caption && button->isEnabled()) button->click();
  for (QAction* action : window.findChildren<QAction*>())
    if (action->text() == caption && action->isEnabled()) action->trigger();
}

// Pictures the windows that the button or menu item `caption` of `window` opens.
void save_follow_up(QWidget& window, const QString& caption, const QString& folder, const QString& name) {
  const QList<QDialog*> before = visible_dialogs();
  click(window, caption);
  for (QDialog* dialog : visible_dialogs()) {
    if (before.contains(dialog)) continue;
    save(*dialog, folder, name);
    dialog->reject();
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  ui::use_traditional_chinese(qt);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
  QDir().mkpath(folder);
  QTemporaryDir work;
  QFile::copy(QStringLiteral(VANTOR_DATA_DIR "/TW539.txt"), work.filePath("TW539.txt"));
  for (const char* help : {"help_record.txt", "help_single.txt", "help_moving.txt"})
    QFile::copy(QStringLiteral(VANTOR_DATA_DIR "/") + help, work.filePath(help));
  ui::ScopedRecorder dialogs;  // modal windows show without blocking; questions answer No
  Application app(work.path(), std::make_unique<core::FixedClock>(core::Date{2026, 12, 9}));
  app.start();
  QTest::qWait(300);
  save(app.main_window(), folder, "main");
  for (const std::string& command : app.windows().command_names()) {
    if (!app.windows().open(command)) continue;
    QWidget* window = app.windows().window_of(command);
    const QString name = QString::fromStdString(command);
    save(*window, folder, name);
    // Every page of a window with pages.
    if (auto* pages = window->findChild<QTabWidget*>()) {
      for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        save(*window, folder, name + "_page" + QString::number(i));
      }
    }
    // Closed as the user closes it: the records window reloads the table when it closes.
    if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
    else window->hide();
  }
  // Windows opened from the trace window rather than from the main window.
  app.windows().open("N3Click");
  QWidget* trace = app.windows().window_of("N3Click");
  const char* const follow_ups[][2] = {{"二中一", "trace_twoforone"}, {"三中一", "trace_threeforone"},
                                       {"進階", "trace_grid_sort"}, {"版路分析及拖牌結果", "trace_no_analysis"}};
  for (const auto& [caption, name] : follow_ups)
    save_follow_up(*trace, QString::fromUtf8(caption), folder, QString::fromUtf8(name));
  click(*trace, QStringLiteral("固定"));
  save(*trace, folder, "trace_pinned");
  // The chart window with its detail panel.
  app.windows().open("N59Click");
  QWidget* chart = app.windows().window_of("N59Click");
  click(*chart, QStringLiteral("顯示拖牌明細"));
  save(*chart, folder, "N59Click_detail");
  return 0;
}
