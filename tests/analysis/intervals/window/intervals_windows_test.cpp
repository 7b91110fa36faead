// The number interval and double-trace windows' wiring: what a showing computes, what the
// boxes and buttons ask of the computations, and refusals that keep the window usable.
// The gaps, matches and rules themselves are tested without a window.
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTest>
#include <random>

#include "analysis/intervals/window/tform_zu_ai2_stk_3xx.h"
#include "analysis/intervals/window/tform_zu_no_interval.h"
#include "support/combo_input.h"
#include "support/hand_made_draws.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

using test_input::choose;
using test_input::type_into;

namespace {

// Small numbers make repeats, and so double traces and rules, common.
core::DrawHistory small_number_history(int draws) {
  std::mt19937 rng(39);
  return test_support::hand_made_history(test_support::random_draws(rng, draws, 10));
}

QStringList lines_of(const std::vector<std::string>& lines) {
  QStringList all;
  for (const auto& line : lines) all << QString::fromStdString(line);
  return all;
}

void click_label(QLabel* label) {
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), label->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(label, &release);
}

struct TraceFixture {
  ui::ScopedRecorder dialogs;
  core::DrawHistory history = small_number_history(60);
  core::DrawTable writer{history};
  TForm_zu_ai2_stk_3xx window{writer};
  intervalswin::TracePanel& panel = *window.Panel1;

  TraceFixture() { window.show(); }
  [[nodiscard]] intervals::DoubleTraceView view_of(int rule) const {
    return intervals::show_double_trace(history, window.search(), rule);
  }
};

}  // namespace

class IntervalsWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void interval_window_shows_the_gaps_and_the_summaries_asked_for() {
    ui::ScopedRecorder dialogs;
    core::DrawHistory history = small_number_history(200);  // more gap rows than the screen holds
    history.max_ball = 12;  // columns 11 and 12: numbers never drawn
    TForm_zu_no_interval window(history);
    window.show();
    const auto analysis = intervals::analyse_intervals(history);
    QCOMPARE(window.Label2->text().toStdString(), analysis.longest_gap);
    QCOMPARE(window.sgmap->grid().column(3), analysis.grid.column(3));
    QCOMPARE(window.cb_no->count(), 12);
    QCOMPARE(lines_of(window.Memo1->lines()), lines_of(intervals::show_no(analysis, "01")));

    type_into(window.cb_no, "07");  // typed as "0" first: no number, no lines
    QCOMPARE(lines_of(window.Memo1->lines()),
             lines_of(intervals::show_no(analysis, "01")) + lines_of(intervals::show_no(analysis, "07")));
    // The summary asked for comes into view: the memo is scrolled to its end.
    const QScrollBar* memo_bar = window.Memo1->verticalScrollBar();
    QVERIFY(memo_bar->maximum() > 0);
    QCOMPARE(memo_bar->value(), memo_bar->maximum());
    click_label(window.Label4);
    QCOMPARE(lines_of(window.Memo1->lines()), lines_of(intervals::all_summaries(analysis)));
    QCOMPARE(window.cb_no->currentText(), QStringLiteral("12"));
    window.Button3->click();
    QCOMPARE(window.Memo1->line_count(), 0);
    // Only a number has a summary: anything else is refused and the box shows its number
    // again; one digit is the number's two.
    type_into(window.cb_no, "abc");
    type_into(window.cb_no, "40");
    QCOMPARE(dialogs.recorder.texts(), (QStringList{"號碼必須是 01 到 39: abc", "號碼必須是 01 到 39: 40"}));
    QCOMPARE(window.cb_no->currentText(), QStringLiteral("12"));
    QCOMPARE(window.Memo1->line_count(), 0);
    type_into(window.cb_no, "5");
    QCOMPARE(window.cb_no->currentText(), QStringLiteral("05"));
    QCOMPARE(lines_of(window.Memo1->lines()), lines_of(intervals::show_no(analysis, "05")));
    dialogs.recorder.messages.clear();

    // Shown again, the grid starts at its first gaps, wherever it was left.
    QScrollBar* grid_bar = window.sgmap->verticalScrollBar();
    grid_bar->setValue(grid_bar->maximum());
    QVERIFY(grid_bar->value() > 0);
    window.hide();
    window.show();
    QCOMPARE(grid_bar->value(), 0);

