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
#include "ui/controls.h"

using namespace trace_fixture;

class TraceSingleTest : public QObject {
  Q_OBJECT

 private slots:
  void opening_shows_the_newest_draw_on_tab_0();
  void stepping_and_choosing_an_issue();
  void pinned_mode_enters_steps_and_leaves();
  void every_tab_traces_its_boxes();
  void refused_boxes_keep_the_trace_and_the_distance();
  void typed_boxes_trace_what_they_show();
  void commands_finish_a_half_typed_box_first();
  void number_boxes_take_one_digit_or_say_how();
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
  QCOMPARE(s.lbn1->text(), ui::qs("本期 " + f.table().issue(f.newest())));
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
  QCOMPARE(f.dialogs.recorder.texts(), QStringList{ui::qs(trace::msg::unknown_issue("999999"))});
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

  // Other tabs leave pinned mode alone; back on tab 0 the pinned trace returns, as the
  // second row names it (its number and distance), and the greyed first row is unchanged.
  s.sbpin1->click();
  QVERIFY(!s.cb_latest->font().bold());
  QVERIFY(s.cb_latest->palette().color(QPalette::Disabled, QPalette::Text) != QColor(Qt::red));
  QCOMPARE(s.cb_latest->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
  s.SpeedButton17->click();
  const QString first_label = s.distance_label->text();
  f.window.show_page(1);
  f.window.show_page(0);
  QVERIFY(s.pinned());
  QCOMPARE(s.lbtridx_n1->text(), QStringLiteral("下 1 期"));
  QCOMPARE(s.distance_label->text(), first_label);
  QVERIFY(same_grid(grid(), f.expected(TraceWindow::single(text(s.cbn1)), 1, first.trace_list).grid));
  // A half-typed pinned number is finished by the pinned row's step.
  type_into(s.cbn1, "3", test_input::Finish::None);
  QTest::mouseClick(s.SpeedButton16, Qt::LeftButton);
  QCOMPARE(s.cbn1->currentText(), QStringLiteral("03"));
  QCOMPARE(s.lbtridx_n1->text(), QStringLiteral("上 1 期"));
  QVERIFY(same_grid(grid(), f.expected(TraceWindow::single("03"), -1, first.trace_list).grid));
  // A new opening starts unpinned.
  f.window.hide();
  f.window.show();
  QVERIFY(!s.pinned());
  QVERIFY(s.cb_latest->font().bold());
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
    QCOMPARE(sheet.distance_label->text(), ui::qs(trace::distance_label(distance)));
    QVERIFY2(same_grid(f.shown().grid, f.expected(boxes, distance).grid), c.number_box);
    QCOMPARE(f.shown().title, f.expected(boxes, distance).title);
    QVERIFY(f.window.shown()->export_bound == (c.tab == TraceTab::Add ? trace::ExportBound::all_rows()
                                                                        : trace::ExportBound::up_to(f.table().issue(f.newest()))));
    sheet.forward->click();
    QCOMPARE(sheet.distance_label->text(), ui::qs(trace::distance_label(distance + 1)));
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
    QCOMPARE(messages.last().text, ui::qs(c.message));
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

namespace {

// The boxes of tab `page` as they read now (tabs 0..4 and 6 also end their export at
// their issue box).
trace::TraceBoxes boxes_on_screen(const TForm_zu_trace_single& w, int page) {
  using trace::TraceTab;
  trace::TraceBoxes boxes;
  switch (page) {
    case 0: boxes.number = text(w.TabSheet1->cb_trno); break;
    case 1:
    case 2: {
      const tracewin::CombinationSheet& s = page == 1 ? *w.TabSheet2 : *w.TabSheet7;
      boxes.tab = page == 1 ? TraceTab::Pair : TraceTab::Triple;
      boxes.number = text(s.numbers);
      break;
    }
    case 3:
    case 4: {
      const tracewin::PositionSheet& s = page == 3 ? *w.TabSheet3 : *w.TabSheet4;
      boxes.tab = page == 3 ? TraceTab::Ascending : TraceTab::Drawn;
      boxes.position = text(s.position);
      boxes.number = text(s.number);
      break;
    }
    case 5:
      boxes.tab = TraceTab::Add;
      boxes.p1 = text(w.TabSheet5->cb_add1);
      boxes.sign = text(w.TabSheet5->cb_add2);
      boxes.amount = text(w.TabSheet5->cb_add3);
      boxes.p2 = text(w.TabSheet5->cb_add4);
      break;
    default:
      boxes.tab = TraceTab::Cycle;
      boxes.issue = text(w.TabSheet6->cb_latest_ck);
      boxes.step = text(w.TabSheet6->cb_ck);
  }
  return boxes;
}

QComboBox* issue_box_of(const TForm_zu_trace_single& w, int page) {
  const std::array<QComboBox*, trace::kTabCount> issues = {w.TabSheet1->cb_latest, w.TabSheet2->issue,
                                                           w.TabSheet7->issue,     w.TabSheet3->issue,
                                                           w.TabSheet4->issue,     nullptr,
                                                           w.TabSheet6->cb_latest_ck};
  return issues[static_cast<std::size_t>(page)];
}

}  // namespace

// A command button reads no box that differs from what its trace was computed for: what
// was typed and not yet ended (no Enter, no leaving the box) is finished by the press,
// then the command runs; a refused text is said, put back, and the command does not run;
// an emptied issue box gets its issue back. Afterwards the boxes, the distance label, the
// grid, the title and the export all belong to one trace.
void TraceSingleTest::commands_finish_a_half_typed_box_first() {
  enum Button { Back, Forward, Pairs, Triples, Sorted };
  struct Case {
    int page;
    const char* box;
    QString typed;
    Button button;
    QString shown;  // the box afterwards ("" = what it showed before)
    int distance;   // the tab's distance afterwards
    int messages;
  };
  const QString older = "100036";  // the draw 5 places before the one to come: 下 5 期
  const QList<Case> cases = {
      {0, "cb_latest", older, Forward, older, 6, 0},
      {0, "cb_latest", older, Back, older, 4, 0},
      {0, "cb_latest", older, Pairs, older, 5, 0},
      {0, "cb_latest", "\b", Back, "", 0, 0},
      {0, "cb_latest", "999999", Forward, "", 1, 1},
      {0, "cb_trno", "7", Back, "07", 0, 0},
      {0, "cb_trno", "70", Forward, "", 1, 1},
      {1, "cb_latest2", older, Back, older, 4, 0},
      {1, "cb_tr22", "3.7", Triples, "03.07", 1, 0},
      {2, "cb_latest2_3", older, Forward, older, 6, 0},
      {3, "cb_latest3", older, Sorted, older, 5, 0},
      {3, "cb_fix11", "2", Forward, "2", 2, 0},
      {4, "cb_latest4", older, Forward, older, 6, 0},
      {4, "cb_fix22", "x", Back, "", 1, 1},
      {5, "cb_add3", "2", Back, "2", -1, 0},
      {6, "cb_latest_ck", older, Forward, older, 1, 0},
  };
  for (const Case& c : cases) {
    TraceWindow f;
    TForm_zu_trace_single& w = f.window;
    QCOMPARE(f.table().issue(f.newest() - 4), older.toStdString());
    tracewin::SharedTrace followed;
    const auto follow = [&followed](tracewin::SharedTrace shown) { followed = std::move(shown); };
    for (auto request : {&TForm_zu_trace_single::two_of_one_requested, &TForm_zu_trace_single::three_of_one_requested,
                         &TForm_zu_trace_single::grid_sort_requested})
      QObject::connect(&w, request, &w, follow);
    w.show_page(c.page);
    tracewin::TraceSheet& sheet = *w.sheets()[static_cast<std::size_t>(c.page)];
    auto* box = w.findChild<QComboBox*>(c.box);
    const QString before = box->currentText();
    type_into(box, c.typed, test_input::Finish::None);
    QAbstractButton* buttons[] = {sheet.back, sheet.forward, sheet.pairs, sheet.triples, sheet.sorted};
    QTest::mouseClick(buttons[c.button], Qt::LeftButton);

    const QString name = QString("%1 %2 %3").arg(c.box, c.typed).arg(static_cast<int>(c.button));
    QVERIFY2(box->currentText() == (c.shown.isEmpty() ? before : c.shown), qPrintable(name));
    QVERIFY2(f.dialogs.recorder.messages.size() == c.messages, qPrintable(name));
    QVERIFY2(sheet.distance() == c.distance, qPrintable(name));
    QCOMPARE(sheet.distance_label->text(), ui::qs(trace::distance_label(c.distance)));
    const trace::TraceResult expected = f.expected(boxes_on_screen(w, c.page), c.distance);
    QVERIFY2(same_grid(f.shown().grid, expected.grid), qPrintable(name));
    QCOMPARE(f.shown().title, expected.title);
    if (const QComboBox* issue = issue_box_of(w, c.page))
      QVERIFY2(w.shown()->export_bound == trace::ExportBound::up_to(text(issue)), qPrintable(name));
    if (c.button >= Pairs) QCOMPARE(followed, w.shown());
  }
  // 固定 pins the rows of the number just typed.
  TraceWindow f;
  tracewin::SingleNumberSheet& s = *f.window.TabSheet1;
  type_into(s.cb_trno, "7", test_input::Finish::None);
  QTest::mouseClick(s.sbpin1, Qt::LeftButton);
  QVERIFY(s.pinned());
  QCOMPARE(s.cb_trno->currentText(), QStringLiteral("07"));
  QCOMPARE(f.window.source_list(), f.expected(TraceWindow::single("07"), 1).trace_list);
}

// A number box takes "5" for "05" (and shows it so); a text that names no number is
// refused in words that say how the box is filled, and the trace stays.
void TraceSingleTest::number_boxes_take_one_digit_or_say_how() {
  TraceWindow f;
  tracewin::SingleNumberSheet& s = *f.window.TabSheet1;
  type_into(s.cb_trno, "5");
  QCOMPARE(s.cb_trno->currentText(), QStringLiteral("05"));
  QCOMPARE(f.shown().title, f.expected(TraceWindow::single("05"), 1).title);
  const tracewin::SharedTrace before = f.window.shown();
  for (const QString& typed : {QStringLiteral("5x"), QStringLiteral("40"), QStringLiteral("00")}) {
    type_into(s.cb_trno, typed);
    QCOMPARE(s.cb_trno->currentText(), QStringLiteral("05"));
  }
  QCOMPARE(f.window.shown(), before);
  QCOMPARE(f.dialogs.recorder.texts().first(),
           QStringLiteral("「5x」不是有效的號碼，請輸入兩位數的號碼，如 05 (01 到 39)"));
  f.dialogs.recorder.messages.clear();
  f.window.show_page(1);
  type_into(f.window.TabSheet2->numbers, "3.x");
  QCOMPARE(f.dialogs.recorder.texts(),
           QStringList{QStringLiteral("「3.x」不是有效的雙星號碼，請輸入如 05.12 的 2 個號碼 (01 到 39)")});
}

void TraceSingleTest::pop_up_commands() {
  TraceWindow f;
  TForm_zu_trace_single& w = f.window;
  QVERIFY(!w.N1->isEnabled());
  QVERIFY(!w.N2->isEnabled());
  trace::TraceExport exported;
  std::string title;
  QObject::connect(&w, &TForm_zu_trace_single::number_analysis_requested, &w,
                   [&](const trace::TraceExport& rows, const std::string& t) {
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
        QVERIFY2(grid->fontMetrics().horizontalAdvance(ui::qs(cells.cell(c, r))) + margin <= width,
                 qPrintable(QStringLiteral("column %1 row %2: %3").arg(c).arg(r).arg(ui::qs(cells.cell(c, r)))));
    }
    QVERIFY2(total + grid->verticalScrollBar()->sizeHint().width() + 2 * grid->frameWidth() <= 1366 - 2 * 11,
             qPrintable(QString::number(total)));
  }
}

VANTOR_TEST_CLASS(TraceSingleTest)
#include "trace_single_test.moc"
