// Helpers every window uses to wire its controls with the program's event semantics and
// to move text between std::string (UTF-8) and Qt.
//
// - A check box's or radio button's click handler runs whenever its checked state
//   changes, by the user or by code, and not when the state stays the same.
// - An editable combo box's handler runs once per finished entry (see on_change); code
//   that sets the text runs nothing and calls the handler itself when it needs it.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dates.h"
#include "core/result.h"
#include "ui/qt_text.h"

class QWidget;
class QLabel;

namespace ui {

// Engine text becomes a control's text through ui::qs, and back through ui::u8 (ui/qt_text.h).
[[nodiscard]] inline QDate qdate(const core::Date& d) { return QDate(d.year, d.month, d.day); }
[[nodiscard]] inline core::Date date_of(const QDate& d) { return core::Date{d.year(), d.month(), d.day()}; }

// Click handler of a check box or radio button (see the semantics above).
void on_click(QAbstractButton* button, QObject* context, std::function<void()> handler);

// Change handler of an editable combo box. It runs once per finished entry, with the text
// the box shows: Enter, leaving the box after typing, or choosing an item from the list
// (the arrow keys choose items too). Typing alone runs nothing, so a half-typed "0" on
// the way to "05" or "-" on the way to "-1" is never read; an entry left empty runs
// nothing (see refill_when_emptied); Enter right after an entry or a choice that has run
// is no second entry.
// Boxes never complete what is typed: the text is the user's.
void on_change(QComboBox* combo, QObject* context, std::function<void()> handler);

// The same for a handler that may refuse the entry: it returns false after saying why,
// and the box then shows again the text the window's result belongs to (the last
// accepted entry, or what code set last).
void on_entry(QComboBox* combo, QObject* context, std::function<bool()> accept);

// Finishes the entries the user has typed into the boxes of `window` and not yet ended,
// as leaving each box would: their handlers run, and a refused entry shows the accepted
// text again. False when an entry was refused: the command that asked stops there.
// Every command button made by ui::push_button or ui::tool_button calls it when pressed
// (a refusal takes the press), so no command reads a box that differs from what the
// window's result was computed for.
bool finish_entries(QWidget* window);

// For a box that chooses what the window shows (an issue, a date, a count): an entry
// left empty puts back the accepted text, since an empty choice chooses nothing. Other
// boxes stay empty, and the computation that reads them names them.
void refill_when_emptied(QComboBox* combo);

// Sets a combo box's text without running its change handler; what the user had typed
// there and not finished is gone with it.
void set_text(QComboBox* combo, const std::string& text);
[[nodiscard]] std::string text_of(const QComboBox* combo);
void set_items(QComboBox* combo, const std::vector<std::string>& items);
// An editable combo box with these items and this text. Esc inside it puts back the text
// of an unfinished entry and leaves the box; it does not reach (and close) the window.
QComboBox* make_combo(QWidget* parent, const std::vector<std::string>& items, const std::string& text);
[[nodiscard]] std::vector<std::string> number_items(int first, int last);

// Reads an integer from a number box's text; on failure shows the number-conversion
// message and returns nullopt, so the handler simply stops.
[[nodiscard]] std::optional<int> read_int(QWidget* parent, const std::string& text);
[[nodiscard]] QString not_a_number_message(const std::string& text);

// What a number box holds, in the words of a message: "之下的期數", "第1柱的號碼數".
void describe(QComboBox* combo, const QString& what);
// A computation's refusal of the texts of `boxes` (listed in the order it reads them): a
// refusal of an empty text names the first empty box ("請輸入之下的期數") rather than
// quoting nothing ("「」不是有效的整數"); any other refusal is shown as it is.
void show_refusal(QWidget* parent, const core::Error& error, const std::vector<const QComboBox*>& boxes);
// The same words, for a window that shows a refusal in place rather than in a message box.
[[nodiscard]] QString refusal_text(const core::Error& error, const std::vector<const QComboBox*>& boxes);
[[nodiscard]] QString empty_box_message(const QComboBox* combo);

// Font colour and weight that show a box's state.
void set_look(QWidget* widget, const QColor& colour, bool bold);

void set_label(QLabel* label, const std::string& text);

}  // namespace ui
