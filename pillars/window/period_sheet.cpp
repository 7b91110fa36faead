#include "pillars/window/period_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/dates.h"
#include "pillars/window/sheet_look.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace bestpillarswin {
namespace {

const QDate kDefaultStart(2009, 1, 1);

const std::vector<std::string> kRecentItems = {"20",  "30",  "40",  "50",  "60",  "70",  "80",
                                               "90",  "100", "150", "200", "250", "300", "400",
                                               "500", "550", "600", "650", "700", "800", "900",
                                               "1000", "1100", "1200", "1500"};

int day_of(const QDate& date) { return core::day_number(core::Date{date.year(), date.month(), date.day()}); }

QDate date_of_day(int day) {
  const core::Date d = core::date_from_day_number(day);
  return QDate(d.year, d.month, d.day);
}

}  // namespace

PeriodSheet::PeriodSheet(const WorkbenchLinks& links, QWidget* parent) : QWidget(parent), links_(links) {
  setObjectName("TS2");
  auto* v = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addLayout(build_sources(), 1);
  Image1 = ui::label(this, QString(), "Image1");
  Image1->setFixedSize(150, 64);
  Image1->setAlignment(Qt::AlignCenter);
  top->addWidget(Image1, 0, Qt::AlignTop | Qt::AlignRight);
  v->addLayout(top);

  v->addWidget(ui::heading(this, QStringLiteral("符合您選擇條件和時間區間的期數如下"), kNavy));
  period_memo = report_memo(this, "Memo1", {"Button3", "Button4", "Button5", "Button6"}, [this] { return rerun_query(); },
                            {Memo1, Button3, Button4, Button5, Button6});
  v->addLayout(period_memo->beside(), 1);
  Button2 = ui::push_button(this, QStringLiteral("計算"), "Button2");
  Button2->hide();
  connect_handlers();
}

QVBoxLayout* PeriodSheet::build_sources() {
  const auto text = [this](const char* caption) { return ui::label(this, QString::fromUtf8(caption)); };
  const auto source = [this](const char* caption) { return ui::heading(this, QString::fromUtf8(caption), kMaroon); };
  DateTimePicker1 = ui::date_picker(this, "DateTimePicker1");
  DateTimePicker2 = ui::date_picker(this, "DateTimePicker2");
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  Edit1->setFixedWidth(70);
  Button1 = ui::push_button(this, QStringLiteral("查詢"), "Button1");
  cbis = ui::number_combo(this, kRecentItems, "50", "cbis", 80);
  Button16 = ui::push_button(this, QStringLiteral("查詢"), "Button16");
  cb_intv = ui::number_combo(this, ui::number_items(2, 20), "2", "cb_intv", 60);
  cbis_2 = ui::number_combo(this, kRecentItems, "50", "cbis_2", 80);
  Button17 = ui::push_button(this, QStringLiteral("查詢"), "Button17");
  cb_date = ui::number_combo(this, {}, "", "cb_date", 120);
  cb_ii = ui::number_combo(this, ui::number_items(1, 5), "1", "cb_ii", 50);
  CB_xx = ui::number_combo(this, {}, "", "CB_xx", 60);
  cb_prediction = ui::number_combo(this, {}, "", "cb_prediction", 70);
  Button18 = ui::push_button(this, QStringLiteral("查詢"), "Button18");
  ui::describe(cbis, QStringLiteral("最近的期數"));
  ui::describe(cb_intv, QStringLiteral("每幾期一次的期數"));
  ui::describe(cbis_2, QStringLiteral("取最近的期數"));
  ui::describe(cb_ii, QStringLiteral("第幾支"));
  ui::describe(cb_prediction, QStringLiteral("之下的期數"));
  cb_ff = ui::check_box(this, QStringLiteral("定點"), "cb_ff");
  cb_ff->setChecked(true);

  auto* sources = new QVBoxLayout;
  sources->addLayout(ui::row_of({ui::heading(this, QStringLiteral("開獎期間"), kNavy), DateTimePicker1, text("到"),
                                 DateTimePicker2, text("期數"), Edit1, Button1}));
  sources->addLayout(ui::row_of({source("※ 近期統計"), text("最近"), cbis, text("期"), Button16}));
  sources->addLayout(ui::row_of({source("※ 週期統計"), text("每"), cb_intv, text("期一次"), text("取最近"), cbis_2,
                                 text("期"), Button17}));
  sources->addLayout(ui::row_of({source("※ 單支拖牌"), cb_date, text("第"), cb_ii, text("支開"), CB_xx,
                                 text("之下"), cb_prediction, text("期"), Button18, cb_ff}));
  return sources;
}

