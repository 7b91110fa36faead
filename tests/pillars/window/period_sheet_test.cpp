// TS2 "號碼來源": the period queries, their refusals and the trace boxes, driven through
// the sheet's controls. The queries themselves are tested without a window.
#include <QDateEdit>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QTest>

#include "pillars/messages.h"
#include "support/workbench_fixture.h"
#include "support/test_classes.h"

using fixture::lines;
using fixture::text;
using fixture::type_into;
using fixture::Workbench;
using fixture::grid_count_sum;
using bestpillarswin::PeriodSheet;

class PeriodSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void opening_queries_from_2009_to_today();
  void trace_boxes_start_at_the_latest_draw();
  void date_range_query_follows_the_pickers();
  void recent_and_periodic_queries();
  void trace_query_and_date_change();
  void refused_source_inputs_keep_the_period();
  void typed_period_boxes_query_what_they_show();
  void huge_pasted_memos_are_counted_or_refused();
};

void PeriodSheetTest::opening_queries_from_2009_to_today() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  const QStringList memo1 = lines(win.TS2->Memo1);
  QCOMPARE(memo1.size(), 60);
  QCOMPARE(memo1.first().left(23), QStringLiteral("0001,2009/01/02,098001,"));
  QCOMPARE(memo1.first().size(), 37);
  QCOMPARE(win.TS2->Edit1->text(), QStringLiteral("  60"));
  QCOMPARE(win.state().source_mode, pillars::SourceMode::DateRange);
  QCOMPARE(win.state().period_title, std::string("驗證期間：2009/01/01 至 2009/12/31 共   60 期"));
  QCOMPARE(win.TS2->DateTimePicker1->date(), QDate(2009, 1, 1));
  QCOMPARE(win.TS2->DateTimePicker2->date(), QDate(2009, 12, 31));
  QCOMPARE(win.TS2->DateTimePicker2->displayFormat(), QStringLiteral("yyyy/MM/dd"));
  QVERIFY(win.TS2->DateTimePicker1->calendarPopup());
}

void PeriodSheetTest::trace_boxes_start_at_the_latest_draw() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  QCOMPARE(win.TS2->cb_date->count(), 20);
  QCOMPARE(text(win.TS2->cb_date), std::string("2009/03/02"));
  QCOMPARE(win.TS2->cb_date->itemText(1), QStringLiteral("2009/03/01"));
  QCOMPARE(text(win.TS2->CB_xx), w.history.ltno_sorted[0][59]);
  QCOMPARE(text(win.TS2->cb_prediction), std::string("1"));
}

void PeriodSheetTest::date_range_query_follows_the_pickers() {
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

void PeriodSheetTest::recent_and_periodic_queries() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  type_into(win.TS2->cbis, "10");
  win.TS2->Button16->click();
  QCOMPARE(win.TS2->Memo1->line_count(), 10);
  QCOMPARE(win.state().source_mode, pillars::SourceMode::MostRecent);
  QCOMPARE(win.state().period_title, std::string("最近 10 期驗證"));
  QCOMPARE(win.TS2->DateTimePicker1->date(), QDate(2009, 2, 21));  // draw 51
  QCOMPARE(win.TS7->Memo3->line_count(), 10);

  ui::set_text(win.TS2->cb_intv, "3");
  ui::set_text(win.TS2->cbis_2, "4");
  win.TS2->Button17->click();
  QCOMPARE(win.state().source_mode, pillars::SourceMode::EveryMth);
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

void PeriodSheetTest::trace_query_and_date_change() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  win.TS2->cb_date->setCurrentIndex(2);
  emit win.TS2->cb_date->textActivated(win.TS2->cb_date->currentText());
  QCOMPARE(text(win.TS2->cb_prediction), std::string("3"));
  QCOMPARE(text(win.TS2->CB_xx), w.history.ltno_sorted[0][57]);

  win.TS2->Button18->click();
  QCOMPARE(win.state().source_mode, pillars::SourceMode::NumberTrace);
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

void PeriodSheetTest::refused_source_inputs_keep_the_period() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  const QStringList before = lines(win.TS2->Memo1);
  const std::string traced = text(win.TS2->CB_xx);

  ui::set_text(win.TS2->cb_intv, "0");
  win.TS2->Button17->click();
  ui::set_text(win.TS2->cb_intv, "2");
  ui::set_text(win.TS2->cbis, "abc");
  win.TS2->Button16->click();
  const std::string date = text(win.TS2->cb_date);
  type_into(win.TS2->cb_date, "2000/01/01");  // partial dates on the way are not looked up
  type_into(win.TS2->cb_ii, "7");
  QCOMPARE(text(win.TS2->cb_date), date);
  QCOMPARE(w.guard.recorder.messages.size(), 4);
  QCOMPARE(w.messages()[0], QString::fromUtf8(pillars::msg::kIntervalBelowOne.data()));
  QCOMPARE(w.guard.recorder.messages[0].kind, ui::MessageKind::Warning);
  QCOMPARE(w.messages()[1], QStringLiteral("「abc」不是有效的整數"));
  QCOMPARE(w.guard.recorder.messages[1].kind, ui::MessageKind::Error);
  QCOMPARE(w.messages()[2], QStringLiteral("找不到開獎日期為 2000/01/01 的資料"));
  QCOMPARE(w.messages()[3], QString::fromUtf8(pillars::msg::kPositionOutOfRange.data()));
  QCOMPARE(lines(win.TS2->Memo1), before);
  QCOMPARE(win.state().source_mode, pillars::SourceMode::DateRange);
  QCOMPARE(text(win.TS2->CB_xx), traced);
  QCOMPARE(text(win.TS2->cb_prediction), std::string("1"));

  QCOMPARE(text(win.TS2->cb_ii), std::string("1"));  // a refused entry is put back

  // The trace query refuses the position too.
  ui::set_text(win.TS2->cb_ii, "7");
  win.TS2->Button18->click();
  QCOMPARE(w.guard.recorder.messages.size(), 5);
  QCOMPARE(lines(win.TS2->Memo1), before);
}

