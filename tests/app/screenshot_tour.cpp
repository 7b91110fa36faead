// Not a test: opens every window of the program on the bundled draw history (today
// 2026/12/09) under whatever display there is and saves a picture of each, so a person can
// look at them. scripts/screenshots.sh runs it under a virtual display.
//
//   screenshot_tour OUTPUT_FOLDER
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
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

// Shows the page that holds `widget` in every tab control above it.
void bring_into_view(QWidget* widget) {
  for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget())
    if (auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr))
      if (tabs->indexOf(w) >= 0) tabs->setCurrentWidget(w);
}

// Types `text` into the box named `box`, key by key, and finishes the entry with Enter.
void type_into(QWidget& window, const char* box, const char* text) {
  auto* combo = window.findChild<QComboBox*>(QString::fromUtf8(box));
  if (!combo || !combo->lineEdit()) return;
  bring_into_view(combo);
  combo->setFocus();
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), QString::fromUtf8(text));
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
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
  // The download window, opened here on its own, leaves the lines newest first for the
  // records window it belongs to; closing that window reloads, as this does.
  app.main_window().load_sequence();
  // States a command alone does not show: a click in the window, then its picture (or the
  // pictures of the windows the click opens).
  struct Step {
    const char* command;
    const char* caption;
    const char* picture;
    bool opens_window;
  };
  const Step steps[] = {
      {"N3Click", "二中一", "trace_twoforone", true},
      {"N3Click", "三中一", "trace_threeforone", true},
      {"N3Click", "進階", "trace_grid_sort", true},
      {"N3Click", "版路分析及拖牌結果", "trace_no_analysis", true},
      {"N3Click", "固定", "trace_pinned", false},
      {"N59Click", "顯示拖牌明細", "N59Click_detail", false},
      {"statisticsExecute", "尾數統計", "statistics_tails", false},
      {"statisticsExecute", "遠星統計", "statistics_gaps", false},
      {"movingExecute", "版路標題", "moving_notes", false},
      {"movingExecute", "列印版路資料", "moving_report_preview", true},
      {"movingExecute", "回測", "moving_backtest", true},
  };
  for (const Step& step : steps) {
    app.windows().open(step.command);
    QWidget* window = app.windows().window_of(step.command);
    const QString caption = QString::fromUtf8(step.caption), picture = QString::fromUtf8(step.picture);
    if (step.opens_window) {
      save_follow_up(*window, caption, folder, picture);
    } else {
      click(*window, caption);
      save(*window, folder, picture);
    }
  }
  // Entries typed as a user types them, for the result that belongs to the text shown.
  struct Typed {
    const char* command;
    const char* box;
    const char* text;
    const char* picture;
  };
  const Typed typed[] = {
      {"N3Click", "cb_ck", "5", "typed_cycle_step_5"},
      {"stk_3xxExecute", "CB_xx", "11", "typed_double_trace_x_11"},
      {"BestPillarsExecute", "ComboBox1", "1", "typed_workbench_pillar1_1"},
  };
  for (const Typed& entry : typed) {
    app.windows().open(entry.command);
    QWidget* window = app.windows().window_of(entry.command);
    type_into(*window, entry.box, entry.text);
    save(*window, folder, QString::fromUtf8(entry.picture));
  }
  // Typed without Enter and followed by a click on a command: the command finishes the
  // entry first, so the box and the result agree.
  struct TypedThenClicked {
    const char* command;
    const char* first;  // a caption clicked before, or nullptr
    const char* box;
    const char* text;
    const char* button;
    const char* picture;
  };
  const TypedThenClicked clicked[] = {
      {"N3Click", "結束", "cb_latest", "115200", "SpeedButton2", "half_typed_trace_issue_then_next"},
      {"stk_3xxExecute", nullptr, "cb_date", "2026/08/20", "SpeedButton4", "half_typed_double_trace_date_then_search"},
  };
  for (const TypedThenClicked& entry : clicked) {
    app.windows().open(entry.command);
    QWidget* window = app.windows().window_of(entry.command);
    if (entry.first) click(*window, QString::fromUtf8(entry.first));  // the trace window was left pinned
    auto* combo = window->findChild<QComboBox*>(QString::fromUtf8(entry.box));
    auto* button = window->findChild<QAbstractButton*>(QString::fromUtf8(entry.button));
    if (!combo || !combo->lineEdit() || !button) continue;
    bring_into_view(combo);
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QString::fromUtf8(entry.text));
    QTest::mouseClick(button, Qt::LeftButton);
    save(*window, folder, QString::fromUtf8(entry.picture));
  }
  // The chart window at the smallest size its layout allows.
  app.windows().open("N59Click");
  if (QWidget* chart = app.windows().window_of("N59Click")) {
    chart->show();
    const QSize before = chart->size();
    chart->resize(chart->minimumSizeHint());
    save(*chart, folder, QStringLiteral("N59Click_smallest"));
    chart->resize(before);
  }
  // The rule definition window opens from the number analysis.
  QWidget* analysis = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->windowTitle() == QStringLiteral("號碼分析")) analysis = widget;
  if (analysis) save_follow_up(*analysis, QStringLiteral("版路定義"), folder, QStringLiteral("rule_define"));
  // The walk-forward check after a run with its settings as they open: each of its pages.
  if (app.windows().open("walkForwardExecute")) {
    QWidget* walk = app.windows().window_of("walkForwardExecute");
    click(*walk, QStringLiteral("開始"));
    if (auto* pages = walk->findChild<QTabWidget*>()) {
      for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        save(*walk, folder, QStringLiteral("walk_forward_run_page") + QString::number(i));
      }
    }
  }
  // The number backtest after the four methods and after a run of the chosen one: each page.
  if (app.windows().open("backtestExecute")) {
    QWidget* backtest = app.windows().window_of("backtestExecute");
    click(*backtest, QStringLiteral("全部方法"));
    click(*backtest, QStringLiteral("執行"));
    if (auto* pages = backtest->findChild<QTabWidget*>()) {
      for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        save(*backtest, folder, QStringLiteral("backtest_run_page") + QString::number(i));
      }
    }
    // The settings of the pattern rules, refused beside the box they belong to.
    if (auto* method = backtest->findChild<QComboBox*>("cb_method")) method->setCurrentIndex(2);
    type_into(*backtest, "cb_test", "0");
    save(*backtest, folder, QStringLiteral("backtest_rules_refused"));
    if (auto* dialog = qobject_cast<QDialog*>(backtest)) dialog->reject();
  }
  return 0;
}
