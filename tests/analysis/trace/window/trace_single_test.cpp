// The single-draw trace window alone: its opening, the single-number tab's stepping and
// pinned mode, every other tab's boxes, refused boxes and the pop-up commands. What each
// trace holds is the computation's business; here the window must show exactly what the
// computation gives for the boxes on screen.
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "analysis/trace/trace_messages.h"
#include "analysis/trace/window/add_sheet.h"
#include "analysis/trace/window/combination_sheet.h"
#include "analysis/trace/window/cycle_sheet.h"
#include "analysis/trace/window/position_sheet.h"
#include "analysis/trace/window/single_number_sheet.h"
#include "core/numbers.h"
#include "core/sheet_cells.h"
#include "core/text_file.h"
#include "support/trace_window_fixture.h"
#include "support/test_classes.h"
#include "support/xlsx_reader.h"

using namespace trace_fixture;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

class TraceSingleTest : public QObject {
  Q_OBJECT

 private slots:
  void opening_shows_the_newest_draw_on_tab_0();
  void stepping_and_choosing_an_issue();
  void pinned_mode_enters_steps_and_leaves();
  void every_tab_traces_its_boxes();
  void refused_boxes_keep_the_trace_and_the_distance();
  void typed_boxes_trace_what_they_show();
  void pop_up_commands();
  void grid_keeps_its_design_widths_and_cuts_no_text();
};

void TraceSingleTest::opening_shows_the_newest_draw_on_tab_0() {
  TraceWindow f;
  TForm_zu_trace_single& w = f.window;
  QCOMPARE(w.PageControl1->currentIndex(), 0);
  for (int i = 0; i < trace::kTabCount; ++i) QCOMPARE(w.PageControl1->tabBar()->tabTextColor(i).isValid(), i == 0);

  const auto issues = trace::latest_issues(f.table());
  QCOMPARE(issues.size(), 11u);
  QCOMPARE(issues.front(), f.table().issue(f.newest()));
  for (QComboBox* box : {w.TabSheet1->cb_latest, w.TabSheet2->issue, w.TabSheet7->issue, w.TabSheet3->issue,
                         w.TabSheet4->issue, w.TabSheet6->cb_latest_ck})
    QCOMPARE(items(box), qlist(issues));
  QCOMPARE(w.TabSheet1->cbn1->count(), 39);
  QCOMPARE(w.TabSheet6->cb_ck->count(), 39);

  const auto balls = trace::drawn_texts(f.table(), f.newest());
  QCOMPARE(items(w.TabSheet1->cb_trno), qlist(balls));
  QCOMPARE(text(w.TabSheet1->cb_trno), balls.front());
  QCOMPARE(w.TabSheet1->distance_label->text(), QStringLiteral("下 1 期"));
  QCOMPARE(w.TabSheet1->lbn1->text(), QStringLiteral("下 1 期 "));  // the draw after the newest is still to come
  QVERIFY(same_grid(w.sgmap->grid(), f.expected(TraceWindow::single(balls.front()), 1).grid));
  QCOMPARE(f.shown().title, "本期開 " + balls.front() + " 下 1 期 拖牌分析");
}

void TraceSingleTest::stepping_and_choosing_an_issue() {
  TraceWindow f;
  tracewin::SingleNumberSheet& s = *f.window.TabSheet1;
  const std::string number = text(s.cb_trno);
  s.back->click();
  QCOMPARE(s.distance_label->text(), QStringLiteral("本期"));
  QCOMPARE(s.lbn1->text(), q("本期 " + f.table().issue(f.newest())));
  QVERIFY(same_grid(f.window.sgmap->grid(), f.expected(TraceWindow::single(number), 0).grid));
  QCOMPARE(items(s.cbn1), qlist(trace::drawn_texts(f.table(), f.newest())));
  s.back->click();
  QCOMPARE(s.distance_label->text(), QStringLiteral("上 1 期"));
  QCOMPARE(items(s.cbn1), qlist(trace::drawn_texts(f.table(), f.newest() - 1)));
  s.forward->click();
  s.forward->click();
  QCOMPARE(s.cbn1->count(), 0);  // the target draw does not exist yet

  choose(s.cb_latest, 3);
  QCOMPARE(s.distance_label->text(), QStringLiteral("下 4 期"));
  QCOMPARE(s.selected_draw(), f.newest() - 3);
  QCOMPARE(items(s.cb_trno), qlist(trace::drawn_texts(f.table(), f.newest() - 3)));
  QVERIFY(f.window.shown()->export_bound == trace::ExportBound::up_to(f.table().issue(f.newest() - 3)));

  // An issue no draw has selects nothing: said, the trace stays and the box shows its issue.
  const tracewin::SharedTrace before = f.window.shown();
  const QString issue = s.cb_latest->currentText();
  type_into(s.cb_latest, QStringLiteral("999999"));
  QCOMPARE(f.window.shown(), before);
  QCOMPARE(s.selected_draw(), f.newest() - 3);
  QCOMPARE(s.cb_latest->currentText(), issue);
  QCOMPARE(f.dialogs.recorder.texts(), QStringList{q(trace::msg::unknown_issue("999999"))});
}

