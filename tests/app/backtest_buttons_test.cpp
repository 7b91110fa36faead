// The 回測 buttons of the windows that name numbers open the number backtest with their own
// settings: the moving pattern's rule, the number analysis's rules, the statistics window's
// gaps and the workbench's period and selection.
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "analysis/backtest/window/tform_zu_backtest.h"
#include "analysis/moving/window/tform_zu_moving.h"
#include "analysis/statistics/window/tform_zu_no_analysis.h"
#include "analysis/statistics/window/tform_zu_statistics.h"
#include "app/application.h"
#include "pillars/window/statistics_sheet.h"
#include "pillars/window/tform_bestpillars.h"
#include "support/app_fixture.h"
#include "ui/controls.h"
#include "support/test_classes.h"

class BacktestButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  void each_window_hands_over_its_settings();
};

void BacktestButtonsTest::each_window_hands_over_its_settings() {
  AppFixture f(three_draws());
  auto& app = f.start();
  auto& backtest_window = app.window<TForm_zu_backtest>();
  const auto texts = [&] { return backtest_window.settings->texts(); };

  app.windows().open("movingExecute");
  auto& moving = app.window<TForm_zu_moving>();
  moving.rb_S->setChecked(true);
  moving.btn_backtest->click();
  QVERIFY(backtest_window.isVisible());
  QCOMPARE(texts().method, backtest::Method::moving);
  QCOMPARE(texts().order, core::BallOrder::Sorted);
  QCOMPARE(texts().moving.position, std::string("1"));
  QCOMPARE(texts().moving.amounts, std::string("+0"));
  backtest_window.reject();

  app.rule_settings().rule_run_len = 4;
  app.rule_settings().rule_on[1] = false;
  app.window<TForm_zu_no_analysis>().btn_backtest->click();
  QCOMPARE(texts().method, backtest::Method::rules);
  QCOMPARE(texts().run_length, std::string("4"));
  QCOMPARE(texts().rules, std::string("1,3,4,5,6,7,8,9,10"));
  backtest_window.reject();

  app.windows().open("statisticsExecute");
  auto& statistics = app.window<TForm_zu_statistics>();
  QVERIFY(!statistics.btn_backtest->isVisible());
  statistics.sb_F3->click();
  QVERIFY(statistics.btn_backtest->isVisible());
  statistics.btn_backtest->click();
  QCOMPARE(texts().method, backtest::Method::cold);
  backtest_window.reject();

  app.windows().open("BestPillarsExecute");
  app.window<TForm_bestpillars>().TS3->btn_backtest->click();
  QCOMPARE(texts().method, backtest::Method::hot);
  QCOMPARE(texts().window, std::string("3"));  // the three draws of the period
  QCOMPARE(texts().count, std::string("5"));   // nothing selected: the default
  QVERIFY(f.messages().isEmpty());
}

VANTOR_TEST_CLASS(BacktestButtonsTest)
#include "backtest_buttons_test.moc"
