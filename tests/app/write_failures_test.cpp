// Every place the program writes a file, made to fail in ways root cannot get round (a
// folder that is a regular file, a full disk, a read-only file): the user gets a message
// naming the file, the old file stays whole and nothing typed or computed is lost.
#include <QTest>

#include <filesystem>

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
};

VANTOR_TEST_CLASS(WriteFailuresTest)
#include "write_failures_test.moc"
