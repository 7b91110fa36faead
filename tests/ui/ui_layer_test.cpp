// The toolkit layer's promises that every window relies on.
#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/locale.h"
#include "support/combo_input.h"

#include "core/numbers.h"
#include "core/system_error.h"
#include "core/text_file.h"
#include "ui/busy_guard.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/memo.h"
#include "ui/result_memo.h"
#include "ui/string_grid.h"
#include "ui/widgets.h"
#include "support/test_classes.h"

namespace {

QByteArray file_bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A dialog with one of each kind of command, some of them disabled beforehand.
struct Commands {
  QDialog window;
  QPushButton* run = ui::push_button(&window, "run", "run");
  QPushButton* stop = ui::push_button(&window, "stop", "stop");
  QPushButton* never = ui::push_button(&window, "never", "never");
  QComboBox* combo = ui::number_combo(&window, ui::number_items(1, 3), "1", "combo", 40);
  QDateEdit* date = new QDateEdit(&window);
  ui::Memo* memo = ui::fixed_pitch_memo(&window, "memo");
  QLineEdit* edit = new QLineEdit(&window);
  Commands() {
    never->setEnabled(false);
    window.show();
  }
  [[nodiscard]] QList<bool> enabled() const {
    return {run->isEnabled(), stop->isEnabled(), never->isEnabled(), combo->isEnabled(),
            date->isEnabled(), memo->isEnabled(), edit->isEnabled()};
  }
};

// A window with a number box of items 1..40 showing "12", whose handler records the text
// it runs for and reads it as a number (a half-typed entry read would raise a message).
// With `refusing`, the handler refuses anything but a positive number.
struct EntryBox {
  QDialog window;
  QComboBox* combo = ui::make_combo(&window, ui::number_items(1, 40), "12");
  QLineEdit* other = new QLineEdit(&window);
  QStringList seen;
  explicit EntryBox(bool refusing = false) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(combo);
    layout->addWidget(other);
    ui::on_entry(combo, &window, [this, refusing] {
      seen << combo->currentText();
      const auto value = ui::read_int(&window, ui::u8(combo->currentText()));
      if (refusing && value && *value <= 0) ui::message(&window, ui::MessageKind::Warning, "「0」不是正數");
      return !refusing || (value && *value > 0);
    });
    window.show();
  }
};

}  // namespace

class UiLayerTest : public QObject {
  Q_OBJECT
 private slots:
  void grid_model_passes_the_model_tester_through_edits() {
    ui::StringGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.set_fixed_rows(1);
    auto& grid = model.begin_edit();
    grid.resize(3, 2);
    grid.set_cell(0, 0, "號碼");
    grid.set_cell(1, 2, "39");
    model.end_edit();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("號碼"));
    QCOMPARE(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("39"));
    model.set_cell(0, 1, "x");
    model.set_row_labels({"a", "b"});
    QCOMPARE(model.data(model.index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("x"));
    QVERIFY(!model.data(model.index(5, 5), Qt::DisplayRole).isValid());
  }

  void memo_lines_round_trip_and_append_in_one_call() {
    ui::Memo memo;
    QCOMPARE(memo.line_count(), 0);
    QVERIFY(memo.lines().empty());
    memo.set_lines({"0001,a", "", "第1柱"});
    QCOMPARE(memo.line_count(), 3);
    memo.append_lines({"x", "y"});
    QCOMPARE(memo.lines(), (std::vector<std::string>{"0001,a", "", "第1柱", "x", "y"}));
    QCOMPARE(memo.line(2), std::string("第1柱"));
    QCOMPARE(memo.line(99), std::string());
    memo.copy_all();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0001,a\n\n第1柱\nx\ny\n"));
  }

