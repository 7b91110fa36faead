#include "analysis/statistics/window/number_counts_panel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "analysis/statistics/number_analysis.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace statwin {
namespace {

constexpr int kCellWidth = 34;
constexpr int kRowHeight = 22;

// Two rows of cells, sized to show them all without scrolling.
ui::StringGrid* count_grid(QWidget* parent, const char* name, int columns, int cell_width = kCellWidth) {
  auto* grid = new ui::StringGrid(parent);
  grid->setObjectName(name);
  grid->set_grid(core::TextGrid(2, columns));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->set_row_height(kRowHeight);
  grid->set_column_widths(QList<int>(columns, cell_width));
  grid->setFixedSize(columns * cell_width + 2 * grid->frameWidth(), 2 * kRowHeight + 2 * grid->frameWidth());
  return grid;
}

template <class Cells>
void fill(ui::StringGrid* grid, const Cells& cells, std::size_t first) {
  core::TextGrid& g = grid->model_data().begin_edit();
  for (int c = 0; c < g.columns(); ++c) {
    const std::size_t at = first + static_cast<std::size_t>(c);
    g.set_cell(c, 0, at < cells.size() ? cells[at].top : std::string());
    g.set_cell(c, 1, at < cells.size() ? cells[at].bottom : std::string());
  }
  grid->model_data().end_edit();
}

}  // namespace

NumberCountsPanel::NumberCountsPanel(const trace::TraceExport& rows, int max_ball, QWidget* parent)
    : QWidget(parent), rows_(rows), max_ball_(max_ball) {
  const int per_grid = statistics::kGridPositions;
  sga1 = count_grid(this, "sga1", per_grid);
  sga2 = count_grid(this, "sga2", per_grid);
  sga5 = count_grid(this, "sga5", per_grid);
  sga5->setVisible(max_ball_ > 2 * per_grid);
  sga3 = count_grid(this, "sga3", 10, 40);
  sga4 = count_grid(this, "sga4", 8, 40);
  cb_lt = ui::number_combo(this, {}, "0", "cb_lt", 90);
  cb_sort = ui::check_box(this, QStringLiteral("按統計結果排列"), "cb_sort");

  const QColor navy(0, 0, 128);
  auto* lower = new QGridLayout;
  lower->addWidget(ui::heading(this, QStringLiteral("尾數統計"), navy), 0, 0);
  lower->addWidget(ui::heading(this, QStringLiteral("群組統計"), navy), 0, 1);
  lower->addWidget(sga3, 1, 0);
  lower->addWidget(sga4, 1, 1);
  lower->setColumnStretch(2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ui::heading(this, QStringLiteral("號碼統計"), navy));
  for (QWidget* grid : {sga1, sga2, sga5}) layout->addWidget(grid);
  layout->addLayout(lower);
  layout->addLayout(ui::row_of({ui::label(this, QStringLiteral("統計期數(最近)")), cb_lt, cb_sort}));

  // An emptied count means no count: the box shows again the N the grids were counted for.
  ui::refill_when_emptied(cb_lt);
  ui::on_entry(cb_lt, this, [this] { return show_analysis(); });
  ui::on_click(cb_sort, this, [this] {
    if (show_analysis()) return;
    const QSignalBlocker quiet(cb_sort);  // the grids keep their order, and so does the tick
    cb_sort->setChecked(!cb_sort->isChecked());
  });
}

void NumberCountsPanel::reset() {
  const int rows = static_cast<int>(rows_.rows.size());
  ui::set_items(cb_lt, statistics::recent_items(rows));
  ui::set_text(cb_lt, std::to_string(rows));
  core::TextGrid& groups = sga4->model_data().begin_edit();
  for (int c = 0; c < 8; ++c) groups.set_cell(c, 0, std::string(1, static_cast<char>('A' + c)));
  sga4->model_data().end_edit();
  show_analysis();
}

bool NumberCountsPanel::show_analysis() {
  auto counts = statistics::show_analysis(rows_, ui::text_of(cb_lt), cb_sort->isChecked(), max_ball_);
  if (!counts) {
    ui::show_error(this, counts.error());
    return false;
  }
  // Sorted, the positions past the last ball hold no number: they stay empty.
  if (cb_sort->isChecked())
    for (std::size_t p = static_cast<std::size_t>(max_ball_); p < counts->numbers.size(); ++p) counts->numbers[p] = {};
  const auto per_grid = static_cast<std::size_t>(statistics::kGridPositions);
  fill(sga1, counts->numbers, 0);
  fill(sga2, counts->numbers, per_grid);
  fill(sga5, counts->numbers, 2 * per_grid);
  fill(sga3, counts->tails, 0);
  return true;
}

}  // namespace statwin
