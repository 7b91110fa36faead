// The number backtest window "號碼回測": had a user played the numbers a method names at
// every test draw, how many would have come, compared with random draws?
//
//   settings panel -> backtest::Backtest, computed a slice of steps between event pumps
//   -> 摘要與累計圖 (verdict, summary, cumulative chart), 各期明細 (the steps' grid),
//      全部方法 (the four methods with their defaults, their z values in a bar chart)
//
// 執行 runs the chosen method, 全部方法 the four; 停止 ends a run at the next pump and the
// sheets show the steps done so far. The windows that name numbers open this one with
// their own settings (use_texts). The window counts the settings run since it was opened,
// since every one more tried is one more chance of a lucky verdict.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "analysis/backtest/backtest_texts.h"
#include "analysis/backtest/number_backtest.h"
#include "analysis/backtest/window/backtest_result_sheets.h"
#include "analysis/backtest/window/backtest_settings_panel.h"
#include "core/draw_history.h"
#include "ui/form_dialog.h"

class QLabel;
class QProgressBar;
namespace ui {
class RunBar;
}
class QPushButton;
class QTabWidget;

class TForm_zu_backtest : public ui::FormDialog {
  Q_OBJECT

 public:
  explicit TForm_zu_backtest(const core::DrawHistory& history, QWidget* parent = nullptr);
  ~TForm_zu_backtest() override;

  // Each opening starts a new count of the settings tried.
  void FormShow() override;
  // Another window's settings in the boxes (its 回測 button); the user presses 執行.
  void use_texts(const backtest::Texts& texts);

  void btn_runClick();
  void btn_allClick();
  void btn_save_txtClick();
  void btn_save_csvClick();

  [[nodiscard]] bool busy() const;
  void reject() override;
  // The run shown in the summary and the steps; nullptr before the first.
  [[nodiscard]] const backtest::Backtest* run() const { return run_ ? &*run_ : nullptr; }
  [[nodiscard]] int tried() const { return static_cast<int>(tried_.size()); }

  backtestwin::SettingsPanel* settings = nullptr;
  QPushButton *btn_run = nullptr, *btn_all = nullptr;
  ui::RunBar* run_bar = nullptr;  // 停止, the progress bar and its label (btn_stop, pb_progress, lb_progress)
  QPushButton* btn_stop = nullptr;
  QProgressBar* pb_progress = nullptr;
  QLabel* lb_progress = nullptr;
  QPushButton *btn_save_txt = nullptr, *btn_save_csv = nullptr;
  QTabWidget* PageC = nullptr;
  backtestwin::SummarySheet* TS_summary = nullptr;   // "摘要與累計圖"
  backtestwin::StepsSheet* TS_steps = nullptr;       // "各期明細"
  backtestwin::AllMethodsSheet* TS_all = nullptr;    // "全部方法"

 private:
  void build();
  // Computes `run` in slices, pumping events between them; false when stopped. `done` steps
  // of `total` were computed before it (the all-methods run counts four runs as one).
  bool compute(backtest::Backtest& run, int done, int total, bool show_steps);
  void save(bool csv);
  [[nodiscard]] std::vector<std::string> saved_lines(bool csv) const;

  const core::DrawHistory& history_;
  std::optional<backtest::Backtest> run_;
  bool stopped_ = false;        // the shown run was stopped
  std::set<std::string> tried_;  // the settings run since the window opened
  struct AllMethods {
    int test = 0;
    std::vector<backtest::Summary> summaries;
  };
  std::optional<AllMethods> all_;
};
