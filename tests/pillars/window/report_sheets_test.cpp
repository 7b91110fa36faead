// TS6 "彩柱驗證" and TS7 "連碰驗證": the full-combination verification and the commands
// every report memo carries (clear, which re-runs the query; copy; save as text or csv).
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include "pillars/messages.h"
#include "support/workbench_fixture.h"
#include "support/test_classes.h"

using fixture::lines;
using fixture::text;
using fixture::type_into;
using fixture::Workbench;

namespace {

// Remembers what each save dialog was opened with, and answers from a queue.
class SaveScript : public ui::DialogRecorder {
 public:
  QStringList titles, filters;
  std::optional<QString> on_save_file(const QString& title, const QString& filter) override {
    titles << title;
    filters << filter;
    return ui::DialogRecorder::on_save_file(title, filter);
  }
};

QByteArray file_bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ReportSheetsTest : public QObject {
  Q_OBJECT

 private slots:
  void full_combination_verification();
  void clear_and_copy();
  void save_as_text_and_csv();
};

void ReportSheetsTest::full_combination_verification() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  win.TS7->Button9->click();
  QCOMPARE(w.messages(), QStringList{QString::fromUtf8(pillars::msg::kLenponSelectionSize.data())});
  QCOMPARE(w.page(), win.TS4);

  w.select({5, 11, 17, 23});
  win.TS7->Button9->click();
  const QStringList memo3 = lines(win.TS7->Memo3);
  QCOMPARE(memo3.size(), 40 + 14);
  QVERIFY(memo3[0].contains(QStringLiteral(",|,")));
  QCOMPARE(memo3[40 + 3], QStringLiteral("如果您選擇連碰號碼( 4 碼)"));
  QCOMPARE(memo3[40 + 4], QStringLiteral("05,11,17,23"));
  QCOMPARE(memo3[40 + 6], QStringLiteral("每期二星 6 碰"));

  win.TS7->cb_detail->click();
  win.TS7->Button10->click();  // clear: the plain list again
  win.TS7->Button9->click();
  QCOMPARE(lines(win.TS7->Memo3).first(), lines(win.TS2->Memo1).first());
}

void ReportSheetsTest::clear_and_copy() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  w.select({5, 11, 17, 23});
  win.TS7->Button9->click();
  for (int i = 1; i <= 4; ++i) win.TS5->mx_pillar[i]->set_lines({"05", "11"});  // as the sizes say
  win.TS5->Button27->click();  // a pillar report; Memo3 loses its decorations too
  QCOMPARE(lines(win.TS7->Memo3), lines(win.TS2->Memo1));
  win.TS6->Button20->click();
  QCOMPARE(lines(win.TS6->Memo2), lines(win.TS2->Memo1));

  win.TS6->Button21->click();
  win.TS7->Memo3->clear_lines();
  win.TS7->Button11->click();
  QCOMPARE(w.messages(), QStringList(2, QStringLiteral("資料已複製Copy")));
  QCOMPARE(QGuiApplication::clipboard()->text(), QString());
  win.TS2->Button4->click();
  QCOMPARE(QGuiApplication::clipboard()->text(), win.TS2->Memo1->toPlainText());
}

void ReportSheetsTest::save_as_text_and_csv() {
  Workbench w(40);
  SaveScript script;
  ui::install_script(&script);
  TForm_bestpillars& win = *w.window;
  QTemporaryDir dir;
  const QString txt = dir.filePath("period.txt");
  script.save_answers << txt << dir.filePath("report.csv") << std::nullopt
                      << dir.filePath("missing/sub/report.txt");
  win.TS2->Button5->click();
  QCOMPARE(file_bytes(txt), win.TS2->Memo1->toPlainText().replace("\n", "\r\n").toLatin1());  // each line ends in CR LF
  win.TS6->Button23->click();
  QCOMPARE(file_bytes(dir.filePath("report.csv")).count("\r\n"), 40);
  win.TS7->Button13->click();  // cancelled
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
  const QStringList memo3 = lines(win.TS7->Memo3);
  win.TS7->Button15->click();  // cannot be written
  QCOMPARE(script.messages.size(), 1);
  QCOMPARE(script.messages[0].kind, ui::MessageKind::Error);
  QVERIFY(script.messages[0].text.contains(QStringLiteral("report.txt")));
  QCOMPARE(lines(win.TS7->Memo3), memo3);

  QCOMPARE(script.titles, QStringList(4, QStringLiteral("儲存開獎資料")));
  QCOMPARE(script.filters, (QStringList{QStringLiteral("文字檔案(*.txt)|*.txt"),
                                        QStringLiteral("Execel檔案(*.csv)|*.csv"),
                                        QStringLiteral("文字檔案(*.txt)|*.txt"),
                                        QStringLiteral("Execel檔案(*.csv)|*.csv")}));
  ui::install_script(&w.guard.recorder);
}

VANTOR_TEST_CLASS(ReportSheetsTest)
#include "report_sheets_test.moc"