  void memo_final_line_break_adds_no_line() {
    ui::Memo memo;
    memo.setPlainText(QStringLiteral("30\n"));  // the user ended with Enter
    QCOMPARE(memo.lines(), std::vector<std::string>{"30"});
    memo.setPlainText(QStringLiteral("30"));
    memo.append_lines({"31"});
    QCOMPARE(memo.lines(), (std::vector<std::string>{"30", "31"}));
    memo.set_lines({""});
    QCOMPARE(memo.line_count(), 1);
    memo.append_lines({"", "x", ""});
    QCOMPARE(memo.lines(), (std::vector<std::string>{"", "", "x", ""}));
  }

  void check_box_handler_runs_on_every_state_change_only() {
    QCheckBox box;
    int runs = 0;
    ui::on_click(&box, this, [&] { ++runs; });
    box.setChecked(true);
    box.setChecked(true);  // unchanged: no run
    box.click();
    QCOMPARE(runs, 2);
  }

  void combo_handler_runs_for_user_actions_only() {
    EntryBox box;
    ui::set_text(box.combo, "4");
    QCOMPARE(ui::text_of(box.combo), std::string("4"));
    test_input::choose(box.combo, box.combo->findText("5"));
    ui::set_text(box.combo, "6");  // code, even after an entry, runs nothing
    test_input::focus(box.combo);
    box.combo->clearFocus();
    QCOMPARE(box.seen, QStringList{"5"});
  }

  // One run per finished entry, with the text the box shows; typing alone, an untouched
  // box and Enter right after an entry run nothing; half-typed numbers raise no message.
  void entry_handler_runs_once_the_entry_is_finished() {
    using F = test_input::Finish;
    struct Step {
      enum { Type, Finish, Choose, Code } act;
      QString text = {};
      F finish = F::None;
    };
    const auto type = [](const QString& t) { return Step{Step::Type, t}; };
    const auto end = [](F f) { return Step{Step::Finish, {}, f}; };
    const auto choose = [](const QString& t) { return Step{Step::Choose, t}; };
    struct Case {
      const char* name;
      QList<Step> steps;
      QStringList runs;
      QString shown;
    };
    const QList<Case> cases = {
        {"typed, then left", {type("3"), end(F::Leave)}, {"3"}, "3"},
        {"typed, then Enter", {type("3"), end(F::Enter)}, {"3"}, "3"},
        {"Enter again", {type("3"), end(F::Enter), end(F::Enter), end(F::Leave)}, {"3"}, "3"},
        {"a number no item names", {type("45"), end(F::Enter)}, {"45"}, "45"},
        {"0 on the way to 05", {type("05"), end(F::Enter)}, {"05"}, "05"},
        {"- on the way to -1", {type("-1"), end(F::Leave)}, {"-1"}, "-1"},
        {"typed, not finished", {type("3")}, {}, "3"},  // then the window closes: dropped
        {"chosen, then Enter", {choose("7"), end(F::Enter), end(F::Leave)}, {"7"}, "7"},
        {"chosen twice", {choose("7"), choose("9")}, {"7", "9"}, "9"},
        {"emptied, then left", {type("\b"), end(F::Leave), end(F::Enter)}, {}, ""},
        {"untouched, left or Enter", {end(F::Leave), end(F::Enter)}, {}, "12"},
        {"two entries", {type("3"), end(F::Leave), type("31"), end(F::Enter)}, {"3", "31"}, "31"},
        {"Esc puts the text back", {type("3"), end(F::Esc), end(F::Leave)}, {}, "12"},
        {"code, then left", {Step{Step::Code, "20"}, end(F::Leave)}, {}, "20"},
        {"typed, code, left", {type("3"), Step{Step::Code, "20"}, end(F::Leave)}, {}, "20"},
    };
    for (const Case& c : cases) {
      ui::ScopedRecorder dialogs;
      EntryBox box;
      for (const Step& step : c.steps) {
        switch (step.act) {
          case Step::Type: test_input::type_into(box.combo, step.text, F::None); break;
          case Step::Finish: test_input::finish_entry(box.combo, step.finish); break;
          case Step::Choose: test_input::choose(box.combo, box.combo->findText(step.text)); break;
          case Step::Code: ui::set_text(box.combo, ui::u8(step.text)); break;
        }
      }
      QVERIFY2(box.seen == c.runs, qPrintable(QString("%1: %2").arg(c.name, box.seen.join('|'))));
      QVERIFY2(box.combo->currentText() == c.shown, c.name);
      QVERIFY2(dialogs.recorder.messages.isEmpty(), c.name);
      QVERIFY2(box.window.isVisible(), c.name);  // Esc in the box never closes the window
    }
  }

