#include "exchange/window/adapters/report_pdf.h"

#include <QBuffer>
#include <QPdfWriter>

#include "core/text_file.h"
#include "exchange/window/adapters/qt_runtime.h"
#include "exchange/window/adapters/report_render.h"
#include "ui/qt_text.h"

namespace exchange {

core::Result<int> write_report_pdf(const std::string& path, const ReportRequest& request) {
  detail::ensure_application();
  // Rendered in memory (the painter's end completes the document) and written as every
  // other file is, so a failed write keeps the old file and says why in the program's words.
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageLayout(report_page_layout());
  writer.setResolution(600);
  writer.setTitle(ui::qs(request.title));
  writer.setCreator(QStringLiteral("３９Vantor"));
  const ReportDocument document =
      layout_for_device(request.title, request.lines, request.printed_at, request.body_points, writer);
  if (!paint_report(writer, document)) return core::Error::error("無法寫入檔案 " + path + "：無法產生 PDF");
  const std::string_view bytes(pdf.constData(), static_cast<std::size_t>(pdf.size()));
  if (const core::Status written = core::write_bytes_atomic(path, bytes); !written) return written.error();
  return static_cast<int>(document.pages.size());
}

}  // namespace exchange
