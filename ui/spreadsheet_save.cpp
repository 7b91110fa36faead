#include "ui/spreadsheet_save.h"

#include <QAction>
#include <QFile>
#include <QMenu>

#include "core/text_file.h"
#include "ui/dialogs.h"
#include "ui/memo.h"
#include "ui/string_grid.h"

namespace ui {

QString with_spreadsheet(const QString& filter) { return filter + '|' + kSpreadsheetFilter; }

bool names_spreadsheet(const QString& path) { return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive); }

core::Status write_lines_or_sheet(const QString& path, const std::vector<std::string>& lines,
                                  const core::Sheet& sheet) {
  const std::string file = QFile::encodeName(path).toStdString();
  if (names_spreadsheet(path)) return core::write_spreadsheet(file, sheet, own_file_places());
  return core::write_lines_atomic(file, lines);
}

void save_lines_or_sheet(QWidget* from, const QString& title, bool csv, const std::vector<std::string>& lines,
                         const core::Sheet& sheet) {
  (void)save_file(from, title, csv ? QStringLiteral("csv") : QStringLiteral("txt"),
                  with_spreadsheet(csv ? kCsvFilter : kTextFilter),
                  [&](const QString& path) { return write_lines_or_sheet(path, lines, sheet); });
}

void save_spreadsheet(QWidget* from, const core::Sheet& sheet) {
  (void)save_file(from, QStringLiteral("另存Excel檔"), QStringLiteral("xlsx"), kSpreadsheetFilter,
                  [&](const QString& path) {
                    return core::write_spreadsheet(QFile::encodeName(path).toStdString(), sheet, own_file_places());
                  });
}

namespace {
std::string window_title(const QWidget* widget) { return widget->window()->windowTitle().toStdString(); }
}  // namespace

void offer_spreadsheet(StringGrid* grid) {
  auto* action = new QAction(kSpreadsheetAction, grid);
  QObject::connect(action, &QAction::triggered, grid, [grid] {
    save_spreadsheet(grid, core::sheet_of_grid(window_title(grid), grid->grid(), grid->grid().columns()));
  });
  grid->addAction(action);
  grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void offer_spreadsheet(Memo* memo) {
  memo->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(memo, &QWidget::customContextMenuRequested, memo, [memo](const QPoint& at) {
    QMenu* menu = memo->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(kSpreadsheetAction, memo,
                    [memo] { save_spreadsheet(memo, core::sheet_of_lines(window_title(memo), memo->lines())); });
    menu->popup(memo->viewport()->mapToGlobal(at));
  });
}

}  // namespace ui