  // Esc that closes the box's list closes only the list.
  void esc_in_an_open_list_closes_only_the_list() {
    EntryBox box;
    test_input::focus(box.combo);
    box.combo->showPopup();
    QVERIFY(box.combo->view()->isVisible());
    QTest::keyClick(box.combo->view(), Qt::Key_Escape);
    QVERIFY(!box.combo->view()->isVisible());
    QVERIFY(box.window.isVisible());
    QVERIFY(box.seen.isEmpty());
  }

  // A refused entry is said once and the box shows again the text the result belongs to.
  void refused_entry_puts_back_the_accepted_text() {
    ui::ScopedRecorder dialogs;
    EntryBox box(true);
    test_input::type_into(box.combo, "7", test_input::Finish::Leave);
    test_input::type_into(box.combo, "0");
    QCOMPARE(box.seen, (QStringList{"7", "0"}));
    QCOMPARE(box.combo->currentText(), QStringLiteral("7"));
    ui::set_text(box.combo, "9");
    test_input::type_into(box.combo, "x", test_input::Finish::Leave);
    QCOMPARE(box.combo->currentText(), QStringLiteral("9"));
    QCOMPARE(dialogs.recorder.texts(), (QStringList{"「0」不是正數", "「x」不是有效的整數"}));
  }

  // A command button's press first finishes what was typed (no Enter, no leaving the
  // box): the command reads the finished entry; a refused one stops it, and an emptied
  // box that chooses what the window shows gets its accepted text back.
  void command_press_finishes_the_typed_entry_first() {
    struct Case {
      const char* name;
      QString typed;
      bool refill;
      QStringList runs;     // the entry handler
      QStringList commands;  // the box's text each time the command ran
      QString shown;
    };
    const QList<Case> cases = {
        {"typed", "7", false, {"7"}, {"7"}, "7"},
        {"refused", "0", false, {"0"}, {}, "12"},
        {"emptied", "\b", false, {}, {""}, ""},
        {"emptied, refilled", "\b", true, {}, {"12"}, "12"},
    };
    for (const Case& c : cases) {
      for (const bool tool : {false, true}) {
        ui::ScopedRecorder dialogs;
        EntryBox box(true);
        if (c.refill) ui::refill_when_emptied(box.combo);
        QAbstractButton* command = tool ? static_cast<QAbstractButton*>(ui::tool_button(&box.window, "t", "t"))
                                        : ui::push_button(&box.window, "p", "p");
        box.window.layout()->addWidget(command);
        QStringList commands;
        QObject::connect(command, &QAbstractButton::clicked, [&] { commands << box.combo->currentText(); });
        test_input::type_into(box.combo, c.typed, test_input::Finish::None);
        QTest::mouseClick(command, Qt::LeftButton);
        QVERIFY2(box.seen == c.runs, c.name);
        QVERIFY2(commands == c.commands, c.name);
        QVERIFY2(box.combo->currentText() == c.shown, c.name);
        QVERIFY2(box.combo->hasFocus(), c.name);  // the press takes no focus
        QTest::mouseClick(command, Qt::LeftButton);  // nothing left to finish
        QVERIFY2(box.seen == c.runs, c.name);
      }
    }
  }

