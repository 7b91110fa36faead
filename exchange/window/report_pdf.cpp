#include "exchange/window/report_pdf.h"

#include <QPdfWriter>
#include <QSaveFile>

#include "exchange/window/qt_runtime.h"
#include "exchange/window/report_render.h"

namespace exchange {

core::Result<int> write_report_pdf(const std::string& path, const ReportRequest& request) {
  detail::ensure_application();
  auto refused = [&path](const QString& why) {
    return core::Error::error("無法寫入檔案 " + path + "：" + why.toStdString());
  };
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return refused(file.errorString());
  QPdfWriter writer(&file);
  writer.setPageLayout(report_page_layout());
  writer.setResolution(600);
  writer.setTitle(QString::fromStdString(request.title));
  writer.setCreator(QStringLiteral("３９Vantor"));
  const ReportDocument document =
      layout_for_device(request.title, request.lines, request.printed_at, request.body_points, writer);
  if (!paint_report(writer, document)) return refused(QStringLiteral("無法產生 PDF"));
  if (!file.commit()) return refused(file.errorString());
  return static_cast<int>(document.pages.size());
}

}  // namespace exchange
