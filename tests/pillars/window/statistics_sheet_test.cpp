// TS3 "號碼和尾數統計": the frequency grids of the period list and the hot combination
// orderings with their progress and copy commands.
#include <QLabel>
#include <QTest>

#include "core/numbers.h"
#include "support/workbench_fixture.h"
#include "ui/string_grid.h"
#include "support/test_classes.h"

using fixture::lines;
using fixture::text;
using fixture::type_into;
using fixture::Workbench;
using fixture::grid_count_sum;

class StatisticsSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void opening_counts_every_ball_of_the_period();
  void statistics_refuse_an_edited_line();
  void hot_orderings_fill_their_memos();
};

void StatisticsSheetTest::opening_counts_every_ball_of_the_period() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  QCOMPARE(grid_count_sum(win.TS3->sga1, 25) + grid_count_sum(win.TS3->sga2, 14), 5 * 60);
  QCOMPARE(grid_count_sum(win.TS3->sgaT, 10), 5 * 60);
  QCOMPARE(win.TS3->sga1->cell(0, 0), core::zero_pad(win.state().no_count.at(0) % 100, 2));
  for (const QLabel* progress : {win.TS3->lb2s, win.TS3->lb3s, win.TS3->lb4s})
    QCOMPARE(progress->text(), QStringLiteral("---"));
}

void StatisticsSheetTest::statistics_refuse_an_edited_line() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  const std::string top = win.TS3->sga1->cell(0, 1);
  QStringList edited = lines(win.TS2->Memo1);
  edited[6] = QStringLiteral("0007,2009/01/08,098007,xx,12,23,30,38");
  std::vector<std::string> as_lines;
  for (const auto& line : edited) as_lines.push_back(line.toStdString());
  win.TS2->Memo1->set_lines(as_lines);
  win.TS2->Button2->click();
  QCOMPARE(w.messages(), QStringList{QStringLiteral("第 7 行不是有效的號碼")});
  QCOMPARE(win.TS3->sga1->cell(0, 1), top);

  // A one-draw list: 38, 29, 17, 11, 03 lead with count 1.
  win.TS2->Memo1->set_lines({"0001,2009/01/02,098001,03,11,17,29,38"});
  win.TS2->Button2->click();
  QCOMPARE(win.TS3->sga1->cell(0, 0), std::string("38"));
  QCOMPARE(win.TS3->sga1->cell(4, 0), std::string("03"));
  QCOMPARE(win.TS3->sga1->cell(5, 0), std::string("39"));
  QCOMPARE(win.TS3->sga1->cell(5, 1), std::string("0"));
  QCOMPARE(win.TS3->sgaT->cell(0, 0), std::string("9 尾"));
}

void StatisticsSheetTest::hot_orderings_fill_their_memos() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  win.TS2->Memo1->set_lines({"0001,2009/01/02,098001,03,11,17,29,38"});
  win.TS2->Button2->click();
  win.TS3->SpeedButton2->click();
  QCOMPARE(win.TS3->mm->line_count(), 10);
  QCOMPARE(win.TS3->mm->line(0), std::string("2938  001"));
  QCOMPARE(win.TS3->mm->line(9), std::string("0311  001"));
  QCOMPARE(win.TS3->lb2s->text(), QStringLiteral("10"));
  QCOMPARE(win.state().hot2_list.size(), 10u);

  // Over the whole period: the pair memo's counts sum to ten per line.
  win.TS2->Button1->click();
  win.TS3->SpeedButton3->click();
  win.TS3->SpeedButton1->click();
  QVERIFY(win.TS3->mm3->line_count() > 0);
  QCOMPARE(static_cast<std::size_t>(win.TS3->mm9->line_count()), win.state().quad_keys.size());
  QCOMPARE(win.TS3->lb4s->text(), QString::number(win.state().quad_keys.size()));
  // The pair memo keeps the previous period's order until pressed again.
  QCOMPARE(win.TS3->mm->line_count(), 10);
  QVERIFY(!win.busy());
  QVERIFY(win.TS2->Button1->isEnabled());
  QVERIFY(win.TS3->SpeedButton2->isEnabled());

  win.TS3->BitBtn3->click();
  QCOMPARE(w.messages(), QStringList{QStringLiteral("資料已複製Copy")});
}

VANTOR_TEST_CLASS(StatisticsSheetTest)
#include "statistics_sheet_test.moc"
