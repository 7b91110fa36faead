// The exchange commands of vantor39-cli: the lines the date-range window prints, the
// report PDF of those lines, and the draw-file download with the window's checks.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/clock.h"
#include "core/dates.h"
#include "exchange/data_server.h"
#include "exchange/download.h"
#include "exchange/print_lines.h"
#include "exchange/window/adapters/http_get.h"
#include "exchange/window/adapters/report_pdf.h"
#include "core/utf8_path.h"

namespace cli {
namespace {

// The lines the date-range window prints for the options.
core::Result<std::vector<std::string>> range_lines(const Context& ctx) {
  const auto order = read_choice(ctx.args, "--order", "drawn");
  if (!order) return order.error();
  const auto from = read_date(ctx.args, "--from", core::format_date(exchange::kFirstPrintDate));
  if (!from) return from.error();
  const auto to = read_date(ctx.args, "--to", ctx.today);
  if (!to) return to.error();
  const auto grid = exchange::records_grid(ctx.history, *order == "sorted");
  if (!grid) return grid.error();
  return exchange::date_range_lines(*grid, *from, *to);
}

int print_lines_command(Context& ctx) { return print_or_refuse(ctx, range_lines(ctx)); }

// Writes the report; returns the number of pages written.
core::Result<int> write_report(const Context& ctx) {
  const auto pdf = ctx.args.value("--pdf");
  if (!pdf || pdf->empty()) return core::Error::error("請以 --pdf OUT.pdf 指定報表檔");
  if (const core::Status free = refuse_own_output(ctx.args, *pdf); !free) return free.error();
  const auto lines = range_lines(ctx);
  if (!lines) return lines.error();
  exchange::ReportRequest request;
  request.lines = *lines;
  request.printed_at = core::SystemClock().now();
  request.printed_at.date = *core::parse_date(ctx.today);
  return exchange::write_report_pdf(*pdf, request);
}

int report_command(Context& ctx) {
  const auto pages = write_report(ctx);
  if (!pages) return refuse(ctx, pages.error());
  ctx.out << "已寫入 " << *ctx.args.value("--pdf") << ",共 " << *pages << " 頁\n";
  return 0;
}

// A refusal is one line on the error stream.
std::string one_line(std::string text) {
  for (char& c : text)
    if (c == '\n') c = ' ';
  return text;
}

std::string failed_request_detail(const exchange::HttpReply& reply) {
  if (!reply.completed && !reply.failure.empty()) return " (" + reply.failure + ")";
  if (reply.status != 0) return " (HTTP " + std::to_string(reply.status) + ")";
  return {};
}

// Fetches the server's copy and puts it in place of --file when it passes the checks.
core::Status download(const Context& ctx) {
  const auto server = ctx.args.value("--server");
  const auto endpoint = server ? exchange::parse_endpoint(*server)
                               : exchange::data_server_endpoint(std::getenv(exchange::kServerVariable));
  if (!endpoint) return endpoint.error();
  const std::string path = ctx.args.value_or("--file", "TW539.txt");
  const std::string name = core::utf8_path(path).filename().string();
  const exchange::HttpReply reply = exchange::http_get(*endpoint, exchange::download_path(name));
  const auto review = exchange::review_download(reply, path, ctx.today);
  if (!review) {
    const bool request_failed = review.error().text == exchange::kRequestFailed;
    return core::Error::error(review.error().text + (request_failed ? failed_request_detail(reply) : ""));
  }
  if (review->has_fewer_draws() && !ctx.args.has("--replace-smaller"))
    return core::Error::error("伺服器上的開獎資料只有 " + std::to_string(review->server_draws) + " 期,比檔案中的 " +
                              std::to_string(review->local_draws) +
                              " 期少,檔案未變更 (要取代請加上 --replace-smaller)");
  if (const core::Status written = exchange::replace_draw_file(path, review->bytes); !written)
    return core::Error::error(one_line(written.error().text));
  return {};
}

int download_command(Context& ctx) {
  if (const core::Status done = download(ctx); !done) return refuse(ctx, done.error());
  ctx.out << exchange::kDownloadDone << '\n';
  return 0;
}

constexpr std::string_view kBallOrders[] = {"drawn", "sorted"};
constexpr OptionSpec kRangeOptions[] = {
    {"--from", Takes::Value, "yyyy/mm/dd", "first date of the range (default 2002/01/22)"},
    {"--to", Takes::Value, "yyyy/mm/dd", "last date of the range (default --today)"},
    {"--order", Takes::Value, "drawn|sorted", "balls in drawn or ascending order (default drawn)", kBallOrders},
};
constexpr OptionSpec kReportOptions[] = {{"--pdf", Takes::Value, "OUT.pdf", "the PDF file to write"}};
constexpr OptionSpec kDownloadOptions[] = {
    {"--server", Takes::Value, "host[:port]", "the data server (default: VANTOR39_DATA_SERVER or the built-in one)"},
    {"--replace-smaller", Takes::Flag, "", "replace the file even with a copy holding fewer draws"},
};

const CommandSpec kExchangeCommands[] = {
    {"print-lines", "the lines printing by date range prints, newest first", join({kRangeOptions}),
     print_lines_command},
    {"report", "the date-range report as a PDF file", join({kReportOptions, kRangeOptions}), report_command},
    {"download", "replace --file with the data server's copy when it is a sound draw file",
     join({kDownloadOptions}), download_command, NotTakenWording::NamesCommand, false},
};

}  // namespace

std::span<const CommandSpec> exchange_commands() { return kExchangeCommands; }

}  // namespace cli
