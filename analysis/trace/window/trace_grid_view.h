// How the trace windows show and save a trace grid (the trace window's sgmap, the sorted
// display's sgmap, the two-of-one and three-of-one sg1).
#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "core/text_grid.h"

class QWidget;

namespace ui {
class StringGrid;
}

namespace tracewin {

inline const QColor kNavy{0, 0, 128};

// A grid with one fixed header row, cells in `text` on `base`, compact rows.
[[nodiscard]] ui::StringGrid* trace_grid(QWidget* parent, const char* name, const QColor& text, const QColor& base);

// Shows `grid` with its design widths (63 for the date, 43 for the issue, 17 for every
// other column), each widened where the font needs it so every text stands whole.
void show_trace_grid(ui::StringGrid* view, core::TextGrid grid);

// The save command of a trace grid, as its right-click menu names it: asks for a file,
// writes the grid's text form (one comma-terminated line per row, Big5, CR LF,
// atomically) or, for the Excel choice, the grid as a spreadsheet sheet named `title`
// under its header row. A refused or failed save keeps the dialog open and says why.
inline const QString kSaveTraceAction = QStringLiteral("將本圖表資料存成文字檔或Excel檔...");
void save_text_form(QWidget* parent, const core::TextGrid& grid, int max_ball, const std::string& title);

}  // namespace tracewin
