// The workbench window from opening to the period sources, statistics and hot lists:
// checks that each control runs its computation and shows the result where the user
// looks for it. The computations themselves are tested without a window.
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "bestpillars_fixture.h"
#include "core/loader.h"
#include "core/numbers.h"
#include "pillars/messages.h"
#include "ui/string_grid.h"

using fixture::lines;
using fixture::text;
using fixture::type_into;
using fixture::Workbench;

namespace {

int grid_count_sum(const ui::StringGrid* grid, int columns) {
  int sum = 0;
  for (int c = 0; c < columns; ++c) sum += QString::fromStdString(grid->cell(c, 1)).toInt();
  return sum;
}

}  // namespace

class BestPillarsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opening_queries_from_2009_to_today();
  void opening_an_empty_table();
  void showing_again_resets_the_layout_but_keeps_the_selection();
  void date_range_query_follows_the_pickers();
  void recent_and_periodic_queries();
  void trace_query_and_date_change();
  void refused_source_inputs_keep_the_period();
  void statistics_refuse_an_edited_line();
  void hot_orderings_fill_their_memos();
  void opening_the_bundled_draw_file();
};

void BestPillarsWindowTest::opening_queries_from_2009_to_today() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  QCOMPARE(win.windowTitle(), QStringLiteral("最佳彩柱"));
  QVERIFY(win.width() >= 907 && win.height() >= 594);
  QCOMPARE(w.page(), win.TS2);
  QCOMPARE(win.PageC->count(), 6);
  QCOMPARE(win.PageC->tabText(3), QStringLiteral("選擇柱數"));

  const QStringList memo1 = lines(win.TS2->Memo1);
  QCOMPARE(memo1.size(), 60);
  QCOMPARE(memo1.first().left(23), QStringLiteral("0001,2009/01/02,098001,"));
  QCOMPARE(memo1.first().size(), 37);
  QCOMPARE(lines(win.TS6->Memo2), memo1);
  QCOMPARE(lines(win.TS7->Memo3), memo1);
  QCOMPARE(win.TS2->Edit1->text(), QStringLiteral("  60"));
  QCOMPARE(win.state().source_mode, 1);
  QCOMPARE(win.state().period_title, std::string("驗證期間：2009/01/01 至 2009/12/31 共   60 期"));
  QCOMPARE(win.TS2->DateTimePicker1->date(), QDate(2009, 1, 1));
  QCOMPARE(win.TS2->DateTimePicker2->date(), QDate(2009, 12, 31));
  QCOMPARE(win.TS2->DateTimePicker2->displayFormat(), QStringLiteral("yyyy/MM/dd"));
  QVERIFY(win.TS2->DateTimePicker1->calendarPopup());

  QCOMPARE(grid_count_sum(win.TS3->sga1, 25) + grid_count_sum(win.TS3->sga2, 14), 5 * 60);
  QCOMPARE(grid_count_sum(win.TS3->sgaT, 10), 5 * 60);
  QCOMPARE(win.TS3->sga1->cell(0, 0), core::zero_pad(win.state().no_count.at(0) % 100, 2));
  QCOMPARE(win.TS3->lb2s->text(), QStringLiteral("---"));

  for (int n = 40; n <= 49; ++n) QVERIFY(!win.TS4->no_box[n]->isVisibleTo(win.TS4));
  QVERIFY(win.TS4->no_box[39]->isVisibleTo(win.TS4));
  QVERIFY(!win.TS2->Button2->isVisibleTo(&win));

  // The trace boxes start at the latest draw, position 1.
  QCOMPARE(win.TS2->cb_date->count(), 20);
  QCOMPARE(text(win.TS2->cb_date), std::string("2009/03/02"));
  QCOMPARE(win.TS2->cb_date->itemText(1), QStringLiteral("2009/03/01"));
  QCOMPARE(text(win.TS2->CB_xx), w.history.ltno_sorted[0][59]);
  QCOMPARE(text(win.TS2->cb_prediction), std::string("1"));

  // Default layout and its cost.
  QCOMPARE(text(win.TS5->CB_Select), std::string("4"));
  QCOMPARE(win.TS5->lb_pon2->text(), QStringLiteral("二星= 24 碰"));
  QCOMPARE(win.TS5->lb_tot->text(), QStringLiteral("共= 72 碰"));
  QVERIFY(w.messages().isEmpty());
}

