// vantor39-chart-picture NUMBERS HEADS TAILS: draws the three charts of the trace summary
// chart window as the window saves them, at the size the window opens at, from the
// titles and bars on standard input (analysis/trace/chart_picture_lines.h), and writes
// them as PNG pictures. vantor39-cli trace-chart --png runs it, so the command line
// itself links no window code.
//
// All three files are written, or none is touched: on failure one line on stderr and
// exit status 2.
#include <QApplication>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "analysis/trace/chart_picture_lines.h"
#include "analysis/trace/window/chart_bars.h"
#include "analysis/trace/window/chart_form.h"
#include "core/clock.h"
#include "core/console.h"
#include "core/draw_history.h"
#include "ui/locale.h"

namespace {

int refuse(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return 2;
}

// Qt's own notes (runtime directory, a platform without window sizes) are no message of ours.
void only_failures(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char* argv[]) {
  core::use_exact_standard_streams();
  qputenv("QT_QPA_PLATFORM", "offscreen");  // pictures only: never a display
  qInstallMessageHandler(only_failures);
  QApplication qt(argc, argv);
  ui::use_traditional_chinese(qt);
  // Qt reads the file names from the system's own command line: UTF-16 on Windows, where
  // argv would hold them in the ANSI code page.
  const QStringList files = QCoreApplication::arguments();
  if (files.size() != 4) return refuse("用法: vantor39-chart-picture 號碼圖檔 頭數圖檔 尾數圖檔 (圖表資料由標準輸入讀入)");
  const std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  const auto data = trace::read_chart_picture_lines(input);
  if (!data) return refuse(data.error().text);

  // The window as it opens, over no draws; then the bars it is given.
  const core::DrawHistory no_draws;
  const core::FixedClock clock{core::Date{2005, 1, 1}};
  TForm_zu_chart1 window(no_draws, clock);
  window.show();
  QCoreApplication::processEvents();
  window.show_charts(*data);
  QCoreApplication::processEvents();
  const auto saved = chartwin::save_pictures({{window.Chart1->picture(), files[1]},
                                              {window.Chart2->picture(), files[2]},
                                              {window.Chart3->picture(), files[3]}},
                                             "PNG");
  if (!saved) return refuse(saved.error().text);
  return 0;
}
