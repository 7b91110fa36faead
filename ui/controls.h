// Helpers every window uses to wire its controls with the program's event semantics and
// to move text between std::string (UTF-8) and Qt.
//
// - A check box's or radio button's click handler runs whenever its checked state
//   changes, by the user or by code, and not when the state stays the same.
// - An editable combo box's change handler runs on user actions only; code that sets the
//   text and needs the handler calls it itself.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/dates.h"

class QWidget;
class QLabel;

namespace ui {

[[nodiscard]] inline QString qs(const std::string& text) { return QString::fromStdString(text); }
[[nodiscard]] inline std::string u8(const QString& text) { return text.toStdString(); }
[[nodiscard]] inline QDate qdate(const core::Date& d) { return QDate(d.year, d.month, d.day); }
[[nodiscard]] inline core::Date date_of(const QDate& d) { return core::Date{d.year(), d.month(), d.day()}; }

// Click handler of a check box or radio button (see the semantics above).
void on_click(QAbstractButton* button, QObject* context, std::function<void()> handler);

// Change handler of a combo box: user selection or typing only; Enter after typing is no
// second change.
void on_change(QComboBox* combo, QObject* context, std::function<void()> handler);

// Entry handler of a number box whose handler may refuse the text: runs when the user has
// finished an entry (Enter, leaving the box after typing, or choosing an item), never for
// each keystroke of a half-typed number nor for a box left empty.
void on_entry(QComboBox* combo, QObject* context, std::function<void()> handler);

// Sets a combo box's text without running its change handler.
void set_text(QComboBox* combo, const std::string& text);
[[nodiscard]] std::string text_of(const QComboBox* combo);
void set_items(QComboBox* combo, const std::vector<std::string>& items);
// An editable combo box with these items and this text.
QComboBox* make_combo(QWidget* parent, const std::vector<std::string>& items, const std::string& text);
[[nodiscard]] std::vector<std::string> number_items(int first, int last);

// Reads an integer from a number box's text; on failure shows the number-conversion
// message and returns nullopt, so the handler simply stops.
[[nodiscard]] std::optional<int> read_int(QWidget* parent, const std::string& text);
[[nodiscard]] QString not_a_number_message(const std::string& text);

// Font colour and weight that show a box's state.
void set_look(QWidget* widget, const QColor& colour, bool bold);

void set_label(QLabel* label, const std::string& text);

}  // namespace ui