  // A refusal of an empty text names the box it came from, the first empty one in the
  // order the computation reads them; every other refusal is shown unchanged.
  void refusals_of_empty_boxes_name_the_box() {
    ui::ScopedRecorder dialogs;
    EntryBox box;
    QComboBox* other = ui::make_combo(&box.window, {}, "");
    ui::describe(box.combo, QStringLiteral("之下的期數"));
    const core::Error empty = core::Error::error(core::not_an_integer(""));
    ui::show_refusal(&box.window, empty, {box.combo, other});  // other is empty: not described
    ui::set_text(box.combo, "");
    ui::show_refusal(&box.window, empty, {box.combo, other});
    ui::show_refusal(&box.window, core::Error::error(core::not_an_integer("x")), {box.combo});
    QCOMPARE(dialogs.recorder.texts(), (QStringList{"請輸入數字", "請輸入之下的期數", "「x」不是有效的整數"}));
    QCOMPARE(dialogs.recorder.messages.first().kind, ui::MessageKind::Warning);
  }

  void number_boxes_report_the_conversion_error() {
    ui::ScopedRecorder dialogs;
    QCOMPARE(ui::read_int(nullptr, "12"), std::optional<int>(12));
    QVERIFY(!ui::read_int(nullptr, "1a"));
    QCOMPARE(dialogs.recorder.texts(), QStringList{QStringLiteral("「1a」不是有效的整數")});
    QCOMPARE(dialogs.recorder.messages.first().kind, ui::MessageKind::Error);
  }

  void qts_own_buttons_speak_chinese() {
    QVERIFY(ui::use_traditional_chinese(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
    for (QAbstractButton* button : box.buttons()) {
      const QString text = button->text();
      QVERIFY2(!text.contains("Yes") && !text.contains("No"), qPrintable(text));
    }
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    for (QAbstractButton* button : buttons.buttons()) QVERIFY2(!button->text().contains(QRegularExpression("[A-Za-z]{2}")), qPrintable(button->text()));
  }

  // The 15取10 question says "請按 Yes，否則按 No": its buttons must read so.
  void questions_name_their_buttons_yes_and_no() {
    const auto box = ui::question_box(nullptr, QStringLiteral("請按 Yes，否則按 No"), ui::MessageKind::Warning);
    QCOMPARE(box->buttons().size(), 2);
    QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("是 (Yes)"));
    QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("否 (No)"));
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
  }

  void recorder_answers_from_its_queues_and_defaults_to_no() {
    ui::ScopedRecorder dialogs;
    dialogs.recorder.confirm_answers = {true};
    QVERIFY(ui::confirm(nullptr, "q1"));
    QVERIFY(!ui::confirm(nullptr, "q2"));
    QStringList written;
    const ui::FileWriter write = [&](const QString& path) {
      written << path;
      return core::Status();
    };
    QVERIFY(!ui::save_file(nullptr, "t", "txt", "文字檔案(*.txt)|*.txt", write));
    dialogs.recorder.save_answers = {QStringLiteral("/tmp/x.txt")};
    QCOMPARE(ui::save_file(nullptr, "t", "txt", "f", write).value(), QStringLiteral("/tmp/x.txt"));
    QCOMPARE(written, QStringList{"/tmp/x.txt"});
    QCOMPARE(dialogs.recorder.questions, (QStringList{"q1", "q2"}));
  }

  void result_memo_buttons_are_named_and_captioned() {
    QWidget sheet;
    ui::ResultMemo area(&sheet, "Memo1", ui::ResultMemo::every_command("B3", "B4", "B5", "B6"));
    QCOMPARE(area.memo()->objectName(), QStringLiteral("Memo1"));
    const QList<std::pair<ui::ResultMemo::Command, QString>> expected = {
        {ui::ResultMemo::Command::Clear, "清除"}, {ui::ResultMemo::Command::Copy, "複製"},
        {ui::ResultMemo::Command::SaveText, "存檔(txt)"}, {ui::ResultMemo::Command::SaveCsv, "存檔(csv)"}};
    for (const auto& [command, caption] : expected) QCOMPARE(area.button(command)->text(), caption);
    QCOMPARE(sheet.findChild<QPushButton*>("B5"), area.button(ui::ResultMemo::Command::SaveText));
    ui::ResultMemo copy_only(&sheet, "mm", {{ui::ResultMemo::Command::Copy, "BitBtn1"}});
    QVERIFY(!copy_only.button(ui::ResultMemo::Command::Clear));
  }

