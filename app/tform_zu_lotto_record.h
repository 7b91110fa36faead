// The draw records window: every loaded draw, newest first, with the commands that
// maintain the draw file: download, the editor, the import of the operator's result
// files, the restore of a dated backup and the check of the history. Closing it always
// reloads the draw table.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <string>

#include "core/draw_history.h"
#include "core/draw_table.h"
#include "ui/form_dialog.h"
#include "ui/string_grid.h"

class QAction;
class TForm_zu_main;
class TForm_zu_history_check;
class TForm_zu_restore;

class TForm_zu_lotto_record : public ui::FormDialog {
  Q_OBJECT
 public:
  TForm_zu_lotto_record(TForm_zu_main& main, core::DrawTable& table, QWidget* parent = nullptr);

  // download_enabled: read each time the window is shown.
  void set_download_enabled(bool enabled) { download_enabled_ = enabled; }
  // The restore and check windows, the records window's own (registered as its children).
  void set_record_windows(TForm_zu_restore* restore, TForm_zu_history_check* check) {
    restore_window = restore;
    check_window = check;
  }

  void FormShow() override;
  // Esc and 關閉 wait while an import is being read.
  void reject() override;
  // After a reload: the table as loaded (oldest first) under the drawn-order header.
  void show_loaded_table();
  void SpeedButton3Click();   // balls in ascending order
  void SpeedButton12Click();  // balls in drawn order
  void BitBtn3Click();        // draw-file editor
  void SpeedButton10Click();  // help
  void BitBtn2Click();        // download
  void SpeedButton13Click();  // print by date range (also N1)
  void BitBtn4Click();        // import of the operator's result files
  void BitBtn5Click();        // restore a backup
  void BitBtn6Click();        // check the draw file (the findings in their own window)

  ui::StringGrid* sgl = nullptr;
  QLabel* lb_reclen = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* SpeedButton12 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn3 = nullptr;
  QPushButton* BitBtn4 = nullptr;  // "匯入開獎檔"
  QPushButton* BitBtn5 = nullptr;  // "還原備份"
  QPushButton* BitBtn6 = nullptr;  // "檢查開獎資料"
  QLabel* lb_progress = nullptr;   // which file an import reads
  TForm_zu_restore* restore_window = nullptr;
  TForm_zu_history_check* check_window = nullptr;
  QToolButton* SpeedButton13 = nullptr;
  QAction* N1 = nullptr;
  QToolButton* SpeedButton10 = nullptr;
  QPushButton* BitBtn1 = nullptr;

  // After the import or a restore wrote the draw file: the download's reload, so the new
  // lines show newest first with their count.
  void reload_after_write();

 signals:
  void download_requested();     // 下載
  // 依日期列印, with the grid as the user sees it (its order and ball order).
  void print_range_requested(const core::TextGrid& shown);

 private:
  void build();
  void refresh_balls(bool ascending);
  [[nodiscard]] std::string draw_path() const;

  TForm_zu_main& main_;
  core::DrawTable& draw_table_;
  const core::DrawHistory& history_;
  bool download_enabled_ = true;
};
