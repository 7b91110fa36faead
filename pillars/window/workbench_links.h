// What a workbench sheet may use beyond its own controls. The form (TForm_bestpillars)
// fills this in once and hands it to every sheet; a sheet never reaches into another
// sheet's controls. What a sheet announces (a new period list, new statistics, a new
// selection) travels the other way, as the sheet's Qt signals the form connects.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/draw_history.h"
#include "pillars/workbench_state.h"

namespace bestpillarswin {

// The sheets, in tab order: TS2 .. TS7.
enum class Sheet { Period, Statistics, Selection, Pillars, PillarReport, FullCombination };

struct WorkbenchLinks {
  const core::DrawHistory& history;
  const core::Clock& clock;
  pillars::WorkbenchState& state;
  const QString& working_dir;  // where the best-subset reports are written

  // The period list (Memo1) as it stands: the user's edits count.
  std::function<std::vector<std::string>()> period_lines = nullptr;
  // Runs the query that built the period list again; false when it refused its input.
  std::function<bool()> rerun_query = nullptr;
  // The pillar report memo (Memo2): its lines, its 清除 (which re-runs the query) and
  // new lines for it.
  std::function<std::vector<std::string>()> report_lines = nullptr;
  std::function<bool()> clear_report = nullptr;
  std::function<void(const std::vector<std::string>&)> write_report = nullptr;
  // Makes a sheet the active page.
  std::function<void(Sheet)> show_sheet = nullptr;
  // Sends the user to the selection sheet after a command refused the selection's size,
  // suggesting `count` most frequent numbers when given.
  std::function<void(std::optional<int> count)> ask_for_selection = nullptr;
  // Opens the walk-forward check with the selection ready as its fixed set; unset when
  // no such window was made (a workbench on its own, in tests).
  std::function<void(const std::vector<std::string>& selection)> open_walk_forward = nullptr;
  // Opens the number backtest of the most frequent `count` numbers of the `window` draws
  // before each test draw; unset when no such window was made.
  std::function<void(int window, int count)> open_backtest = nullptr;
};

}  // namespace bestpillarswin
