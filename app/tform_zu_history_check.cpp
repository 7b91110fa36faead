#include "app/tform_zu_history_check.h"

#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

TForm_zu_history_check::TForm_zu_history_check(QWidget* parent) : ui::FormDialog(parent) {
  setObjectName("TForm_zu_history_check");
  setWindowTitle(QStringLiteral("檢查開獎資料"));
  lb_count = new QLabel(this);
  lb_count->setObjectName("lb_count");
  lb_count->setWordWrap(true);
  ui::ResultMemo::Texts texts;
  texts.save_title = QStringLiteral("儲存檢查結果");
  findings_ = new ui::ResultMemo(
      this, "Memo1", {{ui::ResultMemo::Command::Copy, "BitBtn1"}, {ui::ResultMemo::Command::SaveText, "BitBtn2"}}, texts);
  Memo1 = findings_->memo();
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  BitBtn1 = findings_->button(ui::ResultMemo::Command::Copy);
  BitBtn2 = findings_->button(ui::ResultMemo::Command::SaveText);
  BitBtn3 = ui::push_button(this, QStringLiteral("關閉"), "BitBtn3");

  auto* memo_and_buttons = findings_->beside();
  if (auto* column = memo_and_buttons->itemAt(1)->layout()) column->addWidget(BitBtn3);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lb_count);
  layout->addLayout(memo_and_buttons, 1);
  connect(BitBtn3, &QPushButton::clicked, this, [this] { accept(); });
}

void TForm_zu_history_check::show_findings(const std::string& file_name, const std::vector<std::string>& findings) {
  ui::set_label(lb_count, "開獎資料檔 " + file_name + " 發現 " + std::to_string(findings.size()) +
                              " 項問題(依行號排列;可複製或存檔):");
  Memo1->set_lines(findings);
  Memo1->moveCursor(QTextCursor::Start);
  // Within the smallest screen (1024 x 768) with its frame; the memo scrolls.
  ui::fit_to_screen(this, QSize(900, 560));
}
