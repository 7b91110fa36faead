#include "app/tform_zu_simulate.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "ui/widgets.h"

namespace {

QLineEdit* two_digit_field(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setMaxLength(2);
  field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), field));
  field->setAlignment(Qt::AlignCenter);
  field->setFixedWidth(44);
  QFont font = field->font();
  font.setPixelSize(20);
  field->setFont(font);
  return field;
}

}  // namespace

TForm_zu_simulate::TForm_zu_simulate(QWidget* parent) : ui::FormDialog(parent) {
  setObjectName("TForm_zu_simulate");
  setWindowTitle(QStringLiteral("模擬開獎"));
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("正號"), this), 0, 0, 1, 6, Qt::AlignCenter);
  layout->addWidget(new QLabel(QStringLiteral("特別號"), this), 0, 6, Qt::AlignCenter);
  for (int i = 0; i < 6; ++i) {
    main_numbers[i] = two_digit_field(this);
    main_numbers[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    layout->addWidget(main_numbers[i], 1, i);
  }
  special_number = two_digit_field(this);
  special_number->setObjectName("Edit7");
  layout->addWidget(special_number, 1, 6);
  auto* close = ui::push_button(this, QStringLiteral("關閉"), {});
  layout->addWidget(close, 2, 0, 1, 7, Qt::AlignRight);
  connect(close, &QPushButton::clicked, this, [this] { accept(); });
}
