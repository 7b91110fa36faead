#include "cli/commands/period_options.h"

#include "core/dates.h"
#include "pillars/messages.h"
#include "pillars/period_query.h"

namespace cli {
namespace {

constexpr std::string_view kDefaultFrom = "2009/01/01";
constexpr std::string_view kDefaultCount = "50";  // cbis and cbis_2
constexpr std::string_view kDefaultPosition = "1";

constexpr OptionSpec kPeriodOptions[] = {
    {"--from", Takes::Value, "yyyy/mm/dd", "first day of a date range (default 2009/01/01)"},
    {"--to", Takes::Value, "yyyy/mm/dd", "last day of a date range (default today)"},
    {"--recent", Takes::Value, "N", "the most recent N draws (with --every: N of the picked draws)"},
    {"--every", Takes::Value, "M", "every M-th draw counted back from the latest"},
    {"--trace-date", Takes::Value, "yyyy/mm/dd", "the draws that followed the number of this draw"},
    {"--position", Takes::Value, "A", "with --trace-date: the ball position 1..5 (default 1)"},
    {"--anywhere", Takes::Flag, "", "with --trace-date: the number at any position"},
    {"--number", Takes::Value, "XX", "with --trace-date: the traced number"},
    {"--distance", Takes::Value, "N", "with --trace-date: how many draws later"},
};

std::optional<PeriodSelection> refuse(Context& ctx, const core::Error& error) {
  ctx.err << error.text << '\n';
  return std::nullopt;
}

PeriodSelection selection_of(pillars::PeriodResult result) {
  return {std::move(result.lines), std::move(result.period_title)};
}

std::optional<int> day_option(Context& ctx, std::string_view text) {
  const auto date = core::parse_date(text);
  if (!date) {
    refuse(ctx, core::Error::error(pillars::msg::not_a_date(text)));
    return std::nullopt;
  }
  return core::day_number(*date);
}

std::optional<PeriodSelection> date_range(Context& ctx) {
  const std::string from = ctx.args.value_or("--from", kDefaultFrom);
  const std::string to = ctx.args.value_or("--to", ctx.today);
  const auto start = day_option(ctx, from);
  if (!start) return std::nullopt;
  const auto end = day_option(ctx, to);
  if (!end) return std::nullopt;
  return selection_of(pillars::query_date_range(ctx.history, *start, *end));
}

std::optional<PeriodSelection> every(Context& ctx, std::string_view m_text) {
  const auto m = pillars::read_interval_box(m_text);
  if (!m.ok()) return refuse(ctx, m.error());
  const auto n = pillars::read_count_box(ctx.args.value_or("--recent", kDefaultCount));
  if (!n.ok()) return refuse(ctx, n.error());
  return selection_of(pillars::query_every(ctx.history, *m, *n));
}

std::optional<PeriodSelection> trace(Context& ctx, std::string_view date) {
  const std::string position = ctx.args.value_or("--position", kDefaultPosition);
  auto number = ctx.args.value("--number");
  auto distance = ctx.args.value("--distance");
  if (!number || !distance) {
    // What the date-change operation puts into CB_xx and cb_prediction.
    const auto setup = pillars::trace_setup(ctx.history, date, position);
    if (!setup.ok()) return refuse(ctx, setup.error());
    if (!number) number = setup->number;
    if (!distance) distance = setup->prediction;
  }
  const auto inputs = pillars::read_trace_inputs(position, *number, *distance, !ctx.args.has("--anywhere"));
  if (!inputs.ok()) return refuse(ctx, inputs.error());
  return selection_of(pillars::query_trace(ctx.history, *inputs));
}

}  // namespace

std::span<const OptionSpec> period_options() { return kPeriodOptions; }

std::optional<PeriodSelection> period_from_options(Context& ctx) {
  if (const auto date = ctx.args.value("--trace-date")) return trace(ctx, *date);
  if (const auto m = ctx.args.value("--every")) return every(ctx, *m);
  if (const auto n = ctx.args.value("--recent")) {
    const auto count = pillars::read_count_box(*n);
    if (!count.ok()) return refuse(ctx, count.error());
    return selection_of(pillars::query_recent(ctx.history, *count));
  }
  return date_range(ctx);
}

}  // namespace cli
