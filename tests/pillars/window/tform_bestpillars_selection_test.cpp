// The workbench's selection, pillar layout, both verifications and the memo commands
// (clear, copy, save), driven through the window's controls.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "bestpillars_fixture.h"
#include "pillars/messages.h"
#include "ui/string_grid.h"

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

class BestPillarsSelectionTest : public QObject {
  Q_OBJECT

 private slots:
  void number_boxes_rebuild_the_selection();
  void tail_and_head_filters();
  void most_frequent_numbers_and_refusals();
  void pillar_count_and_sizes_set_the_cost();
  void manual_pillar_verification();
  void full_combination_verification();
  void clear_and_copy();
  void save_as_text_and_csv();
  void verification_stops_when_its_requery_is_refused();
  void pillar_boxes_keep_their_state_across_a_long_command();
};

void BestPillarsSelectionTest::verification_stops_when_its_requery_is_refused() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  win.TS2->Button16->click();  // most recent 50: the clear will re-run this query
  ui::set_text(win.TS2->cbis, "zz");
  const QStringList memo1 = lines(win.TS2->Memo1);
  win.PageC->setCurrentWidget(win.TS5);
  win.TS5->Button27->click();
  QCOMPARE(w.messages().last(), QStringLiteral("「zz」不是有效的整數"));
  QVERIFY(!win.TS6->Memo2->toPlainText().contains(QStringLiteral("開出星星統計")));
  QCOMPARE(lines(win.TS2->Memo1), memo1);
  QCOMPARE(w.page(), win.TS5);
}

void BestPillarsSelectionTest::pillar_boxes_keep_their_state_across_a_long_command() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  win.hide();
  win.show();  // the show reset sets 4 pillars but leaves which boxes are enabled alone
  ui::set_text(win.TS5->CB_Select, "6");
  win.TS5->CB_SelectChange();
  win.hide();
  win.show();
  QVERIFY(win.TS5->cb_pillar[5]->isEnabled());
  win.TS3->SpeedButton2->click();  // a hot ordering disables the commands while it runs
  QVERIFY(win.TS5->cb_pillar[5]->isEnabled());
  QVERIFY(win.TS5->Button27->isEnabled());
}

void BestPillarsSelectionTest::number_boxes_rebuild_the_selection() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  QCOMPARE(win.TS5->Label6->text(), QStringLiteral("沒有號碼"));
  w.select({11, 5});
  QCOMPARE(win.TS4->lb_selectNo->text(), QStringLiteral("2"));
  QCOMPARE(win.TS5->Label6->text(), QStringLiteral("05,11,"));
  QCOMPARE(win.TS7->Label41->text(), QStringLiteral("05,11,"));
  QCOMPARE(win.TS6->Label57->text(), QStringLiteral("05,11,"));
  QCOMPARE(win.TS5->Label28->text(), QStringLiteral("  共計 2 個"));
  QCOMPARE(win.TS6->Label56->text(), win.TS7->Label42->text());
  QCOMPARE(win.state().sel_no, (std::vector<std::string>{"05", "11"}));
  QVERIFY(win.TS4->no_box[5]->font().bold());
  QVERIFY(!win.TS4->no_box[6]->font().bold());

  // More than 30: the warning at each rebuild, the selection still grows.
  w.select_range(12, 39);
  w.select_range(1, 4);
  QVERIFY(win.state().sel_count > 30);
  QCOMPARE(w.messages().count(QString::fromUtf8(pillars::msg::kSelectionOverLimit.data())),
           win.state().sel_count - 30);
  win.TS4->Button8->click();
  QCOMPARE(win.state().sel_count, 0);
  QCOMPARE(win.TS5->Label28->text(), QStringLiteral("  共計 0 個"));
}

void BestPillarsSelectionTest::tail_and_head_filters() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  w.select({7});
  win.TS4->cb_tail[3]->click();
  QCOMPARE(win.state().sel_no, (std::vector<std::string>{"03", "13", "23", "33"}));
  QVERIFY(win.TS4->cb_tail[3]->font().bold());
  win.TS4->cb_head[0]->click();
  QCOMPARE(win.state().sel_count, 12);  // 01..09 and 13, 23, 33
  win.TS4->cb_tail[3]->click();
  QCOMPARE(win.state().sel_count, 9);
  QVERIFY(win.TS4->no_box[3]->isChecked());
  QVERIFY(!win.TS4->no_box[13]->isChecked());
  win.TS4->Button8->click();
  QVERIFY(!win.TS4->cb_head[0]->isChecked());
  QCOMPARE(win.state().sel_count, 0);
}

