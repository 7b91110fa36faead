#include "ui/widgets.h"

#include <QFontDatabase>
#include <QMouseEvent>

#include "ui/controls.h"

namespace ui {
namespace {

// Sits on a command button: a press first finishes what was typed into the window's
// boxes, and a refused entry takes the press, so the command does not run.
class EntryFinisher : public QObject {
 public:
  explicit EntryFinisher(QAbstractButton* button) : QObject(button), button_(button) {
    button->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == button_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && button_->isEnabled())
      return !finish_entries(button_->window());
    return QObject::eventFilter(watched, event);
  }

 private:
  QAbstractButton* button_;
};

// A command button keeps the focus where it was (a click does not take it, Tab does), so
// the box being typed in is finished by the press, before the command, and not by a
// focus change the command cannot see.
void make_command(QAbstractButton* button) {
  button->setFocusPolicy(Qt::TabFocus);
  new EntryFinisher(button);
}

}  // namespace

QPushButton* push_button(QWidget* parent, const QString& text, const QString& name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  make_command(button);
  return button;
}

QToolButton* tool_button(QWidget* parent, const QString& text, const QString& name) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(text);
  // Without an icon a tool button shows its text; with one and no text, the icon.
  if (!text.isEmpty()) button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setMinimumHeight(30);
  make_command(button);
  return button;
}

QLabel* label(QWidget* parent, const QString& text, const QString& name) {
  auto* l = new QLabel(text, parent);
  if (!name.isEmpty()) l->setObjectName(name);
  return l;
}

QLabel* heading(QWidget* parent, const QString& text, const QColor& colour) {
  auto* l = new QLabel(text, parent);
  set_look(l, colour, true);
  return l;
}

QLabel* sized_label(QWidget* parent, const QString& text, const QString& name, int pixel_size, bool bold) {
  QLabel* l = label(parent, text, name);
  QFont font = l->font();
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  l->setFont(font);
  return l;
}

QCheckBox* check_box(QWidget* parent, const QString& text, const QString& name) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  return box;
}

QRadioButton* radio_button(QWidget* parent, const QString& text, const QString& name, bool checked) {
  auto* button = new QRadioButton(text, parent);
  button->setObjectName(name);
  button->setChecked(checked);
  return button;
}

QComboBox* number_combo(QWidget* parent, const std::vector<std::string>& items, const std::string& text,
                        const QString& name, int width) {
  QComboBox* combo = make_combo(parent, items, text);
  combo->setObjectName(name);
  combo->setFixedWidth(width);
  combo->setMaxVisibleItems(20);
  return combo;
}

QDateEdit* date_picker(QWidget* parent, const QString& name) {
  auto* picker = new QDateEdit(parent);
  picker->setObjectName(name);
  picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  picker->setCalendarPopup(true);
  picker->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
  picker->setFixedWidth(120);
  return picker;
}

Memo* fixed_pitch_memo(QWidget* parent, const QString& name) {
  auto* memo = new Memo(parent);
  memo->setObjectName(name);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  memo->setFont(font);
  return memo;
}

QHBoxLayout* row() {
  auto* h = new QHBoxLayout;
  h->setSpacing(6);
  return h;
}

QHBoxLayout* row_of(std::initializer_list<QWidget*> widgets) {
  QHBoxLayout* h = row();
  for (QWidget* widget : widgets) h->addWidget(widget);
  h->addStretch();
  return h;
}

}  // namespace ui
