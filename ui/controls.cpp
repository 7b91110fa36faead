#include "ui/controls.h"

#include <optional>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "core/numbers.h"
#include "ui/dialogs.h"

namespace ui {

void on_click(QAbstractButton* button, QObject* context, std::function<void()> handler) {
  QObject::connect(button, &QAbstractButton::toggled, context, [handler](bool) { handler(); });
}

namespace {

// Shows `text` in an editable box, with the item of that text current: a box whose text
// names another item than the current one activates that item when it loses the focus.
void show_edit_text(QComboBox* combo, const QString& text) {
  const int at = combo->findText(text);
  if (at >= 0) combo->setCurrentIndex(at);
  combo->setEditText(text);
}

struct EntryHandler {
  QPointer<QObject> context;  // a handler dies with its context
  std::function<bool()> accept;
};

// The entry state of one editable box, a child of the box: whether the user has typed
// since the last finished entry, whether the text is still the one the handlers last ran
// for, and the text the window's result belongs to.
class EntryWatch : public QObject {
 public:
  explicit EntryWatch(QComboBox* combo) : QObject(combo), combo_(combo), accepted_(combo->currentText()) {
    combo->installEventFilter(this);
    QObject::connect(combo, &QComboBox::textActivated, this, [this] { chosen(); });
    QLineEdit* edit = combo->lineEdit();
    if (!edit) return;
    // The box's own key handling forwards keys to its line edit without filters; a test
    // or an input method may send them to the line edit directly.
    edit->installEventFilter(this);
    QObject::connect(edit, &QLineEdit::textEdited, this, [this] { typed_ = true; });
    QObject::connect(edit, &QLineEdit::textChanged, this, [this] { settled_ = false; });
    QObject::connect(edit, &QLineEdit::editingFinished, this, [this] { finished(); });
  }

  void add(QObject* context, std::function<bool()> accept) { handlers_.push_back({context, std::move(accept)}); }
  // Code set the text: whatever was typed and not finished is gone with it.
  void set_accepted(const QString& text) {
    accepted_ = text;
    typed_ = false;
  }
  void refill_when_emptied() { refill_ = true; }

  // Enter or leaving the box, or a command that reads it: an entry only when the user
  // typed one. False when the entry was refused.
  bool finish() {
    if (!typed_) return true;
    typed_ = false;
    if (!combo_->currentText().isEmpty()) return run();
    if (refill_) show_accepted();
    return true;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
      return QObject::eventFilter(watched, event);
    cancel();
    return true;
  }

 private:
  // An item chosen from the list or with the arrow keys; also a typed text that names an
  // item, which the toolkit activates when the entry is finished.
  void chosen() {
    if (!settled_) run();
  }

  void finished() { (void)finish(); }

  bool run() {
    // Cleared first: a message box the handler opens takes the focus, which finishes
    // the edit again.
    typed_ = false;
    // A box loses the focus, and the toolkit activates a typed item, also while its window
    // is being closed or destroyed: what was typed is then dropped.
    const QWidget* window = combo_->window();
    if (window->isHidden() && window->testAttribute(Qt::WA_WState_Visible)) return true;
    bool accepted = true;
    for (const EntryHandler& handler : handlers_)
      if (handler.context && !handler.accept()) accepted = false;
    if (accepted)
      accepted_ = combo_->currentText();
    else
      show_accepted();
    settled_ = true;
    return accepted;
  }

  void cancel() {
    typed_ = false;
    show_accepted();
    combo_->clearFocus();
  }

  void show_accepted() {
    if (!combo_->isEditable() || combo_->currentText() == accepted_) return;
    const QSignalBlocker blocker(combo_);
    show_edit_text(combo_, accepted_);
  }

  QComboBox* combo_;
  std::vector<EntryHandler> handlers_;
  QString accepted_;
  bool typed_ = false;
  bool settled_ = false;
  bool refill_ = false;
};

EntryWatch* watch_of(QComboBox* combo, bool create) {
  for (QObject* child : combo->children())
    if (auto* watch = dynamic_cast<EntryWatch*>(child)) return watch;
  return create ? new EntryWatch(combo) : nullptr;
}

}  // namespace

bool finish_entries(QWidget* window) {
  bool accepted = true;
  for (QComboBox* combo : window->findChildren<QComboBox*>())
    if (EntryWatch* watch = watch_of(combo, false); watch && !watch->finish()) accepted = false;
  return accepted;
}

void refill_when_emptied(QComboBox* combo) { watch_of(combo, true)->refill_when_emptied(); }

void on_change(QComboBox* combo, QObject* context, std::function<void()> handler) {
  on_entry(combo, context, [handler = std::move(handler)] {
    handler();
    return true;
  });
}

void on_entry(QComboBox* combo, QObject* context, std::function<bool()> accept) {
  watch_of(combo, true)->add(context, std::move(accept));
}

void set_text(QComboBox* combo, const std::string& text) {
  const QSignalBlocker blocker(combo);
  if (combo->isEditable()) {
    show_edit_text(combo, qs(text));
    if (EntryWatch* watch = watch_of(combo, false)) watch->set_accepted(qs(text));
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
  if (combo->isEditable()) show_edit_text(combo, text);
}

QComboBox* make_combo(QWidget* parent, const std::vector<std::string>& items, const std::string& text) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  // Inline completion would replace a typed "3" by "30" after the entry is read.
  combo->setCompleter(nullptr);
  watch_of(combo, true);
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

void describe(QComboBox* combo, const QString& what) { combo->setProperty("entry_what", what); }

QString empty_box_message(const QComboBox* combo) {
  const QString what = combo->property("entry_what").toString();
  return QStringLiteral("請輸入") + (what.isEmpty() ? QStringLiteral("數字") : what);
}

namespace {
const QComboBox* first_empty_box(const core::Error& error, const std::vector<const QComboBox*>& boxes) {
  if (error.text != core::not_an_integer("")) return nullptr;
  for (const QComboBox* box : boxes)
    if (box->currentText().isEmpty()) return box;
  return nullptr;
}
}  // namespace

void show_refusal(QWidget* parent, const core::Error& error, const std::vector<const QComboBox*>& boxes) {
  if (const QComboBox* empty = first_empty_box(error, boxes))
    return message(parent, MessageKind::Warning, empty_box_message(empty));
  show_error(parent, error);
}

QString refusal_text(const core::Error& error, const std::vector<const QComboBox*>& boxes) {
  const QComboBox* empty = first_empty_box(error, boxes);
  return empty ? empty_box_message(empty) : QString::fromStdString(error.text);
}

void set_look(QWidget* widget, const QColor& colour, bool bold) {
  QFont font = widget->font();
  font.setBold(bold);
  widget->setFont(font);
  QPalette palette = widget->palette();
  // A disabled control keeps the grey of every disabled control.
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
      palette.setColor(group, role, colour);
  widget->setPalette(palette);
}

void set_label(QLabel* label, const std::string& text) { label->setText(qs(text)); }

}  // namespace ui
