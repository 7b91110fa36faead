// The exchange commands of vantor39-cli: the lines the date-range window prints, the
// report PDF of those lines, and the draw-file download with the window's checks.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/clock.h"
#include "core/dates.h"
#include "core/own_files.h"
#include "exchange/data_server.h"
#include "exchange/download.h"
#include "exchange/print_lines.h"
#include "exchange/window/http_get.h"
#include "exchange/window/report_pdf.h"

namespace cli {
namespace {

std::optional<core::Date> date_option(Context& ctx, std::string_view name, core::Date fallback) {
  const auto text = ctx.args.value(name);
  if (!text) return fallback;
  const auto date = core::parse_date(*text);
  if (!date) refuse(ctx, "「" + *text + "」不是有效的日期 (yyyy/mm/dd)");
  return date;
}

// The lines the date-range window prints for the options, or nullopt after a refusal.
std::optional<std::vector<std::string>> range_lines(Context& ctx) {
  const std::string order = ctx.args.value_or("--order", "drawn");
  if (order != "drawn" && order != "sorted") {
    refuse(ctx, "--order 必須是 drawn 或 sorted");
    return std::nullopt;
  }
  const auto from = date_option(ctx, "--from", exchange::kFirstPrintDate);
  if (!from) return std::nullopt;
  const auto to = date_option(ctx, "--to", *core::parse_date(ctx.today));
  if (!to) return std::nullopt;
  const auto grid = exchange::records_grid(ctx.history, order == "sorted");
  if (!grid) {
    refuse(ctx, grid.error());
    return std::nullopt;
  }
  return exchange::date_range_lines(*grid, *from, *to);
}

int print_lines_command(Context& ctx) {
  const auto lines = range_lines(ctx);
  if (!lines) return kRefused;
  print_lines(ctx, *lines);
  return 0;
}

int report_command(Context& ctx) {
  const auto pdf = ctx.args.value("--pdf");
  if (!pdf || pdf->empty()) return refuse(ctx, "請以 --pdf OUT.pdf 指定報表檔");
  const core::OwnFilePlaces own_files{ctx.args.value_or("--file", "TW539.txt"), ""};
  if (const core::Status free = core::refuse_own_file(*pdf, own_files); !free) return refuse(ctx, free.error());
  const auto lines = range_lines(ctx);
  if (!lines) return kRefused;
  exchange::ReportRequest request;
  request.lines = *lines;
  request.printed_at = core::SystemClock().now();
  request.printed_at.date = *core::parse_date(ctx.today);
  const auto pages = exchange::write_report_pdf(*pdf, request);
  if (!pages) return refuse(ctx, pages.error());
  ctx.out << "已寫入 " << *pdf << ",共 " << *pages << " 頁\n";
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

int download_command(Context& ctx) {
  const auto server = ctx.args.value("--server");
  const auto endpoint = server ? exchange::parse_endpoint(*server)
                               : exchange::data_server_endpoint(std::getenv(exchange::kServerVariable));
  if (!endpoint) return refuse(ctx, endpoint.error());
  const std::string path = ctx.args.value_or("--file", "TW539.txt");
  const std::string name = std::filesystem::path(path).filename().string();
  const exchange::HttpReply reply = exchange::http_get(*endpoint, exchange::download_path(name));
  const auto review = exchange::review_download(reply, path, ctx.today);
  if (!review) {
    const bool request_failed = review.error().text == exchange::kRequestFailed;
    return refuse(ctx, review.error().text + (request_failed ? failed_request_detail(reply) : ""));
  }
  if (review->has_fewer_draws() && !ctx.args.has("--replace-smaller"))
    return refuse(ctx, "伺服器上的開獎資料只有 " + std::to_string(review->server_draws) + " 期,比檔案中的 " +
                           std::to_string(review->local_draws) + " 期少,檔案未變更 (要取代請加上 --replace-smaller)");
  if (const core::Status written = exchange::replace_draw_file(path, review->bytes); !written)
    return refuse(ctx, one_line(written.error().text));
  ctx.out << exchange::kDownloadDone << '\n';
  return 0;
}

constexpr OptionSpec kRangeOptions[] = {
    {"--from", Takes::Value, "yyyy/mm/dd", "first date of the range (default 2002/01/22)"},
    {"--to", Takes::Value, "yyyy/mm/dd", "last date of the range (default --today)"},
    {"--order", Takes::Value, "drawn|sorted", "balls in drawn or ascending order (default drawn)"},
};
constexpr OptionSpec kReportOptions[] = {{"--pdf", Takes::Value, "OUT.pdf", "the PDF file to write"}};
constexpr OptionSpec kDownloadOptions[] = {
    {"--server", Takes::Value, "host[:port]", "the data server (default: VANTOR39_DATA_SERVER or the built-in one)"},
    {"--replace-smaller", Takes::Flag, "", "replace the file even with a copy holding fewer draws"},
};

const CommandSpec kCommands[] = {
    {"print-lines", "the lines printing by date range prints, newest first", join({kRangeOptions}),
     print_lines_command},
    {"report", "the date-range report as a PDF file", join({kReportOptions, kRangeOptions}), report_command},
    {"download", "replace --file with the data server's copy when it is a sound draw file",
     join({kDownloadOptions}), download_command, NotTakenWording::NamesCommand, false},
};

}  // namespace

std::span<const CommandSpec> exchange_commands() { return kCommands; }

}  // namespace cli
