// The exchange commands of vantor39-cli, run in-process: print-lines, report --pdf read
// back with pdftotext, and download against a real HTTP server on 127.0.0.1, in-process
// and once through the program itself.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "cli/run.h"
#include "core/text_file.h"
#include "exchange/download.h"
#include "support/draw_file_bytes.h"
#include "support/loopback_http_server.h"
#include "support/test_classes.h"

using test_support::HttpScript;

namespace {

struct CliResult {
  int code;
  QString out;
  QString err;
};

CliResult run_cli(const QStringList& words) {
  std::vector<std::string> args;
  for (const auto& w : words) args.push_back(w.toStdString());
  std::ostringstream out, err;
  const int code = cli::run(args, out, err);
  return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

const QByteArray kThreeDraws =
    "2009/01/05,098003,39,05,17,22,08\r\n"
    "2009/01/02,098001,01,02,03,04,05\r\n"
    "2009/01/03,098002,11,32,13,04,15\r\n";

QString write_file(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  (void)core::write_bytes_atomic(path.toStdString(), bytes.toStdString());
  return path;
}

QByteArray on_disk(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

class ExchangeCliTest : public QObject {
  Q_OBJECT

 private slots:
  void printLines_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << QStringList{}
                              << "001_2009/01/05  098003  39  05  17  22  08  \n"
                                 "002_2009/01/03  098002  11  32  13  04  15  \n"
                                 "003_2009/01/02  098001  01  02  03  04  05  \n";
    QTest::newRow("range, sorted") << QStringList{"--from", "2009/01/03", "--to=2009/01/05", "--order", "sorted"}
                                   << "001_2009/01/05  098003  05  08  17  22  39  \n"
                                      "002_2009/01/03  098002  04  11  13  15  32  \n";
    QTest::newRow("empty range") << QStringList{"--from", "2009/01/05", "--to", "2009/01/04"} << "";
  }

  void printLines() {
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString file = write_file(dir, "TW539.txt", kThreeDraws);
    const CliResult r = run_cli(QStringList{"--file", file, "--today", "2009/01/05", "print-lines"} + options);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, expected);
  }

  void refusalsGoToStderr_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("error");
    QTest::newRow("bad date") << QStringList{"print-lines", "--from", "2009/02/30"} << "「2009/02/30」不是有效的日期 (yyyy/mm/dd)";
    QTest::newRow("bad order") << QStringList{"print-lines", "--order", "random"} << "--order 必須是 drawn 或 sorted";
    QTest::newRow("no pdf") << QStringList{"report"} << "請以 --pdf OUT.pdf 指定報表檔";
    QTest::newRow("bad server") << QStringList{"download", "--server", "a b"} << "資料伺服器位址「a b」不正確，應為 主機 或 主機:埠號";
    // Nothing listens on port 1; the reason is the program's own words, not Qt's English.
    QTest::newRow("no connection") << QStringList{"download", "--server", "127.0.0.1:1"}
                                   << QString::fromUtf8(exchange::kRequestFailed) + QStringLiteral(" (伺服器拒絕連線)");
  }

