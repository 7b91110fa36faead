// The memo report: the program's one printing path. Any window hands it a title and its
// text lines; show_memo_rpt opens a print preview of them in the shared report layout
// (exchange/report_layout.h), from which the user prints or saves a PDF.
//
//   report.show_memo_rpt(lines);                 // title "Morlin"
//   report.show_memo_rpt(lines, "移動式版路");   // a window's own title
//
// The body size is the report's state: it starts at the design size (10 pt); printing by
// date range sets 12 pt, which then holds for every later report of the run.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

#include "core/clock.h"
#include "exchange/report_layout.h"
#include "exchange/window/adapters/report_pdf.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

class Trpt : public QObject {
  Q_OBJECT
 public:
  Trpt(const core::Clock& clock, QWidget* window);
  ~Trpt() override;

  void set_body_points(double points) { body_points_ = points; }
  [[nodiscard]] double body_points() const { return body_points_; }

  // Copies the lines into the report and shows the preview; returns when it is closed.
  void show_memo_rpt(const std::vector<std::string>& lines, const std::string& title = exchange::kReportTitle);

  // The lines and title of the last report.
  [[nodiscard]] const std::vector<std::string>& qr() const { return qr_; }
  [[nodiscard]] const std::string& title() const { return title_; }
  // The preview (a QPrintPreviewDialog) while it is open; tests look at its pages.
  [[nodiscard]] QDialog* preview() const { return preview_; }
  // The pages the preview shows, laid out for its printer.
  [[nodiscard]] exchange::ReportDocument document(const QPagedPaintDevice& device) const;
  // Writes the last report as a PDF through the save-file dialog.
  void save_pdf();

 private:
  void paint(QPrinter* printer, const exchange::ReportRequest& report);
  void save_pdf(const exchange::ReportRequest& report);

  const core::Clock& clock_;
  QWidget* window_;
  std::vector<std::string> qr_;
  std::string title_ = exchange::kReportTitle;
  core::LocalDateTime printed_at_;
  double body_points_ = exchange::kDesignBodyPoints;
  QPointer<QDialog> preview_;
};