void BestPillarsWindowTest::opening_an_empty_table() {
  Workbench w(0);
  TForm_bestpillars& win = *w.window;
  QCOMPARE(win.TS2->Memo1->line_count(), 0);
  QCOMPARE(win.TS2->Edit1->text(), QStringLiteral("  0"));
  QCOMPARE(win.TS2->cb_date->count(), 0);
  QCOMPARE(grid_count_sum(win.TS3->sga1, 25), 0);
  QCOMPARE(win.TS3->sga1->cell(0, 0), std::string("39"));
  win.TS2->Button16->click();
  win.TS2->Button17->click();
  win.TS3->SpeedButton1->click();
  win.TS7->Button9->click();  // refused: nothing selected
  QCOMPARE(win.TS2->Edit1->text(), QStringLiteral("  0"));
  QCOMPARE(win.TS3->mm9->line_count(), 0);
}

void BestPillarsWindowTest::showing_again_resets_the_layout_but_keeps_the_selection() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  w.select({5, 11});
  ui::set_text(win.TS5->CB_Select, "6");
  win.TS5->CB_SelectChange();
  win.TS5->mx_pillar[1]->set_lines({"05"});
  win.hide();
  win.show();
  QCOMPARE(text(win.TS5->CB_Select), std::string("4"));
  QCOMPARE(text(win.TS5->cb_pillar[4]), std::string("2"));
  QCOMPARE(text(win.TS5->cb_pillar[5]), std::string("0"));
  QCOMPARE(win.state().pillar_total, 8);
  QCOMPARE(win.state().sel_count, 2);
  QVERIFY(win.TS4->no_box[5]->isChecked());
  QCOMPARE(lines(win.TS5->mx_pillar[1]), QStringList{"05"});
}

void BestPillarsWindowTest::date_range_query_follows_the_pickers() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  win.TS2->DateTimePicker1->setDate(QDate(2009, 1, 10));
  win.TS2->DateTimePicker2->setDate(QDate(2009, 1, 19));
  win.TS2->Button1->click();
  QCOMPARE(win.TS2->Memo1->line_count(), 10);
  QCOMPARE(QString::fromStdString(win.TS2->Memo1->line(0)).mid(5, 10), QStringLiteral("2009/01/10"));
  QCOMPARE(win.TS2->Edit1->text(), QStringLiteral("  10"));
  QCOMPARE(win.state().period_title, std::string("驗證期間：2009/01/10 至 2009/01/19 共   10 期"));

  // Start after end: an empty list, zero statistics.
  win.TS2->DateTimePicker1->setDate(QDate(2009, 2, 1));
  win.TS2->DateTimePicker2->setDate(QDate(2009, 1, 1));
  win.TS2->Button1->click();
  QCOMPARE(win.TS2->Memo1->line_count(), 0);
  QCOMPARE(grid_count_sum(win.TS3->sgaT, 10), 0);
}

void BestPillarsWindowTest::recent_and_periodic_queries() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  type_into(win.TS2->cbis, "10");
  win.TS2->Button16->click();
  QCOMPARE(win.TS2->Memo1->line_count(), 10);
  QCOMPARE(win.state().source_mode, 2);
  QCOMPARE(win.state().period_title, std::string("最近 10 期驗證"));
  QCOMPARE(win.TS2->DateTimePicker1->date(), QDate(2009, 2, 21));  // draw 51
  QCOMPARE(win.TS7->Memo3->line_count(), 10);

  ui::set_text(win.TS2->cb_intv, "3");
  ui::set_text(win.TS2->cbis_2, "4");
  win.TS2->Button17->click();
  QCOMPARE(win.state().source_mode, 3);
  QCOMPARE(win.state().period_title, std::string("每 3 期一次，取最近 4 期驗證"));
  const QStringList memo1 = lines(win.TS2->Memo1);
  QCOMPARE(memo1.size(), 4);
  QCOMPARE(memo1.last().mid(16, 6), QStringLiteral("098060"));
  QCOMPARE(memo1.first().mid(16, 6), QStringLiteral("098051"));
  QCOMPARE(win.TS2->Edit1->text(), QStringLiteral("  4"));

  // The clear buttons re-run the query that built the list.
  win.TS2->Memo1->set_lines({"edited"});
  win.TS2->Button3->click();
  QCOMPARE(lines(win.TS2->Memo1), memo1);
}