    // The next showing computes the table as it is then.
    window.hide();
    history.draw_count = 5;
    window.show();
    QCOMPARE(window.sgmap->grid().rows(), intervals::analyse_intervals(history).grid.rows());
    QCOMPARE(window.Memo1->line_count(), 4);
    QVERIFY(dialogs.recorder.messages.isEmpty());
  }

  void first_showing_switches_to_ascending_order_and_shows_the_first_rule() {
    TraceFixture f;
    QVERIFY(f.panel.rb_ball_sort->isChecked());
    const auto& search = f.window.search();
    QVERIFY2(search.rules.size() >= 2, "the draws must hold two rules for the steps");
    QCOMPARE(f.panel.lb_tot->text(), QString("共 %1 組").arg(search.rules.size()));
    QCOMPARE(f.panel.plan->text().toStdString(), f.view_of(1).plan);
    QCOMPARE(f.window.mm->lines(), f.view_of(1).mm);

    f.panel.SpeedButton6->click();
    QCOMPARE(f.panel.lb_sortidx->text(), QStringLiteral("第 2 組"));
    QCOMPARE(f.window.sgl->grid().column(9), f.view_of(2).sgl.column(9));
    f.panel.SpeedButton2->click();
    f.panel.SpeedButton2->click();  // no rule before the first
    QCOMPARE(f.window.rule_index(), 1);

    // Shown again: the matches of the newest date listed, no rule, no steps.
    f.window.hide();
    f.window.show();
    QCOMPARE(f.panel.lb_sortidx->text(), QStringLiteral("第  0  組"));
    QCOMPARE(f.panel.lb_tot->text(), QStringLiteral("共  0  組"));
    QCOMPARE(f.panel.plan->text(), QStringLiteral("---"));
    QVERIFY(!f.panel.SpeedButton2->isEnabled() && !f.panel.SpeedButton6->isEnabled());
    QVERIFY(f.window.mm->lines().empty());
    QVERIFY(f.dialogs.recorder.messages.isEmpty());
  }

  void choosing_a_date_fills_the_boxes_from_that_draw() {
    TraceFixture f;
    const int n = f.history.draw_count;
    choose(f.panel.cb_date, 2);  // the third newest draw
    const auto balls = intervals::draw_balls(f.history, core::BallOrder::Sorted, n - 2);
    QCOMPARE(f.panel.CB_xx->currentText().toStdString(), balls[0]);
    QCOMPARE(f.panel.cb_prediction->currentText(), QStringLiteral("3"));
    QCOMPARE(f.panel.cb_d1->currentText(), QStringLiteral("2"));
    QCOMPARE(f.panel.cb_d2->currentText().toStdString(), intervals::draw_balls(f.history, core::BallOrder::Sorted, n)[0]);

    choose(f.panel.cb_d1, 0);  // Y from the same draw
    QCOMPARE(f.panel.cb_d2->currentText().toStdString(), balls[0]);
  }

  // The number boxes take one digit for two, and a double trace that never happened (or
  // happened once) gives no rule and leaves 連準 as the user set it.
  void a_number_that_never_came_gives_no_rule() {
    TraceFixture f;  // balls 01..10 only
    type_into(f.panel.cb_lan, "2");
    type_into(f.panel.CB_xx, "11");
    QCOMPARE(f.window.search().query.x, std::string("11"));
    QVERIFY(f.window.search().matches.empty());
    QCOMPARE(f.panel.cb_lan->currentText(), QStringLiteral("2"));
    QCOMPARE(f.panel.lb_sortidx->text(), QStringLiteral("第 0 組"));
    QCOMPARE(f.panel.lb_tot->text(), QStringLiteral("共 0 組"));
    QCOMPARE(f.panel.plan->text(), QStringLiteral("無"));
    QVERIFY(!f.panel.SpeedButton2->isEnabled() && !f.panel.SpeedButton6->isEnabled());
    QVERIFY(f.window.mm->lines().empty());
    QCOMPARE(f.window.sgl->grid().rows(), 2);
    QCOMPARE(f.window.sgl->model()->headerData(12, Qt::Horizontal).toString(), QStringLiteral("命中"));

    type_into(f.panel.CB_xx, "5");
    QCOMPARE(f.window.search().query.x, std::string("05"));
    QCOMPARE(f.window.search().query.run, 2);
    QVERIFY(f.window.search().matches.size() >= 2);
    QVERIFY(f.dialogs.recorder.messages.isEmpty());
  }

  // 搜尋 after a half-typed date (no Enter, no leaving the box) searches that date: the
  // grid, the memo and the labels belong to the date the box shows.
  void search_finishes_a_half_typed_date_first() {
    TraceFixture f;
    const int n = f.history.draw_count;
    const std::string date = intervals::recent_dates(f.history, 3)[2];
    type_into(f.panel.cb_date, QString::fromStdString(date), test_input::Finish::None);
    QTest::mouseClick(f.panel.SpeedButton4, Qt::LeftButton);
    QCOMPARE(f.panel.cb_date->currentText().toStdString(), date);
    QCOMPARE(f.window.search().query.base_draw, n - 2);
    QCOMPARE(f.window.search().query.x, f.panel.CB_xx->currentText().toStdString());
    QCOMPARE(f.window.sgl->grid().column(9), f.view_of(1).sgl.column(9));
    QCOMPARE(f.window.mm->lines(), f.view_of(1).mm);
    QCOMPARE(f.panel.plan->text().toStdString(), f.view_of(1).plan);
    // A half-typed X that names no number is refused before 搜尋 runs; the box shows X again.
    const QString x = f.panel.CB_xx->currentText();
    const auto shown = f.window.search();
    type_into(f.panel.CB_xx, "40", test_input::Finish::None);
    QTest::mouseClick(f.panel.SpeedButton4, Qt::LeftButton);
    QCOMPARE(f.dialogs.recorder.texts(), QStringList{"號碼必須是 01 到 39: 40"});
    QCOMPARE(f.panel.CB_xx->currentText(), x);
    QCOMPARE(f.window.search().rules, shown.rules);
    // 下一組 after a half-typed Y steps through the rules of the search for that Y.
    const QString y = f.panel.cb_d2->currentText() == "01" ? "02" : "01";
    type_into(f.panel.cb_d2, y, test_input::Finish::None);
    QTest::mouseClick(f.panel.SpeedButton6, Qt::LeftButton);
    QCOMPARE(f.window.search().query.y, y.toStdString());
    if (f.window.search().rules.size() >= 2) QCOMPARE(f.window.rule_index(), 2);
    QCOMPARE(f.window.mm->lines(), f.view_of(f.window.rule_index()).mm);
  }

  // A search of few matches lowers 連準 for itself alone and says so beside the box; the
  // next search runs with the user's 連準 again.
  void few_matches_lower_the_run_for_that_search_only() {
    TraceFixture f;
    type_into(f.panel.cb_lan, "40");
    f.panel.SpeedButton4->click();
    const int used = f.window.search().query.run;
    QVERIFY(used < 40);
    QCOMPARE(f.panel.cb_lan->currentText(), QStringLiteral("40"));
    QCOMPARE(f.panel.lb_lan_note->text(), QStringLiteral("符合期數不足，本次以連準 %1 版搜尋").arg(used));
    type_into(f.panel.cb_lan, "2");
    f.panel.SpeedButton4->click();
    QCOMPARE(f.window.search().query.run, 2);
    QVERIFY(f.panel.lb_lan_note->text().isEmpty());
  }

  void both_windows_open_on_an_empty_table() {
    ui::ScopedRecorder dialogs;
    core::DrawHistory empty;
    TForm_zu_no_interval intervals_window(empty);
    intervals_window.show();
    QCOMPARE(intervals_window.Label2->text(), QStringLiteral("0期  "));
    core::DrawTable empty_writer(empty);
    TForm_zu_ai2_stk_3xx trace_window(empty_writer);
    trace_window.show();
    QVERIFY(dialogs.recorder.messages.isEmpty());
    trace_window.Panel1->SpeedButton4->click();
    QCOMPARE(dialogs.recorder.texts(), QStringList{"沒有開獎資料"});
    QCOMPARE(trace_window.sgl->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("預測 "));
  }

  void refusals_keep_the_window_usable_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("messages");
    // A date is looked up once typed whole; a refused entry gives its box back the text
    // the rules on display belong to, so 搜尋 says nothing more; 連準 is read by 搜尋 only.
    QTest::newRow("unknown date") << "cb_date" << "1999/01/01" << QStringList{"沒有這個日期的開獎資料: 1999/01/01"};
    QTest::newRow("distance not a number") << "cb_d1" << "x"
                                           << QStringList{"「x」不是有效的整數"};
    QTest::newRow("distance past the newest draw") << "cb_d1" << "9"
                                                   << QStringList{"且下期數必須是 0 到 0: 9"};
    QTest::newRow("X not a number") << "CB_xx" << "x" << QStringList{"號碼必須是 01 到 39: x"};
    QTest::newRow("X above 39") << "CB_xx" << "40" << QStringList{"號碼必須是 01 到 39: 40"};
    QTest::newRow("Y below 01") << "cb_d2" << "0" << QStringList{"號碼必須是 01 到 39: 0"};
    QTest::newRow("run below 1") << "cb_lan" << "0" << QStringList{"連準必須至少為 1: 0"};
    QTest::newRow("run not a number") << "cb_lan" << "x" << QStringList{};
  }

  void refusals_keep_the_window_usable() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QStringList, messages);
    TraceFixture f;
    auto* typed_box = f.panel.findChild<QComboBox*>(box);
    const QString kept = typed_box->currentText();
    const auto search = f.window.search();
    const QString tot = f.panel.lb_tot->text(), later = f.panel.cb_d1->currentText();
    type_into(typed_box, typed);
    f.panel.SpeedButton4->click();
    QCOMPARE(f.dialogs.recorder.texts(), messages);
    if (box != "cb_lan") QCOMPARE(typed_box->currentText(), kept);  // the text the rules belong to
    QCOMPARE(f.panel.cb_d1->currentText(), later);
    QCOMPARE(f.window.search().matches, search.matches);
    if (!messages.isEmpty()) {  // the last search stays on display
      QCOMPARE(f.window.search().rules, search.rules);
      QCOMPARE(f.panel.lb_tot->text(), tot);
    }
    if (typed == "x" && box == "cb_lan") {  // the matches listed without rules
      QCOMPARE(f.window.sgl->grid().rows(), static_cast<int>(search.matches.size()) + 2);
      QCOMPARE(f.panel.lb_tot->text(), QStringLiteral("共 0 組"));
      QVERIFY(!f.panel.SpeedButton6->isEnabled());
    }
  }
};

VANTOR_TEST_CLASS(IntervalsWindowsTest)
#include "intervals_windows_test.moc"
