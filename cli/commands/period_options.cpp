#include "cli/commands/period_options.h"

#include "core/dates.h"
#include "pillars/period_query.h"

namespace cli {
namespace {

constexpr std::string_view kDefaultFrom = "2009/01/01";
constexpr std::string_view kDefaultCount = "50";  // cbis and cbis_2
constexpr std::string_view kDefaultPosition = "1";

// Worded like the workbench's other refusals (pillars/messages.h), without the format.
constexpr std::string_view kNotADate = "「{value}」不是有效的日期";

constexpr OptionSpec kPeriodOptions[] = {
    {"--from", Takes::Value, "yyyy/mm/dd", "first day of a date range (default 2009/01/01)", {}, kNotADate},
    {"--to", Takes::Value, "yyyy/mm/dd", "last day of a date range (default today)", {}, kNotADate},
    {"--recent", Takes::Value, "N", "the most recent N draws (with --every: N of the picked draws)"},
    {"--every", Takes::Value, "M", "every M-th draw counted back from the latest"},
    {"--trace-date", Takes::Value, "yyyy/mm/dd", "the draws that followed the number of this draw"},
    {"--position", Takes::Value, "A", "with --trace-date: the ball position 1..5 (default 1)"},
    {"--anywhere", Takes::Flag, "", "with --trace-date: the number at any position"},
    {"--number", Takes::Value, "XX", "with --trace-date: the traced number"},
    {"--distance", Takes::Value, "N", "with --trace-date: how many draws later"},
};

PeriodSelection selection_of(pillars::PeriodResult result) {
  return {std::move(result.lines), std::move(result.period_title)};
}

core::Result<PeriodSelection> date_range(const Context& ctx) {
  const auto start = read_date(ctx.args, "--from", kDefaultFrom);
  if (!start) return start.error();
  const auto end = read_date(ctx.args, "--to", ctx.today);
  if (!end) return end.error();
  return selection_of(pillars::query_date_range(ctx.history, core::day_number(*start), core::day_number(*end)));
}

core::Result<PeriodSelection> every(const Context& ctx, std::string_view m_text) {
  const auto m = pillars::read_interval_box(m_text);
  if (!m.ok()) return m.error();
  const auto n = pillars::read_count_box(ctx.args.value_or("--recent", kDefaultCount));
  if (!n.ok()) return n.error();
  return selection_of(pillars::query_every(ctx.history, *m, *n));
}

core::Result<PeriodSelection> trace(const Context& ctx, std::string_view date) {
  const std::string position = ctx.args.value_or("--position", kDefaultPosition);
  auto number = ctx.args.value("--number");
  auto distance = ctx.args.value("--distance");
  if (!number || !distance) {
    // What the date-change operation puts into CB_xx and cb_prediction.
    const auto setup = pillars::trace_setup(ctx.history, date, position);
    if (!setup.ok()) return setup.error();
    if (!number) number = setup->number;
    if (!distance) distance = setup->prediction;
  }
  const auto inputs = pillars::read_trace_inputs(position, *number, *distance, !ctx.args.has("--anywhere"));
  if (!inputs.ok()) return inputs.error();
  return selection_of(pillars::query_trace(ctx.history, *inputs));
}

}  // namespace

std::span<const OptionSpec> period_options() { return kPeriodOptions; }

core::Result<PeriodSelection> period_from_options(const Context& ctx) {
  if (const auto date = ctx.args.value("--trace-date")) return trace(ctx, *date);
  if (const auto m = ctx.args.value("--every")) return every(ctx, *m);
  if (const auto n = ctx.args.value("--recent")) {
    const auto count = pillars::read_count_box(*n);
    if (!count.ok()) return count.error();
    return selection_of(pillars::query_recent(ctx.history, *count));
  }
  return date_range(ctx);
}

}  // namespace cli
