#include "app/tform_zu_help.h"

#include <QVBoxLayout>

#include "ui/widgets.h"

TForm_zu_help::TForm_zu_help(QWidget* parent) : ui::FormDialog(parent) {
  setObjectName("TForm_zu_help");
  setWindowTitle(QStringLiteral("操作說明"));
  mm = new ui::Memo(this);
  mm->setObjectName("mm");
  mm->setReadOnly(true);
  mm->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  mm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font = mm->font();
  font.setPixelSize(16);
  mm->setFont(font);
  close_button = ui::push_button(this, QStringLiteral("關閉"), {});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(mm, 1);
  layout->addWidget(close_button, 0, Qt::AlignRight);
  resize(620, 520);
  connect(close_button, &QPushButton::clicked, this, [this] { accept(); });
}
