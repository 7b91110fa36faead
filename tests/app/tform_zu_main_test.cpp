#include <QMenu>
#include <QtTest>

#include "app/tform_zu_help.h"
#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_main.h"
#include "app_fixture.h"
#include "exchange/window/tform_zu_ftpserverip.h"
#include "pillars/window/tform_bestpillars.h"

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void startShowsTheLatestDraw() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& main = app.main_window();
    QCOMPARE(main.lb_data->text(), QStringLiteral("日期:2009/01/05"));
    QCOMPARE(main.lb_data1->text(), QStringLiteral("期數:098003"));
    QCOMPARE(main.lb_data2->text(), QStringLiteral("號碼(落球):39,05,17,22,08"));
    QVERIFY(main.windowTitle().startsWith(QStringLiteral("３９Vantor   @2018/12/21   ")));
    QCOMPARE(app.history().draw_count, 3);
    QCOMPARE(app.history().orirec[0].substr(0, 10), std::string("2009/01/02"));  // oldest first
    QCOMPARE(app.lotto_record().sgl->row_count(), 4);
    QCOMPARE(app.history().rule_run_len, 3);
    QVERIFY(main.rb_biglotto->isChecked());
    QVERIFY(!main.rb_mark6->isVisible());
    QVERIFY(f.messages().isEmpty());
  }

  void missingOrEmptyFileOpensWithEmptyLabels() {
    AppFixture f("", false);
    auto& app = f.start();
    QCOMPARE(app.main_window().lb_data->text(), QStringLiteral("日期:"));
    QCOMPARE(app.main_window().lb_data2->text(), QStringLiteral("號碼(落球):"));
    QCOMPARE(app.lotto_record().sgl->row_count(), 1);
    QVERIFY(QFile::exists(f.dir.filePath("TW539.txt")));
    QVERIFY(f.messages().isEmpty());
  }

  void badDerivationIsReportedAndTheWindowStaysUsable() {
    AppFixture f("2009/01/02,098001,01,02,03,04,05\r\n2009/00/05,098002,01,02,03,04,05\r\n");
    auto& app = f.start();
    QCOMPARE(f.messages().size(), 1);
    QVERIFY(f.messages().first().contains("2009/00/05"));
    app.main_window().SpeedButton19Click();
    QVERIFY(app.main_window().Panel5->isHidden());
  }

  void unreadableDrawFileIsReportedAndNothingIsLost() {
    AppFixture f("", false);
    QVERIFY(QDir(f.dir.path()).mkpath("TW539.txt/inside"));  // a folder where the file should be
    auto& app = f.start();
    QCOMPARE(f.messages().size(), 1);
    QVERIFY(f.messages().first().contains("TW539.txt"));
    QCOMPARE(app.history().draw_count, 0);
    QVERIFY(app.main_window().isVisible());
    QVERIFY(QFileInfo(f.dir.filePath("TW539.txt")).isDir());
  }

  void startUpCreatesEveryWindowOnce() {
    AppFixture f(three_draws());
    auto& app = f.start();
    TForm_bestpillars* created = &app.bestpillars();
    app.main_window().BestPillarsExecute();
    QCOMPARE(&app.bestpillars(), created);
    QVERIFY(created->isVisible());
    QCOMPARE(created->windowTitle(), QStringLiteral("最佳彩柱"));
  }

  void loadSequenceTwiceGivesTheSameTable() {
    AppFixture f(three_draws());
    auto& app = f.start();
    const auto before = app.history().orirec;
    const QString label = app.main_window().lb_data2->text();
    QVERIFY(app.main_window().load_sequence());
    QVERIFY(app.main_window().load_sequence());
    QCOMPARE(app.history().orirec, before);
    QCOMPARE(app.main_window().lb_data2->text(), label);
  }

  void exitAsksAndNoKeepsRunning() {
    AppFixture f(three_draws());
    auto& main = f.start().main_window();
    f.dialogs.recorder.confirm_answers = {false};
    QVERIFY(!main.close());
    QCOMPARE(f.dialogs.recorder.questions, QStringList{QStringLiteral("您即將結束作業,請再一次確認!")});
    QVERIFY(main.isVisible());
    f.dialogs.recorder.confirm_answers = {true};
    QVERIFY(main.close());
  }

  void panel5HidesAndShowsUnchanged() {
    AppFixture f(three_draws());
    auto& main = f.start().main_window();
    const QString text = main.lb_data->text();
    main.SpeedButton19->click();
    QVERIFY(main.Panel5->isHidden());
    main.SpeedButton20->click();
    QVERIFY(!main.Panel5->isHidden());
    QCOMPARE(main.lb_data->text(), text);
  }

  void helpViewerShowsAFileOrSaysItIsMissing() {
    AppFixture f(three_draws());
    auto& app = f.start();
    app.main_window().show_memo("help_record.txt");
    QCOMPARE(f.messages(), QStringList{QStringLiteral("說明檔 help_record.txt 不存在")});
    QVERIFY(!app.help().isVisible());
    f.write("help_record.txt", QByteArray("\xb6\x7d\xbc\xfa\r\nline2\r\n"));  // 開獎 in Big5
    app.main_window().show_memo("help_record.txt");
    QVERIFY(app.help().isVisible());
    QCOMPARE(app.help().mm->lines(), (std::vector<std::string>{"開獎", "line2"}));
  }

  void commandsAreReachableFromTheMenu() {
    AppFixture f(three_draws());
    auto& main = f.start().main_window();
    QCOMPARE(main.action_lt_record->shortcut(), QKeySequence(Qt::Key_F2));
    main.action_lt_record->trigger();
    QVERIFY(f.app->lotto_record().isVisible());
    f.app->lotto_record().reject();
    QVERIFY(main.tools_menu->actions().contains(main.action_ftpip));
    main.action_ftpip->trigger();
    QVERIFY(f.app->ftpip().isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "tform_zu_main_test.moc"
