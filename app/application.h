// The application object: owns the draw table and the clock, creates every window once
// in start-up order and hands each the table by reference.
#pragma once

#include <QString>
#include <memory>

#include "core/clock.h"
#include "core/draw_history.h"

class TForm_zu_main;
class TForm_zu_lotto_record;
class TForm_zu_help;
class TForm_zu_simulate;
class TForm_bestpillars;
class Trpt;
class TForm_dateselect;
class TForm_zu_FtpServerIP;
class TForm_Download_TxT_from_http;

class Application {
 public:
  Application(QString working_dir, std::unique_ptr<core::Clock> clock);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Shows the main window maximised; its first showing runs the load sequence.
  void start();

  [[nodiscard]] core::DrawHistory& history() { return history_; }
  [[nodiscard]] TForm_zu_main& main_window() { return *main_; }
  [[nodiscard]] TForm_zu_lotto_record& lotto_record() { return *lotto_record_; }
  [[nodiscard]] TForm_zu_help& help() { return *help_; }
  [[nodiscard]] TForm_zu_simulate& simulate() { return *simulate_; }
  [[nodiscard]] TForm_bestpillars& bestpillars();
  [[nodiscard]] Trpt& report() { return *report_; }
  [[nodiscard]] TForm_dateselect& dateselect() { return *dateselect_; }
  [[nodiscard]] TForm_zu_FtpServerIP& ftpip() { return *ftpip_; }
  [[nodiscard]] TForm_Download_TxT_from_http& download() { return *download_; }

 private:
  core::DrawHistory history_;
  std::unique_ptr<core::Clock> clock_;
  QString working_dir_;
  std::unique_ptr<TForm_zu_main> main_;
  // The other windows are children of the main window, which deletes them.
  TForm_zu_lotto_record* lotto_record_ = nullptr;
  TForm_zu_help* help_ = nullptr;
  TForm_zu_simulate* simulate_ = nullptr;
  TForm_bestpillars* bestpillars_ = nullptr;
  Trpt* report_ = nullptr;
  TForm_dateselect* dateselect_ = nullptr;
  TForm_zu_FtpServerIP* ftpip_ = nullptr;
  TForm_Download_TxT_from_http* download_ = nullptr;
};
