// TS5 "選擇柱數": pillar count and sizes with their cost, and the manual pillar
// verification whose report the pillar report sheet shows.
#include <QImage>
#include <QLabel>
#include <QTest>

#include "core/ball_text.h"
#include "pillars/messages.h"
#include "ui/busy_guard.h"
#include "ui/memo.h"
#include "support/workbench_fixture.h"
#include "support/test_classes.h"

using fixture::lines;
using fixture::text;
using fixture::type_into;
using fixture::Workbench;

class PillarSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void pillar_count_and_sizes_set_the_cost();
  void typed_pillar_entries_take_effect_as_shown();
  void manual_pillar_verification();
  void verification_stops_when_its_requery_is_refused();
  void pillar_boxes_keep_their_state_across_a_long_command();
  void pillar_memos_are_white_when_enabled_and_silver_when_not();
};

// The colour the user sees in the middle of a memo.
static QColor shown_colour(ui::Memo* memo) {
  const QImage picture = memo->grab().toImage();
  return picture.pixelColor(picture.width() / 2, picture.height() / 2);
}

void PillarSheetTest::pillar_memos_are_white_when_enabled_and_silver_when_not() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  win.PageC->setCurrentWidget(win.TS5);
  const QColor white(Qt::white), silver(192, 192, 192);
  for (const char* count : {"5", "6", "3", "8", "4"}) {
    type_into(win.TS5->CB_Select, count);
    for (int i = 1; i <= 8; ++i) {
      const bool active = i <= std::atoi(count);
      QCOMPARE(win.TS5->mx_pillar[i]->isEnabled(), active);
      QCOMPARE(shown_colour(win.TS5->mx_pillar[i]), active ? white : silver);
    }
  }
  {
    ui::BusyGuard busy(&win);  // a long run disables every pillar box: all of them look it
    for (int i = 1; i <= 8; ++i) QCOMPARE(shown_colour(win.TS5->mx_pillar[i]), silver);
  }
  QCOMPARE(shown_colour(win.TS5->mx_pillar[1]), white);
}

void PillarSheetTest::pillar_count_and_sizes_set_the_cost() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  QCOMPARE(text(win.TS5->CB_Select), std::string("4"));
  QCOMPARE(win.TS5->lb_pon2->text(), QStringLiteral("二星= 24 碰"));
  QCOMPARE(win.TS5->lb_tot->text(), QStringLiteral("共= 72 碰"));
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
  QCOMPARE(win.state().pillar_total(), 10);

  type_into(win.TS5->CB_Select, "9");
  type_into(win.TS5->cb_pillar[2], "9");
  QCOMPARE(w.messages(), (QStringList{QString::fromUtf8(pillars::msg::kPillarCountOutOfRange.data()),
                                      QString::fromUtf8(pillars::msg::kPillarSizeOutOfRange.data())}));
  QCOMPARE(win.state().pillar_count, 4);
  QCOMPARE(win.TS5->lb_tot->text(), QStringLiteral("共= 133 碰"));
}

