#include "app/tform_zu_stk_txtfile.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/tform_zu_main.h"
#include "core/history_check.h"
#include "core/text_file.h"
#include "exchange/backups.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

TForm_ZU_stk_txtfile::TForm_ZU_stk_txtfile(TForm_zu_main& main, const core::DrawHistory& history)
    : ui::FormDialog(&main), main_(main), history_(history) {
  setObjectName("TForm_ZU_stk_txtfile");
  build();
  connect(this, &QDialog::finished, this, [this](int) { main_.load_sequence(); });
}

void TForm_ZU_stk_txtfile::build() {
  auto* top = new QWidget(this);
  top->setStyleSheet("background: rgb(240, 244, 250);");
  auto* grid = new QHBoxLayout(top);
  logo = new QLabel(top);
  grid->addWidget(logo);
  auto* texts = new QVBoxLayout;
  Label1 = new QLabel(top);
  Label1->setObjectName("Label1");
  QFont big = Label1->font();
  big.setPixelSize(20);
  big.setBold(true);
  Label1->setFont(big);
  auto* warning = new QLabel(QStringLiteral("請注意:手動輸入時,格式務必相符(按落球順序)"), top);
  warning->setStyleSheet("color: red;");
  auto* format_row = new QHBoxLayout;
  auto* format = new QLabel(QStringLiteral("yyyy/mm/dd,xxxxxx,00,00,00,00,00"), top);
  format->setStyleSheet("color: grey; font-family: monospace;");
  auto* length = new QLabel(QStringLiteral("(全長32個字元)"), top);
  length->setStyleSheet("color: blue;");
  format_row->addWidget(format);
  format_row->addWidget(length);
  format_row->addStretch();
  texts->addWidget(Label1);
  texts->addWidget(warning);
  texts->addLayout(format_row);
  grid->addLayout(texts, 1);
  Button1 = ui::push_button(top, QStringLiteral("儲存"), "Button1");
  Button1->setMinimumSize(90, 40);
  grid->addWidget(Button1);

  Memo1 = new ui::Memo(this);
  Memo1->setObjectName("Memo1");
  QFont mono(QStringLiteral("monospace"));
  mono.setPixelSize(18);
  Memo1->setFont(mono);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(top);
  layout->addWidget(Memo1, 1);
  setFixedSize(640, 600);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

QString TForm_ZU_stk_txtfile::file_path() const {
  return main_.working_dir() + "/" + ui::qs(history_.draw_file_name);
}

void TForm_ZU_stk_txtfile::open_file() {
  ui::set_label(Label1, history_.game_name + " 開獎資料");
  setWindowTitle(ui::qs(history_.game_name + " " + history_.draw_file_name + " 手動輸入資料"));
  logo->setPixmap(main_.game_logo());
  const auto read = core::read_lines(ui::u8(file_path()));
  if (!read) {
    // Opening on an empty text would invite the user to save over the unread file.
    ui::show_error(&main_, read.error());
    return;
  }
  Memo1->set_lines(*read);
  ui::show_modal(this);
}

void TForm_ZU_stk_txtfile::Button1Click() {
  const auto lines = core::lines_to_save(Memo1->lines());
  if (!lines) {  // nothing written: the text stays here to be put right
    ui::show_error(this, lines.error());
    return;
  }
  // The file being replaced stays as a dated backup, as after a download or an import.
  const std::string path = ui::u8(file_path());
  const auto written =
      exchange::write_with_backup(path, main_.clock().now(), [&] { return core::write_lines_atomic(path, *lines); });
  if (!written) {
    // The old file stays whole; the typed text stays here for another try.
    ui::show_error(this, written.error());
    return;
  }
  Memo1->document()->setModified(false);
  accept();  // closing reloads the table, once
}

void TForm_ZU_stk_txtfile::reject() {
  // Esc and the close button both come here: typed text is never thrown away unasked.
  if (Memo1->modified_by_user() && !ui::confirm(this, QStringLiteral("資料已修改但尚未儲存，確定要放棄修改並關閉嗎？")))
    return;
  QDialog::reject();
}
