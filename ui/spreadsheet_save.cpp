#include "ui/spreadsheet_save.h"

#include <QFile>

#include "core/text_file.h"
#include "ui/dialogs.h"

namespace ui {

QString with_spreadsheet(const QString& filter) { return filter + '|' + kSpreadsheetFilter; }

bool names_spreadsheet(const QString& path) { return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive); }

core::Status write_lines_or_sheet(const QString& path, const std::vector<std::string>& lines,
                                  const core::Sheet& sheet) {
  const std::string file = QFile::encodeName(path).toStdString();
  if (names_spreadsheet(path)) return core::write_spreadsheet(file, sheet, own_file_places());
  return core::write_lines_atomic(file, lines);
}

}  // namespace ui
