#include "exchange/window/tform_zu_ftpserverip.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "exchange/server_address.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

TForm_zu_FtpServerIP::TForm_zu_FtpServerIP(QString working_dir, QWidget* parent)
    : ui::FormDialog(parent), working_dir_(std::move(working_dir)) {
  setObjectName("TForm_zu_FtpServerIP");
  setWindowTitle(QStringLiteral("資料下載伺服器位址"));
  build();
}

void TForm_zu_FtpServerIP::build() {
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  Label2->setStyleSheet("color: rgb(0, 0, 160); font-weight: bold;");
  auto* parts = new QHBoxLayout;
  std::array<QLineEdit**, 4> edits{&Edit1, &Edit2, &Edit3, &Edit4};
  for (std::size_t i = 0; i < edits.size(); ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    edit->setFixedWidth(52);
    edit->setMaxLength(15);
    edit->setAlignment(Qt::AlignCenter);
    *edits[i] = edit;
    if (i > 0) parts->addWidget(new QLabel(QStringLiteral("."), this));
    parts->addWidget(edit);
  }
  parts->addStretch();
  Button2 = ui::push_button(this, QStringLiteral("確定"), "Button2");
  Button1 = ui::push_button(this, QStringLiteral("離開"), "Button1");
  // The one dialog of a single entry: Enter after typing the address confirms it, as it always has.
  Button2->setDefault(true);
  auto* note = new QLabel(QStringLiteral("請注意,本IP位址為開獎資料下載伺服器位置 設定如果錯誤將無法正常下載資料."
                                         "如無變更通知,請勿更改."),
                          this);
  note->setWordWrap(true);
  note->setStyleSheet("color: rgb(200, 0, 0);");

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("現在資料下載的位址為"), this), 0, 0);
  grid->addWidget(Label2, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("新IP位址為"), this), 1, 0);
  grid->addLayout(parts, 1, 1);
  grid->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button2);
  buttons->addStretch();
  buttons->addWidget(Button1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(note);
  layout->addLayout(buttons);
  setMinimumWidth(460);

  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { reject(); });
}

void TForm_zu_FtpServerIP::FormShow() {
  const auto address = exchange::read_server_address(ui::u8(working_dir_));
  Label2->setText(address ? ui::qs(*address) : QString());
  if (!address) ui::show_error(this, address.error());
}

void TForm_zu_FtpServerIP::Button2Click() {
  const auto address = exchange::compose_address(
      {ui::u8(Edit1->text()), ui::u8(Edit2->text()), ui::u8(Edit3->text()), ui::u8(Edit4->text())});
  if (!address) return ui::show_error(this, address.error());
  if (!ui::confirm(this, ui::qs(exchange::confirm_address_question(*address)))) return;
  if (const core::Status written = exchange::write_server_address(ui::u8(working_dir_), *address); !written)
    return ui::show_error(this, written.error());
  ui::message(this, ui::MessageKind::Information, QString::fromUtf8(exchange::kAddressSaved));
  FormShow();
  download_enabled_ = exchange::download_enabled_for(*address);
  emit download_enabled_changed(download_enabled_);
}
