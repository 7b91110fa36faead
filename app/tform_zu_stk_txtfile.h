// The draw-file editor: the whole draw file as plain text. Saving drops blank lines (one
// between two draws would end every load there), refuses a line the loader would stop at,
// and writes the file atomically; a refused or failed save keeps the editor open with
// what the user typed. Every close reloads the draw table.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "core/draw_history.h"
#include "ui/form_dialog.h"
#include "ui/memo.h"

class TForm_zu_main;

class TForm_ZU_stk_txtfile : public ui::FormDialog {
  Q_OBJECT
 public:
  // The one editor of the main window (registered, so created once at start-up).
  TForm_ZU_stk_txtfile(TForm_zu_main& main, const core::DrawHistory& history);

  // Loads the current draw file and shows the editor modally.
  void open_file();
  void Button1Click();  // 儲存
  // Esc or closing: asks before discarding unsaved typing, then closes (and reloads).
  void reject() override;

  QLabel* Label1 = nullptr;
  QLabel* logo = nullptr;
  QPushButton* Button1 = nullptr;
  ui::Memo* Memo1 = nullptr;

 private:
  void build();
  [[nodiscard]] QString file_path() const;

  TForm_zu_main& main_;
  const core::DrawHistory& history_;
};
