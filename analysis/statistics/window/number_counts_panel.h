// The counting half of the number analysis window: how often each number (sga1, sga2,
// sga5) and each units digit (sga3) was marked in the last N rows of the trace, N the
// text of cb_lt, in number order or sorted by count (cb_sort); sga4 holds the group
// headers A..H.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QWidget>

#include "analysis/trace/trace.h"
#include "ui/string_grid.h"

namespace statwin {

class NumberCountsPanel : public QWidget {
  Q_OBJECT

 public:
  NumberCountsPanel(const trace::TraceExport& rows, int max_ball, QWidget* parent = nullptr);

  // On showing: cb_lt = the trace's row count R with the items 2..R, the group headers,
  // then the counts over all rows.
  void reset();
  // Counts with the current cb_lt and cb_sort; a bad count is refused with a message and
  // the grids keep what they show (false then).
  bool show_analysis();

  ui::StringGrid *sga1 = nullptr, *sga2 = nullptr, *sga5 = nullptr;  // numbers by position
  ui::StringGrid* sga3 = nullptr;                                   // tails
  ui::StringGrid* sga4 = nullptr;                                   // groups
  QComboBox* cb_lt = nullptr;
  QCheckBox* cb_sort = nullptr;

 private:
  const trace::TraceExport& rows_;
  int max_ball_;
};

}  // namespace statwin
