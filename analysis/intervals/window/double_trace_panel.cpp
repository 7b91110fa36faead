#include "analysis/intervals/window/double_trace_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "analysis/intervals/double_trace_boxes.h"
#include "core/numbers.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace intervalswin {
namespace {

constexpr int kDateItems = 20;

std::vector<std::string> ball_items(const std::array<std::string, 5>& balls) { return {balls.begin(), balls.end()}; }

}  // namespace

TracePanel::TracePanel(const core::DrawHistory& history, QWidget* parent) : QFrame(parent), history_(history) {
  setObjectName("Panel1");
  setFrameShape(QFrame::StyledPanel);
  build();
  connect_controls();
}

void TracePanel::build() {
  const auto text = [this](const char* caption) { return ui::label(this, QString::fromUtf8(caption)); };
  cb_date = ui::number_combo(this, {}, "", "cb_date", 120);
  CB_xx = ui::number_combo(this, {}, "", "CB_xx", 56);
  cb_d1 = ui::number_combo(this, {}, "", "cb_d1", 64);
  cb_d2 = ui::number_combo(this, {}, "", "cb_d2", 56);
  cb_prediction = ui::number_combo(this, {}, "", "cb_prediction", 64);
  cb_prediction->setEnabled(false);  // the distance follows the date
  cb_lan = ui::number_combo(this, {"4", "3", "2"}, "3", "cb_lan", 52);
  lb_lan_note = ui::label(this, {}, "lb_lan_note");
  ui::set_look(lb_lan_note, Qt::darkRed, false);
  rb_ball_ori = ui::radio_button(this, QStringLiteral("落球"), "rb_ball_ori", true);
  rb_ball_sort = ui::radio_button(this, QStringLiteral("順球"), "rb_ball_sort");
  lb_sortidx = ui::label(this, QStringLiteral("第  0  組"), "lb_sortidx");
  lb_tot = ui::label(this, QStringLiteral("共  0  組"), "lb_tot");
  SpeedButton2 = ui::tool_button(this, QStringLiteral("上一組"), "SpeedButton2");
  SpeedButton6 = ui::tool_button(this, QStringLiteral("下一組"), "SpeedButton6");
  SpeedButton2->setEnabled(false);
  SpeedButton6->setEnabled(false);
  SpeedButton4 = ui::tool_button(this, QStringLiteral("搜尋"), "SpeedButton4");
  plan = ui::sized_label(this, QStringLiteral("---"), "plan", 18, true);
  plan->setFrameShape(QFrame::Panel);
  plan->setFrameShadow(QFrame::Sunken);
  plan->setMinimumWidth(200);
  plan->setAlignment(Qt::AlignCenter);

  auto* boxes = new QVBoxLayout;
  boxes->addLayout(ui::row_of({cb_date, text("開"), CB_xx}));
  boxes->addLayout(ui::row_of({text("且下"), cb_d1, text("期"), text("開"), cb_d2, text("(下0期=同期)")}));
  boxes->addLayout(
      ui::row_of({text("預測下"), cb_prediction, text("期"), text("連準"), cb_lan, text("版"), lb_lan_note}));
  auto* rules = new QVBoxLayout;
  rules->addLayout(ui::row_of({rb_ball_ori, rb_ball_sort}));
  rules->addLayout(ui::row_of({lb_sortidx, lb_tot, SpeedButton2, SpeedButton6, SpeedButton4}));
  rules->addLayout(ui::row_of({plan}));
  auto* h = new QHBoxLayout(this);
  h->addLayout(boxes);
  h->addSpacing(24);
  h->addLayout(rules);
  h->addStretch();
}