  void refusalsGoToStderr() {
    QFETCH(QStringList, words);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString file = write_file(dir, "TW539.txt", kThreeDraws);
    const CliResult r = run_cli(QStringList{"--file", file, "--today", "2010/01/01"} + words);
    QCOMPARE(r.code, 2);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err, error + "\n");
  }

  void reportPdfReadsBackInChinese() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    QByteArray draws;
    for (int i = 0; i < 100; ++i) draws += QByteArray::fromStdString(test_support::draw_line_on(i, 98001 + i)) + "\r\n";
    const QString file = write_file(dir, "TW539.txt", draws);
    const QString pdf = dir.filePath("報表.pdf");
    const CliResult r = run_cli({"--file", file, "--today", "2010/01/01", "report", "--pdf", pdf});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.out, QStringLiteral("已寫入 %1,共 3 頁\n").arg(pdf));
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    const QStringList pages = content.split('\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3);
    for (int p = 0; p < 3; ++p) {
      QVERIFY2(pages[p].contains("Morlin"), qPrintable(pages[p]));
      QVERIFY(pages[p].contains(QStringLiteral("頁次 %1").arg(p + 1)));
      QVERIFY(pages[p].contains(QStringLiteral("列印時間 2010/01/01")));
      QVERIFY(pages[p].contains(QStringLiteral("Vantor 數據工作室")));
    }
    // pdftotext spreads the blanks; compare the words of the first and the last line.
    const auto words = [](const QString& s) { return s.simplified(); };
    QVERIFY(words(pages[0]).contains("001_2009/04/10 098100 22 29 36 04 11"));
    QVERIFY(words(pages[2]).contains("100_2009/01/01 098001 01 08 15 22 29"));
  }

  // The reason is the program's own words, never the C library's English.
  void reportRefusesAnUnwritablePath_data() {
    QTest::addColumn<QString>("pdf");  // under the test's folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("under a file") << "not_a_folder/out.pdf" << QStringLiteral("路徑中有一部分不是資料夾");
    QTest::newRow("missing folder") << "missing/out.pdf" << QStringLiteral("找不到檔案或資料夾");
    QTest::newRow("a folder") << "folder" << QStringLiteral("這是一個資料夾，不是檔案");
    QTest::newRow("read-only file") << "read_only.pdf" << QStringLiteral("檔案是唯讀的");
  }

  void reportRefusesAnUnwritablePath() {
    QFETCH(QString, pdf);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString file = write_file(dir, "TW539.txt", kThreeDraws);
    write_file(dir, "not_a_folder", "x");
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QString read_only = write_file(dir, "read_only.pdf", "old");
    QVERIFY(QFile::setPermissions(read_only, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const CliResult r = run_cli({"--file", file, "--today", "2010/01/01", "report", "--pdf", dir.filePath(pdf)});
    QCOMPARE(r.code, 2);
    QCOMPARE(r.err, QStringLiteral("無法寫入檔案 ") + dir.filePath(pdf) + QStringLiteral("：") + reason + "\n");
    QCOMPARE(r.out, QString());
    QCOMPARE(on_disk(read_only), QByteArray("old"));
  }
  // The draw file and its backups are the program's own: never replaced by a report.
  void reportNeverReplacesTheProgramsOwnFiles() {
    QTemporaryDir dir;
    const QString file = write_file(dir, "TW539.txt", kThreeDraws);
    const QString backup = write_file(dir, "TW539.txt.bak", kThreeDraws);
    for (const QString& own : {file, backup, dir.filePath("backup/TW539-1.txt")}) {
      const CliResult refused = run_cli({"--file", file, "--today", "2010/01/01", "report", "--pdf", own});
      QCOMPARE(refused.code, 2);
      QCOMPARE(refused.err, QStringLiteral("「%1」是本程式的%2,不能覆蓋,請另選檔名\n")
                                .arg(QFileInfo(own).fileName(), own == file ? "開獎資料檔" : "開獎資料的備份檔"));
    }
    QCOMPARE(on_disk(file), QByteArray(kThreeDraws));
  }


  void download_data() {
    QTest::addColumn<QByteArray>("local");  // empty: no file
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("err_start");
    const QByteArray five = QByteArray::fromStdString(test_support::draw_file_bytes(5));
    const QByteArray two = QByteArray::fromStdString(test_support::draw_file_bytes(2));
    QTest::newRow("more draws") << kThreeDraws << 200 << five << QStringList{} << 0 << QString();
    QTest::newRow("into a missing file") << QByteArray() << 200 << five << QStringList{} << 0 << QString();
    QTest::newRow("over a bad file") << QByteArray("2009/02/30,098001,01,02,03,04,05\r\n") << 200 << five
                                     << QStringList{} << 0 << QString();
    QTest::newRow("404") << kThreeDraws << 404 << five << QStringList{} << 2
                         << QStringLiteral("伺服器回應 HTTP 404,沒有取得開獎資料,原開獎資料檔保留不變");
    QTest::newRow("fewer draws refused") << kThreeDraws << 200 << two << QStringList{} << 2
                                         << QStringLiteral("伺服器上的開獎資料只有 2 期,比檔案中的 3 期少");
    QTest::newRow("fewer draws allowed") << kThreeDraws << 200 << two << QStringList{"--replace-smaller"} << 0
                                         << QString();
  }

  void download() {
    QFETCH(QByteArray, local);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QStringList, options);
    QFETCH(int, code);
    QFETCH(QString, err_start);
    QTemporaryDir dir;
    const QString file = local.isEmpty() ? dir.filePath("TW539.txt") : write_file(dir, "TW539.txt", local);
    test_support::LoopbackHttpServer server;
    server.set_script({HttpScript::Mode::Respond, status, "text/plain", body});
    const QString endpoint = QStringLiteral("127.0.0.1:%1").arg(server.port());
    const CliResult r = run_cli(QStringList{"--file", file, "--today", "2010/01/01", "download", "--server", endpoint} + options);
    QCOMPARE(r.code, code);
    QCOMPARE(server.paths, QStringList{"/HISTORYDATA/TW539.txt"});
    if (code == 0) {
      QCOMPARE(r.out, QString::fromUtf8(exchange::kDownloadDone) + "\n");
      QCOMPARE(on_disk(file), body);
      const auto backups = exchange::list_backups(file.toStdString());
      QCOMPARE(backups.empty() ? QByteArray("<missing>") : on_disk(QString::fromStdString(backups.front().path)),
               local.isEmpty() ? QByteArray("<missing>") : local);
    } else {
      QCOMPARE(r.out, QString());
      QVERIFY2(r.err.startsWith(err_start), qPrintable(r.err));
      QCOMPARE(r.err.count('\n'), 1);
      QCOMPARE(on_disk(file), local);
    }
  }

  // The bundled history without its newest 100 draws: both copies fill the table, so
  // only counting the whole files sees the loss.
  void downloadCountsTheWholeFiles() {
    QTemporaryDir dir;
    QFile bundled_file(QStringLiteral(VANTOR_DATA_DIR) + "/TW539.txt");
    QVERIFY(bundled_file.open(QIODevice::ReadOnly));
    const QByteArray bundled = bundled_file.readAll();
    const QString file = write_file(dir, "TW539.txt", bundled);
    test_support::LoopbackHttpServer server;
    server.set_script({HttpScript::Mode::Respond, 200, "text/plain", bundled.left(bundled.size() - 100 * 34)});
    const QString endpoint = QStringLiteral("127.0.0.1:%1").arg(server.port());
    const CliResult r = run_cli({"--file", file, "--today", "2026/12/09", "download", "--server", endpoint});
    QCOMPARE(r.code, 2);
    QCOMPARE(r.err, QStringLiteral("伺服器上的開獎資料只有 5848 期,比檔案中的 5948 期少,檔案未變更 (要取代請加上 --replace-smaller)\n"));
    QCOMPARE(on_disk(file), bundled);
  }

  // The program itself links no Qt: its download opens the Qt module built beside it. A
  // whole process against the same server, answered while the test's event loop waits.
  void theProgramDownloadsThroughItsQtModule() {
    QTemporaryDir dir;
    const QString file = write_file(dir, "TW539.txt", kThreeDraws);
    const QByteArray five = QByteArray::fromStdString(test_support::draw_file_bytes(5));
    test_support::LoopbackHttpServer server;
    server.set_script({HttpScript::Mode::Respond, 200, "text/plain", five});
    QProcess program;
    QSignalSpy finished(&program, &QProcess::finished);
    program.start(QStringLiteral(VANTOR_CLI), {"--file", file, "--today", "2010/01/01", "download", "--server",
                                               QStringLiteral("127.0.0.1:%1").arg(server.port())});
    QVERIFY(finished.wait(20000));
    QCOMPARE(program.readAllStandardError(), QByteArray());
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(program.readAllStandardOutput(), QByteArray(exchange::kDownloadDone) + "\n");
    QCOMPARE(on_disk(file), five);
  }
};

VANTOR_TEST_CLASS(ExchangeCliTest)
#include "exchange_commands_test.moc"
