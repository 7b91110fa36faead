// The interval and double-trace commands of vantor39-cli: what the number interval window
// and the double-trace window show for the choices given.
#include <string>

#include "analysis/intervals/double_trace_view.h"
#include "analysis/intervals/number_summary.h"
#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/ball_order.h"
#include "core/ball_text.h"
#include "core/dates.h"

namespace cli {
namespace {

int intervals_command(Context& ctx) {
  const auto analysis = intervals::analyse_intervals(ctx.history);
  ctx.out << analysis.label2 << '\n';
  print_grid(ctx, analysis.sgmap);
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
  core::BallOrder order = core::BallOrder::Sorted;
  intervals::DoubleTraceQuery query;
  int rule = 1;
};

// "5" or "05" for 1..39 -> "05".
core::Result<std::string> number_option(const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string::npos;
  const auto value = digits ? core::ball_value(text.size() == 1 ? "0" + text : text) : std::nullopt;
  if (!value) return core::Error::error("號碼必須是 01 到 39: " + text);
  return core::ball_text(*value);
}

// The date box, then the ball order: the base draw L and the boxes a date choice fills.
core::Result<TraceChoices> date_and_order(Context& ctx) {
  auto& h = ctx.history;
  if (h.draw_count <= 0) return core::Error::error("沒有開獎資料");
  TraceChoices c;
  c.date = ctx.args.value_or("--date", core::day_text(h.draw_date[h.draw_count - 1]));
  const auto base = intervals::draw_of_date(h, c.date);
  if (!base) return core::Error::error("沒有這個日期的開獎資料: " + c.date);
  const auto order = read_choice(ctx.args, "--ball-order", "sorted");
  if (!order) return order.error();
  c.order = *order == "sorted" ? core::BallOrder::Sorted : core::BallOrder::Drawn;
  core::set_ball_order(h, c.order);
  c.query = intervals::date_choice(h, *base);
  return c;
}

core::Result<TraceChoices> trace_choices(Context& ctx) {
  auto c = date_and_order(ctx);
  if (!c) return c;
  auto& q = c->query;
  for (const auto& [name, box] : {std::pair{"--x", &q.x}, std::pair{"--y", &q.y}}) {
    const auto text = ctx.args.value(name);
    if (!text) continue;
    const auto number = number_option(*text);
    if (!number) return number.error();
    *box = *number;
  }
  const int max_later = ctx.history.draw_count - q.base_draw;
  const auto later = read_integer(ctx.args, "--later", max_later);
  if (!later) return later.error();
  if (*later < 0 || *later > max_later)
    return core::Error::error("且下期數必須是 0 到 " + std::to_string(max_later) + ": " + std::to_string(*later));
  q.later = *later;
  if (!ctx.args.has("--y")) q.y = intervals::draw_balls(ctx.history, q.base_draw + q.later)[0];
  const auto run = read_integer(ctx.args, "--run", 3);
  if (!run) return run.error();
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
  const auto view = intervals::show_double_trace(ctx.history, search, choices->order, choices->rule);
  print_lines(ctx, {boxes_line(*choices, search), view.lb_sortidx, view.lb_tot, view.plan});
  print_grid(ctx, view.sgl);
  print_lines(ctx, view.mm);
  return 0;
}

int double_trace_rules_command(Context& ctx) {
  const auto choices = trace_choices(ctx);
  if (!choices) return refuse(ctx, choices.error());
  const auto search = intervals::search_double_trace(ctx.history, choices->query);
  print_lines(ctx, {boxes_line(*choices, search), "共 " + std::to_string(search.rules.size()) + " 組"});
  print_lines(ctx, intervals::rule_list_lines(ctx.history, search, choices->order));
  return 0;
}

constexpr OptionSpec kSummaryOptions[] = {
    {"--number", Takes::Value, "TEXT", "the number box text (default 01)"},
    {"--all", Takes::Flag, "", "every number's summary (全部號碼)"},
};
constexpr std::string_view kBallOrders[] = {"sorted", "drawn"};
constexpr OptionSpec kTraceOptions[] = {
    {"--ball-order", Takes::Value, "sorted|drawn", "ascending (順球, default) or drawn (落球) ball order", kBallOrders,
     "{option} 必須是 {choices}: {value}"},
    {"--date", Takes::Value, "yyyy/mm/dd", "the base draw's date (default the latest draw)"},
    {"--x", Takes::Value, "NN", "number X of the base draw (default its first ball)"},
    {"--later", Takes::Value, "N", "Y comes N draws later (default up to the latest draw)"},
    {"--y", Takes::Value, "NN", "number Y (default the first ball of that draw)"},
    {"--run", Takes::Value, "N", "hits in a row a rule needs (連準, default 3)"},
};
constexpr OptionSpec kRuleOption[] = {{"--rule", Takes::Value, "N", "the rule to show (default 1)"}};

constexpr auto kThisCommand = NotTakenWording::ThisCommand;
const CommandSpec kCommands[] = {
    {"intervals", "the longest gap and the gap grid of every number", {}, intervals_command, kThisCommand},
    {"interval-summary", "one number's gap summary, or every number's", join({kSummaryOptions}),
     interval_summary_command, kThisCommand},
    {"double-trace", "one fixed-position rule behind a double trace", join({kTraceOptions, kRuleOption}),
     double_trace_command, kThisCommand},
    {"double-trace-rules", "every fixed-position rule behind a double trace, ranked", join({kTraceOptions}),
     double_trace_rules_command, kThisCommand},
};

}  // namespace

std::span<const CommandSpec> intervals_commands() { return kCommands; }

}  // namespace cli