void TracePanel::connect_controls() {
  ui::refill_when_emptied(cb_date);
  ui::on_entry(cb_date, this, [this] { return cb_dateChange(); });
  ui::on_entry(cb_d1, this, [this] { return cb_d1Change(); });
  // A number the search cannot use is refused at once, and the box shows again the
  // number the rules on display belong to.
  for (QComboBox* box : {CB_xx, cb_d2})
    ui::on_entry(box, this, [this, box] {
      const auto number = read_number(box);
      if (!number) return false;
      if (*number != ui::text_of(box)) ui::set_text(box, *number);  // "5" searches, and reads, as "05"
      emit search_requested();
      return true;
    });
  for (QRadioButton* button : {rb_ball_ori, rb_ball_sort})
    ui::on_click(button, this, [this, button] {
      if (button->isChecked()) emit order_chosen();
    });
  connect(SpeedButton4, &QToolButton::clicked, this, [this] { emit search_requested(); });
  connect(SpeedButton6, &QToolButton::clicked, this, [this] { emit step_requested(1); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { emit step_requested(-1); });
}

core::BallOrder TracePanel::order() const {
  return rb_ball_ori->isChecked() ? core::BallOrder::Drawn : core::BallOrder::Sorted;
}

void TracePanel::reset_dates() {
  base_draw_ = 0;
  const auto dates = intervals::recent_dates(history_, kDateItems);
  ui::set_items(cb_date, dates);
  ui::set_text(cb_date, dates.empty() ? std::string() : dates.front());
}

bool TracePanel::cb_dateChange() {
  const std::string date = ui::text_of(cb_date);
  if (date.empty()) return true;  // nothing chosen: an empty table has no dates
  const auto base = intervals::read_base_date(history_, date);
  if (!base) {
    ui::show_error(this, base.error());
    return false;
  }
  base_draw_ = *base;
  const auto choice = intervals::date_choice(history_, base_draw_, order());
  ui::set_items(CB_xx, ball_items(intervals::draw_balls(history_, order(), base_draw_)));
  ui::set_text(CB_xx, choice.x);
  ui::set_text(cb_prediction, std::to_string(choice.distance));
  ui::set_items(cb_d1, ui::number_items(0, choice.later));
  ui::set_text(cb_d1, std::to_string(choice.later));
  (void)cb_d1Change();
  emit search_requested();
  return true;
}

bool TracePanel::cb_d1Change() {
  if (ui::text_of(cb_d1).empty() || base_draw_ == 0) return true;
  const auto later = read_later();
  if (!later) return false;
  const auto balls = intervals::draw_balls(history_, order(), base_draw_ + *later);
  ui::set_items(cb_d2, ball_items(balls));
  ui::set_text(cb_d2, balls[0]);
  return true;
}

std::optional<int> TracePanel::box_number(QComboBox* box) { return ui::read_int(window(), ui::text_of(box)); }

std::optional<int> TracePanel::read_later() {
  const auto later = box_number(cb_d1);
  if (!later) return std::nullopt;
  const auto checked = intervals::check_later(history_, base_draw_, *later);
  if (!checked) ui::show_error(window(), checked.error());
  return checked ? std::optional<int>(*checked) : std::nullopt;
}

std::optional<std::string> TracePanel::read_number(QComboBox* box) {
  const auto number = intervals::read_trace_number(ui::text_of(box));
  if (!number) {
    ui::show_error(window(), number.error());
    return std::nullopt;
  }
  return *number;  // "5" searches as "05"
}

std::optional<PanelQuery> TracePanel::query() {
  if (base_draw_ == 0) {  // no date was ever found: the table is empty
    ui::message(window(), ui::MessageKind::Warning, QStringLiteral("沒有開獎資料"));
    return std::nullopt;
  }
  // Empty boxes read "00", as the search writes into them.
  for (QComboBox* box : {cb_d1, cb_d2})
    if (ui::text_of(box).empty()) ui::set_text(box, "00");
  PanelQuery read;
  auto& q = read.query;
  q.base_draw = base_draw_;
  q.order = order();
  const auto x = read_number(CB_xx);
  const auto y = x ? read_number(cb_d2) : std::nullopt;
  const auto later = y ? read_later() : std::nullopt;
  const auto distance = later ? box_number(cb_prediction) : std::nullopt;
  if (!distance) return std::nullopt;
  q.x = *x;
  q.y = *y;
  q.later = *later;
  q.distance = *distance;
  // Without a number in 連準 the matches are listed without rules, and without a word.
  const std::string run_text = ui::text_of(cb_lan);
  const auto run = core::to_int(run_text);
  read.rules_wanted = run.has_value();
  if (!run) return read;
  const auto checked = intervals::check_run(*run, run_text);
  if (!checked) {
    ui::show_error(window(), checked.error());
    return std::nullopt;
  }
  q.run = *checked;
  return read;
}

void TracePanel::show_run(int asked, int searched) {
  // The box keeps the user's 連準; a search of few matches says beside it what it used.
  lb_lan_note->setText(searched == asked ? QString()
                                         : QStringLiteral("符合期數不足，本次以連準 %1 版搜尋").arg(searched));
}

void TracePanel::show_labels(const intervals::DoubleTraceView& view) {
  ui::set_label(lb_sortidx, view.rule_caption);
  ui::set_label(lb_tot, view.rule_total);
  ui::set_label(plan, view.plan);
  SpeedButton2->setEnabled(view.steps_enabled);
  SpeedButton6->setEnabled(view.steps_enabled);
}

}  // namespace intervalswin