// A memo pasted with 100,000 period lines is counted like any other; one line of a
// megabyte is refused by its line number, and the grids keep what they showed.
// What is typed stays as typed (no completion to 10, 40 or 1200) and is what the query
// reads when the user goes on to its button; 之下 counts forward from 1; an empty box is
// named.
void PeriodSheetTest::typed_period_boxes_query_what_they_show() {
  Workbench w(60);
  PeriodSheet& sheet = *w.window->TS2;
  struct Case {
    QComboBox* box;
    QString typed;
    QPushButton* query;
    std::string title;  // the title of the query, or empty when it is refused with `message`
    QString message;
  };
  const QString distance_below_one = QString::fromUtf8(pillars::msg::kDistanceBelowOne.data());
  const QList<Case> cases = {
      {sheet.cb_intv, "1", sheet.Button17, "每 1 期一次，取最近 50 期驗證", {}},
      {sheet.cbis_2, "4", sheet.Button17, "每 1 期一次，取最近 4 期驗證", {}},
      {sheet.cbis, "12", sheet.Button16, "最近 12 期驗證", {}},
      {sheet.cb_prediction, "0", sheet.Button18, {}, distance_below_one},
      {sheet.cb_prediction, "-1", sheet.Button18, {}, distance_below_one},
      {sheet.cb_prediction, "\b", sheet.Button18, {}, QStringLiteral("請輸入之下的期數")},
      {sheet.cb_prediction, "2", sheet.Button18, "之下2期", {}},
      {sheet.cbis_2, "\b", sheet.Button17, {}, QStringLiteral("請輸入取最近的期數")},
  };
  for (const Case& c : cases) {
    w.guard.recorder.messages.clear();
    const std::string before = w.window->state().period_title;
    type_into(c.box, c.typed, test_input::Finish::Leave);
    c.query->click();
    const std::string title = w.window->state().period_title;
    if (c.title.empty()) {
      QCOMPARE(w.messages(), QStringList{c.message});
      QCOMPARE(title, before);
    } else {
      QVERIFY2(w.messages().isEmpty(), qPrintable(c.typed));
      QVERIFY2(title == c.title || title.find(c.title) != std::string::npos, title.c_str());
    }
  }
}

void PeriodSheetTest::huge_pasted_memos_are_counted_or_refused() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  const std::vector<std::string> period = win.TS2->Memo1->lines();
  std::vector<std::string> pasted;
  pasted.reserve(100'000);
  while (pasted.size() < 100'000) pasted.push_back(period[pasted.size() % period.size()]);
  QElapsedTimer clock;
  clock.start();
  win.TS2->Memo1->set_lines(pasted);
  win.TS2->Button2->click();
  qInfo("100,000 pasted lines filled and counted in %lld ms", clock.elapsed());
  QVERIFY(w.messages().isEmpty());
  QCOMPARE(win.TS3->sga1->cell(0, 1).empty(), false);
  const std::string top_count = win.TS3->sga1->cell(0, 1);

  pasted.resize(3);
  pasted.push_back(std::string(1 << 20, 'x'));
  clock.restart();
  win.TS2->Memo1->set_lines(pasted);
  win.TS2->Button2->click();
  qInfo("a one-megabyte line refused in %lld ms", clock.elapsed());
  QCOMPARE(w.messages(), QStringList{QStringLiteral("第 4 行不是有效的號碼")});
  QCOMPARE(win.TS3->sga1->cell(0, 1), top_count);
}

VANTOR_TEST_CLASS(PeriodSheetTest)
#include "period_sheet_test.moc"
