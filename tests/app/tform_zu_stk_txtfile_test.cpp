#include <QTest>

#include "app/tform_zu_main.h"
#include "app/tform_zu_stk_txtfile.h"
#include "support/app_fixture.h"
#include "support/test_classes.h"

// The draw-file editor: nothing the user typed is lost without a question, and a save
// reports a bad line once, by its line number in the file.
class EditorTest : public QObject {
  Q_OBJECT

  static TForm_ZU_stk_txtfile* open(AppFixture& f) {
    f.app->main_window().open_editor();
    return f.app->main_window().findChild<TForm_ZU_stk_txtfile*>();
  }

 private slots:
  void discardingTypedTextAsksFirst() {
    for (const bool discard : {false, true}) {
      AppFixture f(three_draws());
      f.start();
      auto* editor = open(f);
      editor->Memo1->moveCursor(QTextCursor::End);
      QTest::keyClicks(editor->Memo1, "2009/01/06");
      f.dialogs.recorder.confirm_answers = {discard};
      QTest::keyClick(editor, Qt::Key_Escape);
      QCOMPARE(f.dialogs.recorder.questions.size(), 1);
      QCOMPARE(editor->isVisible(), !discard);
      QCOMPARE(f.read("TW539.txt"), three_draws());
      if (!discard) QVERIFY(editor->Memo1->toPlainText().endsWith("2009/01/06"));
    }
  }

  void untouchedTextClosesWithoutAQuestionAndTypingCanBeUndone() {
    AppFixture f(three_draws());
    f.start();
    auto* editor = open(f);
    const QString before = editor->Memo1->toPlainText();
    QTest::keyClicks(editor->Memo1, "xyz");
    QVERIFY(editor->Memo1->toPlainText() != before);
    editor->Memo1->undo();
    QCOMPARE(editor->Memo1->toPlainText(), before);
    editor->Memo1->document()->setModified(false);
    editor->reject();
    QVERIFY(f.dialogs.recorder.questions.isEmpty());
    QVERIFY(!editor->isVisible());
  }

  void aBadLineIsReportedOnceWithItsFileLine() {
    AppFixture f(three_draws());
    f.start();
    auto* editor = open(f);
    // Line 2 of the file is the oldest draw, so its place in date order would be 1.
    editor->Memo1->set_lines({"2009/01/05,098003,39,05,17,22,08", "2009/01/01,098000,01,0x,03,04,05"});
    editor->Button1->click();
    QStringList errors;
    for (const auto& m : f.dialogs.recorder.messages)
      if (m.kind == ui::MessageKind::Error) errors << m.text;
    QCOMPARE(errors, QStringList{QStringLiteral("開獎資料檔第 2 行的號碼「0x」不是有效的號碼")});
  }
};

VANTOR_TEST_CLASS(EditorTest)
#include "tform_zu_stk_txtfile_test.moc"
