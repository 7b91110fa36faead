#include "pillars/window/optimise_panel.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "core/text_file.h"
#include "pillars/messages.h"
#include "pillars/optimise_arrange.h"
#include "pillars/optimise_best_subset.h"
#include "pillars/optimise_texts.h"
#include "pillars/rules.h"
#include "pillars/window/pillar_sheet.h"
#include "ui/busy_guard.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/events.h"
#include "ui/widgets.h"

namespace bestpillarswin {
namespace {

namespace text = pillars::optimise_text;
using pillars::arith::Shape;
using pillars::arith::SubsetRun;

}  // namespace

OptimisePanel::OptimisePanel(PillarSheet& sheet, const WorkbenchLinks& links, QWidget* parent)
    : QGroupBox(parent), sheet_(sheet), links_(links) {
  build();
  connect_handlers();
}

void OptimisePanel::build() {
  setFixedWidth(300);
  auto* v = new QVBoxLayout(this);
  v->addWidget(Button19 = ui::push_button(this, QStringLiteral("電腦排定號碼"), "Button19"));

  RG1 = new QGroupBox(this);
  RG1->setObjectName("RG1");
  auto* options = new QHBoxLayout(RG1);
  auto* group = new QButtonGroup(RG1);
  for (int i = 0; i < 3; ++i) {
    RG1_items[i] = new QRadioButton(ui::qs(pillars::msg::kPriorityCaptions[i]), RG1);
    RG1_items[i]->setObjectName(QStringLiteral("RG1_%1").arg(i));
    group->addButton(RG1_items[i], i);
    options->addWidget(RG1_items[i]);
  }
  RG1_items[0]->setChecked(true);
  v->addWidget(RG1);

  v->addWidget(Button12 = ui::push_button(this, QStringLiteral("８碼=2x2x2x2 優柱分析"), "Button12"));
  v->addWidget(Button29 = ui::push_button(this, QStringLiteral("８碼=1x1x2x2x2 優柱分析"), "Button29"));
  v->addWidget(Button28 = ui::push_button(this, QStringLiteral("９碼=3x3x3 優柱分析"), "Button28"));
  v->addWidget(Button30 = ui::push_button(this, QStringLiteral("10碼=2x2x3x3 優柱分析"), "Button30"));
  v->addSpacing(8);

  const auto run_row = [&](QPushButton*& command, const char* name, std::string_view caption, QPushButton*& stop,
                           const char* stop_name) {
    auto* h = ui::row();
    h->addWidget(command = ui::push_button(this, ui::qs(caption), name), 1);
    h->addWidget(stop = ui::push_button(this, ui::qs(text::kStopCaption), stop_name));
    stop->setFixedWidth(60);
    stop->hide();
    v->addLayout(h);
  };
  run_row(Button31, "Button31", text::kEightOfTwelveCaption, btn_stop, "btn_stop");
  run_row(Button32, "Button32", text::kTenOfFifteenCaption, btn_stop_1510, "btn_stop_1510");
  lb_percent = ui::label(this, ui::qs(text::kCounterIdle), "lb_percent");
  lb_percent->setAlignment(Qt::AlignRight);
  ui::set_look(lb_percent, Qt::red, true);
  lb_percent->hide();
  v->addWidget(lb_percent);
  v->addWidget(btn_walk_forward = ui::push_button(this, QStringLiteral("回測驗證"), "btn_walk_forward"));
  btn_walk_forward->setToolTip(QStringLiteral("以目前選擇的號碼，檢驗最佳立柱在之後各期的表現是否勝過隨機"));
  v->addStretch();

  for (auto [memo, name] : {std::pair{&MM_2, "MM_2"}, {&MM3_2, "MM3_2"}, {&M2, "M2"}, {&M3, "M3"}}) {
    *memo = ui::fixed_pitch_memo(this, name);
    (*memo)->hide();
  }
}

void OptimisePanel::connect_handlers() {
  const std::pair<QPushButton*, void (OptimisePanel::*)()> commands[] = {
      {Button19, &OptimisePanel::Button19Click}, {Button12, &OptimisePanel::Button12Click},
      {Button29, &OptimisePanel::Button29Click}, {Button28, &OptimisePanel::Button28Click},
      {Button30, &OptimisePanel::Button30Click}, {Button31, &OptimisePanel::Button31Click},
      {Button32, &OptimisePanel::Button32Click}, {btn_stop, &OptimisePanel::btn_stopClick},
      {btn_stop_1510, &OptimisePanel::btn_stop_1510Click}, {btn_walk_forward, &OptimisePanel::btn_walk_forwardClick}};
  for (const auto& [button, handler] : commands)
    connect(button, &QPushButton::clicked, this, [this, handler = handler] { (this->*handler)(); });
}

pillars::arith::Priority OptimisePanel::priority() const {
  for (int i = 0; i < 2; ++i)
    if (RG1_items[i]->isChecked()) return pillars::kPriorities[i];
  return pillars::kPriorities[2];
}

pillars::OptimiseInput OptimisePanel::input(const std::vector<std::string>& lines) const {
  return {lines, links_.state.period_title, links_.state.sel_no, priority()};
}

void OptimisePanel::refuse(const core::Error& error, bool wrong_size, std::optional<int> suggested_count) {
  ui::show_error(this, error);
  if (wrong_size) links_.ask_for_selection(suggested_count);
}

void OptimisePanel::refuse_size(const core::Error& error, int required, bool suggest) {
  const bool wrong_size = static_cast<int>(links_.state.sel_no.size()) != required;
  refuse(error, wrong_size, suggest ? std::optional<int>(required) : std::nullopt);
}

// The 8-number shapes leave the suggested count alone; 3x3x3 and 2x2x3x3 suggest theirs.
void OptimisePanel::Button12Click() { run_fixed_shape(Shape::k2x2x2x2, false); }
void OptimisePanel::Button29Click() { run_fixed_shape(Shape::k1x1x2x2x2, false); }
void OptimisePanel::Button28Click() { run_fixed_shape(Shape::k3x3x3, true); }
void OptimisePanel::Button30Click() { run_fixed_shape(Shape::k2x2x3x3, true); }

void OptimisePanel::run_fixed_shape(Shape shape, bool suggest_size) {
  const std::vector<std::string> lines = links_.period_lines();
  const auto report = pillars::analyse_fixed_shape(shape, input(lines));
  if (!report) return refuse_size(report.error(), pillars::arith::shape_numbers(shape), suggest_size);
  sheet_.apply_shape(report->layout);
  links_.write_report(report->lines);
  sheet_.load_pillars(report->best);
  links_.show_sheet(Sheet::PillarReport);
}

void OptimisePanel::Button19Click() {
  pillars::WorkbenchState& state = links_.state;
  pillars::ArrangeInput in{{}, state.sel_no, state.pillar_count, state.pillar_size};
  if (const auto checked = pillars::check_arrangement(in); !checked) {
    const int size = static_cast<int>(state.sel_no.size());
    return refuse(checked.error(), size < pillars::kArrangeMinNumbers || size > pillars::kArrangeMaxNumbers,
                  std::nullopt);
  }
  // The arrangement counts over the plain period list the report memo's 清除 brings back.
  if (!links_.clear_report()) return;
  const std::vector<std::string> lines = links_.period_lines();
  in.period_lines = lines;
  const auto arranged = pillars::computer_arrange(in);
  if (!arranged) return ui::show_error(this, arranged.error());
  state.sel_no = arranged->selection;
  state.hot2_list = arranged->hot2_list;
  state.hot3_list = arranged->hot3_list;
  state.order_no = arranged->order_no;
  MM_2->set_lines(arranged->mm_2);
  MM3_2->set_lines(arranged->mm3_2);
  M2->set_lines(arranged->m2);
  M3->set_lines(arranged->m3);
  state.pillar_no = arranged->pillar_no;
  sheet_.set_pillar_memos(arranged->pillar_memos);
  sheet_.Button26Click();
}

void OptimisePanel::Button31Click() { run_best_subset(SubsetRun::eight_of_twelve); }

void OptimisePanel::Button32Click() {
  if (!ui::confirm(this, ui::qs(text::kConfirmTenOfFifteen))) return;
  run_best_subset(SubsetRun::ten_of_fifteen);
}

void OptimisePanel::btn_stopClick() {
  stop_12_8 = !stop_12_8;
  btn_stop->hide();
  ui::repaint_now(btn_stop);
}

void OptimisePanel::btn_stop_1510Click() {
  stop_15_10 = !stop_15_10;
  btn_stop_1510->hide();
  lb_percent->hide();
}

void OptimisePanel::btn_walk_forwardClick() {
  if (links_.open_walk_forward) links_.open_walk_forward(links_.state.sel_no);
}

void OptimisePanel::run_best_subset(SubsetRun run) {
  const std::vector<std::string> lines = links_.period_lines();
  auto started = pillars::BestSubsetAnalysis::start(run, input(lines));
  if (!started) return refuse_size(started.error(), pillars::arith::run_selection_size(run), true);
  pillars::BestSubsetAnalysis& analysis = *started;

  const bool twelve = run == SubsetRun::eight_of_twelve;
  QPushButton* command = twelve ? Button31 : Button32;
  QPushButton* stop = twelve ? btn_stop : btn_stop_1510;
  bool& stop_requested = twelve ? stop_12_8 : stop_15_10;
  const core::LocalDateTime start_time = links_.clock.now();
  sheet_.apply_shape(analysis.layout());
  stop_requested = false;
  links_.write_report({});
  lb_percent->setText(ui::qs(text::kCounterIdle));
  if (!twelve) lb_percent->show();
  stop->show();
  std::optional<core::Status> written;
  {
    ui::BusyGuard busy(window(), {stop});
    stop->setFocus();
    if (run_subsets(analysis, command, stop_requested)) written = finish_best_subset(analysis, command, start_time);
    command->setText(ui::qs(twelve ? text::kEightOfTwelveCaption : text::kTenOfFifteenCaption));
    ui::repaint_now(command);
    stop->hide();
    lb_percent->hide();
  }
  // The report stands in the memo even when its file cannot be written.
  if (written && !*written) ui::show_error(this, written->error());
}

bool OptimisePanel::run_subsets(pillars::BestSubsetAnalysis& analysis, QPushButton* command, bool& stop_requested) {
  const bool twelve = analysis.run() == SubsetRun::eight_of_twelve;
  while (!analysis.finished()) {
    ui::pump_events();
    if (!twelve) {
      lb_percent->setText(ui::qs(analysis.counter_text()));
      ui::repaint_now(lb_percent);
    }
    if (stop_requested) {
      stop_requested = false;
      return analysis.reports_after_stop();
    }
    command->setText(ui::qs(analysis.progress_caption()));
    ui::repaint_now(command);
    analysis.compute_next();
  }
  return true;
}

core::Status OptimisePanel::finish_best_subset(const pillars::BestSubsetAnalysis& analysis, QPushButton* command,
                                               const core::LocalDateTime& start_time) {
  command->setText(ui::qs(text::kSorting));
  ui::repaint_now(command);
  const pillars::OptimiseReport report =
      analysis.report(core::format_date_time(start_time), core::format_date_time(links_.clock.now()));
  links_.write_report(report.lines);
  sheet_.load_pillars(report.best);
  links_.show_sheet(Sheet::PillarReport);
  const QString path = QDir(links_.working_dir).filePath(ui::qs(std::string(analysis.report_file_name())));
  return core::write_lines_atomic(QFile::encodeName(path).toStdString(), report.lines);
}

}  // namespace bestpillarswin