void TraceSingleTest::pinned_mode_enters_steps_and_leaves() {
  TraceWindow f;
  tracewin::SingleNumberSheet& s = *f.window.TabSheet1;
  const auto grid = [&f] { return f.window.sgmap->grid(); };
  s.back->click();  // distance 0, so cbn1 offers the newest draw's balls
  const trace::TraceResult first = f.shown();

  s.sbpin1->click();
  QCOMPARE(s.sbpin1->text(), QStringLiteral("已固定"));
  QVERIFY(s.Panel7->isVisible());
  QVERIFY(!s.panel->isEnabled());
  QCOMPARE(f.window.source_list(), first.trace_list);
  const std::string pinned = text(s.cbn1);
  QVERIFY(same_grid(grid(), f.expected(TraceWindow::single(pinned), 0, first.trace_list).grid));
  s.SpeedButton17->click();
  QCOMPARE(s.lbtridx_n1->text(), QStringLiteral("下 1 期"));
  QVERIFY(same_grid(grid(), f.expected(TraceWindow::single(pinned), 1, first.trace_list).grid));

  s.SpeedButton3->click();
  QCOMPARE(s.sbpin1->text(), QStringLiteral("固定"));
  QVERIFY(!s.Panel7->isVisible());
  QVERIFY(s.panel->isEnabled());
  QCOMPARE(f.window.source_list(), trace::all_draws(f.table()));
  QVERIFY(same_grid(grid(), first.grid));

  // Other tabs leave pinned mode alone; back on tab 0 its number is traced over the pinned draws.
  s.sbpin1->click();
  f.window.show_page(1);
  f.window.show_page(0);
  QVERIFY(s.pinned());
  QVERIFY(same_grid(grid(), f.expected(TraceWindow::single(text(s.cb_trno)), 1, first.trace_list).grid));
  // A new opening starts unpinned.
  f.window.hide();
  f.window.show();
  QVERIFY(!s.pinned());
  QCOMPARE(f.window.source_list(), trace::all_draws(f.table()));
}

void TraceSingleTest::every_tab_traces_its_boxes() {
  using trace::TraceTab;
  const struct {
    int page;
    TraceTab tab;
    const char* number_box;
  } cases[] = {{1, TraceTab::Pair, "cb_tr22"},        {2, TraceTab::Triple, "cb_tr22_3"},
               {3, TraceTab::Ascending, "cb_fix12"},  {4, TraceTab::Drawn, "cb_fix22"},
               {5, TraceTab::Add, nullptr},           {6, TraceTab::Cycle, nullptr}};
  TraceWindow f;
  for (const auto& c : cases) {
    f.window.show_page(c.page);
    QVERIFY(f.window.PageControl1->tabBar()->tabTextColor(c.page).isValid());
    QVERIFY(!f.window.PageControl1->tabBar()->tabTextColor(0).isValid());
    trace::TraceBoxes boxes;
    boxes.tab = c.tab;
    boxes.issue = f.table().issue(f.newest());
    if (c.number_box) {
      const trace::NumberBox offered = trace::number_box(f.table(), f.newest(), c.tab);
      QCOMPARE(items(f.window.findChild<QComboBox*>(c.number_box)), qlist(offered.items));
      boxes.number = offered.text;
    }
    // Tabs with an issue box start at the draw after the newest; the others at 本期.
    const int distance = c.number_box ? 1 : 0;
    tracewin::TraceSheet& sheet = *f.window.sheets()[static_cast<std::size_t>(c.page)];
    QCOMPARE(sheet.distance_label->text(), q(trace::distance_label(distance)));
    QVERIFY2(same_grid(f.shown().grid, f.expected(boxes, distance).grid), c.number_box);
    QCOMPARE(f.shown().title, f.expected(boxes, distance).title);
    QVERIFY(f.window.shown()->export_bound == (c.tab == TraceTab::Add ? trace::ExportBound::all_rows()
                                                                        : trace::ExportBound::up_to(f.table().issue(f.newest()))));
    sheet.forward->click();
    QCOMPARE(sheet.distance_label->text(), q(trace::distance_label(distance + 1)));
    QVERIFY(same_grid(f.shown().grid, f.expected(boxes, distance + 1).grid));
  }
  // A drawn position only ever holds one of five balls.
  QCOMPARE(items(f.window.TabSheet4->position), QStringList({"1", "2", "3", "4", "5"}));
}

