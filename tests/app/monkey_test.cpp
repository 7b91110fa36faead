// A monkey at the keyboard: every window of the program opened offscreen and driven by a
// seeded random stream of user actions (clicks on every enabled button and check box, tab
// switches, choices in every combo box, bad texts typed into every box), with every
// question answered at random; now and then a save dialog is answered with the draw file or
// another of the program's own files. Pass: no crash, no sanitizer report, no action that
// hangs, and the draw file on disk unchanged unless the editor or the download wrote it.
//
// The normal test run uses a fixed seed and 10,000 actions, and counts an action of 20 s as a
// hang (a shared CI machine under the sanitizers is slow); scripts/monkey.sh runs a long
// session with a random seed and fails any action over 2 s.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <random>

#include "app/application.h"
#include "app/tform_zu_main.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

namespace {

constexpr int kActionsPerEventLoop = 8;

const QStringList kBadTexts = {
    "", " ", "abc", "00", "40", "-1", "99999999999", QString(10000, QChar('7')), "１２", "中文", "2026/02/30",
    "05", "3", "12", "2026/08/20", "01.02", "01.02.03", "加", "減", "+3,-3", "1,2,3"};

// Answers every dialog at random. Now and then a save names one of the program's own
// files, which every save must refuse.
class RandomAnswers : public ui::DialogScript {
 public:
  RandomAnswers(std::mt19937& random, QString scratch, QStringList own_files)
      : random_(random), scratch_(std::move(scratch)), own_files_(std::move(own_files)) {}
  void on_message(ui::MessageKind, const QString&) override { ++messages; }
  bool on_confirm(const QString&) override {
    ++questions;
    return coin();
  }
  std::optional<QString> on_save_file(const QString&, const QString&) override {
    ++questions;
    if (!coin()) return std::nullopt;
    if (random_() % 6 == 0) return own_files_[static_cast<int>(random_() % own_files_.size())];
    return scratch_ + QStringLiteral("/saved_%1.txt").arg(random_() % 5);
  }
  void on_show_modal(QDialog*) override {}
  int messages = 0;
  int questions = 0;  // confirmations and save dialogs answered

 private:
  bool coin() { return random_() % 2 == 0; }
  std::mt19937& random_;
  QString scratch_;
  QStringList own_files_;
};

// The session's figures, printed however it ends (a failed check returns early).
struct SessionFigures {
  explicit SessionFigures(const RandomAnswers& session_answers) : answers(session_answers) {}
  const RandomAnswers& answers;
  int done = 0;
  qint64 slowest = 0;
  QString slowest_action;
  ~SessionFigures() { print("ended"); }
  void print(const char* when) const {
    qInfo("monkey %s: %d actions done, %d questions answered, %d messages, slowest action %lld ms (%s)", when, done,
          answers.questions, answers.messages, slowest, qPrintable(slowest_action));
  }
};

// The widgets a user could act on in a window that is shown.
QList<QWidget*> actionable(QWidget* window) {
  QList<QWidget*> result;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    // Widgets of this window only, not of the windows it opened (a preview, a dialog).
    if (w->window() != window || !w->isVisible() || !w->isEnabled()) continue;
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
        qobject_cast<QTabWidget*>(w) || qobject_cast<QDateEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
      result << w;
  }
  return result;
}

// The text as a user's typing leaves it: edited, then the entry finished with Enter.
void type_into(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  edit->setModified(true);
  emit edit->textEdited(text);
  QTest::keyClick(edit, Qt::Key_Return);
}

// One user action on `target`: a click, a choice, a typed text or a tab. False when it
// was left alone (leaving the program would end the session). Notes a press of a command
// that writes the draw file.
bool act_on(QWidget* target, std::mt19937& random, bool& draw_file_saved) {
  if (auto* tabs = qobject_cast<QTabWidget*>(target)) {
    tabs->setCurrentIndex(static_cast<int>(random() % tabs->count()));
  } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
    if (combo->isEditable() && random() % 2 == 0) {
      type_into(combo->lineEdit(), kBadTexts[random() % kBadTexts.size()]);
    } else if (combo->count() > 0) {
      const int index = static_cast<int>(random() % combo->count());
      combo->setCurrentIndex(index);
      emit combo->textActivated(combo->itemText(index));
    }
  } else if (auto* date = qobject_cast<QDateEdit*>(target)) {
    date->setDate(QDate(2000 + static_cast<int>(random() % 30), 1 + random() % 12, 1 + random() % 28));
  } else if (auto* edit = qobject_cast<QLineEdit*>(target)) {
    if (!edit->isReadOnly()) type_into(edit, kBadTexts[random() % kBadTexts.size()]);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
    if (!memo->isReadOnly()) memo->appendPlainText(kBadTexts[random() % kBadTexts.size()]);
  } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
    // The editor's and the download window's commands are the only writes of the draw file.
    const QString owner = button->window()->objectName();
    if ((owner == "TForm_ZU_stk_txtfile" || owner == "TForm_Download_TxT_from_http") &&
        button->objectName() == "Button1")
      draw_file_saved = true;
    if (button->objectName() == "N9") return false;  // leaving the program ends the session
    button->click();
  }
  return true;
}

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private slots:
  void random_actions_on_every_window();
};

