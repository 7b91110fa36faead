// The workbench's pillar optimisations driven through TS5: computer-arranged pillars,
// the fixed-shape analyses and the best-subset runs with their stop buttons.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <functional>

#include "support/during_run.h"
#include "support/workbench_fixture.h"
#include "pillars/optimise_texts.h"
#include "ui/controls.h"
#include "ui/logo.h"
#include "support/test_classes.h"

using fixture::lines;
using fixture::text;
using fixture::Workbench;
namespace t = pillars::optimise_text;

class OptimisePanelTest : public QObject {
  Q_OBJECT

 private slots:
  void fixed_shapes_refuse_wrong_selection_sizes();
  void fixed_shapes_report_and_load_the_winner();
  void ten_number_shape_follows_the_priority();
  void computer_arranged_pillars();
  void eight_of_twelve_run_writes_its_report();
  void best_subset_refusals();
  void a_ten_of_fifteen_stop_reports_from_the_fifth_subset_on();
  void screenshots();
};

void OptimisePanelTest::fixed_shapes_refuse_wrong_selection_sizes() {
  Workbench w(30);
  TForm_bestpillars& win = *w.window;
  w.select({1, 2, 3, 4, 5, 6, 7});
  win.TS5->optimise->Button12->click();
  QCOMPARE(w.messages(), QStringList{ui::qs(t::kNeedEight)});
  QCOMPARE(w.page(), win.TS4);
  QCOMPARE(text(win.TS4->cb9), std::string("8"));
  w.select({8});
  win.PageC->setCurrentWidget(win.TS5);
  win.TS5->optimise->Button28->click();
  QCOMPARE(w.messages().last(), ui::qs(t::kNeedNine));
  QCOMPARE(text(win.TS4->cb9), std::string("9"));
  win.TS5->optimise->Button30->click();
  QCOMPARE(text(win.TS4->cb9), std::string("10"));
  QCOMPARE(win.TS6->Memo2->line_count(), 30);  // still the period list
}

void OptimisePanelTest::fixed_shapes_report_and_load_the_winner() {
  Workbench w(30);
  TForm_bestpillars& win = *w.window;
  ui::set_text(win.TS5->CB_Select, "6");
  win.TS5->CB_SelectChange();
  w.select({1, 2, 3, 4, 5, 6, 7, 8});
  win.TS5->optimise->Button12->click();
  QCOMPARE(w.page(), win.TS6);
  QStringList memo2 = lines(win.TS6->Memo2);
  QCOMPARE(memo2[0], ui::qs(t::kTitle2x2x2x2));
  QCOMPARE(memo2[4], QStringLiteral("您選擇的立柱號碼( 8 碼)"));
  QCOMPARE(memo2[5], QStringLiteral("01,02,03,04,05,06,07,08"));
  QCOMPARE(text(win.TS5->CB_Select), std::string("4"));
  QCOMPARE(text(win.TS5->cb_pillar[5]), std::string("0"));
  QCOMPARE(text(win.TS5->cb_pillar[6]), std::string("0"));
  QVERIFY(!win.TS5->cb_pillar[5]->isEnabled());
  // The first row's pillars are loaded into Mx1..Mx4 and pillar_no.
  const QString first_row = memo2[13];
  QString loaded;
  for (int i = 1; i <= 4; ++i) loaded += "(" + lines(win.TS5->mx_pillar[i]).join(",") + ")" + (i < 4 ? " x " : "");
  QVERIFY2(first_row.endsWith("---" + loaded), qPrintable(first_row + " / " + loaded));
  QCOMPARE(QString::fromStdString(win.state().pillar_no[0][0]), lines(win.TS5->mx_pillar[1])[0]);

  // The loaded winner verifies like any typed pillars.
  win.TS5->Button27->click();
  QVERIFY(lines(win.TS6->Memo2).contains(QStringLiteral("成本二星 24 碰")));

  win.TS5->optimise->Button29->click();
  QCOMPARE(lines(win.TS6->Memo2)[0], ui::qs(t::kTitle1x1x2x2x2));
  QCOMPARE(text(win.TS5->CB_Select), std::string("5"));
  QCOMPARE(win.TS5->mx_pillar[1]->line_count(), 1);
  QCOMPARE(win.TS5->lb_tot->text(), QStringLiteral("共= 91 碰"));
}

