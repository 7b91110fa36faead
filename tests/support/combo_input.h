// Acting on an editable combo box as the user does, so its change handler runs (code that
// sets a box's text does not run it).
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QTest>

namespace test_input {

// Types over the box's text and finishes the entry with Enter, as a user does.
inline void type_into(QComboBox* combo, const QString& text) {
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), text);
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
}

// Picks the item at `index` from the drop-down list.
inline void choose(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->textActivated(combo->currentText());
}

}  // namespace test_input
