// The workbench form: its sheets, what showing it does, and how the sheets pass the
// period list, the selection and the pillar count to each other.
#include <QLabel>
#include <QTest>

#include "core/reload.h"
#include "support/workbench_fixture.h"
#include "support/test_classes.h"

using fixture::lines;
using fixture::text;
using fixture::type_into;
using fixture::Workbench;
using fixture::grid_count_sum;

class BestPillarsFormTest : public QObject {
  Q_OBJECT

 private slots:
  void opening_shows_the_whole_period_on_the_first_sheet();
  void opening_an_empty_table();
  void showing_again_resets_the_layout_but_keeps_the_selection();
  void sheets_follow_the_period_selection_and_chosen_numbers();
  void opening_the_bundled_draw_file();
};

void BestPillarsFormTest::opening_shows_the_whole_period_on_the_first_sheet() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  QCOMPARE(win.windowTitle(), QStringLiteral("最佳彩柱"));
  QVERIFY(win.width() >= 907 && win.height() >= 594);
  const QStringList tabs{"號碼來源", "號碼和尾數統計", "選擇號碼", "選擇柱數", "彩柱驗證", "連碰驗證"};
  const QList<QWidget*> sheets{win.TS2, win.TS3, win.TS4, win.TS5, win.TS6, win.TS7};
  QCOMPARE(win.PageC->count(), tabs.size());
  for (int i = 0; i < tabs.size(); ++i) {
    QCOMPARE(win.PageC->tabText(i), tabs[i]);
    QCOMPARE(win.PageC->widget(i), sheets[i]);
  }
  QCOMPARE(w.page(), static_cast<QWidget*>(win.TS2));
  // Every report memo starts from the period list.
  const QStringList memo1 = lines(win.TS2->Memo1);
  QCOMPARE(memo1.size(), 60);
  QCOMPARE(lines(win.TS6->Memo2), memo1);
  QCOMPARE(lines(win.TS7->Memo3), memo1);
  QVERIFY(!win.TS2->Button2->isVisibleTo(&win));
  QVERIFY(w.messages().isEmpty());
}

void BestPillarsFormTest::opening_an_empty_table() {
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

void BestPillarsFormTest::showing_again_resets_the_layout_but_keeps_the_selection() {
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
  QCOMPARE(win.state().pillar_total(), 8);
  QCOMPARE(win.state().sel_count(), 2);
  QVERIFY(win.TS4->no_box[5]->isChecked());
  QCOMPARE(lines(win.TS5->mx_pillar[1]), QStringList{"05"});
}

void BestPillarsFormTest::sheets_follow_the_period_selection_and_chosen_numbers() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  // A new period reaches both report memos; a new selection every caption.
  win.TS2->Memo1->set_lines({"edited"});
  type_into(win.TS2->cbis, "10");
  win.TS2->Button16->click();
  QCOMPARE(lines(win.TS6->Memo2), lines(win.TS2->Memo1));
  QCOMPARE(lines(win.TS7->Memo3), lines(win.TS2->Memo1));
  w.select({11, 5});
  for (const QLabel* numbers : {win.TS5->Label6, win.TS6->Label57, win.TS7->Label41})
    QCOMPARE(numbers->text(), QStringLiteral("05,11,"));
  for (const QLabel* count : {win.TS5->Label28, win.TS6->Label56, win.TS7->Label42})
    QCOMPARE(count->text(), QStringLiteral("  共計 2 個"));
  // The most frequent numbers apply the pillar count again.
  ui::set_text(win.TS5->CB_Select, "6");
  win.TS4->Button7->click();
  QCOMPARE(win.state().pillar_count, 6);
}

void BestPillarsFormTest::opening_the_bundled_draw_file() {
  ui::ScopedRecorder guard;
  core::DrawHistory history;
  QVERIFY(core::reload(history, core::draw_file_path(history, VANTOR_DATA_DIR), "2026/08/22").ok());
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

VANTOR_TEST_CLASS(BestPillarsFormTest)
#include "tform_bestpillars_test.moc"
