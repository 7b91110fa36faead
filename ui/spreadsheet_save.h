// The spreadsheet choice of every save of a result. The save dialog of a text or CSV save
// also lists "另存Excel檔 (*.xlsx)"; a chosen name that ends in ".xlsx" is written as a
// spreadsheet (core/spreadsheet.h), any other name as the text it always was.
//
//   const auto path = ui::save_file(this, title, "txt", ui::with_spreadsheet(text_filter));
//   if (!path) return;
//   const core::Status written = ui::write_lines_or_sheet(*path, lines, core::sheet_of_lines(title, lines));
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/result.h"
#include "core/spreadsheet.h"

class QWidget;

namespace ui {

inline const QString kSpreadsheetFilter = QStringLiteral("另存Excel檔 (*.xlsx)|*.xlsx");
// The filters of the save dialogs that write lines: one wording for every window.
inline const QString kTextFilter = QStringLiteral("文字檔案(*.txt)|*.txt");
inline const QString kCsvFilter = QStringLiteral("Execel檔案(*.csv)|*.csv");

// A save dialog's filter ("文字檔案(*.txt)|*.txt") with the spreadsheet choice after it.
[[nodiscard]] QString with_spreadsheet(const QString& filter);
// Whether a chosen path is to be written as a spreadsheet (".xlsx", any case).
[[nodiscard]] bool names_spreadsheet(const QString& path);

// Writes `sheet` to a spreadsheet path, else `lines` as Big5 text (CR LF), atomically
// either way; the error names the file.
[[nodiscard]] core::Status write_lines_or_sheet(const QString& path, const std::vector<std::string>& lines,
                                                const core::Sheet& sheet);

// Asks where to save, as text (.txt, or .csv when `csv`) or as a spreadsheet, and writes
// `lines` or `sheet` there; a refusal or a failed write is said and the old file stays.
void save_lines_or_sheet(QWidget* from, const QString& title, bool csv, const std::vector<std::string>& lines,
                         const core::Sheet& sheet);

class Memo;
class StringGrid;

// Asks where to save `sheet` as a spreadsheet and writes it; a refusal or a failed write
// is said in a message, the old file stays whole and the dialog stays open.
void save_spreadsheet(QWidget* from, const core::Sheet& sheet);

// "另存Excel檔..." in the right-click menu of a grid or a memo that has no save of its own:
// the grid with its first row as the header, the memo a row per line. The sheet is named
// after the window.
inline const QString kSpreadsheetAction = QStringLiteral("另存Excel檔...");
void offer_spreadsheet(StringGrid* grid);
void offer_spreadsheet(Memo* memo);

}  // namespace ui
