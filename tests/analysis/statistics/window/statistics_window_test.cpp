// The statistics window: the view and arrangement buttons recount the range through the
// statistics views and place the balls and labels as the result orders them.
#include <QImage>
#include <QStackedWidget>
#include <QTest>

#include "analysis/statistics/window/tform_zu_statistics.h"
#include "support/draw_tables.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

namespace {

using statistics::Arrangement;
using statistics::View;

struct StatisticsWindow {
  ui::ScopedRecorder dialogs;
  core::DrawHistory history = test_support::history_of({
      {1, 2, 3, 4, 5},       // 2009/01/01
      {10, 20, 30, 39, 5},   // 01/02
      {5, 7, 10, 11, 12},    // 01/03
      {13, 14, 15, 16, 17},  // 01/04
  });
  core::FixedClock clock{core::Date{2009, 1, 10}};
  TForm_zu_statistics window{history, clock};

  [[nodiscard]] statistics::NumberView expected(View view, Arrangement arrangement) const {
    return statistics::number_view(history, ui::date_of(window.DateTimePicker1->date()), clock.today(), view,
                                   arrangement);
  }
};

// Every number's picture and label stand at the screen position the view gives it.
void verify_places(const TForm_zu_statistics& w, const statistics::NumberView& view, View kind) {
  for (std::size_t k = 0; k < view.positions.size(); ++k) {
    const auto [number, value] = view.positions[k];
    const QPoint spot = statwin::BallValuesPanel::spot(static_cast<int>(k) + 1);
    QCOMPARE(w.Panel_F1->picture(number)->pos(), spot);
    QCOMPARE(w.Panel_F1->value_label(number)->pos(), spot + QPoint(-8, 32));
    QCOMPARE(w.Panel_F1->value_label(number)->text(), ui::qs(statistics::value_text(kind, value)));
  }
  QCOMPARE(w.Panel_F1->F1_avrlb->text(), ui::qs(view.average));
  QCOMPARE(w.lbcount->text(), QString::number(view.count));
}

// How light a button looks beside its text, as the user sees it.
int shown_lightness(QWidget* button) {
  const QImage picture = button->grab().toImage();
  return picture.pixelColor(4, picture.height() / 2).lightness();
}

}  // namespace

class StatisticsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The count shown on opening is the range's, not the table's.
  void opening_counts_the_range_in_value_order() {
    StatisticsWindow s;
    s.window.DateTimePicker1->setDate(QDate(2009, 1, 2));
    s.window.show();
    QCOMPARE(s.window.DateTimePicker2->date(), QDate(2009, 1, 10));
    QCOMPARE(s.window.lbcount->text(), QStringLiteral("3"));
    verify_places(s.window, s.expected(View::Numbers, Arrangement::ByValue), View::Numbers);
    QCOMPARE(s.window.Panel_F1->picture(10)->pos(), statwin::BallValuesPanel::spot(1));
    s.window.sb_no->click();
    verify_places(s.window, s.expected(View::Numbers, Arrangement::ByNumber), View::Numbers);
  }

  void view_buttons_bring_their_panel_and_buttons() {
    StatisticsWindow s;
    s.window.show();
    struct Case {
      QToolButton* button;
      View view;
      QWidget* panel;
    };
    const Case cases[] = {{s.window.sb_F3, View::Gaps, s.window.Panel_F1},
                          {s.window.sb_F2, View::Tails, s.window.Panel_F2},
                          {s.window.sb_F1, View::Numbers, s.window.Panel_F1}};
    for (const Case& c : cases) {
      s.window.sb_no->click();  // each view starts over in 統計順序
      c.button->click();
      QCOMPARE(s.window.view(), c.view);
      QCOMPARE(s.window.panels->currentWidget(), c.panel);
      QCOMPARE(s.window.sb_begin->isVisible(), c.view == View::Tails);
      QCOMPARE(s.window.sb_big->isVisible(), c.view != View::Tails);
      if (c.view != View::Tails) verify_places(s.window, s.expected(c.view, Arrangement::ByValue), c.view);
      // The chosen view and order stand out plainly from the buttons not chosen.
      for (QToolButton* other : {s.window.sb_F1, s.window.sb_F2, s.window.sb_F3})
        if (other != c.button) QVERIFY(shown_lightness(other) - shown_lightness(c.button) >= 100);
      if (c.view != View::Tails) QVERIFY(shown_lightness(s.window.sb_no) - shown_lightness(s.window.sb_big) >= 100);
    }
  }

  void tail_and_gap_labels() {
    StatisticsWindow s;
    s.window.show();
    s.window.sb_F2->click();
    QCOMPARE(s.window.Panel_F2->values[0]->text(), QStringLiteral("4"));  // 10, 20, 30, 10
    QCOMPARE(s.window.Panel_F2->values[6]->text(), QStringLiteral("1"));
    QCOMPARE(s.window.Panel_F2->values[8]->text(), QString());  // no 8, 18, 28, 38
    QCOMPARE(s.window.Panel_F2->F2_avrlb->text(), QStringLiteral("平均值為 2.00"));

    s.window.sb_F3->click();
    const QLabel* drawn_last = s.window.Panel_F1->value_label(13);
    const QLabel* drawn_before = s.window.Panel_F1->value_label(12);
    QCOMPARE(drawn_last->text(), QStringLiteral("0"));
    QCOMPARE(drawn_last->font().pointSize(), 12);
    QCOMPARE(drawn_last->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(drawn_before->text(), QStringLiteral("1"));
    QCOMPARE(drawn_before->font().pointSize(), 10);
  }

  // A date change recounts every view at once, so 統計期數 always counts the range shown.
  void a_date_change_recounts_every_view() {
    StatisticsWindow s;
    s.window.show();
    s.window.sb_no->click();
    s.window.DateTimePicker1->setDate(QDate(2009, 1, 4));
    QVERIFY(s.window.sb_big->isChecked());
    verify_places(s.window, s.expected(View::Numbers, Arrangement::ByValue), View::Numbers);

    s.window.sb_F2->click();
    QCOMPARE(s.window.lbcount->text(), QStringLiteral("1"));
    s.window.DateTimePicker1->setDate(QDate(2009, 1, 1));
    QCOMPARE(s.window.lbcount->text(), QStringLiteral("4"));
    QVERIFY(s.window.sb_begin->isVisible());
  }
};

VANTOR_TEST_CLASS(StatisticsWindowTest)
#include "statistics_window_test.moc"
