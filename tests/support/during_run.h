// Runs an action from the event pumps of a long run once a condition holds: how a test
// presses a stop button (or anything else) while a run is going.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class DuringRun : public QObject {
 public:
  DuringRun(std::function<bool()> condition, std::function<void()> action)
      : condition_(std::move(condition)), action_(std::move(action)) {
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (done_ || !condition_()) return;
      done_ = true;
      action_();
    });
    timer_.start(0);
  }
  [[nodiscard]] bool done() const { return done_; }

 private:
  std::function<bool()> condition_;
  std::function<void()> action_;
  QTimer timer_;
  bool done_ = false;
};
