// TS6 "彩柱驗證" and TS7 "連碰驗證": the full-combination verification and the commands
// every report memo carries (clear, which re-runs the query; copy; save as text or csv).
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include "pillars/messages.h"
#include "pillars/walk_forward_report.h"
#include "pillars/window/tform_zu_walk_forward.h"
#include "support/workbench_fixture.h"
#include "support/test_classes.h"
#include "support/xlsx_reader.h"
#include "ui/controls.h"

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
  void save_as_spreadsheet();
  void walk_forward_saves_one_sheet_from_either_button();
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
  win.TS7->Button15->click();  // cannot be written: the dialog stays open, then is cancelled
  QCOMPARE(script.messages.size(), 1);
  QCOMPARE(script.messages[0].kind, ui::MessageKind::Error);
  QVERIFY(script.messages[0].text.contains(QStringLiteral("report.txt")));
  QCOMPARE(lines(win.TS7->Memo3), memo3);

  // Each dialog also offers the spreadsheet.
  QCOMPARE(script.titles, QStringList(5, QStringLiteral("儲存開獎資料")));
  const QString xlsx = QStringLiteral("|另存Excel檔 (*.xlsx)|*.xlsx");
  QCOMPARE(script.filters, (QStringList{QStringLiteral("文字檔案(*.txt)|*.txt") + xlsx,
                                        QStringLiteral("Execel檔案(*.csv)|*.csv") + xlsx,
                                        QStringLiteral("文字檔案(*.txt)|*.txt") + xlsx,
                                        QStringLiteral("Execel檔案(*.csv)|*.csv") + xlsx,
                                        QStringLiteral("Execel檔案(*.csv)|*.csv") + xlsx}));
  ui::install_script(&w.guard.recorder);
}

// The pillar report saved as a spreadsheet: named after the window, one row per line and
// one cell per field; a pillar's "05" keeps its zero, a count is a number.
void ReportSheetsTest::save_as_spreadsheet() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  w.select({5, 11, 17, 23});
  for (int i = 1; i <= 4; ++i) win.TS5->mx_pillar[i]->set_lines({"05", "11"});
  win.TS5->Button27->click();
  const QStringList report = lines(win.TS6->Memo2);
  QTemporaryDir dir;
  const QString path = dir.filePath("report.xlsx");
  w.guard.recorder.save_answers << path;
  win.TS6->Button23->click();  // the csv save's dialog, the spreadsheet chosen
  QVERIFY2(w.messages().isEmpty(), qPrintable(w.messages().join('\n')));
  const auto book = test_support::read_xlsx(path.toStdString());
  QVERIFY(book);
  QCOMPARE(book->sheet_name, std::string("最佳彩柱"));
  QVERIFY(!book->header_frozen);  // a memo has no header row
  QCOMPARE(book->rows(), report.size());
  bool zero_kept = false, number_seen = false;
  for (int r = 0; r < report.size(); ++r) {
    const QStringList fields = report[r].split(',');
    for (int c = 0; c < fields.size(); ++c) {
      const test_support::XlsxCell* cell = book->cell(r, c);
      QCOMPARE(cell != nullptr, !fields[c].trimmed().isEmpty());
      if (!cell) continue;
      if (cell->text) QCOMPARE(QString::fromStdString(cell->value), fields[c]);
      else QCOMPARE(QString::fromStdString(cell->value).toDouble(), fields[c].toDouble());
      zero_kept |= cell->text && cell->value == "05";
      number_seen |= !cell->text;
    }
  }
  QVERIFY(zero_kept);
  QVERIFY(number_seen);
}

// 回測驗證's text and csv saves differ, its spreadsheet does not: the step grid under its
// frozen header, the settings above and the summary below, whichever button opened it.
void ReportSheetsTest::walk_forward_saves_one_sheet_from_either_button() {
  core::DrawHistory history;
  fixture::load(history, 120);
  ui::ScopedRecorder dialogs;
  TForm_zu_walk_forward win(history);
  win.show();
  ui::set_text(win.settings->cb_train, "40");
  ui::set_text(win.settings->cb_test, "30");
  ui::set_text(win.settings->cb_step, "10");
  win.btn_startClick();
  QVERIFY(win.run() && win.run()->finished());
  QTemporaryDir dir;
  dialogs.recorder.save_answers << dir.filePath("from_txt.xlsx") << dir.filePath("from_csv.xlsx");
  win.btn_save_txtClick();
  win.btn_save_csvClick();
  QVERIFY2(dialogs.recorder.messages.isEmpty(), qPrintable(dialogs.recorder.texts().join('\n')));
  QCOMPARE(file_bytes(dir.filePath("from_txt.xlsx")).isEmpty(), false);
  const auto from_txt = test_support::read_xlsx(dir.filePath("from_txt.xlsx").toStdString());
  const auto from_csv = test_support::read_xlsx(dir.filePath("from_csv.xlsx").toStdString());
  QVERIFY(from_txt && from_csv);
  QCOMPARE(from_txt->sheet_xml, from_csv->sheet_xml);
  QCOMPARE(from_txt->frozen_rows, 2);
  const std::vector<std::string> all = pillars::walk_forward_lines(*win.run());
  const std::size_t steps = win.run()->steps().size();
  QCOMPARE(test_support::lines_mismatch(*from_txt, all, 0, {2, 2 + steps}), std::string());
  QCOMPARE(from_txt->cell(2, 0)->format, std::string("0000"));  // 序號 0020 is the number 20
}

VANTOR_TEST_CLASS(ReportSheetsTest)
#include "report_sheets_test.moc"
