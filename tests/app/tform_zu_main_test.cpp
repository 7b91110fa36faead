#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <functional>

#include "app/tform_zu_help.h"
#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_main.h"
#include "app/tform_zu_simulate.h"
#include "exchange/window/tform_zu_ftpserverip.h"
#include "support/app_fixture.h"
#include "pillars/window/tform_bestpillars.h"
#include "support/test_classes.h"

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void start_shows_the_latest_draw() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& main = app.main_window();
    QCOMPARE(main.lb_data->text(), QStringLiteral("日期:2009/01/05"));
    QCOMPARE(main.lb_data1->text(), QStringLiteral("期數:098003"));
    QCOMPARE(main.lb_data2->text(), QStringLiteral("號碼(落球):39,05,17,22,08"));
    QVERIFY(main.windowTitle().startsWith(QStringLiteral("３９Vantor   @2018/12/21   ")));
    QCOMPARE(app.history().draw_count, 3);
    QCOMPARE(app.history().orirec[0].substr(0, 10), std::string("2009/01/02"));  // oldest first
    QCOMPARE(app.window<TForm_zu_lotto_record>().sgl->row_count(), 4);
    QCOMPARE(app.rule_settings().rule_run_len, 3);
    QVERIFY(main.rb_biglotto->isChecked());
    QVERIFY(!main.rb_mark6->isVisible());
    QVERIFY(f.messages().isEmpty());
  }

  void missing_or_empty_file_opens_with_empty_labels() {
    AppFixture f("", false);
    auto& app = f.start();
    QCOMPARE(app.main_window().lb_data->text(), QStringLiteral("日期:"));
    QCOMPARE(app.main_window().lb_data2->text(), QStringLiteral("號碼(落球):"));
    QCOMPARE(app.window<TForm_zu_lotto_record>().sgl->row_count(), 1);
    QVERIFY(QFile::exists(f.dir.filePath("TW539.txt")));
    QVERIFY(f.messages().isEmpty());
  }

  void bad_derivation_is_reported_and_the_window_stays_usable() {
    AppFixture f("2009/01/02,098001,01,02,03,04,05\r\n2009/00/05,098002,01,02,03,04,05\r\n");
    auto& app = f.start();
    QCOMPARE(f.messages().size(), 1);
    QVERIFY(f.messages().first().contains("2009/00/05"));
    app.main_window().SpeedButton19Click();
    QVERIFY(app.main_window().Panel5->isHidden());
  }

  void unreadable_draw_file_is_reported_and_nothing_is_lost() {
    AppFixture f("", false);
    QVERIFY(QDir(f.dir.path()).mkpath("TW539.txt/inside"));  // a folder where the file should be
    auto& app = f.start();
    QCOMPARE(f.messages().size(), 1);
    QVERIFY(f.messages().first().contains("TW539.txt"));
    QCOMPARE(app.history().draw_count, 0);
    QVERIFY(app.main_window().isVisible());
    QVERIFY(QFileInfo(f.dir.filePath("TW539.txt")).isDir());
  }

  void start_up_creates_every_window_once() {
    AppFixture f(three_draws());
    auto& app = f.start();
    TForm_bestpillars* created = &app.window<TForm_bestpillars>();
    app.windows().open("BestPillarsExecute");
    QCOMPARE(&app.window<TForm_bestpillars>(), created);
    QVERIFY(created->isVisible());
    QCOMPARE(created->windowTitle(), QStringLiteral("最佳彩柱"));
  }

  void load_sequence_twice_gives_the_same_table() {
    AppFixture f(three_draws());
    auto& app = f.start();
    const auto before = app.history().orirec;
    const QString label = app.main_window().lb_data2->text();
    QVERIFY(app.main_window().load_sequence());
    QVERIFY(app.main_window().load_sequence());
    QCOMPARE(app.history().orirec, before);
    QCOMPARE(app.main_window().lb_data2->text(), label);
  }

  void exit_asks_and_no_keeps_running() {
    AppFixture f(three_draws());
    auto& main = f.start().main_window();
    f.dialogs.recorder.confirm_answers = {false};
    QVERIFY(!main.close());
    QCOMPARE(f.dialogs.recorder.questions, QStringList{QStringLiteral("您即將結束作業,請再一次確認!")});
    QVERIFY(main.isVisible());
    f.dialogs.recorder.confirm_answers = {true};
    QVERIFY(main.close());
  }

  void panel5_hides_and_shows_unchanged() {
    AppFixture f(three_draws());
    auto& main = f.start().main_window();
    const QString text = main.lb_data->text();
    main.SpeedButton19->click();
    QVERIFY(main.Panel5->isHidden());
    main.SpeedButton20->click();
    QVERIFY(!main.Panel5->isHidden());
    QCOMPARE(main.lb_data->text(), text);
  }

  void only_a_left_click_on_the_file_name_opens_the_editor() {
    AppFixture f(three_draws());
    auto& main = f.start().main_window();
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
      QTest::mouseClick(main.Label4, button);
      QTest::mouseClick(main.Label5, button);
    }
    QVERIFY(f.dialogs.recorder.shown_modal.isEmpty());
    QTest::mouseClick(main.Label5, Qt::LeftButton);
    QCOMPARE(f.dialogs.recorder.shown_modal.size(), 1);
  }

  void help_viewer_shows_a_file_or_says_it_is_missing() {
    AppFixture f(three_draws());
    auto& app = f.start();
    app.main_window().show_memo("help_record.txt");
    QCOMPARE(f.messages(), QStringList{QStringLiteral("說明檔 help_record.txt 不存在")});
    QVERIFY(!app.window<TForm_zu_help>().isVisible());
    f.write("help_record.txt", QByteArray("\xb6\x7d\xbc\xfa\r\nline2\r\n"));  // 開獎 in Big5
    app.main_window().show_memo("help_record.txt");
    QVERIFY(app.window<TForm_zu_help>().isVisible());
    QCOMPARE(app.window<TForm_zu_help>().mm->lines(), (std::vector<std::string>{"開獎", "line2"}));
  }

  void commands_are_reachable_from_the_menu_and_controls() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& main = app.main_window();
    QCOMPARE(main.action_lt_record->shortcut(), QKeySequence(Qt::Key_F2));
    QStringList tools;
    for (QAction* action : main.tools_menu->actions()) tools << action->text();
    const QStringList offered{"不定位單支拖牌", "不定位雙星拖牌", "大小定位拖牌",          "落球定位拖牌",
                              "大小加減版路",   "統計資料",       "模擬開獎",              "資料伺服器位址設定",
                              "拖牌匯總統計圖", "移動式版路(三期內養牌)", "回測驗證", "號碼回測",
                              "號碼開出間隔分析", "雙連拖定位獨支"};
    QCOMPARE(tools, offered);
    const auto tool = [&](const char* text) { return main.tools_menu->actions().at(tools.indexOf(QString::fromUtf8(text))); };

    struct Case {
      const char* control;
      std::function<void()> run;
      QDialog* window;
    };
    const Case cases[] = {
        {"menu 開獎紀錄", [&] { main.action_lt_record->trigger(); }, &app.window<TForm_zu_lotto_record>()},
        {"SpeedButton1", [&] { main.SpeedButton1->click(); }, &app.window<TForm_zu_lotto_record>()},
        {"menu 最佳彩柱操作", [&] { main.action_bestpillars->trigger(); }, &app.window<TForm_bestpillars>()},
        {"menu 模擬開獎", [&] { tool("模擬開獎")->trigger(); }, &app.window<TForm_zu_simulate>()},
        {"menu 資料伺服器位址設定", [&] { tool("資料伺服器位址設定")->trigger(); }, &app.window<TForm_zu_FtpServerIP>()},
    };
    for (const Case& c : cases) {
      f.dialogs.recorder.shown_modal.clear();
      c.run();
      QVERIFY2(c.window->isVisible(), c.control);
      QCOMPARE(f.dialogs.recorder.shown_modal, QList<QDialog*>{c.window});
      c.window->reject();
    }
    QVERIFY(f.messages().isEmpty());
  }
};

VANTOR_TEST_CLASS(MainWindowTest)
#include "tform_zu_main_test.moc"
