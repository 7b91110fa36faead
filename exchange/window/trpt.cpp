#include "exchange/window/trpt.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include "exchange/window/adapters/report_pdf.h"
#include "exchange/window/adapters/report_render.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

// The owner (the application) deletes the report; the window is only where previews open.
Trpt::Trpt(const core::Clock& clock, QWidget* window) : clock_(clock), window_(window) {
  setObjectName("Trpt");
}

Trpt::~Trpt() = default;

void Trpt::show_memo_rpt(const std::vector<std::string>& lines, const std::string& title) {
  qr_ = lines;
  title_ = title;
  printed_at_ = clock_.now();
  QWidget* over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : window_;
  // A preview paints its pages again whenever it is zoomed or resized, so it keeps its own
  // printer and its own copy of the report: nothing a later report changes reaches it.
  auto* printer = new QPrinter(QPrinter::HighResolution);
  printer->setPageLayout(exchange::report_page_layout());
  printer->setDocName(QStringLiteral("３９Vantor"));
  auto* dialog = new QPrintPreviewDialog(printer, over);
  connect(dialog, &QObject::destroyed, dialog, [printer] { delete printer; });
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("預覽列印 - ") + ui::qs(title_));
  // A page and its footer in sight on a 768-pixel screen: the window fits the screen and
  // the page fits the window.
  ui::fit_to_screen(dialog, QSize(900, 1000));
  if (auto* fit_page = dialog->findChild<QAction*>(QStringLiteral("fitPageAction"))) fit_page->trigger();
  const exchange::ReportRequest report{title_, qr_, printed_at_, body_points_};
  connect(dialog, &QPrintPreviewDialog::paintRequested, this,
          [this, report](QPrinter* target) { paint(target, report); });
  if (auto* tools = dialog->findChild<QToolBar*>()) {
    QAction* pdf = tools->addAction(QStringLiteral("另存PDF"));
    pdf->setObjectName("action_save_pdf");
    connect(pdf, &QAction::triggered, this, [this, report] { save_pdf(report); });
  }
  preview_ = dialog;
  ui::show_modal(dialog);
}

exchange::ReportDocument Trpt::document(const QPagedPaintDevice& device) const {
  return exchange::layout_for_device(title_, qr_, printed_at_, body_points_, device);
}

void Trpt::paint(QPrinter* printer, const exchange::ReportRequest& report) {
  printer->setPageLayout(exchange::report_page_layout());
  const auto document =
      exchange::layout_for_device(report.title, report.lines, report.printed_at, report.body_points, *printer);
  if (!exchange::paint_report(*printer, document))
    ui::message(preview_, ui::MessageKind::Error, QStringLiteral("無法產生報表"));
}

void Trpt::save_pdf() { save_pdf({title_, qr_, printed_at_, body_points_}); }

void Trpt::save_pdf(const exchange::ReportRequest& report) {
  (void)ui::save_file(preview_, QStringLiteral("另存PDF"), QStringLiteral("pdf"), QStringLiteral("PDF 檔案(*.pdf)|*.pdf"),
                      [&](const QString& path) -> core::Status {
                        const auto pages = exchange::write_report_pdf(ui::u8(path), report);
                        if (!pages) return pages.error();
                        return {};
                      });
}
