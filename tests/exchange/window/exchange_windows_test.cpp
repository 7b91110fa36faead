// The data-server address window, the date-range window and the memo report's preview.
#include <QCoreApplication>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/loader.h"
#include "core/text_file.h"
#include "exchange/print_lines.h"
#include "exchange/window/tform_dateselect.h"
#include "exchange/window/tform_zu_ftpserverip.h"
#include "exchange/window/trpt.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

namespace {

const std::string kThreeDraws =
    "2009/01/05,098003,39,05,17,22,08\r\n"
    "2009/01/02,098001,01,02,03,04,05\r\n"
    "2009/01/03,098002,11,32,13,04,15\r\n";

int preview_pages(const Trpt& report) {
  auto* view = report.preview() ? report.preview()->findChild<QPrintPreviewWidget*>() : nullptr;
  return view ? view->pageCount() : -1;
}

std::vector<std::string> numbered_lines(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back("第 " + std::to_string(i) + " 行");
  return lines;
}

}  // namespace

class ExchangeWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void addressWindowShowsTheStoredAddress_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shown");
    QTest::newRow("missing") << QString() << QByteArray() << QString();
    QTest::newRow("first line") << "FtpServerIp.txt" << QByteArray("10.0.0.1\r\n9.9.9.9\r\n") << "10.0.0.1";
  }

  void addressWindowShowsTheStoredAddress() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    if (!file.isEmpty()) (void)core::write_bytes_atomic(dir.filePath(file).toStdString(), content.toStdString());
    ui::ScopedRecorder dialogs;
    TForm_zu_FtpServerIP window(dir.path());
    ui::show_modal(&window);
    QCOMPARE(window.Label2->text(), shown);
    QCOMPARE(dialogs.recorder.texts(), QStringList{});
  }

  void settingAnAddress_data() {
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("stored");  // empty: no file written
    QTest::addColumn<QList<bool>>("enabled_signals");
    QTest::addColumn<bool>("by_enter");  // Enter in the last box instead of a click on 確定
    QTest::newRow("blank part") << QStringList{"10", " ", "0", "1"} << true << QStringList{}
                                << QStringList{"資料有空白錯誤"} << QByteArray() << QList<bool>{} << false;
    QTest::newRow("trimmed") << QStringList{" 10 ", "0", "0", "1"} << true << QStringList{"請確定新的IP為 10.0.0.1"}
                             << QStringList{"新IP設定完成"} << QByteArray("10.0.0.1\r\n") << QList<bool>{true} << true;
    QTest::newRow("switch off") << QStringList{"1", "1", "1", "1"} << true << QStringList{"請確定新的IP為 1.1.1.1"}
                                << QStringList{"新IP設定完成"} << QByteArray("1.1.1.1\r\n") << QList<bool>{false} << false;
    QTest::newRow("answered no") << QStringList{"10", "0", "0", "1"} << false
                                 << QStringList{"請確定新的IP為 10.0.0.1"} << QStringList{} << QByteArray()
                                 << QList<bool>{} << false;
  }

  void settingAnAddress() {
    QFETCH(QStringList, parts);
    QFETCH(bool, answer);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, stored);
    QFETCH(QList<bool>, enabled_signals);
    QFETCH(bool, by_enter);
    QTemporaryDir dir;
    ui::ScopedRecorder dialogs;
    dialogs.recorder.confirm_answers = {answer};
    TForm_zu_FtpServerIP window(dir.path());
    QList<bool> seen;
    connect(&window, &TForm_zu_FtpServerIP::download_enabled_changed, this, [&](bool on) { seen << on; });
    ui::show_modal(&window);
    QLineEdit* edits[] = {window.Edit1, window.Edit2, window.Edit3, window.Edit4};
    for (int i = 0; i < 4; ++i) edits[i]->setText(parts[i]);
    if (by_enter)
      QTest::keyClick(window.Edit4, Qt::Key_Return);
    else
      window.Button2->click();
    QCOMPARE(dialogs.recorder.questions, questions);
    QCOMPARE(dialogs.recorder.texts(), messages);
    const QString path = dir.filePath("FtpServerIp.txt");
    QCOMPARE(QFile::exists(path), !stored.isEmpty());
    if (!stored.isEmpty()) {
      QCOMPARE(QByteArray::fromStdString(core::read_bytes(path.toStdString()).value()), stored);
      QCOMPARE(window.Label2->text(), QString::fromLatin1(stored.trimmed()));
    }
    QCOMPARE(seen, enabled_signals);
    QCOMPARE(window.download_enabled(), enabled_signals.value(0, true));
  }

  void dateRangeWindowCountsAndPrints() {
    core::DrawHistory history;
    (void)core::load_draw_lines(history, kThreeDraws, "2010/01/01");
    QVERIFY(core::put_to_ltno(history));
    const core::TextGrid grid = exchange::records_grid(history, true).value();
    core::FixedClock clock(core::Date{2009, 1, 6});
    ui::ScopedRecorder dialogs;
    QWidget owner;
    Trpt report(clock, &owner);
    TForm_dateselect window(history, clock, report);
    window.use_records(grid);
    ui::show_modal(&window);
    QCOMPARE(window.DateTimePicker1->date(), QDate(2002, 1, 22));
    QCOMPARE(window.DateTimePicker2->date(), QDate(2009, 1, 6));
    QCOMPARE(window.Edit1->text(), QStringLiteral("3"));
    window.DateTimePicker1->setDate(QDate(2009, 1, 3));
    QCOMPARE(window.Edit1->text(), QStringLiteral("2"));
    window.DateTimePicker2->setDate(QDate(2009, 1, 4));
    QCOMPARE(window.Edit1->text(), QStringLiteral("1"));
    window.DateTimePicker2->setDate(QDate(2009, 1, 5));
    QCOMPARE(window.Edit1->text(), QStringLiteral("2"));  // both ends inclusive
    QCOMPARE(report.body_points(), exchange::kDesignBodyPoints);

    window.SpeedButton1->click();
    const std::vector<std::string> expected{"001_2009/01/05  098003  05  08  17  22  39  ",
                                            "002_2009/01/03  098002  04  11  13  15  32  "};
    QCOMPARE(window.mm, expected);
    QCOMPARE(report.qr(), expected);
    QCOMPARE(report.title(), std::string("Morlin"));
    QCOMPARE(report.body_points(), exchange::kPrintBodyPoints);
    QCOMPARE(preview_pages(report), 1);
    report.preview()->close();

    window.DateTimePicker2->setDate(QDate(2009, 1, 1));  // from after to
    QCOMPARE(window.Edit1->text(), QStringLiteral("0"));
    window.SpeedButton1->click();
    QVERIFY(report.qr().empty());
    QCOMPARE(preview_pages(report), 1);  // headers and footer on an empty page
    report.preview()->close();

    window.reject();
    ui::show_modal(&window);  // every showing starts from the defaults again
    QCOMPARE(window.DateTimePicker1->date(), QDate(2002, 1, 22));
    QCOMPARE(window.Edit1->text(), QStringLiteral("3"));
  }

  void reportPreviewPaginatesLikeTheLayout() {
    core::FixedClock clock(core::Date{2009, 1, 4});
    ui::ScopedRecorder dialogs;
    QWidget owner;
    Trpt report(clock, &owner);
    report.set_body_points(exchange::kPrintBodyPoints);
    report.show_memo_rpt(numbered_lines(100), "移動式版路");
    QCOMPARE(preview_pages(report), 3);
    QCOMPARE(report.preview()->windowTitle(), QStringLiteral("預覽列印 - 移動式版路"));
    auto* first = report.preview()->findChild<QPrintPreviewWidget*>();
    // Opened within the screen, with a whole page in sight.
    QVERIFY(report.preview()->screen()->availableGeometry().contains(report.preview()->frameGeometry()));
    QCOMPARE(first->zoomMode(), QPrintPreviewWidget::FitInView);
    report.show_memo_rpt(numbered_lines(145));  // 48 lines a page at 12 points
    QCOMPARE(preview_pages(report), 4);
    // A preview still open paints its own report again (zoom, resize), whatever came after.
    first->updatePreview();
    QCoreApplication::processEvents();
    QCOMPARE(first->pageCount(), 3);
  }
};

VANTOR_TEST_CLASS(ExchangeWindowsTest)
#include "exchange_windows_test.moc"