void PeriodSheet::connect_handlers() {
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button16, &QPushButton::clicked, this, [this] { Button16Click(); });
  connect(Button17, &QPushButton::clicked, this, [this] { Button17Click(); });
  connect(Button18, &QPushButton::clicked, this, [this] { Button18Click(); });
  ui::on_entry(cb_date, this, [this] { return cb_dateChange(); });
  ui::on_entry(cb_ii, this, [this] { return cb_dateChange(); });
  ui::on_click(cb_ff, this, [this] { cb_dateChange(); });
}

void PeriodSheet::reset_dates() {
  DateTimePicker1->setDate(kDefaultStart);
  const core::Date today = links_.clock.today();
  DateTimePicker2->setDate(QDate(today.year, today.month, today.day));
}

void PeriodSheet::reset_trace_dates() {
  const std::vector<std::string> dates = pillars::recent_draw_dates(links_.history);
  ui::set_items(cb_date, dates);
  ui::set_text(cb_date, dates.empty() ? std::string() : dates.front());
  if (!dates.empty()) cb_dateChange();
}

void PeriodSheet::get_sumno() {
  const auto lines = pillars::get_sumno(links_.history, day_of(DateTimePicker1->date()), day_of(DateTimePicker2->date()));
  write_period_lines(lines, "  " + std::to_string(lines.size()));
}

void PeriodSheet::write_period_lines(const std::vector<std::string>& lines, const std::string& count_text) {
  Memo1->set_lines(lines);
  emit period_written(lines);
  Edit1->setText(ui::qs(count_text));
  Button2Click();
}

void PeriodSheet::apply_period(const pillars::PeriodResult& result) {
  pillars::WorkbenchState& state = links_.state;
  state.source_mode = result.source_mode;
  state.period_title = result.period_title;
  state.pick_draws = result.pick_draws;
  if (result.first_day) DateTimePicker1->setDate(date_of_day(*result.first_day));
  write_period_lines(result.lines, result.count_text);
}

template <class Inputs, class Query>
bool PeriodSheet::query_with(const core::Result<Inputs>& inputs, const std::vector<const QComboBox*>& boxes,
                             Query query) {
  if (!inputs) {
    ui::show_refusal(this, inputs.error(), boxes);
    return false;
  }
  apply_period(query(*inputs));
  return true;
}

bool PeriodSheet::Button1Click() {
  apply_period(pillars::query_date_range(links_.history, day_of(DateTimePicker1->date()),
                                         day_of(DateTimePicker2->date())));
  return true;
}

bool PeriodSheet::Button16Click() {
  return query_with(pillars::read_count_box(ui::text_of(cbis)), {cbis},
                    [this](const pillars::BoxNumber& count) { return pillars::query_recent(links_.history, count); });
}

bool PeriodSheet::Button17Click() {
  const auto interval = pillars::read_interval_box(ui::text_of(cb_intv));
  const auto count = interval ? pillars::read_count_box(ui::text_of(cbis_2)) : interval;
  return query_with(count, {cb_intv, cbis_2},
                    [&](const pillars::BoxNumber& n) { return pillars::query_every(links_.history, *interval, n); });
}

bool PeriodSheet::cb_dateChange() {
  const auto setup = pillars::trace_setup(links_.history, ui::text_of(cb_date), ui::text_of(cb_ii));
  // A date or position that names no ball keeps the previous trace boxes.
  if (!setup) {
    ui::show_refusal(this, setup.error(), {cb_ii});
    return false;
  }
  ui::set_items(CB_xx, {setup->number});
  ui::set_text(CB_xx, setup->number);
  ui::set_text(cb_prediction, setup->prediction);
  return true;
}

bool PeriodSheet::Button18Click() {
  return query_with(
      pillars::read_trace_boxes(ui::text_of(cb_ii), ui::text_of(CB_xx), ui::text_of(cb_prediction), cb_ff->isChecked()),
      {cb_ii, cb_prediction}, [this](const pillars::TraceInputs& inputs) { return pillars::query_trace(links_.history, inputs); });
}

bool PeriodSheet::rerun_query() {
  switch (links_.state.source_mode) {
    case pillars::SourceMode::MostRecent: return Button16Click();
    case pillars::SourceMode::EveryMth: return Button17Click();
    case pillars::SourceMode::NumberTrace: return Button18Click();
    case pillars::SourceMode::DateRange: break;
  }
  return Button1Click();
}

void PeriodSheet::Button2Click() {
  const auto stats = pillars::run_statistics(Memo1->lines(), links_.history.max_ball);
  // A line that is not a period line stops the pass; the grids keep what they show.
  if (!stats) return ui::show_error(this, stats.error());
  pillars::WorkbenchState& state = links_.state;
  state.no_count = stats->numbers.no_count;
  state.tail_count = stats->tails.tail_count;
  state.pair_keys = stats->keys.pair_keys;
  state.triple_keys = stats->keys.triple_keys;
  state.quad_keys = stats->keys.quad_keys;
  emit statistics_written(*stats);
}

}  // namespace bestpillarswin
