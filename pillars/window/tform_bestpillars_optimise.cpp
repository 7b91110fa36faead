// TS5's pillar optimisations: computer-arranged pillars and the four fixed-shape
// analyses. Each reads the selection and the period list, lets pillars/ compute, and
// shows the report in Memo2 with the winner loaded into the pillar controls.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "core/numbers.h"
#include "pillars/optimise_analysis.h"
#include "pillars/optimise_arrange.h"
#include "pillars/window/tform_bestpillars.h"
#include "ui/controls.h"
#include "ui/memo.h"

namespace {

// "023" + "0512" back into a count and a key; the key is the last 2k characters.
pillars::HotEntry hot_entry(const std::string& text, int k) {
  const std::size_t key_length = static_cast<std::size_t>(2 * k);
  if (text.size() < key_length) return {};
  const std::string count = text.substr(0, text.size() - key_length);
  pillars::HotEntry entry;
  entry.count = core::to_int(count).value_or(0);
  entry.key = text.substr(text.size() - key_length);
  return entry;
}

std::vector<pillars::HotEntry> hot_entries(const std::vector<std::string>& texts, int k) {
  std::vector<pillars::HotEntry> entries;
  entries.reserve(texts.size());
  for (const auto& text : texts) entries.push_back(hot_entry(text, k));
  return entries;
}

}  // namespace

int TForm_bestpillars::rg1_index() const {
  for (int i = 0; i < static_cast<int>(RG1_items.size()); ++i)
    if (RG1_items[i]->isChecked()) return i;
  return -1;
}

pillars::OptimiseInput TForm_bestpillars::optimise_input(const std::vector<std::string>& lines) const {
  pillars::OptimiseInput input;
  input.period_lines = lines;
  input.period_title = state_.period_title;
  input.selection = state_.sel_no;
  input.priority_index = rg1_index();
  return input;
}

void TForm_bestpillars::apply_refusal(const pillars::OptimiseRefusal& refusal) {
  warn(refusal.message);
  if (!refusal.cb9_text.empty()) ui::set_text(cb9, refusal.cb9_text);
  if (refusal.show_selection_page) show_sheet(TS4);
}

void TForm_bestpillars::apply_shape_layout(const pillars::ShapeLayout& layout) {
  ui::set_text(CB_Select, std::to_string(layout.pillar_count));
  for (int i = 1; i <= layout.pillar_count && i <= pillars::kMaxPillars; ++i) {
    ui::set_text(cb_pillar[i], std::to_string(layout.pillar_size[i - 1]));
    cb_pillar[i]->setVisible(true);
    mx_pillar[i]->setVisible(true);
  }
  CB_SelectChange();
}

void TForm_bestpillars::load_best(const pillars::PillarNumbers& best) {
  const int count = std::min<int>(static_cast<int>(best.size()), pillars::kMaxPillars);
  for (int p = 0; p < count; ++p) {
    const int used = std::min<int>(static_cast<int>(best[p].size()), pillars::kMaxPillarSize);
    for (int s = 0; s < used; ++s) state_.pillar_no[p][s] = best[p][s];
    mx_pillar[p + 1]->set_lines(best[p]);
  }
}

void TForm_bestpillars::Button12Click() { run_fixed_shape(pillars::arith::Shape::k2x2x2x2); }
void TForm_bestpillars::Button29Click() { run_fixed_shape(pillars::arith::Shape::k1x1x2x2x2); }
void TForm_bestpillars::Button28Click() { run_fixed_shape(pillars::arith::Shape::k3x3x3); }
void TForm_bestpillars::Button30Click() { run_fixed_shape(pillars::arith::Shape::k2x2x3x3); }

void TForm_bestpillars::run_fixed_shape(pillars::arith::Shape shape) {
  const std::vector<std::string> lines = Memo1->lines();
  const pillars::FixedShapeAnalysis analysis = pillars::analyse_fixed_shape(shape, optimise_input(lines));
  if (analysis.refused) return apply_refusal(*analysis.refused);
  apply_shape_layout(analysis.report.layout);
  Memo2->set_lines(analysis.report.memo2);
  load_best(analysis.report.best);
  show_sheet(TS6);
}

void TForm_bestpillars::Button19Click() {
  pillars::ArrangeInput input;
  std::vector<std::string> lines = Memo1->lines();
  input.period_lines = lines;
  input.selection = state_.sel_no;
  input.pillar_count = state_.pillar_count;
  input.pillar_size = state_.pillar_size;
  if (const auto checked = pillars::computer_arrange(input); checked.refused)
    return apply_refusal(*checked.refused);

  // The arrangement counts over the plain period list the TS6 clear brings back.
  if (!clear_memo(Memo2)) return;
  lines = Memo1->lines();
  input.period_lines = lines;
  const pillars::ComputerArrangeResult result = pillars::computer_arrange(input);
  if (result.refused) return apply_refusal(*result.refused);
  const pillars::ComputerArrangement& arranged = result.arrangement;
  state_.sel_no = arranged.selection;
  state_.hot2_list = hot_entries(arranged.hot2_list, 2);
  state_.hot3_list = hot_entries(arranged.hot3_list, 3);
  state_.order_no = arranged.order_no;
  MM_2->set_lines(arranged.mm_2);
  MM3_2->set_lines(arranged.mm3_2);
  M2->set_lines(arranged.m2);
  M3->set_lines(arranged.m3);
  state_.pillar_no = arranged.pillar_no;
  for (int i = 1; i <= pillars::kMaxPillars; ++i) mx_pillar[i]->clear_lines();
  const int count = std::min<int>(static_cast<int>(arranged.pillar_memos.size()), pillars::kMaxPillars);
  for (int p = 0; p < count; ++p) mx_pillar[p + 1]->set_lines(arranged.pillar_memos[p]);
  Button26Click();
}
