// vantor39-cli trace-chart --png: the three charts drawn as the window saves them, by the
// chart-picture program beside the CLI, with the text output unchanged; every failure is
// one Chinese line on stderr, status 2, and leaves the files as they were.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "analysis/trace/window/chart_bars.h"
#include "analysis/trace/window/chart_form.h"
#include "core/reload.h"
#include "ui/dialogs.h"
#include "ui/locale.h"
#include "support/test_classes.h"

namespace {

const QString kCli = QStringLiteral(VANTOR_CLI);
const QStringList kChart0618{"--file", VANTOR_DATA_DIR "/TW539.txt", "--today",      "2026/12/09", "trace-chart",
                             "--query", "numbers",                    "--query-text", "0618"};

struct Run {
  int code = -1;
  QByteArray out, err;
};

Run run(const QString& program, const QStringList& args, const QByteArray& input = {}) {
  QProcess process;
  process.start(program, args);
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(-1);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
          process.readAllStandardError()};
}

QStringList files_in(const QTemporaryDir& dir) { return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries); }

// The window on the bundled draws after the 0618 query, back in its opening layout.
struct Window0618 {
  ui::ScopedRecorder dialogs;
  core::DrawHistory history;
  core::FixedClock clock{core::Date{2026, 12, 9}};
  std::unique_ptr<TForm_zu_chart1> window;

  Window0618() {
    if (!core::reload(history, core::draw_file_path(history, VANTOR_DATA_DIR), "2026/12/09"))
      qFatal("the bundled draws do not load");
    window = std::make_unique<TForm_zu_chart1>(history, clock);
    window->show();
    window->Panel1->cb_star234->setChecked(true);
    window->Panel3->Edit1->setText("0618");
    window->Panel3->SpeedButton4->click();
    window->Panel1->cb_star234->setChecked(false);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
};

}  // namespace

class ChartWindowCliTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::use_traditional_chinese(*qApp); }  // the program's font, as in the CLI's pictures

  void png_draws_the_window_pictures_and_prints_as_before() {
    const Run plain = run(kCli, kChart0618);
    QCOMPARE(plain.code, 0);
    Window0618 w;
    struct Case {
      QString file;
      QStringList written;  // numbers, heads, tails
    };
    const Case cases[] = {{"out.png", {"out.png", "out-heads.png", "out-tails.png"}},
                          {"chart", {"chart", "chart-heads.png", "chart-tails.png"}}};
    for (const Case& k : cases) {
      QTemporaryDir dir;
      const Run drawn = run(kCli, kChart0618 + QStringList{"--png", dir.filePath(k.file)});
      QCOMPARE(drawn.code, 0);
      QCOMPARE(drawn.err, QByteArray());
      QCOMPARE(drawn.out, plain.out);
      QStringList written = k.written;
      written.sort(Qt::CaseInsensitive);
      QCOMPARE(files_in(dir), written);
      chartwin::BarChart* const charts[] = {w.window->Chart1, w.window->Chart2, w.window->Chart3};
      for (int i = 0; i < 3; ++i) {
        const QImage picture(dir.filePath(k.written[i]), "PNG");
        QVERIFY2(!picture.isNull(), qPrintable(k.written[i]));
        // The chart at the window's opening size, drawn as the window draws it.
        QCOMPARE(picture.size(), charts[i]->size());
        const QImage shown = charts[i]->picture().toImage();
        QVERIFY2(picture.convertToFormat(shown.format()) == shown, qPrintable(k.written[i]));
      }
    }
  }

  void failures_refuse_and_leave_the_files_alone() {
    QTemporaryDir dir;
    const QString drawer = QFileInfo(kCli).dir().filePath("vantor39-chart-picture");
    const QString lone_cli = dir.filePath("alone/vantor39-cli");
    QDir(dir.path()).mkpath("alone");
    QVERIFY(QFile::copy(kCli, lone_cli));
    QVERIFY(QFile::setPermissions(lone_cli, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    struct Case {
      const char* what;
      std::function<Run()> run;
      QString message;
    };
    const Case cases[] = {
        {"no such folder", [&] { return run(kCli, kChart0618 + QStringList{"--png", dir.filePath("none/out.png")}); },
         "無法寫入檔案 " + dir.filePath("none/out.png") + "：找不到檔案或資料夾"},
        // The tail chart's file cannot be replaced, so neither of the others is written.
        {"one target is a folder",
         [&] { return run(kCli, kChart0618 + QStringList{"--png", dir.filePath("keep.png")}); },
         "無法寫入檔案 " + dir.filePath("keep-tails.png") + "：這是一個資料夾，不是檔案"},
        // Whether or not the folder exists, a picture never goes among the draw file's backups.
        {"own file", [&] { return run(kCli, kChart0618 + QStringList{"--png", VANTOR_DATA_DIR "/backup/x.png"}); },
         QStringLiteral("「x.png」是本程式的開獎資料的備份檔,不能覆蓋,請另選檔名")},
        {"no drawing program", [&] { return run(lone_cli, kChart0618 + QStringList{"--png", dir.filePath("x.png")}); },
         "無法輸出圖片: 找不到繪圖程式 " + dir.filePath("alone/vantor39-chart-picture")},
        {"bad chart lines",
         [&] {
           return run(drawer, {dir.filePath("a.png"), dir.filePath("b.png"), dir.filePath("c.png")},
                      "chart\tnumbers\tT\nbar\t01\tmany\n");
         },
         "圖表資料第 2 行無法讀取: bar\t01\tmany"},
    };
    QFile old(dir.filePath("keep.png"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old picture") > 0);
    old.close();
    QVERIFY(QDir(dir.path()).mkdir("keep-tails.png"));
    const QStringList before = files_in(dir);
    for (const Case& k : cases) {
      const Run refused = k.run();
      QVERIFY2(refused.code == 2, k.what);
      QCOMPARE(QString::fromUtf8(refused.err), k.message + "\n");
      QCOMPARE(refused.out, QByteArray());
      QCOMPARE(files_in(dir), before);
    }
    QFile kept(dir.filePath("keep.png"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old picture"));
  }
};

VANTOR_TEST_CLASS(ChartWindowCliTest)
#include "chart_window_cli_test.moc"
