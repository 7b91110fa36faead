// The trace summary chart window: each control runs the chart computation with what the
// panels hold and shows its bars, titles, memos and messages; the detail panel, the help
// links and the chart pictures; each label under its own bar at any width, a value axis
// that follows the data alone, and the docked query panel.
#include <QBarSeries>
#include <QBarSet>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <QFontMetricsF>
#include <functional>

#include "analysis/trace/chart_titles.h"
#include "analysis/trace/window/chart_bars.h"
#include "analysis/trace/window/chart_form.h"
#include "core/loader.h"
#include "support/draw_tables.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

namespace {

using trace::ChartQueryKind;

core::DrawHistory small_history() {
  return test_support::history_of({
      {6, 18, 22, 30, 35},   // 2009/01/01
      {1, 2, 3, 4, 5},       // 01/02
      {6, 18, 7, 17, 27},    // 01/03
      {11, 13, 23, 33, 9},   // 01/04: three balls end in 3
      {6, 12, 18, 24, 36},   // 01/05
      {15, 3, 20, 31, 38},   // 01/06: 15 is the second smallest
      {6, 18, 30, 31, 32},   // 01/07: the newest
  });
}

// The bundled 2,500 draws, as the program loads them on 2026/12/09.
core::DrawHistory bundled_history() {
  core::DrawHistory history;
  if (!core::Read_lotto_list(history, VANTOR_DATA_DIR, "2026/12/09")) qFatal("the bundled draws do not load");
  if (!core::put_to_ltno(history)) qFatal("the bundled draws do not derive");
  return history;
}

struct ChartWindow {
  ui::ScopedRecorder dialogs;
  core::DrawHistory history;
  core::FixedClock clock;
  TForm_zu_chart1 window{history, clock};

