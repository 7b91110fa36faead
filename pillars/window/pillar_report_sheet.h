// TS6 "彩柱驗證": the pillar report memo (Memo2) that the pillar verification and every
// optimisation write, under the selection it was made for.
#pragma once

#include <QWidget>

#include "pillars/window/sheet_look.h"
#include "pillars/window/workbench_links.h"
#include "ui/result_memo.h"

class QPushButton;

namespace bestpillarswin {

class PillarReportSheet : public QWidget {
  Q_OBJECT

 public:
  explicit PillarReportSheet(const WorkbenchLinks& links, QWidget* parent = nullptr);
  void show_selection(const pillars::Selection& selection) { captions_.show(selection); }

  QLabel *Label57 = nullptr, *Label56 = nullptr;
  ui::ResultMemo* report = nullptr;
  ui::Memo* Memo2 = nullptr;
  QPushButton *Button20 = nullptr, *Button21 = nullptr, *Button22 = nullptr, *Button23 = nullptr;

 private:
  SelectionCaptions captions_;
};

}  // namespace bestpillarswin
