// Every place the program writes a file, made to fail in ways root cannot get round (a
// folder that is a regular file, a full disk, a read-only file): the user gets a message
// naming the file, the old file stays whole and nothing typed or computed is lost.
#include <QTest>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_main.h"
#include "exchange/window/trpt.h"
#include "exchange/window/tform_zu_ftpserverip.h"
#include "pillars/window/tform_bestpillars.h"
#include "support/app_fixture.h"
#include "support/write_faults.h"
#include "ui/result_memo.h"
#include "support/test_classes.h"

class WriteFailuresTest : public QObject {
  Q_OBJECT

  static QString last_error(const AppFixture& f) {
    for (auto it = f.dialogs.recorder.messages.crbegin(); it != f.dialogs.recorder.messages.crend(); ++it)
      if (it->kind == ui::MessageKind::Error) return it->text;
    return {};
  }

 private slots:
  void a_result_memo_save_into_a_folder_that_is_a_file() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& workbench = app.window<TForm_bestpillars>();
    app.windows().open("BestPillarsExecute");
    const auto before = workbench.TS2->Memo1->lines();
    const std::string target = test_support::path_through_a_file(f.dir.path().toStdString() + "/x", "period.txt");
    for (const char* button : {"Button5", "Button6"}) {  // txt and csv
      f.dialogs.recorder.save_answers = {QString::fromStdString(target)};
      workbench.findChild<QPushButton*>(button)->click();
      QVERIFY2(last_error(f).contains(QString::fromStdString(target)), button);
      QCOMPARE(workbench.TS2->Memo1->lines(), before);
    }
  }

  void the_address_file_on_a_full_disk() {
    AppFixture f(three_draws());
    f.write("FtpServerIp.txt", "61.220.3.15\r\n");
    auto& app = f.start();
    auto& address = app.window<TForm_zu_FtpServerIP>();
    app.windows().open("ftpipExecute");
    for (QLineEdit* edit : {address.Edit1, address.Edit2, address.Edit3, address.Edit4}) edit->setText("10");
    f.dialogs.recorder.confirm_answers = {true};
    {
      test_support::FileSizeLimit disk_full(2);
      address.Button2->click();
    }
    QVERIFY(last_error(f).contains("FtpServerIp.txt"));
    QCOMPARE(f.read("FtpServerIp.txt"), QByteArray("61.220.3.15\r\n"));
    QVERIFY(address.isVisible());
  }

  void a_report_pdf_into_a_folder_that_is_a_file() {
    AppFixture f(three_draws());
    auto& app = f.start();
    const std::string target = test_support::path_through_a_file(f.dir.path().toStdString() + "/y", "report.pdf");
    f.dialogs.recorder.save_answers = {QString::fromStdString(target)};
    app.report().show_memo_rpt({"第一行", "第二行"});
    app.report().save_pdf();
    QVERIFY(last_error(f).contains(QString::fromStdString(target)));
    QCOMPARE(app.report().qr().size(), 2u);
  }

  // The temporary folder plays no part in a save: missing, a file or read-only, every
  // writer of the windows still writes (a spreadsheet save once ended the program).
  void every_save_ignores_the_temporary_folder() {
    AppFixture f(three_draws());
    auto& app = f.start();
    auto& workbench = app.window<TForm_bestpillars>();
    app.windows().open("BestPillarsExecute");
    app.windows().open("lt_recordExecute");
    QAction* records_sheet = app.window<TForm_zu_lotto_record>().sgl->actions().value(0);
    QVERIFY(QFile(f.dir.filePath("a_file")).open(QIODevice::WriteOnly));
    QVERIFY(QDir(f.dir.path()).mkdir("locked"));
    QFile::setPermissions(f.dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
    for (const char* temporary : {"no_such_folder", "a_file", "locked"}) {
      const test_support::TemporaryFolderSetting setting(f.dir.filePath(temporary).toStdString());
      const QString base = f.dir.filePath(QStringLiteral("out-") + temporary);
      f.dialogs.recorder.save_answers = {base + ".txt", base + ".xlsx", base + "-records.xlsx", base + ".pdf"};
      workbench.findChild<QPushButton*>("Button5")->click();
      workbench.findChild<QPushButton*>("Button5")->click();
      records_sheet->trigger();
      app.report().show_memo_rpt({"第一行"});
      app.report().save_pdf();
      for (const char* written : {".txt", ".xlsx", "-records.xlsx", ".pdf"})
        QVERIFY2(QFileInfo(base + written).size() > 0, written);
      QCOMPARE(f.messages(), QStringList());
    }
  }
};

VANTOR_TEST_CLASS(WriteFailuresTest)
#include "write_failures_test.moc"
