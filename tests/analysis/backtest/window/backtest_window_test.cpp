// The number backtest window's wiring: a run fills the grid, the summary and the chart from
// the computation and counts the settings tried; a stopped run says so; refusals stand beside
// their boxes in the command's words; the all-methods run fills its table and bar chart;
// another window's settings arrive in the boxes; the saves write what the sheets show.
#include <QAreaSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <random>

#include "analysis/backtest/backtest_report.h"
#include "analysis/backtest/window/tform_zu_backtest.h"
#include "core/text_file.h"
#include "support/combo_input.h"
#include "support/during_run.h"
#include "support/hand_made_draws.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

class BacktestWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void a_run_shows_its_steps_summary_and_chart();
  void a_stopped_run_says_so();
  void refusals_stand_beside_their_boxes();
  void all_methods_fill_the_table_and_the_bars();
  void another_windows_settings_arrive_in_the_boxes();
};

namespace {

struct BacktestWindow {
  explicit BacktestWindow(int draws) {
    std::mt19937 rng(static_cast<unsigned>(draws));
    history = test_support::hand_made_history(test_support::random_draws(rng, draws));
    window = std::make_unique<TForm_zu_backtest>(history);
    window->show();
  }
  core::DrawHistory history;
  ui::ScopedRecorder guard;
  std::unique_ptr<TForm_zu_backtest> window;
};

std::vector<std::string> grid_rows(const ui::StringGrid* grid) {
  std::vector<std::string> rows;
  for (int r = 1; r < grid->row_count(); ++r) {
    std::string line;
    for (const auto& cell : grid->grid().row(r)) line += (line.empty() ? "" : ",") + cell;
    rows.push_back(line);
  }
  return rows;
}

}  // namespace

void BacktestWindowTest::a_run_shows_its_steps_summary_and_chart() {
  BacktestWindow w(200);
  TForm_zu_backtest& win = *w.window;
  ui::set_text(win.settings->cb_test, "120");
  ui::set_text(win.settings->cb_count, "8");
  win.btn_run->click();
  const backtest::Backtest* run = win.run();
  QVERIFY(run && run->finished());
  QCOMPARE(run->settings().count, 8);
  // The grid and the memo hold the command's lines.
  auto lines = backtest::backtest_lines(*run);
  QCOMPARE(grid_rows(win.TS_steps->sg_steps), std::vector<std::string>(lines.begin() + 2, lines.end() - 11));
  const auto memo = win.TS_summary->mm_summary->lines();
  QCOMPARE(std::vector<std::string>(memo.end() - 11, memo.end()), std::vector<std::string>(lines.end() - 11, lines.end()));
  QVERIFY(win.TS_summary->lb_verdict->text().startsWith(QStringLiteral("命中率 ")));
  QCOMPARE(win.TS_summary->lb_tried->text(), QStringLiteral("本次已試 1 種設定"));
  // One point per test draw after the origin; the band holds the expectation.
  QCOMPARE(win.TS_summary->hits->count(), 121);
  QCOMPARE(win.TS_summary->hits->at(120).y(), static_cast<double>(run->summary().hits));
  QVERIFY(win.TS_summary->band_low->at(120).y() <= win.TS_summary->expected->at(120).y());
  QVERIFY(win.TS_summary->band_high->at(120).y() >= win.TS_summary->expected->at(120).y());
  // The same settings again are no new try; another one is, and the threshold shares 5 %.
  win.btn_run->click();
  QCOMPARE(win.tried(), 1);
  win.settings->cb_method->setCurrentIndex(static_cast<int>(backtest::Method::cold));
  win.btn_run->click();
  QVERIFY(win.TS_summary->lb_tried->text().startsWith(QStringLiteral("本次已試 2 種設定")));
  QVERIFY(win.TS_summary->lb_tried->text().contains(QStringLiteral("0.01250")));
  // The text save holds the plain summary and the command's lines.
  QTemporaryDir dir;
  const QString path = dir.filePath("backtest.txt");
  w.guard.recorder.save_answers << path;
  win.btn_save_txt->click();
  const auto saved = core::read_lines(path.toStdString());
  QVERIFY(saved);
  lines = backtest::backtest_lines(*win.run());
  QCOMPARE(std::vector<std::string>(saved->end() - static_cast<long>(lines.size()), saved->end()), lines);
  QVERIFY(w.guard.recorder.messages.isEmpty());
  win.FormShow();  // a new opening counts anew
  QCOMPARE(win.tried(), 0);
}

