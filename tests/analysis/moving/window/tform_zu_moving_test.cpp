// The moving-pattern window's wiring: each tab's boxes reach the computation, selected
// cells feed the notes, and the notes go to the memo report (the order buttons: in
// ball_order_windows_test). The grid's arithmetic is tested without a window.
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <random>

#include "analysis/moving/window/tform_zu_moving.h"
#include "exchange/window/trpt.h"
#include "support/combo_input.h"
#include "support/hand_made_draws.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

using test_input::type_into;

namespace {

struct MovingFixture {
  ui::ScopedRecorder dialogs;
  core::DrawHistory history = [] {
    std::mt19937 rng(8);
    return test_support::hand_made_history(test_support::random_draws(rng, 12, 12));
  }();
  core::DrawTable writer{history};
  TForm_zu_moving window{writer};

  MovingFixture() { window.show(); }
  [[nodiscard]] std::vector<std::string> column(int c) const { return window.sgl->grid().column(c); }
  [[nodiscard]] moving::MovingPattern computed(const moving::MovingBoxes& boxes) const {
    return *moving::show_moving(history, boxes, window.order());
  }
};

}  // namespace

class MovingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void each_tab_recomputes_from_its_boxes_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("固定位置加減法") << 0;
    QTest::newRow("平均數加減法") << 1;
  }

  void each_tab_recomputes_from_its_boxes() {
    QFETCH(int, page);
    MovingFixture f;
    TForm_zu_moving& w = f.window;
    w.PageControl1->setCurrentIndex(page);
    movingwin::RuleSheet& sheet = w.active_sheet();
    moving::MovingBoxes expected;
    expected.average = page == 1;

    type_into(sheet.look_back, "3");
    QCoreApplication::processEvents();
    const QRect first_row = sheet.look_back->geometry();
    sheet.counts[2]->setChecked(true);
    QVERIFY(sheet.amounts[2]->isVisibleTo(&sheet) && sheet.or_labels[1]->isVisibleTo(&sheet));
    QCoreApplication::processEvents();
    QCOMPARE(sheet.look_back->geometry(), first_row);  // showing the rows below moves nothing
    type_into(sheet.amounts[1], "7");
    sheet.signs[2]->setCurrentIndex(1);
    emit sheet.signs[2]->textActivated(sheet.signs[2]->currentText());
    type_into(sheet.positions[0], "4");
    expected.look_back = "3";
    expected.prediction_count = 3;
    expected.amounts = {"0", "7", "0"};
    expected.signs = {"加", "加", "減"};
    expected.positions[0] = "4";
    QCOMPARE(w.sgl->grid().rows(), f.history.draw_count + 2);
    QCOMPARE(f.column(moving::kPredictionColumn), f.computed(expected).sgl.column(moving::kPredictionColumn));
    QVERIFY(w.lb_refusal->text().isEmpty());

    sheet.counts[0]->setChecked(true);  // 一中一 hides the second and third rows
    QVERIFY(!sheet.amounts[1]->isVisibleTo(&sheet) && !sheet.signs[2]->isVisibleTo(&sheet));
    QCoreApplication::processEvents();
    QCOMPARE(sheet.look_back->geometry(), first_row);

    // A look-back below 1 is refused where the user sees it; the grid stays as it was, and
    // so does the layout: the refusal takes no room from the tabs or the grid.
    const auto before = f.column(moving::kPredictionColumn);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRect tabs = w.PageControl1->geometry(), grid = w.sgl->geometry();
    type_into(sheet.look_back, "0");
    QCOMPARE(w.lb_refusal->text(), QStringLiteral("期數必須至少為 1: 0"));
    QCOMPARE(f.column(moving::kPredictionColumn), before);
    // The box shows again the look-back of the grid, and the title names that pattern.
    QCOMPARE(sheet.look_back->currentText(), QStringLiteral("3"));
    sheet.title_button->click();
    QVERIFY(w.Memo1->lines().back().find("上3期") != std::string::npos);
    QVERIFY(w.Memo1->lines().back().find("上0期") == std::string::npos);
    w.Memo1->clear_lines();
    f.dialogs.recorder.messages.clear();
    // 版路標題 after a half-typed look-back (no Enter, no leaving the box) computes it first.
    type_into(sheet.look_back, "5", test_input::Finish::None);
    QTest::mouseClick(sheet.title_button, Qt::LeftButton);
    QVERIFY(w.Memo1->lines().back().find("上5期") != std::string::npos);
    QCOMPARE(f.column(moving::kPredictionColumn), f.computed(sheet.boxes()).sgl.column(moving::kPredictionColumn));
    type_into(sheet.look_back, "3");
    w.Memo1->clear_lines();
    f.dialogs.recorder.messages.clear();
    type_into(sheet.look_back, "3");
    type_into(sheet.amounts[0], "123456789012345678901234");  // a refusal of two lines
    QCOMPARE(w.lb_refusal->text(), QStringLiteral("「123456789012345678901234」不是有效的整數"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(w.PageControl1->geometry(), tabs);
    QCOMPARE(w.sgl->geometry(), grid);
    // An emptied box is named when another entry reads it, never quoted as "「」".
    type_into(sheet.amounts[0], "\b");
    type_into(sheet.look_back, "4");
    QCOMPARE(w.lb_refusal->text(), QStringLiteral("請輸入加減的數"));
    type_into(sheet.amounts[0], "0");
    QVERIFY(f.dialogs.recorder.messages.isEmpty());

    sheet.title_button->click();
    const std::string title = moving::moving_title(sheet.boxes(), core::BallOrder::Drawn);
    QCOMPARE(w.Memo1->lines(), std::vector<std::string>{title});
    QCOMPARE(f.dialogs.recorder.texts(), QStringList{QString::fromStdString(title) + "\n(已存入版路明細)"});
  }

  void selected_result_cells_add_their_sentence_to_the_notes() {
    MovingFixture f;
    TForm_zu_moving& w = f.window;
    const auto select = [&](int column, int row) {
      w.sgl->setCurrentIndex(w.sgl->model()->index(row - 1, column));
    };
    select(10, 5);
    select(3, 6);                                // a draw column: nothing
    select(9, 1);                                // row 1 has no source draw: nothing
    select(12, f.history.draw_count + 1);        // the coming draw's row
    QCOMPARE(w.Memo1->lines(), (std::vector<std::string>{w.pattern().pattern_detail[5],
                                                         w.pattern().pattern_detail[f.history.draw_count + 1]}));
  }

  void notes_print_through_the_memo_report_and_help_opens() {
    MovingFixture f;
    TForm_zu_moving& w = f.window;
    const core::FixedClock clock(core::Date{2020, 2, 1});
    Trpt report(clock, &w);
    int helps = 0;
    QObject::connect(&w, &TForm_zu_moving::print_requested, &report, &Trpt::show_memo_rpt);
    QObject::connect(&w, &TForm_zu_moving::help_requested, &w, [&] { ++helps; });
    w.Memo1->set_lines({"第一句", "第二句"});
    w.N1->trigger();
    QCOMPARE(report.qr(), w.Memo1->lines());
    QCOMPARE(report.title(), std::string("Morlin"));  // the one title of every memo report
    QVERIFY(report.preview() && f.dialogs.recorder.shown_modal.contains(report.preview()));
    report.preview()->close();

    w.SpeedButton6->click();
    QCOMPARE(helps, 1);
    w.SpeedButton5->click();
    QCOMPARE(f.dialogs.recorder.texts(), QStringList{"點[預測欄]就可以產生版路明細"});
  }
};

VANTOR_TEST_CLASS(MovingWindowTest)
#include "tform_zu_moving_test.moc"
