// The download window against a real HTTP server on 127.0.0.1: what ends up on disk, the
// message shown, the reload on close and Button1's state, for every kind of reply.
#include <QTemporaryDir>
#include <QTest>

#include "core/reload.h"
#include "core/text_file.h"
#include "exchange/download.h"
#include "exchange/window/adapters/http_request.h"
#include "exchange/window/tform_download_txt_from_http.h"
#include "support/draw_file_bytes.h"
#include "support/loopback_http_server.h"
#include "support/write_faults.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

using test_support::HttpScript;

namespace {

const std::string kOld = test_support::draw_file_bytes(3);
const std::string kNew = test_support::draw_file_bytes(5);
const QString kDone = QString::fromUtf8(exchange::kDownloadDone);
const QString kFailed = QString::fromUtf8(exchange::kRequestFailed);
const QString kNotDraws = QString::fromUtf8(exchange::kNotADrawFile);

struct Fixture {
  QTemporaryDir dir;
  ui::ScopedRecorder dialogs;
  core::DrawHistory history;
  core::FixedClock clock;
  test_support::LoopbackHttpServer server;
  core::DrawTable writer{history};
  TForm_Download_TxT_from_http window{writer, clock, dir.path()};
  int reloads = 0;

  explicit Fixture(const std::string& local = kOld, core::Date today = core::Date{2010, 1, 1}) : clock(today) {
    if (!local.empty()) (void)core::write_bytes_atomic(path(), local);
    window.set_endpoint({"127.0.0.1", server.port()});
    window.request().set_transfer_timeout(300);
    QObject::connect(&window, &TForm_Download_TxT_from_http::reload_requested, &window, [this] {
      ++reloads;
      (void)core::reload(history, path(), clock.today_text());
    });
    ui::show_modal(&window);
  }
  [[nodiscard]] std::string path() const { return dir.filePath("TW539.txt").toStdString(); }
  [[nodiscard]] std::string on_disk() const { return core::read_bytes(path()).value(); }
  [[nodiscard]] QStringList messages() const { return dialogs.recorder.texts(); }
  // Starts the download and waits until the reply has been dealt with.
  bool download() {
    window.Button1->click();
    if (window.Button1->isEnabled()) return false;  // one download at a time
    return QTest::qWaitFor([this] { return !window.request().running(); }, 10000);
  }
};

}  // namespace

class DownloadWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qunsetenv("http_proxy"); }

  void everyReply_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QString>("message");
    const QByteArray good = QByteArray::fromStdString(kNew);
    const int respond = int(HttpScript::Mode::Respond);
    QTest::newRow("good copy") << respond << 200 << good << true << kDone;
    QTest::newRow("404") << respond << 404 << good << false
                         << QStringLiteral("伺服器回應 HTTP 404,沒有取得開獎資料,原開獎資料檔保留不變");
    QTest::newRow("500") << respond << 500 << QByteArray("error") << false
                         << QStringLiteral("伺服器回應 HTTP 500,沒有取得開獎資料,原開獎資料檔保留不變");
    QTest::newRow("html page") << respond << 200 << QByteArray("<html><body>login</body></html>\r\n") << false
                               << kNotDraws;
    QTest::newRow("empty body") << respond << 200 << QByteArray() << false << kNotDraws;
    QTest::newRow("cut short") << int(HttpScript::Mode::CutShort) << 200 << good << false << kFailed;
    QTest::newRow("never answers") << int(HttpScript::Mode::Silent) << 200 << good << false << kFailed;
    QTest::newRow("trickles past the total time limit")
        << int(HttpScript::Mode::Trickle) << 200 << good << false << QString::fromUtf8(exchange::kTooSlow);
  }

  void everyReply() {
    QFETCH(int, mode);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, replaced);
    QFETCH(QString, message);
    Fixture f;
    f.server.set_script({HttpScript::Mode(mode), status, "text/plain", body});
    if (HttpScript::Mode(mode) == HttpScript::Mode::Trickle) {  // bytes keep coming, never the whole copy
      f.window.request().set_transfer_timeout(5000);
      f.window.request().set_total_time_limit(1000);
    }
    QVERIFY(f.download());
    QCOMPARE(f.messages(), QStringList{message});
    QCOMPARE(f.on_disk(), replaced ? kNew : kOld);
    QCOMPARE(exchange::list_backups(f.path()).size(), replaced ? 1u : 0u);
    QCOMPARE(f.server.paths, QStringList{"/HISTORYDATA/TW539.txt"});
    // The window closed, reloaded once, and can download again.
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.reloads, 1);
    QCOMPARE(f.history.draw_count, replaced ? 5 : 3);
    QVERIFY(f.window.Button1->isEnabled());
  }

  void fewerDrawsAsksFirst_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes replaces") << true;
    QTest::newRow("no keeps the file") << false;
  }

  void fewerDrawsAsksFirst() {
    QFETCH(bool, answer);
    Fixture f(kNew);
    f.dialogs.recorder.confirm_answers = {answer};
    f.server.set_script({HttpScript::Mode::Respond, 200, "text/plain", QByteArray::fromStdString(kOld)});
    QVERIFY(f.download());
    QCOMPARE(f.dialogs.recorder.questions.size(), 1);
    QVERIFY(f.dialogs.recorder.questions[0].contains(QStringLiteral(" 3 期")));
    QVERIFY(f.dialogs.recorder.questions[0].contains(QStringLiteral(" 5 期")));
    QCOMPARE(f.on_disk(), answer ? kOld : kNew);
    QCOMPARE(f.messages(), answer ? QStringList{kDone} : QStringList{});
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.reloads, 1);
    QVERIFY(f.window.Button1->isEnabled());
  }

  // The bundled history and a copy lacking its newest 100 draws: both fill the table, so
  // only the whole files' counts see the loss.
  void fewerDrawsCountsTheWholeFiles() {
    const std::string bundled = core::read_bytes(VANTOR_DATA_DIR "/TW539.txt").value();
    Fixture f(bundled, core::Date{2026, 12, 9});
    f.server.set_script({HttpScript::Mode::Respond, 200, "text/plain",
                         QByteArray::fromStdString(bundled.substr(0, bundled.size() - 100 * 34))});
    QVERIFY(f.download());
    QCOMPARE(f.dialogs.recorder.questions,
             QStringList{QStringLiteral("伺服器上的開獎資料只有 5848 期,比目前檔案中的 5948 期少.確定要以伺服器的資料取代目前的檔案嗎?")});
    QCOMPARE(f.on_disk(), bundled);
  }

  void failedWriteKeepsTheWindowOpen() {
    Fixture f;
    f.server.set_script({HttpScript::Mode::Respond, 200, "text/plain", QByteArray::fromStdString(kNew)});
    {
      test_support::FileSizeLimit disk_full(kOld.size() + 20);  // the backup fits, the new file does not
      QVERIFY(f.download());
    }
    QCOMPARE(f.messages().size(), 1);
    QVERIFY(f.messages()[0].startsWith(QString::fromUtf8(exchange::kWriteFailed)));
    QCOMPARE(f.on_disk(), kOld);
    QVERIFY(f.window.isVisible());
    QVERIFY(!f.window.Button1->isEnabled());
    QCOMPARE(f.reloads, 0);
    f.window.reject();  // closing reloads and enables the button again
    QCOMPARE(f.reloads, 1);
    QVERIFY(f.window.Button1->isEnabled());
    QCOMPARE(f.history.draw_count, 3);
  }

  void progressShowsBytesReceived() {
    Fixture f;
    f.server.set_script({HttpScript::Mode::Respond, 200, "text/plain", QByteArray::fromStdString(kNew)});
    QStringList shown;
    connect(&f.window.request(), &exchange::HttpRequest::progress, this,
            [&] { shown << f.window.lb_progress->text(); });
    QVERIFY(f.download());
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.last(), QStringLiteral("已接收 %1 / %1 位元組").arg(kNew.size()));
    QCOMPARE(f.window.Label2->text(), QStringLiteral("TW539.txt"));
  }

  void environmentNamesTheServer() {
    Fixture f;
    TForm_Download_TxT_from_http window(f.writer, f.clock, f.dir.path());
    QObject::connect(&window, &TForm_Download_TxT_from_http::reload_requested, &window, [&] { ++f.reloads; });
    f.server.set_script({HttpScript::Mode::Respond, 200, "text/plain", QByteArray::fromStdString(kNew)});
    ui::show_modal(&window);
    qputenv("VANTOR39_DATA_SERVER", "127.0.0.1:" + QByteArray::number(f.server.port()));
    window.Button1->click();
    QVERIFY(QTest::qWaitFor([&] { return !window.request().running(); }, 10000));
    QCOMPARE(f.on_disk(), kNew);

    qputenv("VANTOR39_DATA_SERVER", "not a host");
    ui::show_modal(&window);
    window.Button1->click();
    QVERIFY(f.messages().last().contains(QStringLiteral("VANTOR39_DATA_SERVER")));
    QVERIFY(!window.isVisible());
    QCOMPARE(f.reloads, 2);
    qunsetenv("VANTOR39_DATA_SERVER");
  }

  void closingWhileRunningAbandonsTheTransfer() {
    Fixture f;
    HttpScript silent;
    silent.mode = HttpScript::Mode::Silent;
    f.server.set_script(silent);
    f.window.Button1->click();
    QVERIFY(f.window.request().running());
    f.window.reject();
    QVERIFY(!f.window.request().running());
    QTest::qWait(400);  // past the time-out: no late message
    QCOMPARE(f.messages(), QStringList{});
    QCOMPARE(f.on_disk(), kOld);
    QCOMPARE(f.reloads, 1);
  }

  // With no program to ask, closing reloads the table the window writes to.
  void aWindowNoOneListensToReloadsTheTableItself() {
    Fixture f;
    TForm_Download_TxT_from_http alone(f.writer, f.clock, f.dir.path());
    alone.set_endpoint({"127.0.0.1", f.server.port()});
    f.server.set_script({HttpScript::Mode::Respond, 200, "text/plain", QByteArray::fromStdString(kNew)});
    ui::show_modal(&alone);
    alone.Button1->click();
    QVERIFY(QTest::qWaitFor([&] { return !alone.request().running(); }, 10000));
    QVERIFY(!alone.isVisible());
    QCOMPARE(f.reloads, 0);
    QCOMPARE(f.history.draw_count, 5);
  }
};

VANTOR_TEST_CLASS(DownloadWindowTest)
#include "tform_download_test.moc"
