// TS2 "號碼來源": the four period queries and the statistics every query ends with.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

#include "core/dates.h"
#include "pillars/statistics.h"
#include "pillars/window/tform_bestpillars.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/memo.h"
#include "ui/string_grid.h"

namespace {

int day_of(const QDate& date) {
  return core::day_number(core::Date{date.year(), date.month(), date.day()});
}

QDate date_of_day(int day) {
  const core::Date d = core::date_from_day_number(day);
  return QDate(d.year, d.month, d.day);
}

void fill_columns(ui::StringGrid* grid, const std::vector<pillars::GridColumn>& columns) {
  auto& model = grid->model_data();
  core::TextGrid& cells = model.begin_edit();
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    cells.set_cell(c, 0, columns[c].top);
    cells.set_cell(c, 1, columns[c].bottom);
  }
  model.end_edit();
}

}  // namespace

void TForm_bestpillars::get_sumno() {
  const auto lines =
      pillars::get_sumno(history_, day_of(DateTimePicker1->date()), day_of(DateTimePicker2->date()));
  write_period_lines(lines, "  " + std::to_string(lines.size()));
}

void TForm_bestpillars::write_period_lines(const std::vector<std::string>& lines,
                                           const std::string& count_text) {
  Memo1->set_lines(lines);
  Memo2->set_lines(lines);
  Memo3->set_lines(lines);
  Edit1->setText(ui::qs(count_text));
  Button2Click();
}

void TForm_bestpillars::apply_period(const pillars::PeriodResult& result) {
  state_.source_mode = result.source_mode;
  state_.period_title = result.period_title;
  state_.pick_draws = result.pick_draws;
  if (result.first_day) DateTimePicker1->setDate(date_of_day(*result.first_day));
  write_period_lines(result.lines, result.edit1);
}

bool TForm_bestpillars::Button1Click() {
  apply_period(pillars::query_date_range(history_, day_of(DateTimePicker1->date()),
                                         day_of(DateTimePicker2->date())));
  return true;
}

bool TForm_bestpillars::Button16Click() {
  const std::string text = ui::text_of(cbis);
  const auto count = pillars::read_count_box(text);
  if (!count.ok()) {
    refuse(count.error());
    return false;
  }
  apply_period(pillars::query_recent(history_, *count));
  return true;
}

bool TForm_bestpillars::Button17Click() {
  const std::string interval_text = ui::text_of(cb_intv), count_text = ui::text_of(cbis_2);
  const auto interval = pillars::read_interval_box(interval_text);
  if (!interval.ok()) {
    refuse(interval.error());
    return false;
  }
  const auto count = pillars::read_count_box(count_text);
  if (!count.ok()) {
    refuse(count.error());
    return false;
  }
  apply_period(pillars::query_every(history_, *interval, *count));
  return true;
}

void TForm_bestpillars::cb_dateChange() {
  const std::string date = ui::text_of(cb_date), position = ui::text_of(cb_ii);
  const auto setup = pillars::cb_dateChange(history_, date, position);
  // A date or position that names no ball keeps the previous trace boxes.
  if (!setup.ok()) return refuse(setup.error());
  ui::set_items(CB_xx, {setup->number});
  ui::set_text(CB_xx, setup->number);
  ui::set_text(cb_prediction, setup->prediction);
}

void TForm_bestpillars::cb_dateEdited() {
  // Typing passes through partial dates; a text of a date's full length is looked up,
  // so a complete but unknown or impossible date is refused.
  if (ui::text_of(cb_date).size() == 10) cb_dateChange();
}

bool TForm_bestpillars::Button18Click() {
  const std::string position = ui::text_of(cb_ii), distance = ui::text_of(cb_prediction);
  const auto inputs =
      pillars::read_trace_inputs(position, ui::text_of(CB_xx), distance, cb_ff->isChecked());
  if (!inputs.ok()) {
    refuse(inputs.error());
    return false;
  }
  apply_period(pillars::query_trace(history_, *inputs));
  return true;
}

bool TForm_bestpillars::rerun_query() {
  switch (state_.source_mode) {
    case 2: return Button16Click();
    case 3: return Button17Click();
    case 4: return Button18Click();
    default: return Button1Click();
  }
}

void TForm_bestpillars::Button2Click() {
  const auto stats = pillars::run_statistics(Memo1->lines(), history_.max_ball);
  // A line that is not a period line stops the pass; the grids keep what they show.
  if (!stats.ok()) return refuse(stats.error());
  state_.no_count = stats->numbers.no_count;
  state_.tail_count = stats->tails.tail_count;
  state_.pair_keys = stats->keys.pair_keys;
  state_.triple_keys = stats->keys.triple_keys;
  state_.quad_keys = stats->keys.quad_keys;
  fill_columns(sga1, stats->numbers.sga1);
  fill_columns(sga2, stats->numbers.sga2);
  fill_columns(sgaT, stats->tails.sgaT);
}
