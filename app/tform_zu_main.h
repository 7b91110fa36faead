// The main window: the program's shell. It runs the load sequence (the one reload of the
// draw table), shows the latest draw and opens every other window.
//
// Pipeline of the program: draw file -> draw table -> period list -> counts and scores
// -> reports and grids -> windows.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <QToolButton>
#include <string_view>

#include "core/clock.h"
#include "core/draw_history.h"
#include "core/draw_table.h"
#include "core/rule_settings.h"
#include "ui/logo.h"

class QFrame;
class QAction;
class QMenu;

namespace app {
class WindowRegistry;
}


class TForm_zu_main : public QMainWindow {
  Q_OBJECT
 public:
  TForm_zu_main(core::DrawTable& table, core::RuleSettings& rule_settings, const core::Clock& clock,
                QString working_dir, QWidget* parent = nullptr);

  // The windows the main window opens; their menu items join "分析工具".
  void set_windows(app::WindowRegistry& windows);

  // The reload: reads the draw file, derives the table and resets the rule settings,
  // then tells every window (the records window refills its grid). Returns false when a
  // step failed (already reported).
  bool load_sequence();
  // Shows a help text file of the working directory in the help window.
  void show_memo(const QString& file_name);
  // Opens the draw-file editor on the current draw file.
  void open_editor();
  [[nodiscard]] QPixmap game_logo() const;
  [[nodiscard]] const QString& working_dir() const { return working_dir_; }
  [[nodiscard]] const core::Clock& clock() const { return clock_; }

  // Commands of the main window itself; the other windows open by command name through
  // the registry ("lt_recordExecute", "BestPillarsExecute", ...).
  void N9Click() { close(); }
  void Label4Click() { open_editor(); }
  void rb_biglottoClick();
  void SpeedButton19Click();
  void SpeedButton20Click();

  // Controls, named as the user and the tests know them.
  QFrame* Panel5 = nullptr;
  QFrame* Panel3 = nullptr;
  QFrame* Panel4 = nullptr;
  QFrame* Panel6 = nullptr;
  QFrame* Panel1 = nullptr;
  QRadioButton* rb_biglotto = nullptr;
  QRadioButton* rb_mark6 = nullptr;
  QLabel* lb_data = nullptr;
  QLabel* lb_data1 = nullptr;
  QLabel* lb_data2 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Image1 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton19 = nullptr;
  QToolButton* SpeedButton20 = nullptr;
  QAction* action_lt_record = nullptr;
  QAction* action_bestpillars = nullptr;
  QAction* action_exit = nullptr;
  QMenu* tools_menu = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_menu();
  void build_body();
  QFrame* build_panel5();
  QFrame* build_panel6();
  void apply_labels(const std::string& date, const std::string& issue, const std::string& balls);
  void open(std::string_view command);

  core::DrawTable& draw_table_;
  const core::DrawHistory& history_;
  core::RuleSettings& rule_settings_;  // reset by every load
  const core::Clock& clock_;
  QString working_dir_;
  app::WindowRegistry* windows_ = nullptr;
  ui::Game game_ = ui::Game::Daily539;
  bool shown_once_ = false;
};
