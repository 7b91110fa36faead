// TS3 "號碼和尾數統計": the number and tail frequency grids of the period list and the
// hot two-, three- and four-number combination orderings.
#pragma once

#include <QWidget>

#include "pillars/statistics.h"
#include "pillars/window/workbench_links.h"
#include "ui/result_memo.h"
#include "ui/string_grid.h"

class QLabel;
class QPushButton;

namespace bestpillarswin {

class StatisticsSheet : public QWidget {
  Q_OBJECT

 public:
  explicit StatisticsSheet(const WorkbenchLinks& links, QWidget* parent = nullptr);

  // The grids of new statistics.
  void show_statistics(const pillars::Statistics& statistics);
  // The opening reset of the progress labels.
  void reset_progress();

  void SpeedButton2Click();  // pairs
  void SpeedButton3Click();  // triples
  void SpeedButton1Click();  // quadruples

  ui::StringGrid *sga1 = nullptr, *sga2 = nullptr, *sgaT = nullptr;
  QPushButton *SpeedButton2 = nullptr, *SpeedButton3 = nullptr, *SpeedButton1 = nullptr;
  QLabel *lb2s = nullptr, *lb3s = nullptr, *lb4s = nullptr;
  ui::Memo *mm = nullptr, *mm3 = nullptr, *mm9 = nullptr;
  QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn3 = nullptr;
  QPushButton* btn_backtest = nullptr;  // 回測: the period's most frequent numbers, played draw by draw

 private:
  void run_hot_ordering(int k, QLabel* progress, ui::Memo* memo);

  const WorkbenchLinks& links_;
};

}  // namespace bestpillarswin
