// Factories for the controls every window lays out. Each gives a control its object
// name (tests and the user's documentation know a control by it), its caption and its
// look in one line, so a window's layout code reads like the window:
//
//   auto* query = ui::push_button(sheet, QStringLiteral("查詢"), "Button16");
//   auto* recent = ui::number_combo(sheet, ui::number_items(10, 90), "50", "cbis", 80);
//   layout->addLayout(ui::row_of({ui::label(sheet, QStringLiteral("最近")), recent, query}));
//
// Memos with 清除 / 複製 / 存檔 buttons are ui::ResultMemo (ui/result_memo.h).
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QToolButton>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/memo.h"

namespace ui {

// A command button that is never a dialog's default, so Enter in a number box runs nothing.
// Pressing a command button (this one or a tool button) first finishes what was typed
// into the window's boxes (ui::finish_entries); a refused entry stops the command.
[[nodiscard]] QPushButton* push_button(QWidget* parent, const QString& text, const QString& name);
// A flat tool button with a text (or, given none, room for an icon), 30 pixels high at least.
[[nodiscard]] QToolButton* tool_button(QWidget* parent, const QString& text, const QString& name);

// A plain label; fixed captions need no name.
[[nodiscard]] QLabel* label(QWidget* parent, const QString& text, const QString& name = {});
// A bold caption in a colour (section titles, the navy headings above memos).
[[nodiscard]] QLabel* heading(QWidget* parent, const QString& text, const QColor& colour);
// A label in a font of `pixel_size` pixels, as the main window's large captions.
[[nodiscard]] QLabel* sized_label(QWidget* parent, const QString& text, const QString& name,
                                  int pixel_size, bool bold);

[[nodiscard]] QCheckBox* check_box(QWidget* parent, const QString& text, const QString& name);
// A radio button; the buttons of one parent form one group.
[[nodiscard]] QRadioButton* radio_button(QWidget* parent, const QString& text, const QString& name,
                                         bool checked = false);
// An editable number box of `items` showing `text`, `width` pixels wide (ui::make_combo).
[[nodiscard]] QComboBox* number_combo(QWidget* parent, const std::vector<std::string>& items,
                                      const std::string& text, const QString& name, int width);
// A date box showing "yyyy/mm/dd", with a calendar to pick from.
[[nodiscard]] QDateEdit* date_picker(QWidget* parent, const QString& name);
// A memo in the fixed-pitch font that keeps column-aligned report lines aligned.
[[nodiscard]] Memo* fixed_pitch_memo(QWidget* parent, const QString& name);

// A row for controls, with the spacing every window uses.
[[nodiscard]] QHBoxLayout* row();
// A row of these controls, left-aligned (a stretch closes the row).
[[nodiscard]] QHBoxLayout* row_of(std::initializer_list<QWidget*> widgets);

}  // namespace ui
