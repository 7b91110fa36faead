// TS4 "選擇號碼": the number, tail and head boxes, the most frequent numbers and the
// selection they make.
#include <QLabel>
#include <QTest>
#include <functional>

#include "pillars/messages.h"
#include "support/workbench_fixture.h"
#include "ui/string_grid.h"
#include "support/test_classes.h"

using fixture::lines;
using fixture::text;
using fixture::type_into;
using fixture::Workbench;
using bestpillarswin::SelectionSheet;

class SelectionSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void number_boxes_rebuild_the_selection();
  void tail_and_head_filters();
  void most_frequent_numbers_and_refusals();
  void the_limit_is_said_once_per_action();
};

void SelectionSheetTest::number_boxes_rebuild_the_selection() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  QCOMPARE(win.TS5->Label6->text(), QStringLiteral("沒有號碼"));
  for (int n = 40; n <= 49; ++n) QVERIFY(!win.TS4->no_box[n]->isVisibleTo(win.TS4));
  QVERIFY(win.TS4->no_box[39]->isVisibleTo(win.TS4));
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
  QVERIFY(win.state().sel_count() > 30);
  QCOMPARE(w.messages().count(QString::fromUtf8(pillars::msg::kSelectionOverLimit.data())),
           win.state().sel_count() - 30);
  win.TS4->Button8->click();
  QCOMPARE(win.state().sel_count(), 0);
  QCOMPARE(win.TS5->Label28->text(), QStringLiteral("  共計 0 個"));
}

void SelectionSheetTest::tail_and_head_filters() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  w.select({7});
  win.TS4->cb_tail[3]->click();
  QCOMPARE(win.state().sel_no, (std::vector<std::string>{"03", "13", "23", "33"}));
  QVERIFY(win.TS4->cb_tail[3]->font().bold());
  win.TS4->cb_head[0]->click();
  QCOMPARE(win.state().sel_count(), 12);  // 01..09 and 13, 23, 33
  win.TS4->cb_tail[3]->click();
  QCOMPARE(win.state().sel_count(), 9);
  QVERIFY(win.TS4->no_box[3]->isChecked());
  QVERIFY(!win.TS4->no_box[13]->isChecked());
  win.TS4->Button8->click();
  QVERIFY(!win.TS4->cb_head[0]->isChecked());
  QCOMPARE(win.state().sel_count(), 0);
}

void SelectionSheetTest::most_frequent_numbers_and_refusals() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  win.TS4->cb_tail[1]->click();
  ui::set_text(win.TS5->CB_Select, "6");
  win.TS4->Button7->click();  // cb9 "8"
  QCOMPARE(win.state().sel_count(), 8);
  QVERIFY(!win.TS4->cb_tail[1]->isChecked());
  for (int c = 0; c < 8; ++c)
    QVERIFY(win.TS4->no_box[std::stoi(win.TS3->sga1->cell(c, 0))]->isChecked());
  QCOMPARE(win.state().pillar_count, 6);  // the pillar-count change ran

  type_into(win.TS4->cb9, "40");
  win.TS4->Button7->click();
  QCOMPARE(w.messages().last(), QStringLiteral("熱門號碼的個數不可超過 39 個"));
  QCOMPARE(win.state().sel_count(), 8);
  type_into(win.TS4->cb9, "x");
  win.TS4->Button7->click();
  QCOMPARE(w.messages().last(), QStringLiteral("「x」不是有效的整數"));
  QCOMPARE(win.state().sel_count(), 8);
}

// A filter or command that checks many boxes says the limit once, after it, and only
// when the selection it leaves is over the limit; a click on one number box says it for
// that box.
void SelectionSheetTest::the_limit_is_said_once_per_action() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  SelectionSheet& sheet = *win.TS4;
  const QString limit = QString::fromUtf8(pillars::msg::kSelectionOverLimit.data());
  const struct {
    const char* action;
    std::function<void()> act;
    int selected;
    int said;
  } steps[] = {
      {"0 .. 2 頭", [&] { for (int h = 0; h <= 2; ++h) sheet.cb_head[h]->click(); }, 29, 0},
      {"3 頭", [&] { sheet.cb_head[3]->click(); }, 39, 1},
      {"one number off", [&] { sheet.no_box[39]->click(); }, 38, 1},
      {"清除重選", [&] { sheet.Button8->click(); }, 0, 0},
      {"1 .. 9 尾", [&] { for (int t = 1; t <= 9; ++t) sheet.cb_tail[t]->click(); }, 36, 2},
      {"35 most frequent", [&] { type_into(sheet.cb9, "35"); sheet.Button7->click(); }, 35, 1},
  };
  for (const auto& step : steps) {
    w.guard.recorder.messages.clear();
    step.act();
    QVERIFY2(win.state().sel_count() == step.selected, step.action);
    QVERIFY2(w.messages() == QStringList(step.said, limit), step.action);
  }
}

VANTOR_TEST_CLASS(SelectionSheetTest)
#include "selection_sheet_test.moc"
