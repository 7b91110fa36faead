// The number analysis window over an exported trace, and the rule definition window that
// shares the rule settings with it.
#include <QCoreApplication>
#include <QTest>
#include <functional>

#include "analysis/statistics/number_analysis.h"
#include "analysis/statistics/pattern_rules.h"
#include "analysis/statistics/window/tform_zu_no_analysis.h"
#include "analysis/statistics/window/tform_zu_rule_define.h"
#include "core/loader.h"
#include "support/combo_input.h"
#include "support/draw_tables.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

namespace {

trace::ExportRow row(int day, std::initializer_list<int> marked) {
  trace::ExportRow r{test_support::test_date(day), test_support::test_issue(day), 0};
  for (const int n : marked) r.marks |= std::uint64_t{1} << n;
  return r;
}

// 07 walks through the last three rows (rule 1) and 07, 08, 09 climbs them (rule 2).
const trace::TraceExport kTrace{{row(0, {3, 9}), row(1, {7, 10}), row(2, {7, 20}), row(3, {7, 8, 30}),
                                 row(4, {7, 9})}};

struct AnalysisWindow {
  ui::ScopedRecorder dialogs;
  core::DrawHistory history = test_support::history_of({{1, 2, 3, 4, 5}});
  core::RuleSettings rule_settings = test_support::rules_at_load();
  TForm_zu_no_analysis window{history, rule_settings};
  TForm_zu_rule_define rules{rule_settings};

  AnalysisWindow() { window.set_rule_definition(&rules); }

  [[nodiscard]] statistics::RulesOutcome expected_rules(const trace::TraceExport& rows,
                                                        const std::string& title) const {
    return statistics::run_rules(rows, rule_settings, history.max_ball, title);
  }
};

// The number grids as rows of "top/bottom" cells.
QStringList number_cells(const TForm_zu_no_analysis& w) {
  QStringList cells;
  for (const ui::StringGrid* grid : {w.counts->sga1, w.counts->sga2})
    for (int c = 0; c < grid->grid().columns(); ++c)
      cells << ui::qs(grid->cell(c, 0) + "/" + grid->cell(c, 1));
  for (int c = 0; c < 10; ++c) cells << ui::qs(w.counts->sga3->cell(c, 0) + "/" + w.counts->sga3->cell(c, 1));
  return cells;
}

// What the window shows for these counts: sorted, the positions past the last ball stay empty.
QStringList number_cells(const statistics::NumberCounts& counts, bool sorted, int max_ball) {
  QStringList cells;
  for (std::size_t p = 0; p < 42; ++p)
    cells << (sorted && static_cast<int>(p) >= max_ball ? QStringLiteral("/")
                                                        : ui::qs(counts.numbers[p].top + "/" + counts.numbers[p].bottom));
  for (const auto& cell : counts.tails) cells << ui::qs(cell.top + "/" + cell.bottom);
  return cells;
}

// The user types `text` and clicks elsewhere (into the memo): one count, for the text.
void type_count(QComboBox* box, const QString& text) { test_input::type_into(box, text, test_input::Finish::Leave); }

}  // namespace

class NumberAnalysisWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showing_counts_every_row_and_runs_the_rules() {
    const trace::TraceExport none;
    for (const trace::TraceExport* rows : {&kTrace, &none}) {
      AnalysisWindow a;
      const std::string title = "本期開 07 下 1 期 拖牌分析";
      a.window.show_for(*rows, title);
      QCOMPARE(a.dialogs.recorder.shown_modal, QList<QDialog*>{&a.window});
      const auto r = static_cast<int>(rows->rows.size());
      QCOMPARE(ui::text_of(a.window.counts->cb_lt), std::to_string(r));
      QCOMPARE(a.window.counts->cb_lt->count(), std::max(0, r - 1));
      QCOMPARE(a.window.counts->sga4->cell(7, 0), std::string("H"));
      QCOMPARE(number_cells(a.window),
               number_cells(*statistics::show_analysis(*rows, std::to_string(r), false, a.history.max_ball), false,
                            a.history.max_ball));
      const auto rules = a.expected_rules(*rows, title);
      QCOMPARE(a.window.rules->Ed_result->text(), ui::qs(rules.predictions));
      QCOMPARE(a.window.rules->mmresult->lines(), rules.memo);
      QCOMPARE(a.window.rules->mmresult->line(0), "版路名稱：" + title);
      a.window.reject();
      QVERIFY(a.window.rules->lb_ruletitle->text().isEmpty());
    }
  }

  void the_count_box_recounts_or_refuses() {
    AnalysisWindow a;
    a.window.show_for(kTrace, "t");
    struct Case {
      QString typed;
      bool sorted;
      bool refused;
    };
    const Case cases[] = {{"3", false, false}, {"abc", false, true}, {"2501", false, true},
                          {"9", false, false}, {"4", true, false},  {"1", false, false}};
    for (const Case& c : cases) {
      a.dialogs.recorder.messages.clear();
      const QStringList before = number_cells(a.window);
      a.window.counts->cb_sort->setChecked(c.sorted);
      const QString counted = a.window.counts->cb_lt->currentText();
      type_count(a.window.counts->cb_lt, c.typed);
      if (c.refused) {
        QCOMPARE(a.dialogs.recorder.texts(), QStringList{QStringLiteral("您輸入的數字錯誤,請重新輸入")});
        QCOMPARE(number_cells(a.window), before);
        QCOMPARE(a.window.counts->cb_lt->currentText(), counted);  // the box shows what was counted
        continue;
      }
      QVERIFY(a.dialogs.recorder.messages.isEmpty());
      QCOMPARE(a.window.counts->cb_lt->currentText(), c.typed);
      QCOMPARE(number_cells(a.window),
               number_cells(*statistics::show_analysis(kTrace, ui::u8(c.typed), c.sorted, a.history.max_ball), c.sorted,
                            a.history.max_ball));
    }
    // An emptied count is no count: the box shows again the N the grids belong to, and
    // 按統計結果排列 then sorts those counts.
    const QString counted = a.window.counts->cb_lt->currentText();
    type_count(a.window.counts->cb_lt, "\b");
    QCOMPARE(a.window.counts->cb_lt->currentText(), counted);
    a.window.counts->cb_sort->setChecked(true);
    QVERIFY(a.dialogs.recorder.messages.isEmpty());
    QCOMPARE(number_cells(a.window),
             number_cells(*statistics::show_analysis(kTrace, ui::u8(counted), true, a.history.max_ball), true,
                          a.history.max_ball));
  }

  // The definition window writes the shared settings; closing it re-runs the analysis.
  void the_rule_definition_steers_the_analysis() {
    AnalysisWindow a;
    a.window.show_for(kTrace, "t");
    const QString all_rules = a.window.rules->Ed_result->text();
    a.window.rules->SpeedButton1->click();
    QCOMPARE(a.dialogs.recorder.shown_modal.last(), &a.rules);
    QCOMPARE(a.rules.rule_boxes[0]->text(), QStringLiteral("隔一版開同號(X1N0)"));

    a.rules.SpeedButton1->click();  // 清除
    QCOMPARE(a.rules.SpeedButton1->text(), QStringLiteral("全選"));
    for (std::size_t i = 0; i < statistics::kRules; ++i) QVERIFY(!a.rule_settings.rule_on[i]);
    a.rules.rule_boxes[1]->setChecked(true);
    a.rules.run_length_buttons[0]->setChecked(true);
    QVERIFY(a.rule_settings.rule_on[1]);
    QCOMPARE(a.rule_settings.rule_run_len, 2);
    a.rules.reject();
    const auto rules = a.expected_rules(kTrace, "t");
    QCOMPARE(a.window.rules->Ed_result->text(), ui::qs(rules.predictions));
    QVERIFY(a.window.rules->Ed_result->text() != all_rules);

    a.rules.SpeedButton1->click();  // 全選
    QCOMPARE(a.rules.SpeedButton1->text(), QStringLiteral("清除"));
    for (std::size_t i = 0; i < statistics::kRules; ++i) QVERIFY(a.rule_settings.rule_on[i]);

    // A reload puts back every rule and 連準三版: the window shows what runs.
    a.rules.rule_boxes[4]->setChecked(false);
    a.rules.run_length_buttons[3]->setChecked(true);
    a.rules.reject();
    core::reset_rule_settings(a.rule_settings);
    ui::show_modal(&a.rules);
    for (const QCheckBox* box : a.rules.rule_boxes) QVERIFY(box->isChecked());
    QVERIFY(a.rules.run_length_buttons[1]->isChecked());
    QCOMPARE(a.rule_settings.rule_run_len, 3);
    a.rules.reject();
  }

  // The program creates the window before the first load names the rules: it still opens
  // centred at the size it shows, and in the same place every time.
  void the_rule_window_opens_in_the_same_place_every_time() {
    ui::ScopedRecorder dialogs;
    core::RuleSettings settings;
    TForm_zu_rule_define rules{settings};
    settings = test_support::rules_at_load();  // the load sequence names the rules
    QList<QRect> opened;
    for (int i = 0; i < 3; ++i) {
      ui::show_modal(&rules);
      const QRect at_show = rules.geometry();
      QCoreApplication::processEvents();
      QCOMPARE(rules.geometry(), at_show);  // nothing grows after it was placed
      opened << at_show;
      rules.reject();
    }
    QCOMPARE(opened[1], opened[0]);
    QCOMPARE(opened[2], opened[0]);
    QCOMPARE(rules.rule_boxes[9]->text(), QStringLiteral("隔二版開 Ｎ－２號(X2N-2)"));
  }
};

VANTOR_TEST_CLASS(NumberAnalysisWindowTest)
#include "number_analysis_window_test.moc"
