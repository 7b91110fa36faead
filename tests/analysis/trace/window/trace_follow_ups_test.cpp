// The trace windows inside the program: the main window's commands open the trace window
// on their page, its buttons open the two-of-one, three-of-one and sorted windows on the
// trace on screen, 操作說明 opens the help text, and a reload reopens an open trace window
// on the new table.
#include <QAction>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTest>

#include "analysis/trace/sorted_grid.h"
#include "analysis/trace/window/single_number_sheet.h"
#include "analysis/trace/window/tform_zu_grid_sort.h"
#include "analysis/trace/window/tform_zu_threeforone.h"
#include "analysis/trace/window/tform_zu_twoforone.h"
#include "analysis/statistics/window/tform_zu_no_analysis.h"
#include "app/tform_zu_help.h"
#include "app/tform_zu_main.h"
#include "core/text_file.h"
#include "support/app_fixture.h"
#include "support/trace_window_fixture.h"
#include "support/test_classes.h"

using namespace trace_fixture;

namespace {

struct TraceApp : AppFixture {
  TraceApp() : AppFixture(draw_file(test_support::hand_made_history(random_draws()))) {
    start(core::Date{2020, 12, 31});
    app->windows().open("N3Click");
  }
  TForm_zu_trace_single& trace() { return app->window<TForm_zu_trace_single>(); }
  const trace::TraceResult& shown() { return trace().shown()->result; }
  ui::DialogRecorder& recorder() { return dialogs.recorder; }
};

}  // namespace

class TraceFollowUpsTest : public QObject {
  Q_OBJECT

 private slots:
  void commands_open_the_trace_window_on_their_page();
  void two_of_one_and_three_of_one_show_the_ranked_choices();
  void sorted_display_keeps_its_trace_and_saves_it();
  void help_and_reload();
  void number_analysis_reads_the_trace_on_screen();
};

void TraceFollowUpsTest::commands_open_the_trace_window_on_their_page() {
  TraceApp f;
  const struct {
    const char* command;
    const char* menu_text;
    int page;
  } cases[] = {{"N12Click", "不定位雙星拖牌", 1}, {"N14Click", "大小定位拖牌", 3}, {"N15Click", "落球定位拖牌", 4},
               {"N19Click", "大小加減版路", 5},   {"N3Click", "不定位單支拖牌", 0}};
  QStringList menu;
  for (const QAction* action : f.app->main_window().tools_menu->actions()) menu << action->text();
  for (const auto& c : cases) {
    QVERIFY(menu.contains(QString::fromUtf8(c.menu_text)));
    // Closed, the command opens the window afresh; open, it only changes the page.
    if (c.page == 1) f.trace().hide();
    QVERIFY(f.app->windows().open(c.command));
    QVERIFY(f.trace().isVisible());
    QCOMPARE(f.trace().PageControl1->currentIndex(), c.page);
    QVERIFY(f.trace().PageControl1->tabBar()->tabTextColor(c.page).isValid());
  }
  QVERIFY(f.recorder().shown_modal.isEmpty());  // the trace window never blocks
}

void TraceFollowUpsTest::two_of_one_and_three_of_one_show_the_ranked_choices() {
  TraceApp f;
  const trace::TraceResult& shown = f.shown();
  const QString rows = "拖牌總期數 " + QString::number(shown.trace_row_count());

  f.trace().TabSheet1->pairs->click();
  auto& two = f.app->window<TForm_zu_twoforone>();
  QVERIFY(f.recorder().shown_modal.contains(&two));
  const auto pairs = trace::rank_pairs(shown.row_marks, 39);
  QCOMPARE(items(two.ComboBox1), qlist(trace::choice_items(pairs, 100)));
  choose(two.ComboBox1, 7);
  QCOMPARE(two.Label2->text(), rows);
  QCOMPARE(two.Label3->text(), "二中一期數 " + QString::number(pairs[7].union_count));
  QCOMPARE(two.Label4->text(), "開出號碼數 " + QString::number(pairs[7].hit_count));
  QCOMPARE(two.sg1->grid().column(3), shown.grid.column(pairs[7].numbers[1] + 1));

  f.trace().TabSheet1->triples->click();
  auto& three = f.app->window<TForm_zu_threeforone>();
  QVERIFY(f.recorder().shown_modal.contains(&three));
  const auto triples = trace::rank_triples(shown.row_marks, 39);
  QCOMPARE(three.ComboBox1->count(), static_cast<int>(std::min<std::size_t>(triples.size(), 1000)));
  if (!triples.empty()) QCOMPARE(three.Label3->text(), "三中一期數 " + QString::number(triples[0].union_count));
  // Only numbers 1..39 choose a column: 40..42 would be the spacer and tail columns. A
  // refused choice is said, and the box shows again the choice whose columns stand.
  const core::TextGrid before = three.sg1->grid();
  const QString counts = three.Label3->text();
  const QString chosen = three.ComboBox1->currentText();
  f.recorder().messages.clear();
  type_into(three.ComboBox1, QStringLiteral("40.41.42"));
  type_into(three.ComboBox1, QStringLiteral("05.41.42"), test_input::Finish::Leave);
  QVERIFY(same_grid(three.sg1->grid(), before));
  QCOMPARE(three.Label3->text(), counts);
  QCOMPARE(three.ComboBox1->currentText(), chosen);
  QCOMPARE(f.recorder().messages.size(), 2);
  QVERIFY(f.recorder().messages.last().text.startsWith(QStringLiteral("「05.41.42」不是有效的三中一號碼")));
}