// Typed as a user types (no Enter, the box then left), an entry takes effect for the text
// the box shows; after reopening, only the pillars the cost counts can be filled, and the
// verification checks every pillar the cost counts.
void PillarSheetTest::typed_pillar_entries_take_effect_as_shown() {
  using test_input::Finish;
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  bestpillarswin::PillarSheet& sheet = *win.TS5;
  win.PageC->setCurrentWidget(&sheet);
  type_into(sheet.cb_pillar[1], "1", Finish::Leave);
  QCOMPARE(text(sheet.cb_pillar[1]), std::string("1"));
  QCOMPARE(win.state().pillar_total(), 7);
  QCOMPARE(sheet.lb_pon2->text(), QStringLiteral("二星= 18 碰"));  // sizes 1, 2, 2, 2

  type_into(sheet.CB_Select, "3", Finish::Leave);
  QVERIFY(!sheet.cb_pillar[4]->isEnabled());
  QCOMPARE(text(sheet.cb_pillar[4]), std::string("0"));
  QCOMPARE(sheet.lb_pon2->text(), QStringLiteral("二星= 8 碰"));

  test_input::choose(sheet.CB_Select, sheet.CB_Select->findText("7"));
  win.hide();
  win.show();
  QCOMPARE(text(sheet.CB_Select), std::string("4"));
  for (int i = 5; i <= 8; ++i) QVERIFY(!sheet.cb_pillar[i]->isEnabled());
  type_into(sheet.CB_Select, "7", Finish::Leave);
  QCOMPARE(win.state().pillar_count, 7);
  QVERIFY(sheet.cb_pillar[7]->isEnabled());
  type_into(sheet.cb_pillar[5], "1", Finish::Leave);
  QCOMPARE(win.state().pillar_total(), 9);
  for (int i = 1, next = 1; i <= 7; ++i) {  // each memo holds as many numbers as its size
    std::vector<std::string> numbers;
    for (int k = std::stoi(text(sheet.cb_pillar[i])); k > 0; --k) numbers.push_back(core::ball_text(next++));
    sheet.mx_pillar[i]->set_lines(numbers);
  }
  sheet.Button27->click();
  const QStringList report = lines(win.TS6->Memo2);
  QVERIFY(report.contains(QStringLiteral("第5柱")) && report.contains(QStringLiteral("第7柱")));
  QVERIFY(w.messages().isEmpty());

  // An empty box that a change reads is named; the refused count goes back to 7.
  type_into(sheet.cb_pillar[2], "\b", Finish::Leave);
  type_into(sheet.CB_Select, "6", Finish::Leave);
  QCOMPARE(w.messages(), QStringList{QStringLiteral("請輸入第2柱的號碼數")});
  QCOMPARE(text(sheet.CB_Select), std::string("7"));
}

void PillarSheetTest::manual_pillar_verification() {
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

  // A memo holding more numbers than its pillar's size: refused by name, the report kept.
  win.PageC->setCurrentWidget(win.TS5);
  win.TS5->mx_pillar[3]->set_lines({"05", "06", "09"});
  win.TS5->Button27->click();
  QCOMPARE(w.messages().last(), QString::fromStdString(pillars::msg::pillar_memo_size_differs(3, 3, 2)));
  QCOMPARE(lines(win.TS6->Memo2), report);
  QCOMPARE(w.page(), win.TS5);
}

void PillarSheetTest::verification_stops_when_its_requery_is_refused() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  win.TS2->Button16->click();  // most recent 50: the clear will re-run this query
  ui::set_text(win.TS2->cbis, "zz");
  const QStringList memo1 = lines(win.TS2->Memo1);
  win.PageC->setCurrentWidget(win.TS5);
  for (int i = 1; i <= 4; ++i) win.TS5->mx_pillar[i]->set_lines({"01", "02"});  // as the sizes say
  win.TS5->Button27->click();
  QCOMPARE(w.messages().last(), QStringLiteral("「zz」不是有效的整數"));
  QVERIFY(!win.TS6->Memo2->toPlainText().contains(QStringLiteral("開出星星統計")));
  QCOMPARE(lines(win.TS2->Memo1), memo1);
  QCOMPARE(w.page(), win.TS5);
}

void PillarSheetTest::pillar_boxes_keep_their_state_across_a_long_command() {
  Workbench w(40);
  TForm_bestpillars& win = *w.window;
  ui::set_text(win.TS5->CB_Select, "6");
  win.TS5->CB_SelectChange();
  QVERIFY(win.TS5->cb_pillar[5]->isEnabled());
  win.TS3->SpeedButton2->click();  // a hot ordering disables the commands while it runs
  QVERIFY(win.TS5->cb_pillar[5]->isEnabled());
  QVERIFY(win.TS5->Button27->isEnabled());
}

VANTOR_TEST_CLASS(PillarSheetTest)
#include "pillar_sheet_test.moc"
