// TS3 "號碼和尾數統計": the hot two-, three- and four-number combination orderings.
#include <QLabel>

#include "pillars/hot_combinations.h"
#include "pillars/messages.h"
#include "pillars/window/tform_bestpillars.h"
#include "ui/controls.h"
#include "ui/events.h"
#include "ui/memo.h"

void TForm_bestpillars::SpeedButton2Click() { run_hot_ordering(2, lb2s, mm); }
void TForm_bestpillars::SpeedButton3Click() { run_hot_ordering(3, lb3s, mm3); }
void TForm_bestpillars::SpeedButton1Click() { run_hot_ordering(4, lb4s, mm9); }

void TForm_bestpillars::run_hot_ordering(int k, QLabel* progress, ui::Memo* memo) {
  memo->set_lines({std::string(pillars::msg::kComputing)});
  ui::repaint_now(memo);
  for (int n = 1; n <= static_cast<int>(state_.no_index.size()); ++n) state_.no_index[n - 1] = n;

  const auto keys =
      k == 2 ? state_.pair_keys : k == 3 ? state_.triple_keys : state_.quad_keys;
  const std::vector<std::string> lines = Memo1->lines();
  begin_busy({});
  pillars::HotResult result = pillars::get_allno(keys, lines, [&](int key_index) {
    progress->setText(QString::number(key_index));
    ui::repaint_now(progress);
    ui::pump_events();
  });
  end_busy();

  if (!keys.empty()) state_.cur_combo = keys.back().text();
  auto& list = k == 2 ? state_.hot2_list : k == 3 ? state_.hot3_list : state_.hot4_list;
  list = std::move(result.list);
  memo->set_lines(result.memo_lines);
}
