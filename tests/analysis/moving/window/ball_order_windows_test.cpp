// The working ball column ltno_copy as the program shares it: the moving-pattern and
// double-trace windows record their ball-order choice in it, while each window reads the
// balls in the order its own buttons show, whatever another window chose last.
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "analysis/intervals/window/tform_zu_ai2_stk_3xx.h"
#include "analysis/moving/window/tform_zu_moving.h"
#include "app/tform_zu_main.h"
#include "support/app_fixture.h"
#include "support/combo_input.h"
#include "support/draw_file_bytes.h"
#include "support/test_classes.h"

namespace {

constexpr int kDraws = 30;  // the later draws are not drawn in ascending order

bool holds(const core::DrawHistory& h, const core::BallColumns& source) {
  for (int k = 0; k < core::kBallsPerDraw; ++k)
    for (int i = 0; i < h.draw_count; ++i)
      if (h.ltno_copy[k][i] != source[k][i]) return false;
  return true;
}

QStringList items(const QComboBox* box) {
  QStringList all;
  for (int i = 0; i < box->count(); ++i) all << box->itemText(i);
  return all;
}

QStringList latest_balls(const core::DrawHistory& h, const core::BallColumns& source) {
  QStringList balls;
  for (int k = 0; k < core::kBallsPerDraw; ++k) balls << QString::fromStdString(source[k][h.draw_count - 1]);
  return balls;
}

}  // namespace

class BallOrderWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void the_working_column_carries_each_choice_to_the_next_window() {
    AppFixture f(QByteArray::fromStdString(test_support::draw_file_bytes(kDraws)));
    Application& app = f.start(core::Date{2009, 3, 1});
    const core::DrawHistory& h = app.history();
    QVERIFY(!holds(h, h.ltno_sorted));

    // N41Click: the average tab, without blocking.
    QVERIFY(app.windows().open("N41Click"));
    auto& moving = app.window<TForm_zu_moving>();
    QVERIFY(moving.isVisible() && f.dialogs.recorder.shown_modal.isEmpty());
    QCOMPARE(moving.PageControl1->currentWidget(), moving.TabSheet2);
    moving.rb_S->setChecked(true);
    QVERIFY(holds(h, h.ltno_sorted));
    QCOMPARE(moving.sgl->cell(2, 0), std::string("順一"));

    // The double-trace window switches to 順球 on its first showing and offers those balls.
    QVERIFY(app.windows().open("stk_3xxExecute"));
    auto& trace = app.window<TForm_zu_ai2_stk_3xx>();
    QVERIFY(trace.Panel1->rb_ball_sort->isChecked());
    QCOMPARE(items(trace.Panel1->CB_xx), latest_balls(h, h.ltno_sorted));
    trace.Panel1->rb_ball_ori->setChecked(true);
    QVERIFY(holds(h, h.ltno_drawn));
    QCOMPARE(items(trace.Panel1->CB_xx), latest_balls(h, h.ltno_drawn));
    trace.reject();

    // The moving window, still open on 順球, reads ascending balls at its next recompute;
    // ltno_copy keeps the last choice, 落球.
    test_input::type_into(moving.TabSheet2->look_back, "2");
    QVERIFY(holds(h, h.ltno_drawn));
    const auto expected = *moving::show_moving(h, moving.TabSheet2->boxes(), core::BallOrder::Sorted);
    QCOMPARE(moving.sgl->grid().column(moving::kPredictionColumn), expected.sgl.column(moving::kPredictionColumn));

    // Back on 順球 in the double-trace window, then 落球 in the moving window: the next
    // showing of the double-trace window reads its own order, with no rule on display, and
    // leaves the moving window's choice in ltno_copy.
    QVERIFY(app.windows().open("stk_3xxExecute"));
    QVERIFY(holds(h, h.ltno_sorted));
    trace.reject();
    moving.rb_L->setChecked(true);
    QVERIFY(holds(h, h.ltno_drawn));
    QCOMPARE(moving.sgl->cell(2, 0), std::string("落一"));
    QVERIFY(app.windows().open("stk_3xxExecute"));
    QVERIFY(holds(h, h.ltno_drawn));
    QCOMPARE(items(trace.Panel1->CB_xx), latest_balls(h, h.ltno_sorted));
    QCOMPARE(trace.search().query.order, core::BallOrder::Sorted);
    QCOMPARE(trace.Panel1->lb_tot->text(), QStringLiteral("共  0  組"));
    trace.reject();

    // A reload derives ltno_copy afresh (drawn order); the shown moving window recomputes
    // in its own order.
    moving.rb_S->setChecked(true);
    QVERIFY(app.main_window().load_sequence());
    QVERIFY(holds(h, h.ltno_drawn));
    QCOMPARE(moving.sgl->grid().rows(), kDraws + 2);
    QCOMPARE(moving.sgl->cell(2, 0), std::string("順一"));
    QCOMPARE(moving.sgl->grid().column(2), moving::show_moving(h, moving.TabSheet2->boxes(), core::BallOrder::Sorted)
                                               ->sgl.column(2));
  }
};

VANTOR_TEST_CLASS(BallOrderWindowsTest)
#include "ball_order_windows_test.moc"
