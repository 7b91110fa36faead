// A long run on the window's thread pumps events between its steps (ui::pump_events),
// so progress repaints and a stop button works. Meanwhile the user must neither start
// another command nor close the window whose memos and state the run is using. Hold a
// BusyGuard for the run:
//
//   {
//     ui::BusyGuard busy(this, {btn_stop});  // every command of the window but btn_stop is disabled
//     while (!run.finished()) {
//       ui::pump_events();
//       if (stop_requested) break;
//       run.compute_next();
//     }
//   }                                        // each control has exactly its own enabled state back
//
// Commands are the window's buttons, check and radio boxes, combo boxes, spin and date
// boxes and text boxes. While a guard lives the window ignores close requests (the frame's
// close button, close()); a QDialog also routes Esc and reject() through
//
//   void reject() override { if (!ui::BusyGuard::holds(this)) QDialog::reject(); }
#pragma once

#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace ui {

class BusyGuard {
 public:
  BusyGuard(QWidget* window, std::initializer_list<QWidget*> keep = {});
  ~BusyGuard();
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

  // True while a guard holds this window.
  [[nodiscard]] static bool holds(const QWidget* window);

 private:
  QPointer<QWidget> window_;
  std::vector<std::pair<QPointer<QWidget>, bool>> enabled_before_;
  std::unique_ptr<QObject> close_filter_;
};

}  // namespace ui
