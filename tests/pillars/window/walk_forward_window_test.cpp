// The walk-forward window's wiring: a short run fills the grid, the summary and the chart
// from the computation; a long one fills them while it runs, and a stopped run shows the
// steps done so far and saves where it stopped; refusals stand beside their boxes without
// a message box and without moving the other boxes, and clear an earlier result; a
// changed setting marks it; the workbench hands its selection over as the fixed set.
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <fstream>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/codepage.h"
#include "pillars/walk_forward_report.h"
#include "pillars/window/tform_zu_walk_forward.h"
#include "support/combo_input.h"
#include "support/during_run.h"
#include "support/fresh_dir.h"
#include "support/workbench_fixture.h"
#include "ui/controls.h"
#include "support/test_classes.h"

class WalkForwardWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void a_run_shows_its_steps_summary_and_chart();
  void a_stopped_run_shows_the_steps_done_so_far();
  void refusals_stand_beside_their_boxes();
  void a_changed_setting_marks_the_result();
  void the_workbench_hands_over_its_selection();
};

namespace {

struct Window {
  explicit Window(int draws) {
    fixture::load(history, draws);
    window = std::make_unique<TForm_zu_walk_forward>(history);
    window->show();
  }
  void set(QComboBox* box, const char* text) { ui::set_text(box, text); }
  core::DrawHistory history;
  ui::ScopedRecorder guard;
  std::unique_ptr<TForm_zu_walk_forward> window;
};

std::vector<std::string> grid_lines(const ui::StringGrid* grid) {
  std::vector<std::string> lines;
  for (int r = 1; r < grid->row_count(); ++r) {
    std::string line;
    for (const auto& cell : grid->grid().row(r)) line += (line.empty() ? "" : ",") + cell;
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

void WalkForwardWindowTest::a_run_shows_its_steps_summary_and_chart() {
  Window w(120);
  TForm_zu_walk_forward& win = *w.window;
  w.set(win.settings->cb_train, "40");
  w.set(win.settings->cb_test, "30");
  w.set(win.settings->cb_step, "2");
  win.settings->rb_priority[1]->setChecked(true);
  win.btn_startClick();
  QVERIFY(!win.busy());
  const pillars::WalkForwardRun* run = win.run();
  QVERIFY(run && run->finished());
  QCOMPARE(run->settings().train, 40);
  QCOMPARE(run->settings().priority, pillars::arith::Priority::three_first);
  std::vector<std::string> expected;
  for (const auto& step : run->steps()) expected.push_back(pillars::walk_step_line(step));
  QCOMPARE(grid_lines(win.TS_steps->sg_steps), expected);
  QCOMPARE(static_cast<int>(expected.size()), 15);
  const pillars::WalkSummary summary = run->summary();
  const auto lines = pillars::walk_summary_lines(summary);
  const auto memo = win.TS_summary->mm_summary->lines();
  QCOMPARE(std::vector<std::string>(memo.end() - 10, memo.end()), lines);
  // The counts the verdict rests on, beside the averages.
  const std::string counts = "三星樣本外 " + std::to_string(summary.totals[1]) + " 次，隨機期望 ";
  QVERIFY(std::any_of(memo.begin(), memo.end(), [&](const std::string& l) { return l.starts_with(counts); }));
  QVERIFY(win.TS_summary->lb_explanation->text().contains(QStringLiteral("逐點")));
  // One point per played draw after the origin, ending at the cumulative three-star wins,
  // the band the run's exact range at each point.
  QCOMPARE(win.TS_summary->wins->count(), 31);
  QCOMPARE(win.TS_summary->band_high->count(), 31);
  QCOMPARE(win.TS_summary->wins->at(30).y(), static_cast<double>(summary.totals[1]));
  QCOMPARE(win.TS_summary->wins->at(30).x(), 30.0);
  for (int i = 1; i <= 30; ++i) {
    QCOMPARE(win.TS_summary->band_low->at(i).y(), static_cast<double>(run->points()[i - 1].low));
    QCOMPARE(win.TS_summary->band_high->at(i).y(), static_cast<double>(run->points()[i - 1].high));
  }
  // Whole step numbers under the x axis.
  const auto* x = qobject_cast<QValueAxis*>(win.TS_summary->ch_cumulative->chart()->axes(Qt::Horizontal).first());
  QCOMPARE(x->tickType(), QValueAxis::TicksDynamic);
  QCOMPARE(x->tickInterval(), 5.0);
  QCOMPARE(x->max(), 30.0);
  QCOMPARE(win.pb_progress->value(), 15);
  QVERIFY(w.guard.recorder.messages.isEmpty());
}

void WalkForwardWindowTest::a_stopped_run_shows_the_steps_done_so_far() {
  Window w(400);
  TForm_zu_walk_forward& win = *w.window;
  win.settings->cb_method->setCurrentIndex(static_cast<int>(pillars::WalkMethod::ten_of_fifteen));
  w.set(win.settings->cb_train, "60");
  w.set(win.settings->cb_test, "300");
  // The grid fills while the run goes.
  DuringRun stop([&] { return win.TS_steps->sg_steps->row_count() > 1; },
                 [&] {
                   win.btn_start->click();  // disabled while running: ignored
                   win.close();             // refused while running
                   win.btn_stop->click();
                 });
  win.btn_start->click();
  QVERIFY(stop.done());
  QVERIFY(!win.busy());
  QVERIFY(win.isVisible());
  const pillars::WalkForwardRun* run = win.run();
  QVERIFY(run && !run->finished() && run->computed() > 0);
  QCOMPARE(win.TS_steps->sg_steps->row_count(), run->computed() + 1);
  QCOMPARE(win.pb_progress->value(), run->computed());
  QVERIFY(win.lb_progress->text().contains(QStringLiteral("已停止")));
  const auto memo = win.TS_summary->mm_summary->lines();
  QCOMPARE(memo.back(), pillars::walk_summary_lines(run->summary()).back());
  QCOMPARE(win.TS_summary->wins->count(), run->computed() + 1);
  // Its saves say where it stopped.
  const auto dir = test_support::fresh_dir("walk-stopped");
  for (const char* name : {"stopped.txt", "stopped.csv"}) {
    w.guard.recorder.save_answers << QString::fromStdString((dir / name).string());
    std::string(name).ends_with("txt") ? win.btn_save_txtClick() : win.btn_save_csvClick();
    std::ifstream file(dir / name);
    std::string first;
    std::getline(file, first);
    if (first.ends_with('\r')) first.pop_back();
    QCOMPARE(core::big5_to_utf8(first), "已停止: 只完成第 1 到 " + std::to_string(run->computed()) + " 步, 共 300 步");
  }
  // The next run starts afresh and runs to its end.
  w.set(win.settings->cb_test, "3");
  win.btn_start->click();
  QVERIFY(win.run()->finished());
  QCOMPARE(win.TS_steps->sg_steps->row_count(), 4);
}

void WalkForwardWindowTest::refusals_stand_beside_their_boxes() {
  Window w(50);
  TForm_zu_walk_forward& win = *w.window;
  walkforwardwin::SettingsPanel& s = *win.settings;
  const QRect test_box = s.cb_test->geometry(), step_box = s.cb_step->geometry();
  const struct {
    QComboBox* box;
    QLabel* message;
    QString typed, said;
  } entries[] = {
      {s.cb_train, s.lb_train_msg, "0", QStringLiteral("訓練期數 必須是 1 到 2499: 0")},
      {s.cb_step, s.lb_step_msg, "x", QStringLiteral("重選間隔 必須至少為 1: x")},
      {s.cb_test, s.lb_test_msg, QStringLiteral("３０"), QStringLiteral("測試期數 請用半形數字: ３０")},
      {s.cb_test, s.lb_test_msg, "99999999999", QStringLiteral("測試期數 數字太大: 99999999999")},
  };
  for (const auto& e : entries) {
    test_input::type_into(e.box, e.typed);
    QCOMPARE(e.message->text(), e.said);
  }
  // An emptied box is named when the user leaves it.
  test_input::type_into(s.cb_train, "\b", test_input::Finish::Leave);
  QCOMPARE(s.lb_train_msg->text(), QStringLiteral("訓練期數 不可空白"));
  QCOMPARE(s.cb_test->geometry(), test_box);
  QCOMPARE(s.cb_step->geometry(), step_box);
  test_input::type_into(s.cb_train, "30");
  QVERIFY(s.lb_train_msg->text().isEmpty());
  w.set(s.cb_test, "5");
  w.set(s.cb_step, "1");
  win.btn_startClick();
  QVERIFY(win.run());
  // A refused start clears the earlier result.
  s.rb_fixed->setChecked(true);
  s.ed_numbers->setText("01,02,03");
  win.btn_startClick();
  QCOMPARE(s.lb_numbers_msg->text(), QStringLiteral("必須選 10 個號碼"));
  QVERIFY(!win.run());
  QCOMPARE(win.TS_steps->sg_steps->row_count(), 1);
  QVERIFY(win.TS_summary->mm_summary->lines().empty());
  QVERIFY(win.lb_stale->isHidden());
  // Right numbers, but 30 + 300 draws asked of a table of 50.
  s.ed_numbers->setText("1,2,3,4,5,6,7,8,9,10");
  w.set(s.cb_test, "300");
  win.btn_startClick();
  QVERIFY(s.lb_numbers_msg->text().isEmpty());
  QVERIFY(s.lb_step_msg->text().isEmpty());
  QCOMPARE(s.lb_test_msg->text(), QStringLiteral("開獎資料不足: 需要 330 期, 只有 50 期(程式最多讀取最近 2500 期)"));
  QVERIFY(!win.run());
  QCOMPARE(s.cb_step->geometry(), step_box);
  QVERIFY(w.guard.recorder.messages.isEmpty());
}

void WalkForwardWindowTest::a_changed_setting_marks_the_result() {
  Window w(60);
  TForm_zu_walk_forward& win = *w.window;
  walkforwardwin::SettingsPanel& s = *win.settings;
  QVERIFY(s.rb_priority[1]->isEnabled());  // 2x2x3x3 ranks by the priority
  s.cb_method->setCurrentIndex(static_cast<int>(pillars::WalkMethod::k3x3x3));
  QVERIFY(!s.rb_priority[1]->isEnabled());
  QVERIFY(win.lb_stale->isHidden());  // nothing to mark yet
  w.set(s.cb_train, "30");
  w.set(s.cb_test, "5");
  win.btn_startClick();
  QVERIFY(win.run() && win.lb_stale->isHidden());
  test_input::type_into(s.cb_test, "6");
  QVERIFY(!win.lb_stale->isHidden());
  QVERIFY(win.run());  // kept, marked
  win.btn_startClick();
  QVERIFY(win.lb_stale->isHidden());
  // A new selection from the workbench is a change too.
  win.use_selection({"01", "02", "03", "04", "05", "06", "07", "08"});
  QVERIFY(!win.lb_stale->isHidden());
  QCOMPARE(s.cb_method->currentIndex(), static_cast<int>(pillars::WalkMethod::k2x2x2x2));
  QVERIFY(!s.rb_priority[2]->isEnabled());
}

void WalkForwardWindowTest::the_workbench_hands_over_its_selection() {
  fixture::Workbench w(60);
  std::vector<std::string> handed;
  QObject::connect(w.window.get(), &TForm_bestpillars::walk_forward_requested, w.window.get(),
                   [&](const std::vector<std::string>& selection) { handed = selection; });
  w.select_range(3, 10);
  w.window->TS5->optimise->btn_walk_forward->click();
  QCOMPARE(handed, (std::vector<std::string>{"03", "04", "05", "06", "07", "08", "09", "10"}));

  Window walk(60);
  walkforwardwin::SettingsPanel& s = *walk.window->settings;
  walk.window->use_selection({});
  QVERIFY(s.rb_frequent->isChecked());
  walk.window->use_selection(handed);
  QVERIFY(s.rb_fixed->isChecked());
  QCOMPARE(s.cb_method->currentIndex(), static_cast<int>(pillars::WalkMethod::k2x2x2x2));
  walk.set(s.cb_train, "30");
  walk.set(s.cb_test, "5");
  walk.window->btn_startClick();
  QVERIFY(walk.window->run());
  QCOMPARE(walk.window->run()->settings().numbers, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10}));
}

VANTOR_TEST_CLASS(WalkForwardWindowTest)
#include "walk_forward_window_test.moc"
