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
#include "core/numbers.h"

namespace cli {
namespace {

int statistics_command(Context& ctx) {
  const std::string view_word = ctx.args.value_or("--view", "numbers");
  if (view_word != "numbers" && view_word != "tails" && view_word != "gaps")
    return refuse(ctx, "--view 必須是 numbers、tails 或 gaps");
  const std::string order = ctx.args.value_or("--order", "value");
  if (order != "value" && order != "number") return refuse(ctx, "--order 必須是 value 或 number");
  const auto from = date_option(ctx, "--from", "2002/01/01");
  if (!from) return kRefused;
  const auto to = date_option(ctx, "--to", ctx.today);
  if (!to) return kRefused;
  if (view_word == "tails") {
    const auto tails = statistics::tail_view(ctx.history, *from, *to);
    ctx.out << tails.count << '\n';
    for (int d = 0; d < 10; ++d)
      ctx.out << d << ',' << statistics::value_text(statistics::View::Tails, tails.tails[static_cast<std::size_t>(d)])
              << '\n';
    ctx.out << tails.average << '\n';
    return 0;
  }
  const auto view = view_word == "gaps" ? statistics::View::Gaps : statistics::View::Numbers;
  const auto numbers =
      statistics::number_view(ctx.history, *from, *to, view,
                              order == "value" ? statistics::Arrangement::ByValue : statistics::Arrangement::ByNumber);
  ctx.out << numbers.count << '\n';
  for (const auto& ball : numbers.positions)
    ctx.out << core::ball_text(ball.number) << ',' << statistics::value_text(view, ball.value) << '\n';
  ctx.out << numbers.average << '\n';
  return 0;
}

// --rules as rule_on 1..10; refused on an item that is not 1..10.
std::optional<std::array<bool, statistics::kRules>> enabled_rules(Context& ctx) {
  std::array<bool, statistics::kRules> on{};
  const auto list = ctx.args.value("--rules");
  if (!list) on.fill(true);
  if (!list || list->empty()) return on;
  for (const auto& item : split(*list, ',')) {
    const auto rule = core::to_int_strict(item);
    if (!rule || *rule < 1 || *rule > statistics::kRules)
      return refused(ctx, "--rules 的項目必須是 1 到 10 的整數: " + item);
    on[static_cast<std::size_t>(*rule - 1)] = true;
  }
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

int number_analysis_command(Context& ctx) {
  const auto run = trace_from_options(ctx);
  if (!run) return kRefused;
  const trace::TraceExport rows = trace::export_trace(run->result, run->export_issue);
  const std::string recent = ctx.args.value_or("--recent", std::to_string(rows.rows.size()));
  const auto counts = statistics::show_analysis(rows, recent, ctx.args.has("--sort"), run->table.max_ball);
  if (!counts) return refuse(ctx, counts.error());
  const auto run_length = core::to_int_strict(ctx.args.value_or("--run-length", "3"));
  if (!run_length || *run_length < 2 || *run_length > 5) return refuse(ctx, "--run-length 必須是 2、3、4 或 5");
  const auto rules = enabled_rules(ctx);
  if (!rules) return kRefused;
  statistics::define_rules(ctx.history, *rules, *run_length);
  const auto outcome = statistics::run_rules(rows, ctx.history, run->result.title);

  ctx.out << recent << '\n';
  const auto per_grid = static_cast<std::size_t>(statistics::kGridPositions);
  print_cells(ctx, counts->numbers, 0, per_grid);
  print_cells(ctx, counts->numbers, per_grid, per_grid);
  print_cells(ctx, {counts->tails.begin(), counts->tails.end()}, 0, counts->tails.size());
  ctx.out << outcome.ed_result << '\n';
  print_lines(ctx, outcome.memo);
  return 0;
}

constexpr OptionSpec kStatisticsOptions[] = {
    {"--view", Takes::Value, "numbers|tails|gaps", "號碼統計, 尾數統計 or 遠星統計 (default numbers)"},
    {"--order", Takes::Value, "value|number", "統計順序 or 號碼順序 (default value)"},
    {"--from", Takes::Value, "yyyy/mm/dd", "first day of the range (default 2002/01/01)"},
    {"--to", Takes::Value, "yyyy/mm/dd", "last day of the range (default today)"},
};

constexpr OptionSpec kNumberAnalysisOptions[] = {
    {"--recent", Takes::Value, "N", "count the last N trace rows (default all)"},
    {"--sort", Takes::Flag, "", "counts in sorted order"},
    {"--rules", Takes::Value, "LIST", "enabled rules 1..10, comma-separated (default all)"},
    {"--run-length", Takes::Value, "L", "run length 2..5 (default 3)"},
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
