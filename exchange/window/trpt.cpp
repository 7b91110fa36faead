#include "exchange/window/trpt.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include "exchange/window/report_pdf.h"
#include "exchange/window/report_render.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

Trpt::Trpt(const core::Clock& clock, QWidget* window)
    : QObject(window), clock_(clock), window_(window), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName("Trpt");
  printer_->setPageLayout(exchange::report_page_layout());
  printer_->setDocName(QStringLiteral("３９Vantor"));
}

Trpt::~Trpt() = default;

void Trpt::show_memo_rpt(const std::vector<std::string>& lines, const std::string& title) {
  qr_ = lines;
  title_ = title;
  printed_at_ = clock_.now();
  QWidget* over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : window_;
  auto* dialog = new QPrintPreviewDialog(printer_.get(), over);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("預覽列印 - ") + ui::qs(title_));
  dialog->resize(900, 1000);
  connect(dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { paint(printer); });
  if (auto* tools = dialog->findChild<QToolBar*>()) {
    QAction* pdf = tools->addAction(QStringLiteral("另存PDF"));
    pdf->setObjectName("action_save_pdf");
    connect(pdf, &QAction::triggered, this, [this] { save_pdf(); });
  }
  preview_ = dialog;
  ui::show_modal(dialog);
}

exchange::ReportDocument Trpt::document(const QPagedPaintDevice& device) const {
  return exchange::layout_for_device(title_, qr_, printed_at_, body_points_, device);
}

void Trpt::paint(QPrinter* printer) {
  printer->setPageLayout(exchange::report_page_layout());
  if (!exchange::paint_report(*printer, document(*printer)))
    ui::message(preview_, ui::MessageKind::Error, QStringLiteral("無法產生報表"));
}

void Trpt::save_pdf() {
  const auto path = ui::save_file(preview_, QStringLiteral("另存PDF"), QStringLiteral("pdf"),
                                  QStringLiteral("PDF 檔案(*.pdf)|*.pdf"));
  if (!path) return;
  const auto written = exchange::write_report_pdf(ui::u8(*path), {title_, qr_, printed_at_, body_points_});
  if (!written) ui::show_error(preview_, written.error());
}
