#include "app/application.h"

#include <QApplication>
#include <QScreen>

#include "app/tform_zu_help.h"
#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_main.h"
#include "app/tform_zu_simulate.h"
#include "pillars/window/tform_bestpillars.h"

Application::Application(QString working_dir, std::unique_ptr<core::Clock> clock)
    : clock_(std::move(clock)), working_dir_(std::move(working_dir)) {
  QApplication::setApplicationDisplayName(QString());
  QApplication::setApplicationName(QStringLiteral("３９Vantor"));
  // Start-up order: the main window first, then every window it opens.
  main_ = std::make_unique<TForm_zu_main>(history_, *clock_, working_dir_);
  lotto_record_ = new TForm_zu_lotto_record(*main_, history_, main_.get());
  help_ = new TForm_zu_help(main_.get());
  simulate_ = new TForm_zu_simulate(main_.get());
  (void)bestpillars();  // created at start-up, in order, like every other window
  main_->set_links(MainWindowLinks{lotto_record_, help_, simulate_, [this] { return &bestpillars(); }});
}

Application::~Application() = default;

TForm_bestpillars& Application::bestpillars() {
  if (!bestpillars_) {
    bestpillars_ = new TForm_bestpillars(history_, *clock_, main_.get());
    bestpillars_->set_working_dir(working_dir_);
  }
  return *bestpillars_;
}

void Application::start() {
  // Without a window manager (a virtual display) maximising does nothing; size it anyway.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    main_->setGeometry(screen->availableGeometry());
  main_->showMaximized();
}
