// Data exchange: the report PDF of the whole table, and one draw-file download from a
// loopback server with its review, atomic replace and reload.
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "core/clock.h"
#include "core/loader.h"
#include "core/reload.h"
#include "core/text_file.h"
#include "exchange/download.h"
#include "exchange/print_lines.h"
#include "exchange/window/adapters/http_request.h"
#include "exchange/window/adapters/report_pdf.h"
#include "support/loopback_http_server.h"

namespace {

constexpr const char* kToday = "2026/12/09";

// The bundled history's newest 2500 draws, as a draw file.
std::string newest_2500_bytes() {
  core::DrawHistory history;
  (void)core::load_draw_lines(history, core::read_bytes(std::string(VANTOR_DATA_DIR) + "/TW539.txt").value(), kToday);
  std::string bytes;
  for (int i = 0; i < history.draw_count; ++i) bytes += history.orirec[i] + "\r\n";
  return bytes;
}

void BM_ReportPdfAllDraws(benchmark::State& state) {
  core::DrawHistory history;
  (void)core::load_draw_lines(history, newest_2500_bytes(), kToday);
  (void)core::put_to_ltno(history);
  const auto grid = exchange::records_grid(history, false).value();
  exchange::ReportRequest request;
  request.lines = exchange::date_range_lines(grid, exchange::kFirstPrintDate, core::Date{2026, 12, 9});
  request.printed_at = core::SystemClock().now();
  QTemporaryDir dir;
  const std::string path = dir.filePath("report.pdf").toStdString();
  int pages = 0;
  for (auto _ : state) pages = exchange::write_report_pdf(path, request).value();
  state.counters["lines"] = static_cast<double>(request.lines.size());
  state.counters["pages"] = pages;
}
BENCHMARK(BM_ReportPdfAllDraws)->Unit(benchmark::kMillisecond);

void BM_LoopbackDownloadReplaceReload(benchmark::State& state) {
  const std::string bytes = newest_2500_bytes();
  test_support::LoopbackHttpServer server;
  server.set_script({test_support::HttpScript::Mode::Respond, 200, "text/plain", QByteArray::fromStdString(bytes)});
  QTemporaryDir dir;
  const std::string path = dir.filePath("TW539.txt").toStdString();
  (void)core::write_bytes_atomic(path, bytes);
  exchange::HttpRequest request;  // reused, as the window reuses its own
  core::DrawHistory history;
  for (auto _ : state) {
    QEventLoop loop;
    exchange::HttpReply reply;
    QObject::connect(&request, &exchange::HttpRequest::finished, &loop, [&](const exchange::HttpReply& r) {
      reply = r;
      loop.quit();
    });
    request.start({"127.0.0.1", server.port()}, "/HISTORYDATA/TW539.txt");
    loop.exec();
    const auto review = exchange::review_download(reply, path, kToday);
    if (!review || review->has_fewer_draws()) state.SkipWithError("the download was refused");
    if (!exchange::replace_draw_file(path, review->bytes)) state.SkipWithError("the replace failed");
    benchmark::DoNotOptimize(core::reload(history, path, kToday));
  }
  state.counters["draws"] = history.draw_count;
}
BENCHMARK(BM_LoopbackDownloadReplaceReload)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication qt(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
