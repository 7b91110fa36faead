// The restore window of the draw records window ("還原備份"): the dated backups of the
// draw file (exchange/backups.h), newest first, each with its draw count and newest draw
// date beside those of the current file; "還原" puts the chosen one back after a Yes.
// The restore keeps the current file as a backup first, so it can be undone the same way.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "core/clock.h"
#include "exchange/backups.h"
#include "ui/form_dialog.h"
#include "ui/string_grid.h"

class TForm_zu_restore : public ui::FormDialog {
  Q_OBJECT
 public:
  explicit TForm_zu_restore(QWidget* parent = nullptr);

  // Lists the backups of the draw file at `draw_path`; false when there is none to show.
  bool open_for(const std::string& draw_path, const core::Clock& clock);
  void Button1Click();  // 還原

  QLabel* lb_current = nullptr;
  ui::StringGrid* sg_backups = nullptr;
  QPushButton* Button1 = nullptr;  // "還原"
  QPushButton* Button2 = nullptr;  // "關閉"

 signals:
  // A restore wrote the draw file (the records window reloads).
  void restored();

 private:
  void build();
  [[nodiscard]] const exchange::BackupListing* chosen() const;

  std::string draw_path_;
  const core::Clock* clock_ = nullptr;
  std::vector<exchange::BackupListing> listings_;
};
