#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTest>

#include "app/tform_zu_history_check.h"
#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_main.h"
#include "app/tform_zu_restore.h"
#include "app/tform_zu_stk_txtfile.h"
#include "core/sheet_cells.h"
#include "core/text_file.h"
#include "exchange/backups.h"
#include "exchange/window/tform_dateselect.h"
#include "exchange/window/tform_download_txt_from_http.h"
#include "exchange/window/tform_zu_ftpserverip.h"
#include "exchange/window/trpt.h"
#include "support/app_fixture.h"
#include "support/test_classes.h"
#include "support/xlsx_reader.h"
#include "ui/spreadsheet_save.h"

class RecordsWindowTest : public QObject {
  Q_OBJECT

  static std::vector<std::string> row(const ui::StringGrid* grid, int r) {
    return grid->grid().row(r);
  }
  static std::vector<exchange::BackupFile> backups(const AppFixture& f) {
    return exchange::list_backups(f.dir.filePath("TW539.txt").toStdString());
  }

 private slots:
  void shows_newest_first_and_count() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& records = app.window<TForm_zu_lotto_record>();
    app.windows().open("lt_recordExecute");
    QVERIFY(records.isVisible());
    QCOMPARE(records.lb_reclen->text(), QStringLiteral("開獎資料共 3 期"));
    QCOMPARE(row(records.sgl, 1), (std::vector<std::string>{"2009/01/05", "098003", "39", "05", "17", "22", "08"}));
    QCOMPARE(records.sgl->cell(2, 0), std::string("一落"));
    QVERIFY(records.BitBtn2->isEnabled());
    QVERIFY(records.SpeedButton13->isEnabled());
    QVERIFY(records.N1->isEnabled());
  }

  void downloadButtonFollowsTheAddressOnTheNextShowing() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& records = app.window<TForm_zu_lotto_record>();
    struct Step {
      const char* part;
      bool enabled;
    };
    for (const Step step : {Step{"1", false}, Step{"2", true}}) {
      f.dialogs.recorder.confirm_answers = {true};
      app.windows().open("ftpipExecute");
      QVERIFY(app.window<TForm_zu_FtpServerIP>().isVisible());
      for (QLineEdit* edit : {app.window<TForm_zu_FtpServerIP>().Edit1, app.window<TForm_zu_FtpServerIP>().Edit2, app.window<TForm_zu_FtpServerIP>().Edit3}) edit->setText("1");
      app.window<TForm_zu_FtpServerIP>().Edit4->setText(step.part);
      app.window<TForm_zu_FtpServerIP>().Button2->click();
      app.window<TForm_zu_FtpServerIP>().reject();
      app.windows().open("lt_recordExecute");
      QCOMPARE(records.BitBtn2->isEnabled(), step.enabled);
      records.reject();
    }
    QCOMPARE(f.read("FtpServerIp.txt"), QByteArray("1.1.1.2\r\n"));
  }

  void printingFollowsTheGridsBallOrder() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& records = app.window<TForm_zu_lotto_record>();
    app.windows().open("lt_recordExecute");
    records.SpeedButton3->click();
    records.N1->trigger();
    QVERIFY(app.window<TForm_dateselect>().isVisible());
    QCOMPARE(app.window<TForm_dateselect>().Edit1->text(), QStringLiteral("3"));
    app.window<TForm_dateselect>().SpeedButton1->click();
    QCOMPARE(app.report().qr().front(), std::string("001_2009/01/05  098003  05  08  17  22  39  "));
    QCOMPARE(app.report().qr().size(), 3u);
    app.report().preview()->close();
    app.window<TForm_dateselect>().reject();
    records.SpeedButton12->click();
    records.SpeedButton13->click();
    app.window<TForm_dateselect>().SpeedButton1->click();
    QCOMPARE(app.report().qr().front(), std::string("001_2009/01/05  098003  39  05  17  22  08  "));
  }

  void aFailedDownloadStillReloadsNewestFirst() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& records = app.window<TForm_zu_lotto_record>();
    app.windows().open("lt_recordExecute");
    app.window<TForm_Download_TxT_from_http>().set_endpoint({"127.0.0.1", 1});  // nothing listens there
    records.BitBtn2->click();
    QVERIFY(app.window<TForm_Download_TxT_from_http>().isVisible());
    f.write("TW539.txt", three_draws() + "2009/01/06,098004,10,20,30,31,32\r\n");  // changed meanwhile
    app.window<TForm_Download_TxT_from_http>().Button1->click();
    QVERIFY(QTest::qWaitFor([&] { return !app.window<TForm_Download_TxT_from_http>().isVisible(); }, 10000));
    QCOMPARE(f.messages().last(), QStringLiteral("檔案下載失敗,請檢查網路連線或防火牆(防毒程式)設定"));
    QCOMPARE(records.lb_reclen->text(), QStringLiteral("開獎資料共 4 期"));
    QCOMPARE(records.sgl->cell(0, 1), std::string("2009/01/06"));
    QVERIFY(app.window<TForm_Download_TxT_from_http>().Button1->isEnabled());
  }

  void columns_fit_their_texts_and_leave_no_blank_strip() {
    AppFixture f(three_draws());
    auto& records = f.start().window<TForm_zu_lotto_record>();
    f.app->windows().open("lt_recordExecute");
    const int minimum[] = {81, 54, 36, 36, 36, 36, 36};
    int total = 0;
    for (int c = 0; c < 7; ++c) {
      QVERIFY(records.sgl->columnWidth(c) >= minimum[c]);
      total += records.sgl->columnWidth(c);
    }
    QVERIFY(records.sgl->fontMetrics().horizontalAdvance("2026/08/22") < records.sgl->columnWidth(0));
    QCOMPARE(records.sgl->viewport()->width(), total);
  }

  // The grid's right-click "另存Excel檔..." writes the table under its frozen header; an
  // issue and a ball keep their leading zero, a ball without one is a number. The draw
  // file itself is refused and stays as it was.
  void gridSavesAsASpreadsheetButNeverOverTheDrawFile() {
    AppFixture f(three_draws());
    auto& records = f.start().window<TForm_zu_lotto_record>();
    f.app->windows().open("lt_recordExecute");
    QAction* save = records.sgl->actions().value(0);
    QVERIFY(save && save->text() == ui::kSpreadsheetAction);
    const QString book_path = f.dir.filePath("records.xlsx");
    f.dialogs.recorder.save_answers << book_path << f.dir.filePath("TW539.txt");
    save->trigger();
    const auto book = test_support::read_xlsx(book_path.toStdString());
    QVERIFY(book);
    QCOMPARE(book->sheet_name, core::sheet_name(records.windowTitle().toStdString()));
    QVERIFY(book->header_frozen);
    QCOMPARE(book->rows(), 4);
    // Issues and balls are numbers a sum sees, shown with their zeros; dates stay texts.
    const std::tuple<const char*, bool, const char*> row1[] = {
        {"2009/01/05", true, ""}, {"98003", false, "000000"}, {"39", false, "00"}, {"5", false, "00"}};
    for (int c = 0; c < 4; ++c) {
      QCOMPARE(book->cell(1, c)->value, std::string(std::get<0>(row1[c])));
      QCOMPARE(book->cell(1, c)->text, std::get<1>(row1[c]));
      QCOMPARE(book->cell(1, c)->format, std::string(std::get<2>(row1[c])));
    }
    QVERIFY(f.messages().isEmpty());
    save->trigger();
    QCOMPARE(f.messages(), QStringList{QStringLiteral("「TW539.txt」是本程式的開獎資料檔,不能覆蓋,請另選檔名")});
    QCOMPARE(f.read("TW539.txt"), three_draws());
  }

  void header_switching_changes_only_ball_columns() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& records = app.window<TForm_zu_lotto_record>();
    app.windows().open("lt_recordExecute");
    records.SpeedButton3->click();
    QCOMPARE(row(records.sgl, 1), (std::vector<std::string>{"2009/01/05", "098003", "05", "08", "17", "22", "39"}));
    QCOMPARE(records.sgl->cell(2, 0), std::string("順一"));
    records.SpeedButton12->click();
    QCOMPARE(row(records.sgl, 1), (std::vector<std::string>{"2009/01/05", "098003", "39", "05", "17", "22", "08"}));
    QCOMPARE(records.sgl->cell(6, 0), std::string("五落"));
  }

  void closing_reloads_oldest_first() {
    AppFixture f(three_draws());
    auto& app = f.start();
    app.windows().open("lt_recordExecute");
    QCOMPARE(app.history().orirec[0].substr(0, 10), std::string("2009/01/05"));
    app.window<TForm_zu_lotto_record>().BitBtn1->click();
    QCOMPARE(app.history().orirec[0].substr(0, 10), std::string("2009/01/02"));
    QCOMPARE(app.history().draw_date[0] <= app.history().draw_date[2], true);
  }

  void empty_table_shows_header_only() {
    AppFixture f("");
    auto& app = f.start();
    app.windows().open("lt_recordExecute");
    QCOMPARE(app.window<TForm_zu_lotto_record>().lb_reclen->text(), QStringLiteral("開獎資料共 0 期"));
    QCOMPARE(app.window<TForm_zu_lotto_record>().sgl->model()->rowCount(), 0);
  }

  void editor_saves_and_reloads() {
    AppFixture f(three_draws());
    auto& app = f.start();
    app.windows().open("lt_recordExecute");
    app.window<TForm_zu_lotto_record>().BitBtn3->click();
    auto* editor = app.main_window().findChild<TForm_ZU_stk_txtfile*>();
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->windowTitle(), QStringLiteral("今彩539 TW539.txt 手動輸入資料"));
    QCOMPARE(editor->Label1->text(), QStringLiteral("今彩539 開獎資料"));
    QCOMPARE(editor->Memo1->line_count(), 3);
    editor->Memo1->add_line("2009/01/06,098004,10,20,30,31,32");
    editor->Button1->click();
    QVERIFY(!editor->isVisible());
    QVERIFY(f.messages().isEmpty());  // like every save: the closed window and the new table say it
    QCOMPARE(app.history().draw_count, 4);
    QVERIFY(f.read("TW539.txt").endsWith("2009/01/06,098004,10,20,30,31,32\r\n"));
    QCOMPARE(backups(f).size(), 1u);  // the file before the save
  }

  void importAsksFirstThenWritesKeepsABackupAndShowsTheNewDraws() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& records = app.window<TForm_zu_lotto_record>();
    f.write("2009.csv",
            "遊戲名稱,期別,開獎日期,銷售總額,銷售注數,總獎金,獎號1,獎號2,獎號3,獎號4,獎號5,\n"
            "今彩539,098000001,2009/01/02,1,2,3,01,02,03,04,05,,\n"
            "今彩539,098000004,2009/01/06,1,2,3,06,07,08,09,10,,\n"
            "今彩539,098000005,2009/01/07,1,2,3,11,12,13,14,15,,\n");
    f.write("bad.csv", "no header here\n");
    app.windows().open("lt_recordExecute");
    const QString csv = f.dir.filePath("2009.csv");
    auto& recorder = f.dialogs.recorder;
    recorder.open_answers = {std::nullopt, QStringList{f.dir.filePath("bad.csv")}, QStringList{csv}, QStringList{csv}};
    recorder.confirm_answers = {false, true};
    records.BitBtn4->click();  // cancelled in the file dialog
    QCOMPARE(f.messages(), QStringList{});
    records.BitBtn4->click();  // a foreign file
    QVERIFY(f.messages().last().startsWith(QStringLiteral("「bad.csv」不是開獎結果檔")));
    records.BitBtn4->click();  // No to the question
    QCOMPARE(recorder.questions.size(), 1);
    QVERIFY(recorder.questions[0].startsWith(QStringLiteral("新增 2 期 (2009/01/06 – 2009/01/07), 已有 1 期, 不一致 0 期\n")));
    QCOMPARE(f.read("TW539.txt"), three_draws());
    QCOMPARE(backups(f).size(), 0u);
    records.BitBtn4->click();  // Yes
    QCOMPARE(f.messages().last(), QStringLiteral("匯入完成,新增 2 期"));
    QCOMPARE(f.read("TW539.txt"), QByteArray("2009/01/02,098001,01,02,03,04,05\r\n2009/01/03,098002,11,12,13,14,15\r\n"
                                             "2009/01/05,098003,39,05,17,22,08\r\n2009/01/06,098004,06,07,08,09,10\r\n"
                                             "2009/01/07,098005,11,12,13,14,15\r\n"));
    QCOMPARE(backups(f).size(), 1u);
    QCOMPARE(core::read_bytes(backups(f).front().path).value(), three_draws().toStdString());
    QCOMPARE(records.lb_reclen->text(), QStringLiteral("開獎資料共 5 期"));
    QCOMPARE(row(records.sgl, 1), (std::vector<std::string>{"2009/01/07", "098005", "11", "12", "13", "14", "15"}));
    QCOMPARE(app.main_window().lb_data1->text(), QStringLiteral("期數:098005"));
  }

  void restoreShowsTheBackupsAndPutsTheChosenOneBack() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& records = app.window<TForm_zu_lotto_record>();
    app.windows().open("lt_recordExecute");
    records.BitBtn5->click();
    QCOMPARE(f.messages().last(), QStringLiteral("目前沒有開獎資料的備份"));
    const std::string path = f.dir.filePath("TW539.txt").toStdString();
    const core::LocalDateTime when{core::Date{2009, 1, 9}, 21, 30, 5};
    QVERIFY(exchange::replace_draw_file(path, three_draws().toStdString() + "2009/01/06,098004,10,20,30,31,32\r\n", when));
    records.BitBtn5->click();
    auto* restore = records.restore_window;
    QVERIFY(restore && restore->isVisible());
    QCOMPARE(restore->lb_current->text(), QStringLiteral("目前的開獎資料共 4 期,最新開獎日期 2009/01/06"));
    QCOMPARE(row(restore->sg_backups, 1), (std::vector<std::string>{"2009/01/09 21:30:05", "3", "2009/01/05"}));
    f.dialogs.recorder.confirm_answers = {true};
    restore->Button1->click();
    QVERIFY(f.dialogs.recorder.questions.last().startsWith(
        QStringLiteral("確定要以 2009/01/09 21:30:05 的備份(共 3 期,最新開獎日期 2009/01/05)取代目前的開獎資料嗎?")));
    QVERIFY(!restore->isVisible());
    QCOMPARE(f.read("TW539.txt"), three_draws());
    QCOMPARE(records.lb_reclen->text(), QStringLiteral("開獎資料共 3 期"));
    QCOMPARE(backups(f).size(), 2u);  // the four-draw file it replaced
  }

  // The findings get a window of their own that fits the smallest screen, and go whole
  // to the clipboard and into a file.
  void checkTellsWhatIsWrongOrThatNothingIs() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& records = app.window<TForm_zu_lotto_record>();
    app.windows().open("lt_recordExecute");
    f.write("TW539.txt", "2009/01/02,098001,01,02,03,04,05\r\n2009/01/03,098002,11,12,13,14,15\r\n");
    records.BitBtn6->click();
    QCOMPARE(f.messages().last(), QStringLiteral("沒有發現問題"));
    QByteArray many = three_draws() + "2009/01/06,098005,45,00,24,24,06\r\n";
    for (int day = 7; day <= 31; ++day)  // a list longer than any message box could show
      many += QStringLiteral("2009/01/%1,0980%2,01,02,03,04,05\r\n").arg(day, 2, 10, QChar('0')).arg(day * 2).toLatin1();
    f.write("TW539.txt", many);
    records.BitBtn6->click();
    auto* check = records.check_window;
    QVERIFY(check && check->isVisible());
    QVERIFY(check->frameGeometry().width() <= 1024 && check->frameGeometry().height() <= 768);
    const std::vector<std::string> findings = check->Memo1->lines();
    QCOMPARE(findings.size(), 3u + 25u);
    QCOMPARE(findings[0], std::string("第 2 行：日期 2009/01/02 早於前一筆(第 1 行)的 2009/01/05"));
    QCOMPARE(findings[2], std::string("第 4 行：號碼「45」不在 01 到 39 之間 「2009/01/06,098005,45,00,24,24,06」"));
    QCOMPARE(check->lb_count->text(), QStringLiteral("開獎資料檔 TW539.txt 發現 28 項問題(依行號排列;可複製或存檔):"));
    check->BitBtn1->click();
    QString joined;
    for (const auto& line : findings) joined += QString::fromStdString(line) + "\n";
    QCOMPARE(QGuiApplication::clipboard()->text().trimmed(), joined.trimmed());
    f.dialogs.recorder.save_answers << f.dir.filePath("check.txt");
    check->BitBtn2->click();
    QCOMPARE(core::read_lines(f.dir.filePath("check.txt").toStdString()).value(), findings);
    check->BitBtn3->click();
    QVERIFY(!check->isVisible());
  }

  // The user pressed Enter on the last, empty line and typed a draw: it is saved without
  // the blank line, so it loads. A line the loader would stop at is not saved.
  void aDrawTypedAfterABlankLineLoadsAndALineThatIsNoDrawIsNotSaved() {
    AppFixture f(three_draws());
    auto& app = f.start();
    app.main_window().open_editor();
    auto* editor = app.main_window().findChild<TForm_ZU_stk_txtfile*>();
    editor->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClick(editor->Memo1, Qt::Key_Return);
    QTest::keyClicks(editor->Memo1, "2009/01/06,098004,10,20,30,31,32");
    QCOMPARE(editor->Memo1->lines().size(), 5u);  // a blank line before the draw
    editor->Button1->click();
    QVERIFY(!editor->isVisible());
    QCOMPARE(app.history().draw_count, 4);
    QCOMPARE(f.read("TW539.txt"), three_draws() + "2009/01/06,098004,10,20,30,31,32\r\n");

    app.main_window().open_editor();
    editor->Memo1->append_lines({"2009/01/07,098005,10,20,30,31", "2009/01/08,098006,10,20,30,31,33"});
    editor->Button1->click();
    QVERIFY(editor->isVisible());
    QCOMPARE(f.messages().last(),
             QStringLiteral("第 5 行「2009/01/07,098005,10,20,30,31」不是開獎資料 (yyyy/mm/dd,xxxxxx,00,00,00,00,00,全長32個字元),"
                            "程式讀到這一行就會停止.\n請修正或刪除這一行後再儲存,檔案未變更"));
    QCOMPARE(f.read("TW539.txt"), three_draws() + "2009/01/06,098004,10,20,30,31,32\r\n");
    QCOMPARE(backups(f).size(), 1u);  // only the first save kept one
    editor->Memo1->document()->setModified(false);
    editor->reject();
  }

  void failed_save_keeps_the_editor_open_and_the_file_whole() {
    AppFixture f(three_draws());
    auto& app = f.start();
    app.main_window().open_editor();
    auto* editor = app.main_window().findChild<TForm_ZU_stk_txtfile*>();
    // The file is replaced by a non-empty folder of the same name, so no rename can succeed.
    QVERIFY(QFile::remove(f.dir.filePath("TW539.txt")));
    QVERIFY(QDir(f.dir.path()).mkpath("TW539.txt/keep"));
    editor->Memo1->add_line("2009/01/06,098004,10,20,30,31,32");
    editor->Button1->click();
    QVERIFY(editor->isVisible());
    QVERIFY(f.messages().last().contains("TW539.txt"));
    QCOMPARE(editor->Memo1->lines().back(), std::string("2009/01/06,098004,10,20,30,31,32"));
    editor->reject();  // closing still reloads; the unreadable file is reported, nothing crashes
    QVERIFY(app.main_window().isVisible());
  }

  void closing_the_editor_without_saving_reloads_unchanged() {
    AppFixture f(three_draws());
    auto& app = f.start();
    app.main_window().open_editor();
    auto* editor = app.main_window().findChild<TForm_ZU_stk_txtfile*>();
    editor->Memo1->set_lines({"junk"});
    editor->reject();
    QCOMPARE(app.history().draw_count, 3);
    QCOMPARE(f.read("TW539.txt"), three_draws());
  }
};

VANTOR_TEST_CLASS(RecordsWindowTest)
#include "tform_zu_lotto_record_test.moc"
