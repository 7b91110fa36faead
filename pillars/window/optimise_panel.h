// The optimisation panel of TS5: computer-arranged pillars ("電腦排定號碼"), the four
// fixed-shape analyses and the best-subset runs "12取8超優分析" and "15取10超優分析".
// Each reads the selection and the period list, lets pillars/ compute, writes the
// report into the pillar report memo and loads the winner into its sheet's pillars.
//
// A best-subset run computes one subset between two event pumps, so the window repaints
// its progress and the stop button can be pressed; a ui::BusyGuard disables every other
// workbench command meanwhile.
#pragma once

#include <QGroupBox>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/result.h"
#include "pillars/arithmetic/best_subset.h"
#include "pillars/optimise_analysis.h"
#include "pillars/window/workbench_links.h"
#include "ui/memo.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace pillars {
class BestSubsetAnalysis;
}

namespace bestpillarswin {

class PillarSheet;

class OptimisePanel : public QGroupBox {
  Q_OBJECT

 public:
  OptimisePanel(PillarSheet& sheet, const WorkbenchLinks& links, QWidget* parent);

  void Button19Click();  // computer-arranged pillars
  void Button12Click();  // 2x2x2x2
  void Button29Click();  // 1x1x2x2x2
  void Button28Click();  // 3x3x3
  void Button30Click();  // 2x2x3x3
  void Button31Click();  // best 8 of 12
  void Button32Click();  // best 10 of 15, after a confirmation
  void btn_stopClick();
  void btn_stop_1510Click();
  void btn_walk_forwardClick();  // the walk-forward check, with the selection ready

  QPushButton* Button19 = nullptr;
  QGroupBox* RG1 = nullptr;
  std::array<QRadioButton*, 3> RG1_items{};  // "４星優先", "３星優先", "２星優先"
  QPushButton *Button12 = nullptr, *Button29 = nullptr, *Button28 = nullptr, *Button30 = nullptr;
  QPushButton *Button31 = nullptr, *btn_stop = nullptr, *Button32 = nullptr, *btn_stop_1510 = nullptr;
  QLabel* lb_percent = nullptr;
  QPushButton* btn_walk_forward = nullptr;  // "回測驗證"
  // Hidden: the pair and triple orderings of the computer arrangement.
  ui::Memo *MM_2 = nullptr, *MM3_2 = nullptr, *M2 = nullptr, *M3 = nullptr;

 private:
  void build();
  void connect_handlers();
  [[nodiscard]] pillars::arith::Priority priority() const;
  [[nodiscard]] pillars::OptimiseInput input(const std::vector<std::string>& lines) const;
  // Shows a refusal; when the selection had the wrong size the user goes on to the
  // selection sheet, where the suggested count (if any) is set.
  void refuse(const core::Error& error, bool wrong_size, std::optional<int> suggested_count);
  // A refusal of a command that takes exactly `required` numbers.
  void refuse_size(const core::Error& error, int required, bool suggest);
  void run_fixed_shape(pillars::arith::Shape shape, bool suggest_size);
  void run_best_subset(pillars::arith::SubsetRun run);
  [[nodiscard]] bool run_subsets(pillars::BestSubsetAnalysis& analysis, QPushButton* command, bool& stop_requested);
  [[nodiscard]] core::Status finish_best_subset(const pillars::BestSubsetAnalysis& analysis, QPushButton* command,
                                                const core::LocalDateTime& start_time);

  PillarSheet& sheet_;
  const WorkbenchLinks& links_;
  bool stop_12_8 = false;
  bool stop_15_10 = false;
};

}  // namespace bestpillarswin