void TraceSingleTest::refused_boxes_keep_the_trace_and_the_distance() {
  const struct {
    int page;
    const char* box;
    QString typed;
    std::string message;
  } cases[] = {
      {3, "cb_fix11", "0", std::string(trace::msg::kBadPosition)},
      {4, "cb_fix21", "8", std::string(trace::msg::kBadPosition)},
      {5, "cb_add2", "乘", trace::msg::bad_sign("乘")},
      {5, "cb_add3", "x", core::not_an_integer("x")},
      {6, "cb_ck", "0", trace::msg::step_below_one("0")},
  };
  TraceWindow f;
  auto& messages = f.dialogs.recorder.messages;
  for (const auto& c : cases) {
    f.window.show_page(c.page);
    tracewin::TraceSheet& sheet = *f.window.sheets()[static_cast<std::size_t>(c.page)];
    auto* box = f.window.findChild<QComboBox*>(c.box);
    const QString kept = box->currentText();
    const tracewin::SharedTrace before = f.window.shown();
    const int distance = sheet.distance();
    messages.clear();
    type_into(box, c.typed);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.last().kind, ui::MessageKind::Error);
    QCOMPARE(messages.last().text, q(c.message));
    QCOMPARE(f.window.shown(), before);
    QCOMPARE(sheet.distance(), distance);
    QCOMPARE(box->currentText(), kept);  // the box shows what the trace on screen is for
    sheet.forward->click();
    QCOMPARE(messages.size(), 1);
    QVERIFY(f.window.shown() != before);
  }
}

// Typed as a user types, without Enter or with it, a box traces once for the text it
// shows: no completion turns "3" into "30", and "05" or "-1" pass "0" and "-" quietly.
void TraceSingleTest::typed_boxes_trace_what_they_show() {
  using test_input::Finish;
  const struct {
    int page;
    const char* box;
    QString typed;
    Finish finish;
  } cases[] = {
      {6, "cb_ck", "3", Finish::Leave},  {6, "cb_ck", "05", Finish::Enter}, {6, "cb_ck", "5", Finish::Leave},
      {5, "cb_add3", "-1", Finish::Leave}, {5, "cb_add3", "12", Finish::Enter},
  };
  TraceWindow f;
  for (const auto& c : cases) {
    f.window.show_page(c.page);
    auto* box = f.window.findChild<QComboBox*>(c.box);
    const tracewin::SharedTrace before = f.window.shown();
    type_into(box, c.typed, c.finish);
    QCOMPARE(box->currentText(), c.typed);
    trace::TraceBoxes boxes;
    if (c.page == 6) {
      boxes.tab = trace::TraceTab::Cycle;
      boxes.issue = text(f.window.TabSheet6->cb_latest_ck);
      boxes.step = c.typed.toStdString();
    } else {
      boxes.tab = trace::TraceTab::Add;
      boxes.amount = c.typed.toStdString();
    }
    QVERIFY(f.window.shown() != before);
    QVERIFY2(same_grid(f.shown().grid, f.expected(boxes, 0).grid), c.box);
    QCOMPARE(f.shown().title, f.expected(boxes, 0).title);
  }
  QVERIFY(f.dialogs.recorder.messages.isEmpty());

  // A step box left empty traces nothing; the next step names it.
  type_into(f.window.TabSheet6->cb_ck, "\b", Finish::Leave);
  f.window.TabSheet6->forward->click();
  QCOMPARE(f.dialogs.recorder.texts(), QStringList{QStringLiteral("請輸入每隔的期數")});
}