void BestPillarsWindowTest::trace_query_and_date_change() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  win.TS2->cb_date->setCurrentIndex(2);
  emit win.TS2->cb_date->textActivated(win.TS2->cb_date->currentText());
  QCOMPARE(text(win.TS2->cb_prediction), std::string("3"));
  QCOMPARE(text(win.TS2->CB_xx), w.history.ltno_sorted[0][57]);

  win.TS2->Button18->click();
  QCOMPARE(win.state().source_mode, 4);
  const std::string number = text(win.TS2->CB_xx);
  const std::string count = std::to_string(win.TS2->Memo1->line_count());
  QCOMPARE(win.state().period_title,
           "當第 1 支開" + number + "之下3期統計驗證 (共 " + count + " 期)");

  win.TS2->cb_ff->click();  // 不定點: the date change runs, the next query widens
  QVERIFY(!win.TS2->cb_ff->isChecked());
  win.TS2->Button18->click();
  QCOMPARE(win.state().period_title.rfind("當" + number + "不定點開出 之下3期統計驗證", 0), 0u);
  QVERIFY(win.TS2->Memo1->line_count() >= std::stoi(count));

  // Position 3 of the same draw.
  type_into(win.TS2->cb_ii, "3");
  QCOMPARE(text(win.TS2->CB_xx), w.history.ltno_sorted[2][57]);
  QVERIFY(w.messages().isEmpty());
}

void BestPillarsWindowTest::refused_source_inputs_keep_the_period() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  const QStringList before = lines(win.TS2->Memo1);
  const std::string traced = text(win.TS2->CB_xx);

  ui::set_text(win.TS2->cb_intv, "0");
  win.TS2->Button17->click();
  ui::set_text(win.TS2->cb_intv, "2");
  ui::set_text(win.TS2->cbis, "abc");
  win.TS2->Button16->click();
  type_into(win.TS2->cb_date, "2000/01/01");  // partial dates on the way are not looked up
  type_into(win.TS2->cb_ii, "7");
  QCOMPARE(w.guard.recorder.messages.size(), 4);
  QCOMPARE(w.messages()[0], QString::fromUtf8(pillars::msg::kIntervalBelowOne.data()));
  QCOMPARE(w.guard.recorder.messages[0].kind, ui::MessageKind::Warning);
  QCOMPARE(w.messages()[1], QStringLiteral("「abc」不是有效的整數"));
  QCOMPARE(w.guard.recorder.messages[1].kind, ui::MessageKind::Error);
  QCOMPARE(w.messages()[2], QStringLiteral("找不到開獎日期為 2000/01/01 的資料"));
  QCOMPARE(w.messages()[3], QString::fromUtf8(pillars::msg::kPositionOutOfRange.data()));
  QCOMPARE(lines(win.TS2->Memo1), before);
  QCOMPARE(win.state().source_mode, 1);
  QCOMPARE(text(win.TS2->CB_xx), traced);
  QCOMPARE(text(win.TS2->cb_prediction), std::string("1"));

  // The trace query refuses the position too.
  win.TS2->Button18->click();
  QCOMPARE(w.guard.recorder.messages.size(), 5);
  QCOMPARE(lines(win.TS2->Memo1), before);
}

void BestPillarsWindowTest::statistics_refuse_an_edited_line() {
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

void BestPillarsWindowTest::hot_orderings_fill_their_memos() {
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

void BestPillarsWindowTest::opening_the_bundled_draw_file() {
  ui::ScopedRecorder guard;
  core::DrawHistory history;
  QVERIFY(core::Read_lotto_list(history, VANTOR_DATA_DIR, "2026/08/22").ok());
  QVERIFY(core::put_to_ltno(history).ok());
  core::FixedClock clock(core::Date{2026, 8, 22});
  TForm_bestpillars win(history, clock);
  win.show();
  QCOMPARE(win.TS2->Edit1->text(), QStringLiteral("  ") + QString::number(history.draw_count));
  QCOMPARE(text(win.TS2->cb_date), std::string("2026/08/22"));
  win.TS3->SpeedButton1->click();  // every quadruple of the whole table, with progress
  QCOMPARE(static_cast<std::size_t>(win.TS3->mm9->line_count()), win.state().quad_keys.size());
  QCOMPARE(win.TS3->lb4s->text(), QString::number(win.state().quad_keys.size()));
  QVERIFY(guard.recorder.messages.isEmpty());
}

QTEST_MAIN(BestPillarsWindowTest)
#include "tform_bestpillars_test.moc"
