// The result of the records window's check of the draw file ("檢查開獎資料"): every finding,
// one a line, in a read-only memo that scrolls, under the count. "複製" puts the whole list
// on the clipboard and "存檔(txt)" writes it as a text file, so a long list is never cut
// short. Sized for the smallest screen the program supports (1024 x 768).
#pragma once

#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "ui/form_dialog.h"
#include "ui/memo.h"
#include "ui/result_memo.h"

class TForm_zu_history_check : public ui::FormDialog {
  Q_OBJECT
 public:
  explicit TForm_zu_history_check(QWidget* parent = nullptr);

  // Shows the findings of the check of `file_name`.
  void show_findings(const std::string& file_name, const std::vector<std::string>& findings);

  QLabel* lb_count = nullptr;
  ui::Memo* Memo1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "複製"
  QPushButton* BitBtn2 = nullptr;  // "存檔(txt)"
  QPushButton* BitBtn3 = nullptr;  // "關閉"

 private:
  ui::ResultMemo* findings_ = nullptr;
};
