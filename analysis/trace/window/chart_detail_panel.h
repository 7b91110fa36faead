// Panel4 of the trace summary chart window: the matched draws (Memo1) and the draws that
// followed them (Memo2), numbered alike. Each memo's pop-up menu selects all of it or
// copies the selection.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "ui/memo.h"

namespace chartwin {

class ChartDetailPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ChartDetailPanel(QWidget* parent = nullptr);

  void show_lines(const std::vector<std::string>& matched, const std::vector<std::string>& following);

  ui::Memo* Memo1 = nullptr;
  ui::Memo* Memo2 = nullptr;
};

}  // namespace chartwin
