#include "pillars/window/statistics_sheet.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "pillars/hot_combinations.h"
#include "pillars/messages.h"
#include "pillars/window/sheet_look.h"
#include "ui/busy_guard.h"
#include "ui/controls.h"
#include "ui/events.h"
#include "ui/widgets.h"

namespace bestpillarswin {
namespace {

// Two rows of 25 (or 10) cells with the row labels in the vertical header.
ui::StringGrid* stats_grid(QWidget* parent, const char* name, int columns, const QString& top, const QString& bottom,
                           int column_width) {
  auto* grid = new ui::StringGrid(parent);
  grid->setObjectName(name);
  grid->set_grid(core::TextGrid(2, columns));
  grid->model_data().set_row_labels({top, bottom});
  grid->verticalHeader()->setVisible(true);
  grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid->horizontalHeader()->setVisible(false);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->set_row_height(22);
  grid->set_column_widths(QList<int>(columns, column_width));
  grid->setFixedHeight(2 * 22 + 2 * grid->frameWidth());
  grid->setFixedWidth(grid->verticalHeader()->sizeHint().width() + columns * column_width + 2 * grid->frameWidth());
  return grid;
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

StatisticsSheet::StatisticsSheet(const WorkbenchLinks& links, QWidget* parent) : QWidget(parent), links_(links) {
  setObjectName("TS3");
  auto* v = new QVBoxLayout(this);
  const QString number = QStringLiteral("號碼"), times = QStringLiteral("次數");
  v->addWidget(sga1 = stats_grid(this, "sga1", pillars::kGridColumns, number, times, 32));
  v->addWidget(sga2 = stats_grid(this, "sga2", pillars::kGridColumns, number, times, 32));
  v->addWidget(sgaT = stats_grid(this, "sgaT", 10, QStringLiteral("尾數"), times, 52));
  btn_backtest = ui::push_button(this, QStringLiteral("回測"), "btn_backtest");
  btn_backtest->setToolTip(QStringLiteral("每期取之前同樣期數中最常開出的號碼（選號的個數），與隨機比較"));
  v->addLayout(ui::row_of({btn_backtest, ui::label(this, QStringLiteral("熱門號碼回測：本期間的期數與選號的個數"))}));

  struct Column {
    QPushButton*& button;
    const char* button_name;
    QString caption;
    QLabel*& progress;
    const char* progress_name;
    QString title;
    ui::Memo*& memo;
    const char* memo_name;
    QPushButton*& copy;
    const char* copy_name;
  };
  const Column columns[] = {
      {SpeedButton2, "SpeedButton2", QStringLiteral("熱門雙星組合排列"), lb2s, "lb2s", QStringLiteral("☆☆號碼  次數"), mm,
       "mm", BitBtn1, "BitBtn1"},
      {SpeedButton3, "SpeedButton3", QStringLiteral("熱門三星組合排列"), lb3s, "lb3s", QStringLiteral("☆☆☆號碼  次數"),
       mm3, "mm3", BitBtn2, "BitBtn2"},
      {SpeedButton1, "SpeedButton1", QStringLiteral("熱門四星組合排列"), lb4s, "lb4s",
       QStringLiteral("☆☆☆☆號碼  次數"), mm9, "mm9", BitBtn3, "BitBtn3"},
  };
  auto* hot = new QHBoxLayout;
  for (const Column& c : columns) {
    auto* column = new QVBoxLayout;
    auto* head = ui::row();
    head->addWidget(c.button = ui::push_button(this, c.caption, c.button_name));
    head->addWidget(c.progress = ui::label(this, QStringLiteral("---"), c.progress_name));
    c.progress->setMinimumWidth(60);
    head->addStretch();
    column->addLayout(head);
    column->addWidget(ui::heading(this, c.title, kNavy));
    auto* area = new ui::ResultMemo(this, c.memo_name, {{ui::ResultMemo::Command::Copy, c.copy_name}});
    c.memo = area->memo();
    c.copy = area->button(ui::ResultMemo::Command::Copy);
    column->addWidget(c.memo, 1);
    column->addWidget(c.copy, 0, Qt::AlignLeft);
    hot->addLayout(column);
  }
  v->addLayout(hot, 1);

  connect(SpeedButton2, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });
  connect(SpeedButton3, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });
  connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(btn_backtest, &QPushButton::clicked, this, [this] {
    if (links_.open_backtest)
      links_.open_backtest(static_cast<int>(links_.period_lines().size()), links_.state.sel_count());
  });
}

void StatisticsSheet::show_statistics(const pillars::Statistics& statistics) {
  fill_columns(sga1, statistics.numbers.sga1);
  fill_columns(sga2, statistics.numbers.sga2);
  fill_columns(sgaT, statistics.tails.sgaT);
}

void StatisticsSheet::reset_progress() {
  for (QLabel* progress : {lb2s, lb3s, lb4s}) ui::set_label(progress, std::string(pillars::msg::kProgressIdle));
}

void StatisticsSheet::SpeedButton2Click() { run_hot_ordering(2, lb2s, mm); }
void StatisticsSheet::SpeedButton3Click() { run_hot_ordering(3, lb3s, mm3); }
void StatisticsSheet::SpeedButton1Click() { run_hot_ordering(4, lb4s, mm9); }

void StatisticsSheet::run_hot_ordering(int k, QLabel* progress, ui::Memo* memo) {
  pillars::WorkbenchState& state = links_.state;
  memo->set_lines({std::string(pillars::msg::kComputing)});
  ui::repaint_now(memo);
  for (int n = 1; n <= static_cast<int>(state.no_index.size()); ++n) state.no_index[n - 1] = n;

  const auto keys = k == 2 ? state.pair_keys : k == 3 ? state.triple_keys : state.quad_keys;
  const std::vector<std::string> lines = links_.period_lines();
  pillars::HotResult result;
  {
    ui::BusyGuard busy(window());
    result = pillars::get_allno(keys, lines, [&](int key_index) {
      progress->setText(QString::number(key_index));
      ui::repaint_now(progress);
      ui::pump_events();
    });
  }
  if (!keys.empty()) state.cur_combo = keys.back().text();
  auto& list = k == 2 ? state.hot2_list : k == 3 ? state.hot3_list : state.hot4_list;
  list = std::move(result.list);
  memo->set_lines(result.memo_lines);
}

}  // namespace bestpillarswin
