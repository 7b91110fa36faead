// TS7 "連碰驗證": the full-combination verification of the selection over the period
// list, reported in Memo3.
#pragma once

#include <QWidget>

#include "pillars/window/sheet_look.h"
#include "pillars/window/workbench_links.h"
#include "ui/result_memo.h"

class QCheckBox;
class QPushButton;

namespace bestpillarswin {

class FullCombinationSheet : public QWidget {
  Q_OBJECT

 public:
  explicit FullCombinationSheet(const WorkbenchLinks& links, QWidget* parent = nullptr);
  void show_selection(const pillars::Selection& selection) { captions_.show(selection); }

  void Button9Click();

  QLabel *Label41 = nullptr, *Label42 = nullptr;
  QPushButton* Button9 = nullptr;
  QCheckBox* cb_detail = nullptr;
  ui::ResultMemo* report = nullptr;
  ui::Memo* Memo3 = nullptr;
  QPushButton *Button10 = nullptr, *Button11 = nullptr, *Button13 = nullptr, *Button15 = nullptr;

 private:
  const WorkbenchLinks& links_;
  SelectionCaptions captions_;
};

}  // namespace bestpillarswin
