// The statistics commands of vantor39-cli: the statistics window's three views and the
// number analysis window with its pattern rules.
#include <string>
#include <vector>

#include "analysis/statistics/number_analysis.h"
#include "analysis/statistics/pattern_rules.h"
#include "analysis/statistics/statistics_views.h"
#include "cli/commands/analysis_options.h"
#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/ball_text.h"

namespace cli {
namespace {

// The statistics window's choices: its view and order buttons and its date range.
struct StatisticsRequest {
  std::string_view view, order;
  core::Date from, to;
};

core::Result<StatisticsRequest> statistics_request(const Context& ctx) {
  const auto view = read_choice(ctx.args, "--view", "numbers");
  if (!view) return view.error();
  const auto order = read_choice(ctx.args, "--order", "value");
  if (!order) return order.error();
  const auto from = read_date(ctx.args, "--from", "2002/01/01");
  if (!from) return from.error();
  const auto to = read_date(ctx.args, "--to", ctx.today);
  if (!to) return to.error();
  return StatisticsRequest{*view, *order, *from, *to};
}

int statistics_command(Context& ctx) {
  const auto request = statistics_request(ctx);
  if (!request) return refuse(ctx, request.error());
  const auto& [view_word, order, from, to] = *request;
  if (view_word == "tails") {
    const auto tails = statistics::tail_view(ctx.history, from, to);
    ctx.out << tails.count << '\n';
    for (int d = 0; d < 10; ++d)
      ctx.out << d << ',' << statistics::value_text(statistics::View::Tails, tails.tails[static_cast<std::size_t>(d)])
              << '\n';
    ctx.out << tails.average << '\n';
    return 0;
  }
  const auto view = view_word == "gaps" ? statistics::View::Gaps : statistics::View::Numbers;
  const auto numbers =
      statistics::number_view(ctx.history, from, to, view,
                              order == "value" ? statistics::Arrangement::ByValue : statistics::Arrangement::ByNumber);
  ctx.out << numbers.count << '\n';
  for (const auto& ball : numbers.positions)
    ctx.out << core::ball_text(ball.number) << ',' << statistics::value_text(view, ball.value) << '\n';
  ctx.out << numbers.average << '\n';
  return 0;
}

// --rules as rule_on 1..10: every rule when the option is not given.
core::Result<std::array<bool, statistics::kRules>> enabled_rules(const Context& ctx) {
  std::array<bool, statistics::kRules> on{};
  if (!ctx.args.has("--rules")) {
    on.fill(true);
    return on;
  }
  const auto rules = read_integer_list(ctx.args, "--rules", "", 1, statistics::kRules);
  if (!rules) return rules.error();
  for (const int rule : *rules) on[static_cast<std::size_t>(rule - 1)] = true;
  return on;
}

void print_cells(Context& ctx, const std::vector<statistics::CountCell>& cells, std::size_t first, std::size_t count) {
  std::string top, bottom;
  for (std::size_t p = first; p < first + count && p < cells.size(); ++p) {
    (top += p > first ? "," : "") += cells[p].top;
    (bottom += p > first ? "," : "") += cells[p].bottom;
  }
  ctx.out << top << '\n' << bottom << '\n';
}

// The number analysis window after its show event, with the rule window's choices.
struct NumberAnalysis {
  std::string recent;  // the count box
  statistics::NumberCounts counts;
  int run_length = 3;
  std::array<bool, statistics::kRules> rules{};
  trace::TraceExport rows;
  std::string title;  // the trace's
};

core::Result<NumberAnalysis> number_analysis(const Context& ctx) {
  const auto run = trace_from_options(ctx);
  if (!run) return run.error();
  NumberAnalysis analysis;
  analysis.rows = trace::export_trace(run->result, run->export_bound);
  analysis.title = run->result.title;
  analysis.recent = ctx.args.value_or("--recent", std::to_string(analysis.rows.rows.size()));
  auto counts = statistics::show_analysis(analysis.rows, analysis.recent, ctx.args.has("--sort"), run->table.max_ball);
  if (!counts) return counts.error();
  analysis.counts = std::move(*counts);
  const auto run_length = read_integer(ctx.args, "--run-length", 3);
  if (!run_length) return run_length.error();
  if (*run_length < 2 || *run_length > 5)
    return option_refusal(ctx.args, "--run-length", *ctx.args.value("--run-length"), "");
  analysis.run_length = *run_length;
  const auto rules = enabled_rules(ctx);
  if (!rules) return rules.error();
  analysis.rules = *rules;
  return analysis;
}

int number_analysis_command(Context& ctx) {
  const auto analysis = number_analysis(ctx);
  if (!analysis) return refuse(ctx, analysis.error());
  core::RuleSettings settings;
  core::reset_rule_settings(settings);
  statistics::define_rules(settings, analysis->rules, analysis->run_length);
  const auto outcome = statistics::run_rules(analysis->rows, settings, ctx.history.max_ball, analysis->title);

  ctx.out << analysis->recent << '\n';
  const auto& counts = analysis->counts;
  const auto per_grid = static_cast<std::size_t>(statistics::kGridPositions);
  print_cells(ctx, counts.numbers, 0, per_grid);
  print_cells(ctx, counts.numbers, per_grid, per_grid);
  print_cells(ctx, {counts.tails.begin(), counts.tails.end()}, 0, counts.tails.size());
  ctx.out << outcome.predictions << '\n';
  print_lines(ctx, outcome.memo);
  return 0;
}

constexpr std::string_view kViews[] = {"numbers", "tails", "gaps"};
constexpr std::string_view kCountOrders[] = {"value", "number"};
constexpr OptionSpec kStatisticsOptions[] = {
    {"--view", Takes::Value, "numbers|tails|gaps", "號碼統計, 尾數統計 or 遠星統計 (default numbers)", kViews},
    {"--order", Takes::Value, "value|number", "統計順序 or 號碼順序 (default value)", kCountOrders},
    {"--from", Takes::Value, "yyyy/mm/dd", "first day of the range (default 2002/01/01)", {}, kBadDateWording},
    {"--to", Takes::Value, "yyyy/mm/dd", "last day of the range (default today)", {}, kBadDateWording},
};

constexpr OptionSpec kNumberAnalysisOptions[] = {
    {"--recent", Takes::Value, "N", "count the last N trace rows (default all)"},
    {"--sort", Takes::Flag, "", "counts in sorted order"},
    {"--rules", Takes::Value, "LIST", "enabled rules 1..10, comma-separated (default all)"},
    {"--run-length", Takes::Value, "L", "run length 2..5 (default 3)", {}, "--run-length 必須是 2、3、4 或 5"},
};

}  // namespace

std::span<const CommandSpec> statistics_commands() {
  static const CommandSpec commands[] = {
      {"statistics", "the statistics window's number, tail or gap view", join({kStatisticsOptions}),
       statistics_command},
      {"number-analysis", "number analysis of a trace with the pattern rules",
       join({trace_options(), kNumberAnalysisOptions}), number_analysis_command, NotTakenWording::ThisCommand},
  };
  return commands;
}

}  // namespace cli
