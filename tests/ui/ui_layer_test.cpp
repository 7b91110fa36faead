// The toolkit layer's promises that every window relies on.
#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QRegularExpression>

#include "ui/locale.h"

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/memo.h"
#include "ui/string_grid.h"

class UiLayerTest : public QObject {
  Q_OBJECT
 private slots:
  void gridModelPassesTheModelTesterThroughEdits() {
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

  void memoLinesRoundTripAndAppendInOneCall() {
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

  void memoFinalLineBreakAddsNoLine() {
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

  void checkBoxHandlerRunsOnEveryStateChangeOnly() {
    QCheckBox box;
    int runs = 0;
    ui::on_click(&box, this, [&] { ++runs; });
    box.setChecked(true);
    box.setChecked(true);  // unchanged: no run
    box.click();
    QCOMPARE(runs, 2);
  }

  void comboHandlerRunsForUserActionsOnly() {
    QComboBox* combo = ui::make_combo(nullptr, ui::number_items(2, 5), "3");
    int runs = 0;
    ui::on_change(combo, this, [&] { ++runs; });
    ui::set_text(combo, "4");
    QCOMPARE(ui::text_of(combo), std::string("4"));
    QCOMPARE(runs, 0);
    QTest::keyClicks(combo->lineEdit(), "9");
    QCOMPARE(runs, 1);
    emit combo->textActivated(QStringLiteral("5"));
    QCOMPARE(runs, 2);
    delete combo;
  }

  void numberBoxesReportTheConversionError() {
    ui::ScopedRecorder dialogs;
    QCOMPARE(ui::read_int(nullptr, "12"), std::optional<int>(12));
    QVERIFY(!ui::read_int(nullptr, "1a"));
    QCOMPARE(dialogs.recorder.texts(), QStringList{QStringLiteral("「1a」不是有效的整數")});
    QCOMPARE(dialogs.recorder.messages.first().kind, ui::MessageKind::Error);
  }

  void qtsOwnButtonsSpeakChinese() {
    QVERIFY(ui::use_traditional_chinese(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
    for (QAbstractButton* button : box.buttons()) {
      const QString text = button->text();
      QVERIFY2(!text.contains("Yes") && !text.contains("No"), qPrintable(text));
    }
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    for (QAbstractButton* button : buttons.buttons()) QVERIFY2(!button->text().contains(QRegularExpression("[A-Za-z]{2}")), qPrintable(button->text()));
  }

  void recorderAnswersFromItsQueuesAndDefaultsToNo() {
    ui::ScopedRecorder dialogs;
    dialogs.recorder.confirm_answers = {true};
    QVERIFY(ui::confirm(nullptr, "q1"));
    QVERIFY(!ui::confirm(nullptr, "q2"));
    QVERIFY(!ui::save_file(nullptr, "t", "txt", "文字檔案(*.txt)|*.txt"));
    dialogs.recorder.save_answers = {QStringLiteral("/tmp/x.txt")};
    QCOMPARE(ui::save_file(nullptr, "t", "txt", "f").value(), QStringLiteral("/tmp/x.txt"));
    QCOMPARE(dialogs.recorder.questions, (QStringList{"q1", "q2"}));
  }
};

QTEST_MAIN(UiLayerTest)
#include "ui_layer_test.moc"
