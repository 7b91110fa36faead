#include "analysis/trace/window/trace_grid_view.h"

#include <QHeaderView>
#include <algorithm>

#include "analysis/trace/trace_grid.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/spreadsheet_save.h"
#include "ui/string_grid.h"

namespace tracewin {
namespace {

// The grid's design widths: the date column, the issue column, then every number, spacer
// and tail column. As in the records grid a font wider than the design's widens a column
// to its text, so no count is ever cut; the 50 narrow columns still fit a 1366-pixel screen.
constexpr int kDateWidth = 63;
constexpr int kIssueWidth = 43;
constexpr int kCellWidth = 17;
// Room around a cell's text: the view keeps a few pixels of margin on each side and the
// grid line; a pixel less and it cuts the text short with "…".
constexpr int kPadding = 8;

// The rows whose texts can be the widest: the header, the first listed draw (every data
// row holds a date, an issue, marks and one-digit tail counts) and the summary block.
std::vector<int> widest_rows(const core::TextGrid& grid) {
  std::vector<int> rows{0, 1};
  for (int r = std::max(2, grid.rows() - trace::kSummaryRows); r < grid.rows(); ++r) rows.push_back(r);
  return rows;
}

int design_width(int column) { return column == 0 ? kDateWidth : column == 1 ? kIssueWidth : kCellWidth; }

QList<int> fitted_widths(const ui::StringGrid& view, const core::TextGrid& grid) {
  const QFontMetrics cells = view.fontMetrics();
  const QFontMetrics header = view.horizontalHeader()->fontMetrics();
  const std::vector<int> rows = widest_rows(grid);
  QList<int> widths;
  for (int c = 0; c < grid.columns(); ++c) {
    int width = std::max(design_width(c), header.horizontalAdvance(ui::qs(grid.cell(c, 0))) + kPadding);
    for (const int r : rows) width = std::max(width, cells.horizontalAdvance(ui::qs(grid.cell(c, r))) + kPadding);
    widths << width;
  }
  return widths;
}

}  // namespace

ui::StringGrid* trace_grid(QWidget* parent, const char* name, const QColor& text, const QColor& base) {
  auto* view = new ui::StringGrid(parent);
  view->setObjectName(name);
  view->model_data().set_fixed_rows(1);
  QFont font = view->font();
  font.setPixelSize(12);
  view->setFont(font);
  view->horizontalHeader()->setFont(font);
  QPalette palette = view->palette();
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Base, base);
  view->setPalette(palette);
  view->set_row_height(view->fontMetrics().height() + 3);
  return view;
}

void show_trace_grid(ui::StringGrid* view, core::TextGrid grid) {
  const QList<int> widths = fitted_widths(*view, grid);
  view->set_grid(std::move(grid));
  view->set_column_widths(widths);
}

void save_text_form(QWidget* parent, const core::TextGrid& grid, int max_ball, const std::string& title) {
  const core::Sheet sheet = core::sheet_of_grid(title, grid, max_ball + 14);
  const std::vector<std::string> lines = trace::text_form(grid, max_ball);
  (void)ui::save_file(parent, QStringLiteral("將本圖表資料存成文字檔或Excel檔"), QStringLiteral("txt"),
                      ui::with_spreadsheet(ui::kTextFilter),
                      [&](const QString& path) { return ui::write_lines_or_sheet(path, lines, sheet); });
}

}  // namespace tracewin
