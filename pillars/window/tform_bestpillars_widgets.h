// Small factories the workbench layout uses, so every control gets its name, caption
// and look in one line.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/memo.h"

namespace bestpillars_widgets {

// A command button; never a dialog default, so Enter in a number box runs nothing.
QPushButton* button(QWidget* parent, const QString& text, const char* name);
// A label; `name` may be null for fixed captions.
QLabel* label(QWidget* parent, const QString& text, const char* name = nullptr);
QLabel* heading(QWidget* parent, const QString& text, const QColor& colour);
QCheckBox* check(QWidget* parent, const QString& text, const QString& name);
// An editable number box of the given items and text, `width` pixels wide.
QComboBox* combo(QWidget* parent, const std::vector<std::string>& items, const std::string& text,
                 const char* name, int width);
// A memo in the fixed-pitch font the column-aligned period lines need.
ui::Memo* memo(QWidget* parent, const char* name);
// A row of controls.
QHBoxLayout* row();
// A row of these controls, left-aligned.
QHBoxLayout* row_of(std::initializer_list<QWidget*> widgets);
// A memo with its command buttons in a column beside it.
QHBoxLayout* memo_with_buttons(ui::Memo* memo, std::initializer_list<QPushButton*> buttons);

// A result memo beside its 清除, 複製, 存檔(txt) and 存檔(csv) buttons, named as given; the
// controls are stored through `memo` and `buttons`, and the row to lay out is returned.
QHBoxLayout* result_area(QWidget* parent, ui::Memo*& memo, const char* memo_name,
                         const std::array<QPushButton**, 4>& buttons,
                         const std::array<const char*, 4>& button_names);

}  // namespace bestpillars_widgets
