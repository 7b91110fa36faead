// The row of a window that runs a long computation in slices (回測驗證, 號碼回測): its own
// command buttons, 停止, a progress bar with its "done / total" label, then its save buttons.
// The bar owns 停止, the bar and the label; run_slices runs the computation with the window
// held busy, so the window stays responsive and 停止 takes effect between two slices.
//
//   bar = new ui::RunBar(this, {btn_start}, {btn_save_txt, btn_save_csv});
//   const bool finished = bar->run_slices(
//       [&] { return run.finished(); }, [&] { run.compute_next(); },
//       [&] { bar->show_progress(run.computed(), run.total(), false); });
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <chrono>
#include <functional>
#include <initializer_list>

namespace ui {

class RunBar : public QWidget {
 public:
  RunBar(QWidget* window, std::initializer_list<QWidget*> commands, std::initializer_list<QWidget*> saves);

  // "12 / 300", with "（已停止）" after a run the user stopped.
  void show_progress(int done, int total, bool stopped);
  // The bar before any run: empty, "尚未執行".
  void clear();

  // Calls `step` until `finished` or 停止, a slice of `slice` at a time; `between` runs
  // before each slice, after the events of the last one were handled. The window is
  // busy meanwhile (every command but 停止 disabled). False when the user stopped it.
  bool run_slices(const std::function<bool()>& finished, const std::function<void()>& step,
                  const std::function<void()>& between,
                  std::chrono::milliseconds slice = std::chrono::milliseconds(40));

  QPushButton* btn_stop;
  QProgressBar* pb_progress;
  QLabel* lb_progress;

 private:
  QWidget* window_;
  bool stop_requested_ = false;
};

}  // namespace ui