  explicit ChartWindow(core::DrawHistory draws = small_history(), core::Date today = {2009, 1, 10})
      : history(std::move(draws)), clock(today) {
    window.resize(1010, 720);
    window.show();
  }
  // The layout and the charts' own label placing done, as before the next paint.
  void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  void resize(int width, bool detail) {
    if (window.Panel4->isVisible() != detail) window.Button1->click();
    window.resize(width, window.height());
    settle();
  }
  // The issue's example: 不定位號碼 0618 with 拖下一期, on the bundled draws; the query
  // panel closed again, the charts keep the result.
  void show_query_0618() {
    window.Panel1->cb_star234->setChecked(true);
    window.Panel3->Edit1->setText("0618");
    window.Panel3->SpeedButton4->click();
    window.Panel1->cb_star234->setChecked(false);
    settle();
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

struct DrawnBar {
  QRectF rect;  // in scene coordinates
  QColor colour;
  const QGraphicsItem* owner;  // the series' item, which also holds the value marks
};

// The bars as the chart draws them, left to right: the scene's visible rectangles painted
// in a bar colour (the toolkit hides a bar of 0, so the example has none).
QList<DrawnBar> drawn_bars(const chartwin::BarChart* chart) {
  QSet<QRgb> colours;
  for (QBarSet* set : chart->series()->barSets()) colours << set->color().rgb();
  QList<DrawnBar> bars;
  for (const QGraphicsItem* item : chart->scene()->items()) {
    const auto* rect = dynamic_cast<const QGraphicsRectItem*>(item);
    if (rect && rect->isVisible() && colours.contains(rect->brush().color().rgb()))
      bars << DrawnBar{rect->mapRectToScene(rect->rect()), rect->brush().color(), rect->parentItem()};
  }
  std::sort(bars.begin(), bars.end(), [](const auto& a, const auto& b) { return a.rect.left() < b.rect.left(); });
  return bars;
}

// Every bar has its label, within the picture; the first, middle and last labels stand
// centred under their own bars; every value mark stands as the series says (upright or flat).
void expect_labels_under_their_bars(const chartwin::BarChart* chart, const QString& where) {
  const QList<QBarSet*> sets = chart->series()->barSets();
  const QList<DrawnBar> bars = drawn_bars(chart);
  const auto& labels = chart->item_labels();
  const QString what = where + " " + chart->objectName();
  QVERIFY2(!sets.isEmpty(), qPrintable(what));
  QVERIFY2(bars.size() == sets.size() && static_cast<qsizetype>(labels.size()) == sets.size(), qPrintable(what));
  const QRectF picture = chart->mapToScene(chart->viewport()->rect()).boundingRect();
  for (qsizetype i = 0; i < sets.size(); ++i) {
    const chartwin::ItemLabel* label = labels[static_cast<std::size_t>(i)];
    const QString at = what + " bar " + sets[i]->label();
    QVERIFY2(label->text() == sets[i]->label() && label->isVisible(), qPrintable(at));
    QVERIFY2(picture.contains(label->sceneBoundingRect()), qPrintable(at));
  }
  for (const qsizetype i : {qsizetype{0}, sets.size() / 2, sets.size() - 1}) {
    const QRectF bar = bars[i].rect;
    const QRectF label = labels[static_cast<std::size_t>(i)]->sceneBoundingRect();
    const QString at = what + " bar " + sets[i]->label();
    QVERIFY2(bars[i].colour == sets[i]->color(), qPrintable(at));
    QVERIFY2(bar.left() <= label.center().x() && label.center().x() <= bar.right(), qPrintable(at));
    QVERIFY2(qAbs(label.center().x() - bar.center().x()) < 1.0, qPrintable(at));
    QVERIFY2(label.top() >= bar.bottom(), qPrintable(at));
  }
  for (const QGraphicsItem* item : bars.first().owner->childItems())
    if (const auto* mark = dynamic_cast<const QGraphicsTextItem*>(item); mark && mark->isVisible())
      QVERIFY2(qFuzzyCompare(mark->rotation() + 360, chart->series()->labelsAngle() + 360), qPrintable(what));
}

struct Axis {
  double min, max;
  int ticks;
  bool operator==(const Axis&) const = default;
};

QList<Axis> value_axes(const TForm_zu_chart1& w) {
  QList<Axis> axes;
  for (const chartwin::BarChart* chart : {w.Chart1, w.Chart2, w.Chart3})
    axes << Axis{chart->value_axis()->min(), chart->value_axis()->max(), chart->value_axis()->tickCount()};
  return axes;
}

QRect in_window(const QWidget* widget, const QWidget* window) {
  return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
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

  void labels_stand_under_their_own_bars_at_any_width() {
    ChartWindow c(bundled_history(), {2026, 12, 9});
    c.show_query_0618();
    // The issue's example: the tallest bar, 14 draws, belongs to 34.
    const QBarSet* tallest = c.window.Chart1->series()->barSets().first();
    QCOMPARE(tallest->at(0), 14.0);
    QCOMPARE(tallest->label(), QStringLiteral("34"));
    struct Width {
      const char* what;
      int width;
      bool detail;
    };
    const Width widths[] = {{"wide", 1366, false}, {"opening", 1010, false}, {"detail open", 1010, true},
                            {"narrowest", 0, true},  {"wide again", 1366, false}};
    for (const Width& w : widths) {
      c.resize(w.width, w.detail);
      if (w.width == 0) QVERIFY(c.window.Chart1->width() < 600);  // a narrow chart indeed
      for (const chartwin::BarChart* chart : {c.window.Chart1, c.window.Chart2, c.window.Chart3})
        expect_labels_under_their_bars(chart, QString::fromLatin1(w.what));
    }
    // Marks turned upright on the narrow chart stand flat again on the wide one.
    QCOMPARE(c.window.Chart1->series()->labelsAngle(), 0.0);
  }

  // At the window's smallest the upright value marks take a type whose digits are less
  // high than a bar is wide, so neighbouring values never run into each other; wide
  // again, they grow back.
  void value_marks_fit_their_bars_at_the_smallest_size() {
    ChartWindow c(bundled_history(), {2026, 12, 9});
    const QFont normal = c.window.Chart1->series()->barSets().first()->labelFont();
    c.resize(0, true);
    c.window.resize(c.window.minimumSizeHint());
    c.settle();
    const chartwin::BarChart& numbers = *c.window.Chart1;
    const qreal per_bar = numbers.chart()->plotArea().width() / numbers.series()->barSets().size();
    for (const QBarSet* set : numbers.series()->barSets())
      QVERIFY2(QFontMetricsF(set->labelFont()).tightBoundingRect("0123456789").height() + 1 <= per_bar,
               qPrintable(set->label()));
    QVERIFY(numbers.series()->barSets().first()->labelFont().pointSizeF() < normal.pointSizeF());
    c.resize(1366, false);
    QCOMPARE(numbers.series()->barSets().first()->labelFont(), normal);
  }

  void value_axis_depends_on_the_data_alone() {
    ChartWindow c(bundled_history(), {2026, 12, 9});
    auto& p = *c.window.Panel1;
    const QList<Axis> opening = value_axes(c.window);
    for (const chartwin::BarChart* chart : {c.window.Chart1, c.window.Chart2, c.window.Chart3}) {
      const double highest = chart->series()->barSets().first()->at(0);  // sorted
      QVERIFY2(chart->value_axis()->max() > highest * 1.3, qPrintable(chart->objectName()));
    }
    struct Step {
      const char* what;
      std::function<void()> act;
    };
    const Step steps[] = {
        {"unsorted", [&] { p.cb_sort->setChecked(false); }},
        {"sorted again", [&] { p.cb_sort->setChecked(true); }},
        {"after other data", [&] {
           p.distances[1]->setChecked(true);
           p.distances[5]->setChecked(true);
           QVERIFY(value_axes(c.window) != opening);
           p.distances[1]->setChecked(false);
           p.distances[5]->setChecked(false);
         }},
    };
    for (const Step& step : steps) {
      step.act();
      QVERIFY2(value_axes(c.window) == opening, step.what);
    }
  }

  void query_panel_docks_beside_the_charts() {
    ChartWindow c;
    c.window.Panel1->cb_star234->setChecked(true);
    c.settle();
    chartwin::ChartQueryPanel* panel = c.window.Panel3;
    auto* charts = qobject_cast<QMainWindow*>(panel->parentWidget());
    QVERIFY(charts);
    QCOMPARE(charts->dockWidgetArea(panel), Qt::TopDockWidgetArea);
    QVERIFY(!panel->isFloating());
    struct Place {
      Qt::DockWidgetArea area;
      bool one_row;
    };
    const Place places[] = {{Qt::TopDockWidgetArea, true},
                            {Qt::RightDockWidgetArea, false},
                            {Qt::BottomDockWidgetArea, true},
                            {Qt::LeftDockWidgetArea, false}};
    for (const Place& place : places) {
      charts->addDockWidget(place.area, panel);
      c.settle();
      const QString where = QString::number(place.area);
      for (const QWidget* chart : {static_cast<QWidget*>(c.window.Chart1), static_cast<QWidget*>(c.window.Chart2),
                                   static_cast<QWidget*>(c.window.Chart3)})
        QVERIFY2(!in_window(panel, &c.window).intersects(in_window(chart, &c.window)), qPrintable(where));
      // Above or below the boxes stand in a row, at a side in a column.
      QVERIFY2((panel->Panel6->y() == panel->Panel5->y()) == place.one_row, qPrintable(where));
      QVERIFY2((panel->Panel6->x() == panel->Panel5->x()) == !place.one_row, qPrintable(where));
    }
    panel->setFloating(true);
    c.settle();
    QCOMPARE(panel->Panel6->x(), panel->Panel7->x());  // two by two
    QCOMPARE(panel->Panel6->y(), panel->Panel8->y());
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
    trace::ChartSettings s = c.opening();
    const auto want_of = [&c](const trace::ChartSettings& settings) {
      trace::ChartData want = c.run(settings);
      want.number_title = trace::shown_number_title(want, settings, c.history.game_name);
      return want;
    };
    for (const Case& k : cases) {
      c.dialogs.recorder.messages.clear();
      k.fill();
      k.button->click();
      s.query = k.query;
      const trace::ChartData want = want_of(s);
      QVERIFY2(shown(c.window) == shown(want), k.what);
      QStringList messages;
      for (const auto& m : want.messages) messages << ui::qs(m);
      QCOMPARE(c.dialogs.recorder.texts(), messages);
    }
    // A positional title names its positions, a tail one says so.
    QCOMPARE(c.window.Chart1->title(), QStringLiteral("今彩539尾數 第1落球 6 拖牌號碼統計(2005/01/01-2009/01/10)"));
    q.SpeedButton1->click();
    QCOMPARE(c.window.Chart1->title(), QStringLiteral("今彩539 第2順球 15 拖牌號碼統計(2005/01/01-2009/01/10)"));
    // A new period counts the query on display again: no count or title of the old one stays.
    c.dialogs.recorder.messages.clear();
    c.window.Panel1->DateTimePicker1->setDate(QDate(2009, 1, 4));
    s.from = {2009, 1, 4};
    s.query = cases[3].query;
    QVERIFY(shown(c.window) == shown(want_of(s)));
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
    QCOMPARE(c.dialogs.recorder.texts(),
             QStringList{"無法寫入檔案 " + QDir::toNativeSeparators(nowhere) + "：找不到檔案或資料夾"});
    QVERIFY(!QFile::exists(nowhere));

    c.window.Chart2->copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), c.window.Chart2->size());
  }
};

VANTOR_TEST_CLASS(ChartWindowTest)
#include "chart_window_test.moc"