  void result_memo_clear_runs_the_refill_and_reports_its_answer() {
    QWidget sheet;
    ui::ResultMemo area(&sheet, "Memo1", ui::ResultMemo::every_command("B3", "B4", "B5", "B6"));
    area.memo()->set_lines({"a", "b"});
    QVERIFY(area.clear());  // no refill: only emptied
    QCOMPARE(area.memo()->line_count(), 0);
    bool answer = false;
    area.set_refill([&] {
      area.memo()->set_lines({"refilled"});
      return answer;
    });
    QVERIFY(!area.clear());
    answer = true;
    area.button(ui::ResultMemo::Command::Clear)->click();
    QCOMPARE(area.memo()->lines(), std::vector<std::string>{"refilled"});
  }

  void result_memo_copy_says_so_even_when_empty() {
    ui::ScopedRecorder dialogs;
    QWidget sheet;
    ui::ResultMemo area(&sheet, "mm", {{ui::ResultMemo::Command::Copy, "BitBtn1"}});
    area.button(ui::ResultMemo::Command::Copy)->click();
    QCOMPARE(dialogs.recorder.texts(), QStringList{QStringLiteral("資料已複製Copy")});
    QCOMPARE(dialogs.recorder.messages.first().kind, ui::MessageKind::Information);
    ui::ResultMemo silent(&sheet, "m2", {{ui::ResultMemo::Command::Copy, "c"}}, {.copied = QString()});
    silent.copy();
    QCOMPARE(dialogs.recorder.messages.size(), 1);
  }

  void result_memo_saves_big5_lines_or_shows_why_not() {
    ui::ScopedRecorder dialogs;
    QTemporaryDir dir;
    QWidget sheet;
    ui::ResultMemo area(&sheet, "Memo2", ui::ResultMemo::every_command("B20", "B21", "B22", "B23"));
    area.memo()->set_lines({"第1柱", "", "05,12"});
    const QString txt = dir.filePath("out.txt"), csv = dir.filePath("out.csv");
    dialogs.recorder.save_answers = {txt, csv, std::nullopt, dir.filePath("missing/out.txt")};
    area.save(ui::ResultMemo::Command::SaveText);
    QCOMPARE(file_bytes(txt), QByteArray("\xb2\xc4" "1\xac\x57\r\n\r\n05,12\r\n"));
    area.button(ui::ResultMemo::Command::SaveCsv)->click();
    QCOMPARE(file_bytes(csv), file_bytes(txt));
    area.save(ui::ResultMemo::Command::SaveText);  // cancelled: nothing written, nothing said
    QVERIFY(dialogs.recorder.messages.isEmpty());
    area.save(ui::ResultMemo::Command::SaveText);
    QCOMPARE(dialogs.recorder.messages.size(), 1);
    QCOMPARE(dialogs.recorder.messages[0].kind, ui::MessageKind::Error);
    QVERIFY(dialogs.recorder.messages[0].text.contains(QStringLiteral("out.txt")));
    QCOMPARE(area.memo()->line_count(), 3);
  }