void BestPillarsSelectionTest::most_frequent_numbers_and_refusals() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  win.TS4->cb_tail[1]->click();
  ui::set_text(win.TS5->CB_Select, "6");
  win.TS4->Button7->click();  // cb9 "8"
  QCOMPARE(win.state().sel_count, 8);
  QVERIFY(!win.TS4->cb_tail[1]->isChecked());
  for (int c = 0; c < 8; ++c)
    QVERIFY(win.TS4->no_box[std::stoi(win.TS3->sga1->cell(c, 0))]->isChecked());
  QCOMPARE(win.state().pillar_count, 6);  // the pillar-count change ran

  type_into(win.TS4->cb9, "40");
  win.TS4->Button7->click();
  QCOMPARE(w.messages().last(), QStringLiteral("熱門號碼的個數不可超過 39 個"));
  QCOMPARE(win.state().sel_count, 8);
  type_into(win.TS4->cb9, "x");
  win.TS4->Button7->click();
  QCOMPARE(w.messages().last(), QStringLiteral("「x」不是有效的整數"));
  QCOMPARE(win.state().sel_count, 8);
}

void BestPillarsSelectionTest::pillar_count_and_sizes_set_the_cost() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  QCOMPARE(win.TS5->lb_NOTT->text(),
           QStringLiteral("您立柱所有的號碼數為：8  請留意！必須和您上面所選的數目相同"));
  QVERIFY(win.TS5->cb_pillar[4]->isEnabled());
  QVERIFY(!win.TS5->cb_pillar[5]->isEnabled());

  type_into(win.TS5->CB_Select, "3");
  QCOMPARE(text(win.TS5->cb_pillar[4]), std::string("0"));
  QVERIFY(!win.TS5->mx_pillar[4]->isEnabled());
  QCOMPARE(win.TS5->lb_pon2->text(), QStringLiteral("二星= 12 碰"));
  QCOMPARE(win.TS5->lb_pon4->text(), QStringLiteral("四星= 0 碰"));

  type_into(win.TS5->CB_Select, "4");
  type_into(win.TS5->cb_pillar[4], "3");
  type_into(win.TS5->cb_pillar[3], "3");
  QCOMPARE(win.TS5->lb_tot->text(), QStringLiteral("共= 133 碰"));  // 2, 2, 3, 3
  QCOMPARE(win.state().pillar_total, 10);

  type_into(win.TS5->CB_Select, "9");
  type_into(win.TS5->cb_pillar[2], "9");
  QCOMPARE(w.messages(), (QStringList{QString::fromUtf8(pillars::msg::kPillarCountOutOfRange.data()),
                                      QString::fromUtf8(pillars::msg::kPillarSizeOutOfRange.data())}));
  QCOMPARE(win.state().pillar_count, 4);
  QCOMPARE(win.TS5->lb_tot->text(), QStringLiteral("共= 133 碰"));
}

void BestPillarsSelectionTest::manual_pillar_verification() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  const std::vector<std::vector<std::string>> pillars = {
      {"01", "02"}, {"03", "04"}, {"05", "06"}, {"07", "08"}};
  for (int i = 0; i < 4; ++i) win.TS5->mx_pillar[i + 1]->set_lines(pillars[i]);
  win.TS6->Memo2->set_lines({"stale"});
  win.TS5->Button27->click();
  QCOMPARE(w.page(), win.TS6);
  const QStringList report = lines(win.TS6->Memo2);
  QVERIFY(report[0].startsWith(QStringLiteral("0001,2009/01/02,098001,")));
  QVERIFY(report[0].contains(QStringLiteral(",|,")));
  QVERIFY(report.contains(QStringLiteral("第4柱")));
  QVERIFY(report.contains(QStringLiteral("成本二星 24 碰")));
  QVERIFY(report.last().startsWith(QStringLiteral("四星開出 ")));
  QCOMPARE(win.state().pillar_no[3][1], std::string("08"));

  win.TS5->Button27->click();  // the clear re-runs the query first: the same report
  QCOMPARE(lines(win.TS6->Memo2), report);
}

void BestPillarsSelectionTest::full_combination_verification() {
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

void BestPillarsSelectionTest::clear_and_copy() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  w.select({5, 11, 17, 23});
  win.TS7->Button9->click();
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

void BestPillarsSelectionTest::save_as_text_and_csv() {
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

QTEST_MAIN(BestPillarsSelectionTest)
#include "tform_bestpillars_selection_test.moc"
