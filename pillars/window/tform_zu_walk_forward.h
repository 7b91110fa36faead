// The walk-forward window "回測驗證": would the workbench's best arrangement have won on
// the draws that came after its period, compared with chance?
//
//   settings panel -> pillars::WalkForwardRun, computed a few steps between event pumps
//   -> 各期明細 (the steps' grid) and 摘要與累計圖 (summary, explanation, chart)
//
// 開始 runs the check on the draw table as it stands; the grid, the summary and the chart
// fill while it runs. 停止 ends it at the next pump: the sheets show the steps done so far
// with their summary, and the saves say where it stopped. A result stays only while it
// is the boxes' own: a refused start clears it, and a changed setting (also a new
// selection from the workbench, which opens this window with its selection ready as the
// fixed set) marks it as the previous settings' result. The 分析工具 menu opens it too.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/draw_history.h"
#include "pillars/walk_forward.h"
#include "pillars/window/walk_result_sheets.h"
#include "pillars/window/walk_settings_panel.h"
#include "ui/form_dialog.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
namespace ui {
class RunBar;
}

class TForm_zu_walk_forward : public ui::FormDialog {
  Q_OBJECT

 public:
  explicit TForm_zu_walk_forward(const core::DrawHistory& history, QWidget* parent = nullptr);
  ~TForm_zu_walk_forward() override;

  // The workbench's selection, ready as the fixed set.
  void use_selection(const std::vector<std::string>& selection);

  void btn_startClick();
  void btn_save_txtClick();
  void btn_save_csvClick();

  [[nodiscard]] bool busy() const;
  void reject() override;
  // The run shown in the sheets; nullptr before the first run.
  [[nodiscard]] const pillars::WalkForwardRun* run() const { return run_ ? &*run_ : nullptr; }

  walkforwardwin::SettingsPanel* settings = nullptr;
  QPushButton* btn_start = nullptr;
  ui::RunBar* run_bar = nullptr;  // 停止, the progress bar and its label (btn_stop, pb_progress, lb_progress)
  QPushButton* btn_stop = nullptr;
  QProgressBar* pb_progress = nullptr;
  QLabel* lb_progress = nullptr;
  QLabel* lb_stale = nullptr;  // shown while the result belongs to earlier settings
  QPushButton *btn_save_txt = nullptr, *btn_save_csv = nullptr;
  QTabWidget* PageC = nullptr;
  walkforwardwin::StepsSheet* TS_steps = nullptr;      // "各期明細"
  walkforwardwin::SummarySheet* TS_summary = nullptr;  // "摘要與累計圖"

 private:
  void build();
  void run_steps();
  void show_progress();
  void show_new_steps();
  void show_results();
  void clear_results();
  void save(bool csv);

  const core::DrawHistory& history_;
  std::optional<pillars::WalkForwardRun> run_;
  int shown_steps_ = 0;  // steps already in the grid and the chart
};