void BacktestWindowTest::a_stopped_run_says_so() {
  BacktestWindow w(400);
  TForm_zu_backtest& win = *w.window;
  ui::set_text(win.settings->cb_test, "300");
  DuringRun stop([&] { return win.busy(); },
                 [&] {
                   win.btn_run->click();  // disabled while running: ignored
                   win.close();           // refused while running
                   win.btn_stop->click();
                 });
  win.btn_run->click();
  QVERIFY(stop.done());
  QVERIFY(!win.busy());
  QVERIFY(win.isVisible());
  QVERIFY(win.run() && !win.run()->finished());
  QCOMPARE(win.TS_steps->sg_steps->row_count(), win.run()->computed() + 1);
  QVERIFY(win.lb_progress->text().contains(QStringLiteral("已停止")));
  QVERIFY(win.TS_summary->lb_verdict->text().contains(QStringLiteral("已停止")));
  ui::set_text(win.settings->cb_test, "5");
  win.btn_run->click();
  QVERIFY(win.run()->finished());
  QCOMPARE(win.TS_steps->sg_steps->row_count(), 6);
}

void BacktestWindowTest::refusals_stand_beside_their_boxes() {
  BacktestWindow w(60);
  TForm_zu_backtest& win = *w.window;
  backtestwin::SettingsPanel& s = *win.settings;
  const struct {
    QComboBox* box;
    const char* text;
    QLabel* message;
    const char* refusal;
  } cases[] = {
      {s.cb_test, "0", s.lb_test_msg, "測試期數 必須至少為 1: 0"},
      {s.cb_count, "39", s.lb_count_msg, "號碼個數 必須是 1 到 38: 39"},
      {s.cb_window, "x", s.lb_window_msg, "統計期數 必須是 1 到 2499: x"},
      {s.cb_look_back, "0", s.lb_moving_msg, "期數必須至少為 1: 0"},
      {s.cb_position, "6", s.lb_moving_msg, "位置必須是 1 到 5: 6"},
  };
  for (const auto& c : cases) {
    test_input::type_into(c.box, QString::fromUtf8(c.text));
    QCOMPARE(c.message->text(), QString::fromUtf8(c.refusal));
    test_input::type_into(c.box, QStringLiteral("1"));
    QVERIFY(c.message->text().isEmpty());
  }
  s.cb_method->setCurrentIndex(static_cast<int>(backtest::Method::moving));
  s.ed_amounts->setText("+1,+2,+3,+4");
  win.btn_run->click();
  QCOMPARE(s.lb_moving_msg->text(), QStringLiteral("加減數 最多三個加減數"));
  QVERIFY(!win.run());
  s.ed_amounts->setText("+1");
  ui::set_text(s.cb_test, "60");
  win.btn_run->click();
  QCOMPARE(s.lb_test_msg->text(), QStringLiteral("開獎資料不足: 需要 61 期, 只有 60 期"));
  QVERIFY(!win.run());
  QVERIFY(w.guard.recorder.messages.isEmpty());
}

void BacktestWindowTest::all_methods_fill_the_table_and_the_bars() {
  BacktestWindow w(150);
  TForm_zu_backtest& win = *w.window;
  ui::set_text(win.settings->cb_test, "100");
  win.btn_all->click();
  QCOMPARE(win.PageC->currentWidget(), static_cast<QWidget*>(win.TS_all));
  const auto rows = grid_rows(win.TS_all->sg_all);
  QCOMPARE(rows.size(), std::size_t{4});
  for (std::size_t m = 0; m < 4; ++m) {
    auto settings = backtest::all_methods_settings(100)[m];
    auto run = backtest::Backtest::start(w.history, settings);
    QVERIFY(run);
    run->compute_all();
    const auto summary = run->summary(backtest::kAllMethodsThreshold);
    const auto fields = backtest::all_methods_fields(settings.method, summary);
    std::string line;
    for (const auto& f : fields) line += (line.empty() ? "" : ",") + f;
    QCOMPARE(rows[m], line);
    QCOMPARE(win.TS_all->z_values->at(static_cast<int>(m)), std::round(summary.z * 100) / 100);
  }
}

void BacktestWindowTest::another_windows_settings_arrive_in_the_boxes() {
  BacktestWindow w(80);
  TForm_zu_backtest& win = *w.window;
  backtest::Texts texts;
  texts.method = backtest::Method::rules;
  texts.test = "20";
  texts.run_length = "2";
  texts.rules = "1,6";
  win.use_texts(texts);
  win.btn_run->click();
  QVERIFY(win.run());
  QCOMPARE(backtest::title(win.run()->settings()), std::string("版路: 連準2版, 規則 1.6"));
  texts.method = backtest::Method::moving;
  texts.moving = {"average", "1,3,5", "2", "+3,-3"};
  texts.order = core::BallOrder::Sorted;
  win.use_texts(texts);
  win.btn_run->click();
  QCOMPARE(backtest::title(win.run()->settings()), std::string("移動式版路: 上2期順球第1,3,5支取平均數,本期開加3,減3 二中一"));
}

VANTOR_TEST_CLASS(BacktestWindowTest)
#include "backtest_window_test.moc"
