#include "app/application.h"

#include <QApplication>
#include <QScreen>

#include "app/tform_zu_help.h"
#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_main.h"
#include "app/tform_zu_simulate.h"
#include "exchange/window/tform_dateselect.h"
#include "exchange/window/tform_download_txt_from_http.h"
#include "exchange/window/tform_zu_ftpserverip.h"
#include "exchange/window/trpt.h"
#include "pillars/window/tform_bestpillars.h"
#include "ui/dialogs.h"

Application::Application(QString working_dir, std::unique_ptr<core::Clock> clock)
    : clock_(std::move(clock)), working_dir_(std::move(working_dir)) {
  QApplication::setApplicationDisplayName(QString());
  QApplication::setApplicationName(QStringLiteral("３９Vantor"));
  // Start-up order: the main window first, then every window it opens.
  main_ = std::make_unique<TForm_zu_main>(history_, *clock_, working_dir_);
  lotto_record_ = new TForm_zu_lotto_record(*main_, history_, main_.get());
  help_ = new TForm_zu_help(main_.get());
  simulate_ = new TForm_zu_simulate(main_.get());
  report_ = new Trpt(*clock_, main_.get());
  dateselect_ = new TForm_dateselect(history_, *clock_, *report_, main_.get());
  ftpip_ = new TForm_zu_FtpServerIP(working_dir_, main_.get());
  (void)bestpillars();  // created at start-up, in order, like every other window
  download_ = new TForm_Download_TxT_from_http(history_, *clock_, working_dir_, main_.get());
  main_->set_links(MainWindowLinks{lotto_record_, help_, simulate_, [this] { return &bestpillars(); }, ftpip_});
  // Printing by date range prints the records grid as the user sees it.
  dateselect_->set_records_grid([this]() -> const core::TextGrid& { return lotto_record_->sgl->grid(); });
  QObject::connect(ftpip_, &TForm_zu_FtpServerIP::download_enabled_changed, lotto_record_,
                   &TForm_zu_lotto_record::set_download_enabled);
  // Closing the download window reloads, then shows the new lines newest first.
  download_->set_reload([this] {
    main_->load_sequence();
    lotto_record_->FormShow();
  });
  lotto_record_->set_exchange([this] { ui::show_modal(download_); }, [this] { ui::show_modal(dateselect_); });
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
