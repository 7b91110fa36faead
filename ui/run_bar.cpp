#include "ui/run_bar.h"

#include <QHBoxLayout>

#include "ui/busy_guard.h"
#include "ui/controls.h"
#include "ui/events.h"
#include "ui/widgets.h"

namespace ui {

RunBar::RunBar(QWidget* window, std::initializer_list<QWidget*> commands, std::initializer_list<QWidget*> saves)
    : QWidget(window), window_(window) {
  btn_stop = push_button(this, QStringLiteral("停止"), "btn_stop");
  btn_stop->setEnabled(false);
  pb_progress = new QProgressBar(this);
  pb_progress->setObjectName("pb_progress");
  lb_progress = label(this, QString(), "lb_progress");
  clear();
  auto* layout = row();
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* command : commands) layout->addWidget(command);
  layout->addWidget(btn_stop);
  layout->addWidget(pb_progress, 1);
  layout->addWidget(lb_progress);
  layout->addSpacing(24);
  for (QWidget* save : saves) layout->addWidget(save);
  setLayout(layout);
  connect(btn_stop, &QPushButton::clicked, this, [this] { stop_requested_ = true; });
}

void RunBar::show_progress(int done, int total, bool stopped) {
  pb_progress->setRange(0, std::max(1, total));
  pb_progress->setValue(done);
  const QString text = QStringLiteral("%1 / %2").arg(done).arg(total);
  lb_progress->setText(stopped ? text + QStringLiteral("（已停止）") : text);
}

void RunBar::clear() {
  pb_progress->setRange(0, 1);
  pb_progress->setValue(0);
  lb_progress->setText(QStringLiteral("尚未執行"));
}

bool RunBar::run_slices(const std::function<bool()>& finished, const std::function<void()>& step,
                        const std::function<void()>& between, std::chrono::milliseconds slice) {
  using Clock = std::chrono::steady_clock;
  stop_requested_ = false;
  {
    BusyGuard busy(window_, {btn_stop});
    btn_stop->setEnabled(true);
    btn_stop->setFocus();
    while (!finished()) {
      between();
      pump_events();
      if (stop_requested_) break;
      const auto until = Clock::now() + slice;
      do step();
      while (!finished() && Clock::now() < until);
    }
  }
  btn_stop->setEnabled(false);
  return !stop_requested_;
}

}  // namespace ui