void TraceSingleTest::pop_up_commands() {
  TraceWindow f;
  TForm_zu_trace_single& w = f.window;
  QVERIFY(!w.N1->isEnabled());
  QVERIFY(!w.N2->isEnabled());
  trace::TraceExport exported;
  std::string title;
  w.set_number_analysis([&](const trace::TraceExport& rows, const std::string& t) {
    exported = rows;
    title = t;
  });
  QVERIFY(w.N1->isEnabled());
  choose(w.TabSheet1->cb_latest, 5);  // an older issue: the export stops at it
  w.N1->trigger();
  const trace::TraceExport expected = trace::export_trace(f.shown(), trace::ExportBound::up_to(text(w.TabSheet1->cb_latest)));
  QCOMPARE(exported.rows.size(), expected.rows.size());
  QVERIFY(exported.rows.empty() || exported.rows.back().issue <= text(w.TabSheet1->cb_latest));
  QCOMPARE(title, f.shown().title);

  QTemporaryDir dir;
  const QString path = dir.filePath("trace.txt");
  auto& recorder = f.dialogs.recorder;
  QCOMPARE(w.N4->text(), QStringLiteral("將本圖表資料存成文字檔或Excel檔..."));
  recorder.save_answers << path;
  w.N4->trigger();
  QCOMPARE(core::read_lines(path.toStdString()).value(), trace::text_form(f.shown().grid, 39));
  QFile::remove(path);
  w.N4->trigger();  // cancelled: nothing written
  QVERIFY(!QFile::exists(path));
  QVERIFY(recorder.messages.isEmpty());  // a save says nothing unless it fails

  // The same command saves a spreadsheet: the grid under its frozen header, named after
  // the trace, every column of numbers numbers ("05" shown with its zero).
  const QString book_path = dir.filePath("trace.xlsx");
  recorder.save_answers << book_path;
  w.N4->trigger();
  const auto book = test_support::read_xlsx(book_path.toStdString());
  QVERIFY(book);
  QCOMPARE(book->sheet_name, core::sheet_name(f.shown().title));
  QVERIFY(book->header_frozen);
  const core::TextGrid& grid = f.shown().grid;
  std::vector<std::string> lines;
  for (int r = 0; r < grid.rows(); ++r) {
    std::string line;
    for (int c = 0; c < 39 + 14; ++c) line += (c ? "," : "") + grid.cell(c, r);
    lines.push_back(line);
  }
  QCOMPARE(test_support::lines_mismatch(*book, lines, 0, {1, SIZE_MAX}), std::string());
  QCOMPARE(book->cell(0, 6)->value, std::string("05"));
  QVERIFY(recorder.messages.isEmpty());
}

// 63, 43, then 17 for each of the 50 other columns, widened only where a text needs it:
// the tail columns stay on a 1366-pixel screen and no count is cut short.
void TraceSingleTest::grid_keeps_its_design_widths_and_cuts_no_text() {
  TraceWindow f;
  ui::StringGrid* grid = f.window.sgmap;
  for (const int step : {1, 3}) {  // every draw (long columns of counts), then every third
    f.window.PageControl1->setCurrentIndex(6);
    type_into(f.window.TabSheet6->cb_ck, QString::number(step));
    const core::TextGrid& cells = grid->grid();
    QCOMPARE(cells.columns(), 52);
    // The view draws a cell's text inside this margin on each side and the grid line, and
    // elides what is wider.
    const int margin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) +
                       (grid->showGrid() ? 1 : 0);
    int total = 0;
    for (int c = 0; c < cells.columns(); ++c) {
      const int width = grid->columnWidth(c);
      total += width;
      QVERIFY(width >= (c == 0 ? 63 : c == 1 ? 43 : 17));
      QVERIFY(grid->horizontalHeader()->fontMetrics().horizontalAdvance(grid->model()->headerData(c, Qt::Horizontal).toString()) + margin <= width);
      for (int r = 1; r < cells.rows(); ++r)
        QVERIFY2(grid->fontMetrics().horizontalAdvance(q(cells.cell(c, r))) + margin <= width,
                 qPrintable(QStringLiteral("column %1 row %2: %3").arg(c).arg(r).arg(q(cells.cell(c, r)))));
    }
    QVERIFY2(total + grid->verticalScrollBar()->sizeHint().width() + 2 * grid->frameWidth() <= 1366 - 2 * 11,
             qPrintable(QString::number(total)));
  }
}

VANTOR_TEST_CLASS(TraceSingleTest)
#include "trace_single_test.moc"