void MonkeyTest::random_actions_on_every_window() {
  const int actions = qEnvironmentVariableIntValue("VANTOR_MONKEY_ACTIONS") > 0
                          ? qEnvironmentVariableIntValue("VANTOR_MONKEY_ACTIONS")
                          : 4000;  // the normal run; scripts/monkey.sh runs the long sessions
  const unsigned seed = qEnvironmentVariableIsSet("VANTOR_MONKEY_SEED")
                            ? qEnvironmentVariable("VANTOR_MONKEY_SEED").toUInt()
                            : 20261209u;
  // A hang, not a slow action: the sanitizers and a busy machine make single actions slow.
  const qint64 hang_ms = qEnvironmentVariableIntValue("VANTOR_MONKEY_HANG_MS") > 0
                             ? qEnvironmentVariableIntValue("VANTOR_MONKEY_HANG_MS")
                             : 20000;
  qInfo("monkey: seed %u, %d actions", seed, actions);
  std::mt19937 random(seed);
  QTemporaryDir work, scratch;
  // The newest 300 draws keep every action quick.
  QFile all(QStringLiteral(VANTOR_DATA_DIR "/TW539.txt"));
  QVERIFY(all.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = all.readAll().split('\n');
  QByteArray draws;
  for (qsizetype i = std::max<qsizetype>(0, lines.size() - 301); i < lines.size(); ++i)
    if (!lines[i].trimmed().isEmpty()) draws += lines[i] + '\n';
  {
    QFile file(work.filePath("TW539.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(draws);
  }
  QStringList own_files;
  for (const char* name : {"TW539.txt", "TW539.txt.bak", "help_single.txt", "FtpServerIp.txt"})
    own_files << work.filePath(name);
  RandomAnswers answers(random, scratch.path(), own_files);
  ui::install_script(&answers);
  Application app(work.path(), std::make_unique<core::FixedClock>(core::Date{2026, 12, 9}));
  app.start();
  // Long runs are stopped through their stop buttons, as a user would.
  QTimer stopper;
  QObject::connect(&stopper, &QTimer::timeout, [&] {
    for (QPushButton* stop : app.main_window().findChildren<QPushButton*>())
      if (stop->objectName().startsWith("btn_stop") && stop->isVisible() && stop->isEnabled()) stop->click();
  });
  stopper.start(500);

  const std::vector<std::string> commands = app.windows().command_names();
  bool draw_file_saved = false;
  SessionFigures figures(answers);
  for (int step = 0; step < actions; ++step) {
    if (step > 0 && step % 2500 == 0) figures.print("so far");
    QElapsedTimer clock;
    clock.start();
    // Now and then open a window by its command; otherwise act in a window that is shown
    // (the main window, the registered ones, and those they open: editor, help, preview).
    QList<QWidget*> open{&app.main_window()};
    for (QWidget* w : app.main_window().findChildren<QWidget*>())
      if (w->isWindow() && w->isVisible()) open << w;
    QString action;  // what the user did, for the figures
    if (open.size() == 1 || random() % 25 == 0) {
      const std::string& command = commands[random() % commands.size()];
      app.windows().open(command);
      action = QStringLiteral("open ") + QString::fromStdString(command);
    } else if (QWidget* window = open[random() % open.size()];
               window != &app.main_window() && (window->inherits("QPrintPreviewDialog") || random() % 60 == 0)) {
      // Now and then a window is closed; a print preview always (its print button would
      // open the system's print dialog).
      window->close();
      action = QStringLiteral("close ") + window->objectName();
    } else {
      const QList<QWidget*> targets = actionable(window);
      if (targets.isEmpty()) continue;
      QWidget* target = targets[random() % targets.size()];
      if (!act_on(target, random, draw_file_saved)) continue;
      action = QStringLiteral("%1 in %2").arg(target->objectName(), window->objectName());
    }
    // Painting every window after every action would make the sanitizer build spend most of
    // its time in paint events that coalesce anyway: let the event loop run every few actions.
    if (step % kActionsPerEventLoop == 0) QCoreApplication::processEvents();
    const qint64 took = clock.elapsed();
    if (took > figures.slowest) {
      figures.slowest = took;
      figures.slowest_action = QStringLiteral("%1: %2").arg(step).arg(action);
    }
    QVERIFY2(took < hang_ms, qPrintable(QStringLiteral("action %1 (%2) took %3 ms").arg(step).arg(action).arg(took)));
    ++figures.done;
  }
  QCoreApplication::processEvents();
  ui::install_script(nullptr);
  if (!draw_file_saved) {
    QFile file(work.filePath("TW539.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), draws);
  }
}

VANTOR_TEST_CLASS(MonkeyTest)
#include "monkey_test.moc"
