// The trace summary chart window: each control runs the chart computation with what the
// panels hold and shows its bars, titles, memos and messages; the detail panel, the help
// links and the chart pictures.
#include <QBarSeries>
#include <QBarSet>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "analysis/trace/window/chart_bars.h"
#include "analysis/trace/window/chart_form.h"
#include "support/draw_tables.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace {

using trace::ChartQueryKind;

struct ChartWindow {
  ui::ScopedRecorder dialogs;
  core::DrawHistory history = test_support::history_of({
      {6, 18, 22, 30, 35},   // 2009/01/01
      {1, 2, 3, 4, 5},       // 01/02
      {6, 18, 7, 17, 27},    // 01/03
      {11, 13, 23, 33, 9},   // 01/04: three balls end in 3
      {6, 12, 18, 24, 36},   // 01/05
      {15, 3, 20, 31, 38},   // 01/06: 15 is the second smallest
      {6, 18, 30, 31, 32},   // 01/07: the newest
  });
  core::FixedClock clock{core::Date{2009, 1, 10}};
  TForm_zu_chart1 window{history, clock};

  ChartWindow() {
    window.resize(1010, 720);
    window.show();
  }
  // The opening's settings: 2005/01/01 to today, 獨支 and 拖下一期, sorted.
  trace::ChartSettings opening() const {
    trace::ChartSettings s;
    s.to = clock.today();
    return s;
  }
  [[nodiscard]] trace::ChartData run(const trace::ChartSettings& s) const {
    return trace::run_chart(trace::make_trace_table(history), s, history.game_name);
  }
};

void add_bars(QStringList& out, const std::vector<trace::Bar>& bars) {
  for (const auto& bar : bars) out << QStringLiteral("%1,%2").arg(ui::qs(bar.label)).arg(bar.value);
}

// Everything a run shows, one line per item, as a run of the computation would show it.
QStringList shown(const trace::ChartData& d) {
  QStringList out{QString::number(d.period_draws), ui::qs(d.number_title), ui::qs(d.head_title),
                  ui::qs(d.tail_title)};
  add_bars(out, d.numbers);
  add_bars(out, d.heads);
  add_bars(out, d.tails);
  for (const auto* memo : {&d.memo1, &d.memo2})
    for (const auto& line : *memo) out << ui::qs(line);
  return out;
}

QStringList shown(const TForm_zu_chart1& w) {
  QStringList out{w.Panel1->Label5->text(), w.Chart1->title(), w.Chart2->title(), w.Chart3->title()};
  for (const chartwin::BarChart* chart : {w.Chart1, w.Chart2, w.Chart3})
    for (const QBarSet* set : chart->series()->barSets())
      out << QStringLiteral("%1,%2").arg(set->label()).arg(set->at(0));
  for (const ui::Memo* memo : {w.Panel4->Memo1, w.Panel4->Memo2})
    for (const auto& line : memo->lines()) out << ui::qs(line);
  return out;
}

QAction* menu_item(const chartwin::BarChart* chart, const QString& text) {
  for (QAction* action : chart->menu->actions())
    if (action->text() == text) return action;
  return nullptr;
}

}  // namespace

class ChartWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opening_shows_the_summary_of_the_newest_draw() {
    ChartWindow c;
    const auto& p = *c.window.Panel1;
    QCOMPARE(p.DateTimePicker1->date(), QDate(2005, 1, 1));
    QCOMPARE(p.DateTimePicker2->date(), QDate(2009, 1, 10));
    QCOMPARE(p.Label10->text(), QStringLiteral("2009/01/07"));
    QCOMPARE(p.Label7->text(), QStringLiteral("06,18,30,31,32"));
    QCOMPARE(shown(c.window), shown(c.run(c.opening())));
    QCOMPARE(c.window.Chart1->chart()->series().size(), 1);
    QCOMPARE(c.window.Chart1->series()->count(), 39);
    // A bar of 0 carries no value mark.
    QBarSet* last = c.window.Chart1->series()->barSets().last();
    QCOMPARE(last->at(0), 0.0);
    QCOMPARE(last->labelColor().alpha(), 0);
    QVERIFY(c.window.Panel4->isHidden());
    QCOMPARE(c.window.Button1->text(), QStringLiteral("顯示拖牌明細"));
    QVERIFY(c.window.Panel3->isHidden());
    QVERIFY(c.dialogs.recorder.messages.isEmpty());
  }

  void summary_controls_rerun_until_query_mode() {
    ChartWindow c;
    auto& p = *c.window.Panel1;
    trace::ChartSettings s = c.opening();
    struct Step {
      const char* what;
      std::function<void()> act;
      std::function<void(trace::ChartSettings&)> expect;
    };
    const Step steps[] = {
        {"拖下三期", [&] { p.distances[2]->setChecked(true); }, [](auto& e) { e.next[2] = true; }},
        {"二星", [&] { p.levels[1]->setChecked(true); }, [](auto& e) { e.levels[1] = true; }},
        {"unsorted", [&] { p.cb_sort->setChecked(false); }, [](auto& e) { e.sorted = false; }},
        {"from", [&] { p.DateTimePicker1->setDate(QDate(2009, 1, 4)); }, [](auto& e) { e.from = {2009, 1, 4}; }},
    };
    for (const Step& step : steps) {
      step.act();
      step.expect(s);
      QVERIFY2(shown(c.window) == shown(c.run(s)), step.what);
    }
    const QStringList before = shown(c.window);
    p.cb_star234->setChecked(true);
    QVERIFY(!p.levels[0]->isEnabled());
    QVERIFY(c.window.Panel3->isVisible());
    QVERIFY(c.window.Panel3->Edit1->text().isEmpty());
    p.distances[4]->setChecked(true);
    QCOMPARE(shown(c.window), before);
    p.cb_star234->setChecked(false);
    QVERIFY(p.levels[0]->isEnabled());
    QVERIFY(c.window.Panel3->isHidden());
    QCOMPARE(shown(c.window), before);
  }

  void each_query_box_runs_its_query() {
    ChartWindow c;
    auto& q = *c.window.Panel3;
    c.window.Panel1->cb_star234->setChecked(true);
    struct Case {
      const char* what;
      std::function<void()> fill;
      QToolButton* button;
      trace::ChartQuery query;
    };
    const Case cases[] = {
        {"numbers", [&] { q.Edit1->setText("0618"); }, q.SpeedButton4, {ChartQueryKind::Numbers, "0618", {}, false}},
        {"no record", [&] { q.Edit1->setText("0606"); }, q.SpeedButton4, {ChartQueryKind::Numbers, "0606", {}, false}},
        {"tails", [&] { q.Edit1T->setText("33"); }, q.SpeedButton3, {ChartQueryKind::Tails, "33", {}, false}},
        {"positions",
         [&] {
           q.Editno[1]->setText("15");
           q.RBS->setChecked(true);
         },
         q.SpeedButton1, {ChartQueryKind::Positions, "", {"", "15", "", "", ""}, true}},
        {"position tails", [&] { q.EditT[0]->setText("6"); }, q.SpeedButton2,
         {ChartQueryKind::PositionTails, "", {"6", "", "", "", ""}, false}},
    };
    for (const Case& k : cases) {
      c.dialogs.recorder.messages.clear();
      k.fill();
      k.button->click();
      trace::ChartSettings s = c.opening();
      s.query = k.query;
      const trace::ChartData want = c.run(s);
      QVERIFY2(shown(c.window) == shown(want), k.what);
      QStringList messages;
      for (const auto& m : want.messages) messages << ui::qs(m);
      QCOMPARE(c.dialogs.recorder.texts(), messages);
    }
  }

  void no_ticked_distance_leaves_headers_and_empty_charts() {
    ChartWindow c;
    c.window.Panel1->distances[0]->setChecked(false);
    const std::vector<std::string> header{std::string(trace::kChartMemoHeader)};
    QCOMPARE(c.window.Panel4->Memo1->lines(), header);
    QCOMPARE(c.window.Panel4->Memo2->lines(), header);
    for (const chartwin::BarChart* chart : {c.window.Chart1, c.window.Chart2, c.window.Chart3})
      QCOMPARE(chart->series()->count(), 0);
  }

  void detail_panel_and_help_links() {
    ChartWindow c;
    c.window.Button1->click();
    QVERIFY(c.window.Panel4->isVisible());
    QCOMPARE(c.window.Button1->text(), QStringLiteral("隱藏拖牌明細"));
    menu_item(c.window.Chart3, QStringLiteral("隱藏拖牌明細"))->trigger();
    QVERIFY(c.window.Panel4->isHidden());
    menu_item(c.window.Chart2, QStringLiteral("顯示合格期數明細"))->trigger();
    QVERIFY(c.window.Panel4->isVisible());
    QCOMPARE(c.window.Button1->text(), QStringLiteral("隱藏拖牌明細"));

    emit c.window.Panel1->Label6->linkActivated("#");
    emit c.window.Panel1->Label11->linkActivated("#");
    const QStringList help = c.dialogs.recorder.texts();
    QCOMPARE(help.size(), 2);
    QCOMPARE(help[0].split(QStringLiteral("\n\n")).size(), 4);
    QVERIFY(help[0].startsWith(QStringLiteral("1.拖牌統計圖表是計算近期開出的號碼")));
    QCOMPARE(help[1].split(QStringLiteral("\n\n")).size(), 10);
  }

  void chart_pictures_are_saved_whole_or_not_at_all_and_copied() {
    ChartWindow c;
    QTemporaryDir dir;
    struct Case {
      chartwin::BarChart* chart;
      QAction* item;
      QString file;
    };
    const Case cases[] = {{c.window.Chart1, c.window.Chart1->save_bmp, "numbers.bmp"},
                          {c.window.Chart3, c.window.Chart3->save_png, "tails.png"}};
    for (const Case& k : cases) {
      c.dialogs.recorder.save_answers = {dir.filePath(k.file)};
      k.item->trigger();
      const QImage saved(dir.filePath(k.file));
      QVERIFY2(!saved.isNull(), qPrintable(k.file));
      QCOMPARE(saved.size(), k.chart->size());
    }
    QVERIFY(c.dialogs.recorder.messages.isEmpty());

    const QString nowhere = dir.filePath("missing/chart.bmp");
    c.dialogs.recorder.save_answers = {nowhere};
    c.window.Chart2->save_bmp->trigger();
    QCOMPARE(c.dialogs.recorder.texts(), QStringList{"無法儲存圖片檔 " + QDir::toNativeSeparators(nowhere)});
    QVERIFY(!QFile::exists(nowhere));

    c.window.Chart2->copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), c.window.Chart2->size());
  }
};

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
