// Acting on an editable combo box as the user does, so its change handler runs (code that
// sets a box's text does not run it): keys typed one by one into the box, then the entry
// ended the way the user ends it.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QString>
#include <QTest>

namespace test_input {

// How the user ends what was typed.
enum class Finish {
  Enter,  // presses Enter
  Leave,  // clicks elsewhere: the box loses the focus
  Esc,    // presses Esc
  None,   // stops typing and stays in the box
};

// Gives the box the keyboard focus, as a click into it does.
inline void focus(QComboBox* combo) {
  QWidget* window = combo->window();
  if (!window->isActiveWindow()) {
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window);
  }
  // A window shown again keeps the platform's focus without becoming the application's
  // active window (offscreen): make it so, as the user's click would.
  if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
  combo->setFocus(Qt::MouseFocusReason);
}

inline void finish_entry(QComboBox* combo, Finish finish) {
  switch (finish) {
    case Finish::Enter: QTest::keyClick(combo->lineEdit(), Qt::Key_Return); break;
    case Finish::Leave: combo->clearFocus(); break;
    case Finish::Esc: {
      // Where the key really goes: the box holds the focus for its line edit.
      QWidget* focused = QApplication::focusWidget();
      QTest::keyClick(focused ? focused : combo->lineEdit(), Qt::Key_Escape);
      break;
    }
    case Finish::None: break;
  }
}

// Key by key; "\b" is Backspace. Chinese comes through the input method, as it does for
// the user (the key events of QTest carry Latin-1 only).
inline void type_keys(QLineEdit* edit, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(edit, c.toLatin1());
      continue;
    }
    QInputMethodEvent commit;
    commit.setCommitString(QString(c));
    QApplication::sendEvent(edit, &commit);
  }
}

// Types over the box's text and ends the entry (with Enter unless told).
inline void type_into(QComboBox* combo, const QString& text, Finish finish = Finish::Enter) {
  focus(combo);
  combo->lineEdit()->selectAll();
  type_keys(combo->lineEdit(), text);
  finish_entry(combo, finish);
}

// Picks the item at `index` from the drop-down list.
inline void choose(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->textActivated(combo->currentText());
}

}  // namespace test_input
