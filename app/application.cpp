#include "app/application.h"

#include <QApplication>
#include <QScreen>

#include "app/tform_zu_main.h"
#include "app/windows.h"
#include "core/loader.h"
#include "exchange/window/trpt.h"
#include "ui/dialogs.h"

Application::Application(QString working_dir, std::unique_ptr<core::Clock> clock)
    : clock_(std::move(clock)), working_dir_(std::move(working_dir)) {
  QApplication::setApplicationDisplayName(QString());
  QApplication::setApplicationName(QStringLiteral("３９Vantor"));
  // Start-up order: the main window first, then every window it opens.
  main_ = std::make_unique<TForm_zu_main>(table_, rules_, *clock_, working_dir_);
  report_ = std::make_unique<Trpt>(*clock_, main_.get());
  context_ = std::make_unique<app::WindowContext>(
      app::WindowContext{history_, table_, rules_, *clock_, working_dir_, *main_, windows_, *report_});
  app::register_windows(windows_);
  windows_.create_all(*context_);
  main_->set_windows(windows_);
  // Asked at every save: switching the game changes which draw file is open.
  ui::set_own_files([this] {
    const std::string directory = working_dir_.toStdString();
    return core::OwnFilePlaces{core::draw_file_path(history_, directory), directory};
  });
}

Application::~Application() { ui::set_own_files(nullptr); }

void Application::start() {
  // Without a window manager (a virtual display) maximising does nothing; size it anyway.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    main_->setGeometry(screen->availableGeometry());
  main_->showMaximized();
}
