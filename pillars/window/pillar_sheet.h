// TS5 "選擇柱數": the pillar count and sizes with their cost, the pillars' numbers, the
// manual pillar verification (its report goes to the pillar report sheet) and, on the
// right, the optimisation panel that fills the pillars by computation.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "pillars/optimise_analysis.h"
#include "pillars/pillar_cost.h"
#include "pillars/window/sheet_look.h"
#include "pillars/window/workbench_links.h"
#include "ui/memo.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace bestpillarswin {

class OptimisePanel;

class PillarSheet : public QWidget {
  Q_OBJECT

 public:
  explicit PillarSheet(const WorkbenchLinks& links, QWidget* parent = nullptr);

  // The opening layout: four pillars of two.
  void reset_layout();
  void show_selection(const pillars::Selection& selection) { captions_.show(selection); }

  // Each returns false when it refused the boxes (and said why).
  bool CB_SelectChange();   // the pillar count
  bool ComboBox1Change();   // any pillar size
  void Button27Click();     // manual verification: the report list again, then Button26
  void Button26Click();     // the pillar report over the report memo's lines

  // What the optimisations set: a shape's layout, pillars' numbers (pillar 1 first; the
  // other memos keep theirs) or every pillar memo anew.
  void apply_shape(const pillars::ShapeLayout& layout);
  void load_pillars(const pillars::PillarNumbers& pillars);
  void set_pillar_memos(const std::vector<std::vector<std::string>>& memos);

  // ComboBox1 .. ComboBox8 and Mx1 .. Mx8 by pillar ([0] unused).
  QLabel *Label6 = nullptr, *Label28 = nullptr, *lb_NOTT = nullptr;
  QComboBox* CB_Select = nullptr;
  std::array<QComboBox*, pillars::kMaxPillars + 1> cb_pillar{};
  std::array<ui::Memo*, pillars::kMaxPillars + 1> mx_pillar{};
  QLabel *lb_pon2 = nullptr, *lb_pon3 = nullptr, *lb_pon4 = nullptr, *lb_tot = nullptr;
  QPushButton *Button27 = nullptr, *Button26 = nullptr;
  OptimisePanel* optimise = nullptr;

 private:
  QWidget* build_pillars();
  QGridLayout* build_grid();
  [[nodiscard]] std::vector<std::string> pillar_size_texts() const;
  void apply_layout(const pillars::PillarLayout& layout);
  // CB_Select and the size boxes, in the order the pillar computations read them.
  [[nodiscard]] std::vector<const QComboBox*> boxes() const;
  // Pillars beyond the count are silver and disabled (all of them during a long run).
  void apply_pillar_look();

  const WorkbenchLinks& links_;
  SelectionCaptions captions_;
};

}  // namespace bestpillarswin