void OptimisePanelTest::ten_number_shape_follows_the_priority() {
  Workbench w(30);
  TForm_bestpillars& win = *w.window;
  w.select({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  win.TS5->optimise->RG1_items[2]->click();
  win.TS5->optimise->Button30->click();
  QStringList memo2 = lines(win.TS6->Memo2);
  QCOMPARE(memo2[0], ui::qs(t::kTitle2x2x3x3));
  QCOMPARE(memo2[11], QStringLiteral("以下按二星優先，二-三-四星開出統計排列"));
  QVERIFY(memo2[13].startsWith(QStringLiteral("二星")));
  win.TS5->optimise->RG1_items[0]->click();
  win.TS5->optimise->Button30->click();
  QVERIFY(lines(win.TS6->Memo2)[13].startsWith(QStringLiteral("四星")));
  QCOMPARE(win.TS5->mx_pillar[4]->line_count(), 3);

  w.select({10});  // nine numbers now
  win.TS5->optimise->Button28->click();
  QCOMPARE(lines(win.TS6->Memo2)[0], ui::qs(t::kTitle3x3x3));
  QVERIFY(lines(win.TS6->Memo2)[13].startsWith(QStringLiteral("三星")));
  QCOMPARE(text(win.TS5->CB_Select), std::string("3"));
}

void OptimisePanelTest::computer_arranged_pillars() {
  Workbench w(30);
  TForm_bestpillars& win = *w.window;
  w.select({1, 2, 3, 4});
  win.TS5->optimise->Button19->click();
  QCOMPARE(w.messages(), QStringList{ui::qs(t::kArrangeRange)});
  QCOMPARE(w.page(), win.TS4);

  w.select({5, 6, 7, 8, 9});  // nine numbers, pillars of 2, 2, 2, 2
  win.PageC->setCurrentWidget(win.TS5);
  win.TS5->optimise->Button19->click();
  QCOMPARE(w.messages().last(), ui::qs(t::kArrangeTotal));
  QCOMPARE(w.page(), win.TS5);

  w.select({9});
  win.TS6->Memo2->set_lines({"stale"});
  win.TS5->optimise->Button19->click();
  QCOMPARE(w.page(), win.TS6);
  QCOMPARE(w.messages().size(), 2);
  QStringList placed;
  for (int i = 1; i <= 4; ++i) placed += lines(win.TS5->mx_pillar[i]);
  placed.sort();
  QCOMPARE(placed, (QStringList{"01", "02", "03", "04", "05", "06", "07", "08"}));
  QCOMPARE(win.TS5->optimise->MM_2->line_count(), 28);
  QCOMPARE(win.TS5->optimise->MM3_2->line_count(), 56);
  const QStringList memo2 = lines(win.TS6->Memo2);
  QVERIFY(memo2[0].contains(QStringLiteral(",|,")));
  QVERIFY(memo2.contains(QStringLiteral("開出星星統計")));
}

void OptimisePanelTest::eight_of_twelve_run_writes_its_report() {
  Workbench w(12);
  TForm_bestpillars& win = *w.window;
  QTemporaryDir dir;
  win.set_working_dir(dir.path());
  w.select_range(1, 12);
  win.PageC->setCurrentWidget(win.TS5);
  bool disabled_while_running = false, open_while_running = false;
  DuringRun probe([&] { return win.busy(); },
                  [&] {
                    disabled_while_running = !win.TS2->Button1->isEnabled() && !win.TS5->optimise->Button12->isEnabled() &&
                                             !win.TS5->optimise->RG1_items[1]->isEnabled() && !win.TS2->Memo1->isEnabled() &&
                                             win.TS5->optimise->btn_stop->isEnabled() && win.TS5->optimise->btn_stop->isVisible() &&
                                             win.TS6->Memo2->line_count() == 0;
                    win.close();  // the run still uses the window
                    win.reject();
                    open_while_running = win.isVisible();
                  });
  win.TS5->optimise->Button31->click();
  QVERIFY(probe.done());
  QVERIFY(disabled_while_running);
  QVERIFY(open_while_running);
  QVERIFY(win.TS2->Memo1->isEnabled());
  QVERIFY(win.TS5->cb_pillar[4]->isEnabled());
  QVERIFY(!win.TS5->cb_pillar[5]->isEnabled());
  QVERIFY(!win.busy());
  QVERIFY(win.TS2->Button1->isEnabled());
  QVERIFY(!win.TS5->optimise->btn_stop->isVisible());
  QCOMPARE(win.TS5->optimise->Button31->text(), ui::qs(t::kEightOfTwelveCaption));
  QCOMPARE(w.page(), win.TS6);

  const QStringList memo2 = lines(win.TS6->Memo2);
  QCOMPARE(memo2[0], ui::qs(t::kTitleEightOfTwelve));
  QCOMPARE(memo2.last(), QStringLiteral("( 計算時間 2009/12/31 09:30:00 - 2009/12/31 09:30:00 )"));
  QCOMPARE(memo2.filter(QStringLiteral("【沒有用到的號碼：")).size(), 20);
  QCOMPARE(win.TS5->mx_pillar[1]->line_count(), 2);

  QFile file(QDir(dir.path()).filePath("C12_8.txt"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll().count("\r\n"), memo2.size());

  // A folder that cannot take the file: the report still stands in Memo2, and the user
  // is told the file was not written.
  QVERIFY(w.messages().isEmpty());
  win.set_working_dir(dir.filePath("missing/folder"));
  win.TS6->Memo2->clear_lines();
  win.TS5->optimise->Button31->click();
  QCOMPARE(lines(win.TS6->Memo2), memo2);
  QCOMPARE(w.guard.recorder.messages.size(), 1);
  QCOMPARE(w.guard.recorder.messages[0].kind, ui::MessageKind::Error);
  QVERIFY(w.messages()[0].contains(QStringLiteral("missing/folder/C12_8.txt")));
  QVERIFY(!win.busy());
  QCOMPARE(w.page(), static_cast<QWidget*>(win.TS6));
}

void OptimisePanelTest::best_subset_refusals() {
  Workbench w(12);
  TForm_bestpillars& win = *w.window;
  w.select_range(1, 11);
  win.TS5->optimise->Button31->click();
  QCOMPARE(w.messages(), QStringList{ui::qs(t::kNeedTwelve)});
  QCOMPARE(text(win.TS4->cb9), std::string("12"));
  QCOMPARE(w.page(), win.TS4);
  QVERIFY(!win.TS5->optimise->btn_stop->isVisibleTo(&win));

  win.TS5->optimise->Button32->click();  // answered No: nothing happens, not even the size check
  QCOMPARE(w.guard.recorder.questions, QStringList{ui::qs(t::kConfirmTenOfFifteen)});
  QCOMPARE(w.messages().size(), 1);
  w.guard.recorder.confirm_answers << true;
  win.TS5->optimise->Button32->click();
  QCOMPARE(w.messages().last(), ui::qs(t::kNeedFifteen));
  QCOMPARE(text(win.TS4->cb9), std::string("15"));
  QVERIFY(!win.TS5->optimise->lb_percent->isVisibleTo(&win));
}

void OptimisePanelTest::a_ten_of_fifteen_stop_reports_from_the_fifth_subset_on() {
  struct Case {
    const char* counter;  // the counter shown when stop is pressed
    QString caption;      // the command's caption then
    int reported;         // subsets in the report; 0: no report
  };
  const Case cases[] = {{"4 / 3003", QStringLiteral("0.13%處理中"), 0}, {"5 / 3003", QStringLiteral("0.17%處理中"), 5}};
  for (const Case& c : cases) {
    Workbench w(20);
    TForm_bestpillars& win = *w.window;
    bestpillarswin::OptimisePanel& panel = *win.TS5->optimise;
    QTemporaryDir dir;
    win.set_working_dir(dir.path());
    w.select_range(1, 15);
    w.guard.recorder.confirm_answers << true;
    QString caption_during_run;
    // Noticed before the next subset: the counter's subsets are all that was computed.
    DuringRun stop([&] { return panel.lb_percent->text() == QLatin1String(c.counter); },
                   [&] {
                     caption_during_run = panel.Button32->text();
                     panel.btn_stop_1510->click();
                   });
    panel.Button32->click();
    QVERIFY2(stop.done(), c.counter);
    QCOMPARE(caption_during_run, c.caption);
    QCOMPARE(panel.Button32->text(), ui::qs(t::kTenOfFifteenCaption));
    QVERIFY(!panel.lb_percent->isVisibleTo(&win));
    QVERIFY(!panel.btn_stop_1510->isVisibleTo(&win));
    QVERIFY(!win.busy());
    QVERIFY(win.TS7->Button9->isEnabled());
    QCOMPARE(QFile::exists(QDir(dir.path()).filePath("C15_10.txt")), c.reported > 0);
    const QStringList memo2 = lines(win.TS6->Memo2);
    if (c.reported == 0) {
      QVERIFY(memo2.isEmpty());
      continue;
    }
    QCOMPARE(memo2[0], ui::qs(t::kTitleTenOfFifteen));
    QCOMPARE(memo2.filter(QStringLiteral("【沒有用到的號碼：")).size(), c.reported);
    QCOMPARE(memo2[memo2.size() - 2], QStringLiteral("※ 以上結果為計算所有組合之 ﹙5 / 3003 ﹚"));
    QCOMPARE(w.page(), static_cast<QWidget*>(win.TS6));
    QCOMPARE(win.TS5->mx_pillar[3]->line_count(), 3);
  }
}

// Pictures of every sheet for a person to look at: set VANTOR_SCREENSHOT_DIR.
void OptimisePanelTest::screenshots() {
  const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOT_DIR");
  if (folder.isEmpty()) QSKIP("VANTOR_SCREENSHOT_DIR not set");
  const auto save = [&](TForm_bestpillars& win, const QString& name) {
    win.grab().save(QDir(folder).filePath(QStringLiteral("bestpillars_%1.png").arg(name)));
  };
  Workbench w(120);
  TForm_bestpillars& win = *w.window;
  QTemporaryDir reports;
  win.set_working_dir(reports.path());
  win.set_logo(ui::game_logo(ui::Game::Daily539));
  w.select({3, 7, 12, 18, 21, 25, 30, 33, 36, 38});
  win.TS3->SpeedButton2->click();
  win.TS3->SpeedButton3->click();
  win.TS3->SpeedButton1->click();
  win.TS5->optimise->Button30->click();
  for (int page = 0; page < win.PageC->count(); ++page) {
    win.PageC->setCurrentIndex(page);
    QTest::qWait(50);
    save(win, QStringLiteral("TS%1").arg(page + 2));
  }

  // TS5 during a 10-of-15 run, TS6 with its report.
  w.select({1, 5, 9, 14, 27});
  w.guard.recorder.confirm_answers << true;
  win.PageC->setCurrentWidget(win.TS5);
  DuringRun stop([&] { return win.TS5->optimise->lb_percent->text() == QStringLiteral("40 / 3003"); },
                 [&] {
                   save(win, QStringLiteral("TS5_running"));
                   win.TS5->optimise->btn_stop_1510->click();
                 });
  win.TS5->optimise->Button32->click();
  QTest::qWait(50);
  save(win, QStringLiteral("TS6_10_of_15"));

  // A long selection caption wraps at the blank before its 16th number.
  w.select_range(16, 30);
  win.PageC->setCurrentWidget(win.TS5);
  QTest::qWait(50);
  save(win, QStringLiteral("TS5_thirty"));
}

VANTOR_TEST_CLASS(OptimisePanelTest)
#include "optimise_panel_test.moc"