  // Every save (the result memos', the charts', the previews') goes through save_file.
  void a_save_never_replaces_the_programs_own_files() {
    ui::ScopedRecorder dialogs;
    QTemporaryDir dir;
    ui::set_own_files([&] { return core::OwnFilePlaces{dir.filePath("TW539.txt").toStdString(), dir.path().toStdString()}; });
    QWidget sheet;
    ui::ResultMemo area(&sheet, "Memo2", ui::ResultMemo::every_command("B20", "B21", "B22", "B23"));
    area.memo()->set_lines({"report"});
    const QStringList own = {"TW539.txt", "TW539.txt.bak", "backup/TW539-20260101.txt", "US539.txt",
                             "help_record.txt", "FtpServerIp.txt"};
    QDir(dir.path()).mkdir("backup");
    for (const QString& name : own) {
      QFile file(dir.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("kept");
    }
    for (const QString& name : own) {
      dialogs.recorder.messages.clear();
      dialogs.recorder.save_answers = {dir.filePath(name)};
      area.save(ui::ResultMemo::Command::SaveText);
      QCOMPARE(file_bytes(dir.filePath(name)), QByteArray("kept"));
      QCOMPARE(dialogs.recorder.messages.size(), 1);
      QCOMPARE(dialogs.recorder.messages[0].kind, ui::MessageKind::Warning);
      QVERIFY2(dialogs.recorder.messages[0].text.startsWith("「" + QFileInfo(name).fileName() + "」是本程式的"),
               qPrintable(dialogs.recorder.messages[0].text));
    }
    dialogs.recorder.messages.clear();
    dialogs.recorder.save_answers = {dir.filePath("notes.txt"), dir.filePath("notes.txt")};
    area.save(ui::ResultMemo::Command::SaveText);
    area.save(ui::ResultMemo::Command::SaveText);  // any other file: replaced when the user says so
    QCOMPARE(file_bytes(dir.filePath("notes.txt")), QByteArray("report\r\n"));
    QCOMPARE(dialogs.recorder.replace_questions, QStringList{dir.filePath("notes.txt")});
    QVERIFY(dialogs.recorder.messages.isEmpty());
    ui::set_own_files(nullptr);
  }

  // The real dialog: a refused name keeps it open, and typing a kernel file's name, whose
  // contents never end, lists it without reading it.
  void the_save_dialog_stays_open_on_an_own_file_and_never_reads_what_it_lists() {
    QTemporaryDir dir;
    ui::set_own_files([&] { return core::OwnFilePlaces{dir.filePath("TW539.txt").toStdString(), dir.path().toStdString()}; });
    QStringList said;
    QList<bool> open_after_refusal;
    int ticks = 0;
    QTimer user;
    connect(&user, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        said << box->text();
        return box->accept();
      }
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      ++ticks;
      QPushButton* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
      if (ticks == 1) {
        dialog->setDirectory(dir.path());
        name->setText("TW539.txt");
        // Clicked after this tick: the refusal's message box waits for the next one.
        QTimer::singleShot(0, save, &QPushButton::click);
      } else if (ticks == 2) {
        open_after_refusal << dialog->isVisible();
        name->clear();
        QTest::keyClicks(name, "/proc/k");  // completes against /proc/kmsg and the like
      } else if (ticks == 10) {
        dialog->selectFile(dir.filePath("picture"));
        save->click();
      }
    });
    user.start(50);
    const auto chosen = ui::save_file(nullptr, "儲存圖片", "bmp", "BMP(*.bmp)|*.bmp", [](const QString&) { return core::Status(); });
    user.stop();
    ui::set_own_files(nullptr);
    QCOMPARE(said, QStringList{"「TW539.txt」是本程式的開獎資料檔,不能覆蓋,請另選檔名"});
    QCOMPARE(open_after_refusal, QList<bool>{true});
    QCOMPARE(chosen.value_or(QString()), dir.filePath("picture.bmp"));
  }

  // As in every desktop program: the dialog opens in the working folder, large enough to
  // read its columns; replacing a file is asked first; a "no", a failed write and a name
  // the chosen format refuses all leave it open with the typed name.
  void the_save_dialog_asks_before_replacing_and_keeps_the_typed_name() {
    QTemporaryDir dir;
    ui::set_own_files([&] { return core::OwnFilePlaces{dir.filePath("TW539.txt").toStdString(), dir.path().toStdString()}; });
    QVERIFY(core::write_lines_atomic(dir.filePath("old.txt").toStdString(), {"old"}));
    QStringList said, names_left;
    QList<bool> replace_answers = {false, true, true};
    QSize size;
    QString folder;
    QStringList typed;  // the names to type, one per press of 儲存
    QTimer user;
    connect(&user, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        said << box->text();
        if (!(box->standardButtons() & QMessageBox::Yes)) return box->accept();
        return box->button(replace_answers.takeFirst() ? QMessageBox::Yes : QMessageBox::No)->click();
      }
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog || typed.isEmpty()) return;
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      if (size.isEmpty()) {
        size = dialog->size();
        folder = dialog->directory().absolutePath();
      } else {
        names_left << name->text();
      }
      if (dialog->nameFilters().size() > 1) dialog->selectNameFilter(dialog->nameFilters().last());
      name->setText(typed.takeFirst());
      QTimer::singleShot(0, dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save), &QPushButton::click);
    });
    user.start(50);
    int writes = 0;
    const ui::FileWriter fails_once = [&](const QString& path) -> core::Status {
      if (++writes == 1) return core::write_failure(path.toStdString(), "磁碟空間不足");
      return core::write_lines_atomic(path.toStdString(), {"new"});
    };
    typed = {"old.txt", "old.txt", "old.txt"};
    const auto replaced = ui::save_file(nullptr, "儲存", "txt", "文字檔案(*.txt)|*.txt", fails_once);
    const QString question = QStringLiteral("「old.txt」已經存在。\n要以新的內容取代它嗎？");
    QCOMPARE(said, (QStringList{question, question, "無法寫入檔案 " + dir.filePath("old.txt") + "：磁碟空間不足", question}));
    QCOMPARE(names_left, (QStringList{"old.txt", "old.txt"}));
    QCOMPARE(replaced.value_or(QString()), dir.filePath("old.txt"));
    QCOMPARE(file_bytes(dir.filePath("old.txt")), QByteArray("new\r\n"));
    QCOMPARE(folder, QFileInfo(dir.path()).absoluteFilePath());
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    QCOMPARE(size, QSize(900, 560).boundedTo(room - QSize(10, 40)));

    // The Excel choice takes a bare name as "name.xlsx" and refuses another extension.
    said.clear();
    names_left.clear();
    size = QSize();
    typed = {"report.csv", "report"};
    const auto sheet = ui::save_file(nullptr, "儲存", "txt", "文字檔案(*.txt)|*.txt|另存Excel檔 (*.xlsx)|*.xlsx",
                                     [](const QString&) { return core::Status(); });
    user.stop();
    ui::set_own_files(nullptr);
    QCOMPARE(said, QStringList{"「report.csv」不是試算表的檔名：Excel 檔的檔名要以 .xlsx 結尾"});
    QCOMPARE(names_left, QStringList{"report.csv"});
    QCOMPARE(sheet.value_or(QString()), dir.filePath("report.xlsx"));
  }

  void busy_guard_disables_all_but_the_kept_and_restores_exactly() {
    Commands c;
    const QList<bool> before = c.enabled();
    {
      ui::BusyGuard busy(&c.window, {c.stop});
      QCOMPARE(c.enabled(), (QList<bool>{false, true, false, false, false, false, false}));
      QVERIFY(ui::BusyGuard::holds(&c.window));
      c.stop->setEnabled(false);  // what the run does meanwhile is undone too
    }
    QCOMPARE(c.enabled(), before);
    QVERIFY(!ui::BusyGuard::holds(&c.window));
  }

  void busy_guard_keeps_the_window_open_while_it_lives() {
    Commands c;
    {
      ui::BusyGuard outer(&c.window);
      {
        ui::BusyGuard inner(&c.window);
      }
      QVERIFY(ui::BusyGuard::holds(&c.window));  // the outer run still holds it
      QVERIFY(!c.window.close());
      QVERIFY(c.window.isVisible());
    }
    QVERIFY(c.window.close());
  }
};

VANTOR_TEST_CLASS(UiLayerTest)
#include "ui_layer_test.moc"
