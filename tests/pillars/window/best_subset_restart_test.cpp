// The best-subset runs started, stopped at different points and started again, many times
// over, with the window's other commands pressed meanwhile. Built with ThreadSanitizer by
// scripts/tsan.sh: the two-thread search must show no data race and no crash.
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "support/during_run.h"
#include "support/workbench_fixture.h"
#include "support/test_classes.h"

using fixture::Workbench;

class BestSubsetRestartTest : public QObject {
  Q_OBJECT

 private slots:
  void start_stop_and_restart_many_times();
};

void BestSubsetRestartTest::start_stop_and_restart_many_times() {
  Workbench w(60);
  TForm_bestpillars& win = *w.window;
  bestpillarswin::OptimisePanel& panel = *win.TS5->optimise;
  QTemporaryDir dir;
  win.set_working_dir(dir.path());
  w.select_range(1, 15);
  struct Run {
    QPushButton* start;
    QPushButton* stop;
    int stop_after;  // subsets computed when stop is pressed; 0 lets the run finish
  };
  const Run runs[] = {{panel.Button32, panel.btn_stop_1510, 3},   {panel.Button32, panel.btn_stop_1510, 70},
                      {panel.Button32, panel.btn_stop_1510, 200}, {panel.Button32, panel.btn_stop_1510, 1},
                      {panel.Button32, panel.btn_stop_1510, 129}};
  for (int round = 0; round < 4; ++round) {
    for (const Run& run : runs) {
      w.guard.recorder.confirm_answers = {true, true, true};
      const QString counter = QStringLiteral("%1 / 3003").arg(run.stop_after);
      DuringRun stop([&] { return panel.lb_percent->text() == counter; },
                     [&] {
                       run.start->click();  // disabled while running: ignored
                       win.close();         // refused while running
                       run.stop->click();
                     });
      run.start->click();
      QVERIFY(stop.done());
      QVERIFY(!win.busy());
      QVERIFY(win.isVisible());
    }
  }
  // The 12-of-8 run after all that, to the end.
  Workbench w12(60);
  w12.select_range(1, 12);
  w12.guard.recorder.confirm_answers = {true};
  QTemporaryDir dir12;
  w12.window->set_working_dir(dir12.path());
  w12.window->TS5->optimise->Button31->click();
  QVERIFY(!w12.window->busy());
  QVERIFY(!w12.window->TS6->Memo2->lines().empty());
}

VANTOR_TEST_CLASS(BestSubsetRestartTest)
#include "best_subset_restart_test.moc"
