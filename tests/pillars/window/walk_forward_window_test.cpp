// The walk-forward window's wiring: a short run fills the grid, the summary and the chart
// from the computation; a stopped run shows the steps done so far with their summary;
// refusals stand beside their boxes without a message box; the workbench hands its
// selection over as the fixed set.
#include <QAreaSeries>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "pillars/walk_forward_report.h"
#include "pillars/window/tform_zu_walk_forward.h"
#include "support/combo_input.h"
#include "support/during_run.h"
#include "support/workbench_fixture.h"
#include "ui/controls.h"
#include "support/test_classes.h"

class WalkForwardWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void a_run_shows_its_steps_summary_and_chart();
  void a_stopped_run_shows_the_steps_done_so_far();
  void refusals_stand_beside_their_boxes();
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
  const auto summary = pillars::walk_summary_lines(run->summary());
  const auto memo = win.TS_summary->mm_summary->lines();
  QCOMPARE(std::vector<std::string>(memo.end() - 6, memo.end()), summary);
  QVERIFY(!win.TS_summary->lb_explanation->text().isEmpty());
  // One point per step after the origin, ending at the cumulative three-star wins.
  QCOMPARE(win.TS_summary->wins->count(), 16);
  QCOMPARE(win.TS_summary->band_high->count(), 16);
  long long three = 0;
  for (const auto& step : run->steps()) three += step.out_of_sample.three;
  QCOMPARE(win.TS_summary->wins->at(15).y(), static_cast<double>(three));
  QCOMPARE(win.TS_summary->wins->at(15).x(), 30.0);
  QCOMPARE(win.pb_progress->value(), 15);
  QVERIFY(w.guard.recorder.messages.isEmpty());
}

void WalkForwardWindowTest::a_stopped_run_shows_the_steps_done_so_far() {
  Window w(400);
  TForm_zu_walk_forward& win = *w.window;
  win.settings->cb_method->setCurrentIndex(static_cast<int>(pillars::WalkMethod::ten_of_fifteen));
  w.set(win.settings->cb_train, "60");
  w.set(win.settings->cb_test, "300");
  DuringRun stop([&] { return win.pb_progress->value() > 0; },
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
  // The next run starts afresh and runs to its end.
  w.set(win.settings->cb_test, "3");
  win.btn_start->click();
  QVERIFY(win.run()->finished());
  QCOMPARE(win.TS_steps->sg_steps->row_count(), 4);
}

void WalkForwardWindowTest::refusals_stand_beside_their_boxes() {
  Window w(50);
  TForm_zu_walk_forward& win = *w.window;
  walkforward::SettingsPanel& s = *win.settings;
  test_input::type_into(s.cb_train, "0");
  QCOMPARE(s.lb_train_msg->text(), QStringLiteral("訓練期數 必須是 1 到 2499: 0"));
  test_input::type_into(s.cb_train, "30");
  QVERIFY(s.lb_train_msg->text().isEmpty());
  test_input::type_into(s.cb_step, "x");
  QCOMPARE(s.lb_step_msg->text(), QStringLiteral("重選間隔 必須至少為 1: x"));
  s.rb_fixed->setChecked(true);
  s.ed_numbers->setText("01,02,03");
  win.btn_startClick();
  QCOMPARE(s.lb_numbers_msg->text(), QStringLiteral("必須選 10 個號碼"));
  QVERIFY(!win.run());
  // Right numbers and step, but 30 + 300 draws asked of a table of 50.
  s.ed_numbers->setText("1,2,3,4,5,6,7,8,9,10");
  w.set(s.cb_step, "1");
  win.btn_startClick();
  QVERIFY(s.lb_numbers_msg->text().isEmpty());
  QVERIFY(s.lb_step_msg->text().isEmpty());
  QCOMPARE(s.lb_test_msg->text(), QStringLiteral("開獎資料不足: 需要 330 期, 只有 50 期"));
  QVERIFY(!win.run());
  QVERIFY(w.guard.recorder.messages.isEmpty());
}

void WalkForwardWindowTest::the_workbench_hands_over_its_selection() {
  fixture::Workbench w(60);
  std::vector<std::string> handed;
  w.window->set_walk_forward([&](const std::vector<std::string>& selection) { handed = selection; });
  w.select_range(3, 10);
  w.window->TS5->optimise->btn_walk_forward->click();
  QCOMPARE(handed, (std::vector<std::string>{"03", "04", "05", "06", "07", "08", "09", "10"}));

  Window walk(60);
  walkforward::SettingsPanel& s = *walk.window->settings;
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
