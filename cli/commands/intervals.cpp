// The interval and double-trace commands of vantor39-cli: what the number interval window
// and the double-trace window show for the choices given.
#include <string>

#include "analysis/intervals/double_trace_boxes.h"
#include "analysis/intervals/double_trace_view.h"
#include "analysis/intervals/number_summary.h"
#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/ball_order.h"
#include "core/numbers.h"

namespace cli {
namespace {

int intervals_command(Context& ctx) {
  const auto analysis = intervals::analyse_intervals(ctx.history);
  ctx.out << analysis.longest_gap << '\n';
  print_grid(ctx, analysis.grid);
  return 0;
}

int interval_summary_command(Context& ctx) {
  if (ctx.args.has("--all") && ctx.args.has("--number")) return refuse(ctx, "--all 與 --number 不能同時使用");
  const auto analysis = intervals::analyse_intervals(ctx.history);
  if (ctx.args.has("--all")) print_lines(ctx, intervals::all_summaries(analysis));
  else print_lines(ctx, intervals::show_no(analysis, ctx.args.value_or("--number", "01")));
  return 0;
}

// The choices of the double-trace window, read from the options in the order it makes them.
struct TraceChoices {
  std::string date;
  intervals::DoubleTraceQuery query;  // in the chosen ball order
  int rule = 1;
};

// The date box, then the ball order: the base draw L and the boxes a date choice fills.
core::Result<TraceChoices> date_and_order(Context& ctx) {
  const auto& h = ctx.history;
  TraceChoices c;
  const auto newest = intervals::recent_dates(h, 1);
  c.date = ctx.args.value_or("--date", newest.empty() ? std::string() : newest.front());
  const auto base = intervals::read_base_date(h, c.date);
  if (!base) return base.error();
  const auto order = read_choice(ctx.args, "--ball-order", "sorted");
  if (!order) return order.error();
  c.query = intervals::date_choice(h, *base, *order == "sorted" ? core::BallOrder::Sorted : core::BallOrder::Drawn);
  return c;
}

core::Result<TraceChoices> trace_choices(Context& ctx) {
  auto c = date_and_order(ctx);
  if (!c) return c;
  auto& q = c->query;
  for (const auto& [name, box] : {std::pair{"--x", &q.x}, std::pair{"--y", &q.y}}) {
    const auto text = ctx.args.value(name);
    if (!text) continue;
    const auto number = intervals::read_trace_number(*text);
    if (!number) return number.error();
    *box = *number;
  }
  const auto later = read_integer(ctx.args, "--later", ctx.history.draw_count - q.base_draw);
  if (!later) return later.error();
  if (const auto checked = intervals::check_later(ctx.history, q.base_draw, *later); !checked) return checked.error();
  q.later = *later;
  if (!ctx.args.has("--y")) q.y = intervals::draw_balls(ctx.history, q.order, q.base_draw + q.later)[0];
  const auto run = read_integer(ctx.args, "--run", 3);
  if (!run) return run.error();
  if (const auto checked = intervals::check_run(*run, ctx.args.value_or("--run", "3")); !checked)
    return checked.error();
  const auto rule = read_integer(ctx.args, "--rule", 1);
  if (!rule) return rule.error();
  if (*rule < 1) return core::Error::error("--rule 必須至少為 1: " + *ctx.args.value("--rule"));
  q.run = *run;
  c->rule = *rule;
  return c;
}

std::string boxes_line(const TraceChoices& c, const intervals::DoubleTraceSearch& search) {
  const auto& q = search.query;
  return c.date + "," + q.x + "," + std::to_string(q.later) + "," + q.y + "," + std::to_string(q.distance) + "," +
         std::to_string(q.run);
}

int double_trace_command(Context& ctx) {
  const auto choices = trace_choices(ctx);
  if (!choices) return refuse(ctx, choices.error());
  const auto search = intervals::search_double_trace(ctx.history, choices->query);
  const auto view = intervals::show_double_trace(ctx.history, search, choices->rule);
  print_lines(ctx, {boxes_line(*choices, search), view.rule_caption, view.rule_total, view.plan});
  print_grid(ctx, view.sgl);
  print_lines(ctx, view.mm);
  return 0;
}

int double_trace_rules_command(Context& ctx) {
  const auto choices = trace_choices(ctx);
  if (!choices) return refuse(ctx, choices.error());
  const auto search = intervals::search_double_trace(ctx.history, choices->query);
  print_lines(ctx, {boxes_line(*choices, search), "共 " + std::to_string(search.rules.size()) + " 組"});
  print_lines(ctx, intervals::rule_list_lines(ctx.history, search));
  return 0;
}

constexpr OptionSpec kSummaryOptions[] = {
    {"--number", Takes::Value, "TEXT", "the number box text (default 01)"},
    {"--all", Takes::Flag, "", "every number's summary (全部號碼)"},
};
constexpr std::string_view kSortedFirst[] = {"sorted", "drawn"};
constexpr OptionSpec kDoubleTraceOptions[] = {
    {"--ball-order", Takes::Value, "sorted|drawn", "ascending (順球, default) or drawn (落球) ball order", kSortedFirst,
     "{option} 必須是 {choices}: {value}"},
    {"--date", Takes::Value, "yyyy/mm/dd", "the base draw's date (default the latest draw)"},
    {"--x", Takes::Value, "NN", "number X of the base draw (default its first ball)"},
    {"--later", Takes::Value, "N", "Y comes N draws later (default up to the latest draw)"},
    {"--y", Takes::Value, "NN", "number Y (default the first ball of that draw)"},
    {"--run", Takes::Value, "N", "hits in a row a rule needs (連準, default 3)"},
};
constexpr OptionSpec kRuleOption[] = {{"--rule", Takes::Value, "N", "the rule to show (default 1)"}};

constexpr auto kThisCommand = NotTakenWording::ThisCommand;
const CommandSpec kIntervalsCommands[] = {
    {"intervals", "the longest gap and the gap grid of every number", {}, intervals_command, kThisCommand},
    {"interval-summary", "one number's gap summary, or every number's", join({kSummaryOptions}),
     interval_summary_command, kThisCommand},
    {"double-trace", "one fixed-position rule behind a double trace", join({kDoubleTraceOptions, kRuleOption}),
     double_trace_command, kThisCommand},
    {"double-trace-rules", "every fixed-position rule behind a double trace, ranked", join({kDoubleTraceOptions}),
     double_trace_rules_command, kThisCommand},
};

}  // namespace

std::span<const CommandSpec> intervals_commands() { return kIntervalsCommands; }

}  // namespace cli
