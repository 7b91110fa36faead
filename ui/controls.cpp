#include "ui/controls.h"

#include <memory>
#include <optional>

#include <QLabel>
#include <QLineEdit>

#include "core/numbers.h"
#include "ui/dialogs.h"

namespace ui {

void on_click(QAbstractButton* button, QObject* context, std::function<void()> handler) {
  QObject::connect(button, &QAbstractButton::toggled, context, [handler](bool) { handler(); });
}

void on_change(QComboBox* combo, QObject* context, std::function<void()> handler) {
  // Enter after typing activates the text the handler has just run for: that is no change.
  auto typed = std::make_shared<std::optional<QString>>();
  QObject::connect(combo, &QComboBox::textActivated, context, [handler, typed](const QString& text) {
    const bool just_typed = *typed == text;
    typed->reset();
    if (!just_typed) handler();
  });
  if (QLineEdit* edit = combo->lineEdit())
    QObject::connect(edit, &QLineEdit::textEdited, context, [handler, typed](const QString& text) {
      *typed = text;
      handler();
    });
}

void on_entry(QComboBox* combo, QObject* context, std::function<void()> handler) {
  QObject::connect(combo, &QComboBox::textActivated, context, [handler](const QString& text) {
    if (!text.isEmpty()) handler();
  });
  QLineEdit* edit = combo->lineEdit();
  if (!edit) return;
  QObject::connect(edit, &QLineEdit::editingFinished, context, [edit, handler] {
    // Only an entry the user changed: leaving an untouched box runs nothing.
    if (!edit->isModified()) return;
    edit->setModified(false);
    if (!edit->text().isEmpty()) handler();
  });
}

void set_text(QComboBox* combo, const std::string& text) {
  const QSignalBlocker blocker(combo);
  if (combo->isEditable()) {
    combo->setEditText(qs(text));
    return;
  }
  const int at = combo->findText(qs(text));
  if (at >= 0) combo->setCurrentIndex(at);
}

std::string text_of(const QComboBox* combo) { return u8(combo->currentText()); }

void set_items(QComboBox* combo, const std::vector<std::string>& items) {
  const QSignalBlocker blocker(combo);
  const QString text = combo->currentText();
  combo->clear();
  for (const auto& item : items) combo->addItem(qs(item));
  if (combo->isEditable()) combo->setEditText(text);
}

QComboBox* make_combo(QWidget* parent, const std::vector<std::string>& items, const std::string& text) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  set_items(combo, items);
  set_text(combo, text);
  return combo;
}

std::vector<std::string> number_items(int first, int last) {
  std::vector<std::string> items;
  for (int n = first; n <= last; ++n) items.push_back(std::to_string(n));
  return items;
}

QString not_a_number_message(const std::string& text) {
  return QStringLiteral("「%1」不是有效的整數").arg(qs(text));
}

std::optional<int> read_int(QWidget* parent, const std::string& text) {
  const auto value = core::to_int(text);
  if (!value) message(parent, MessageKind::Error, not_a_number_message(text));
  return value;
}

void set_look(QWidget* widget, const QColor& colour, bool bold) {
  QFont font = widget->font();
  font.setBold(bold);
  widget->setFont(font);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

void set_label(QLabel* label, const std::string& text) { label->setText(qs(text)); }

}  // namespace ui