void TraceFollowUpsTest::sorted_display_keeps_its_trace_and_saves_it() {
  TraceApp f;
  const trace::TraceResult shown = f.shown();
  f.trace().TabSheet1->sorted->click();
  auto& sorted = f.app->window<TForm_zu_grid_sort>();
  QVERIFY(sorted.isVisible());
  QVERIFY(!f.recorder().shown_modal.contains(&sorted));
  const core::TextGrid expected = trace::sorted_grid(shown.grid, shown.keys, 39);
  QVERIFY(same_grid(sorted.sgmap->grid(), expected));

  f.trace().TabSheet1->back->click();  // the trace window moves on, the sorted display stays
  QVERIFY(same_grid(sorted.sgmap->grid(), expected));
  QTemporaryDir dir;
  f.recorder().save_answers << dir.filePath("sorted.txt");
  sorted.N1->trigger();
  QCOMPARE(core::read_lines(dir.filePath("sorted.txt").toStdString()).value(), trace::text_form(expected, 39));
}

void TraceFollowUpsTest::help_and_reload() {
  TraceApp f;
  f.trace().N3->trigger();
  QCOMPARE(f.messages().last(), QStringLiteral("說明檔 help_single.txt 不存在"));
  f.write("help_single.txt", "trace help\r\n");
  f.trace().N3->trigger();
  auto& help = f.app->window<TForm_zu_help>();
  QVERIFY(f.recorder().shown_modal.contains(&help));
  QCOMPARE(help.mm->lines(), std::vector<std::string>{"trace help"});

  // One more draw in the file: the open trace window opens again on it.
  core::DrawHistory more = test_support::hand_made_history(random_draws(kDraws + 1));
  f.write("TW539.txt", draw_file(more));
  QVERIFY(f.app->main_window().load_sequence());
  QCOMPARE(text(f.trace().TabSheet1->cb_latest), more.issue_no[kDraws]);
  QCOMPARE(f.trace().table().draw_count(), kDraws + 1);
  QCOMPARE(f.trace().PageControl1->currentIndex(), 0);
}

void TraceFollowUpsTest::number_analysis_reads_the_trace_on_screen() {
  TraceApp f;
  QVERIFY(f.trace().N1->isEnabled());
  f.trace().N1->trigger();
  auto& analysis = f.app->window<TForm_zu_no_analysis>();
  QVERIFY(f.recorder().shown_modal.contains(&analysis));
  QCOMPARE(analysis.rules->lb_ruletitle->text().toStdString(), f.shown().title);
  const trace::TraceExport expected = trace::export_trace(f.shown(), f.trace().shown()->export_bound);
  QVERIFY(!expected.rows.empty());
  QCOMPARE(analysis.trace_rows().rows.size(), expected.rows.size());
  QCOMPARE(analysis.trace_rows().rows.front().issue, expected.rows.front().issue);
  QCOMPARE(analysis.trace_rows().rows.back().marks, expected.rows.back().marks);
}

VANTOR_TEST_CLASS(TraceFollowUpsTest)
#include "trace_follow_ups_test.moc"
