// The trace commands of vantor39-cli: each prints what the trace window, its two-of-one,
// three-of-one and sorted displays or the trace summary chart would show.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "analysis/trace/choice_ranking.h"
#include "analysis/trace/choice_view.h"
#include "analysis/trace/sorted_grid.h"
#include "analysis/trace/trace_chart.h"
#include "cli/chart_pictures.h"
#include "cli/commands/analysis_options.h"
#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/join.h"

namespace cli {
namespace {

int trace_command(Context& ctx) {
  const auto run = trace_from_options(ctx);
  if (!run) return refuse(ctx, run.error());
  ctx.out << run->result.label << '\n' << run->result.title << '\n';
  print_lines(ctx, trace::text_form(run->result.grid, run->table.max_ball));
  return 0;
}

// The two-of-one (size 2) or three-of-one (size 3) window after its show event and,
// with --pick, the box change.
int choice_command(Context& ctx, int size) {
  const auto run = trace_from_options(ctx);
  if (!run) return refuse(ctx, run.error());
  const trace::TraceResult& shown = run->result;
  const int max_ball = run->table.max_ball;
  const auto ranked =
      size == 2 ? trace::rank_pairs(shown.row_marks, max_ball) : trace::rank_triples(shown.row_marks, max_ball);
  const auto items = trace::choice_items(ranked, size == 2 ? trace::kPairItems : trace::kTripleItems);
  const std::string first = items.empty() ? std::string() : items.front();
  auto view = trace::open_choice_view(shown.grid, shown.trace_row_count(), size, max_ball, first);
  const auto pick = ctx.args.value("--pick");
  if (pick) trace::pick_choice(view, shown.grid, shown.trace_row_count(), max_ball, *pick);
  print_lines(ctx, {pick.value_or(first), view.trace_rows, view.hit_rows, view.numbers_drawn, core::join(items)});
  for (int r = 0; r < view.grid.rows(); ++r) ctx.out << core::join(view.grid.row(r)) << '\n';
  return 0;
}

int pairs_command(Context& ctx) { return choice_command(ctx, 2); }
int triples_command(Context& ctx) { return choice_command(ctx, 3); }

int sorted_command(Context& ctx) {
  const auto run = trace_from_options(ctx);
  if (!run) return refuse(ctx, run.error());
  const int max_ball = run->table.max_ball;
  print_lines(ctx, trace::text_form(trace::sorted_grid(run->result.grid, run->result.keys, max_ball), max_ball));
  return 0;
}

constexpr OptionSpec kPickOption[] = {
    {"--pick", Takes::Value, "TEXT", "the box text as typed (default the first item)"}};

// Code points of a UTF-8 text: the length a box's character limit counts.
std::size_t characters(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// The ticked boxes 1..count of a list option (index 0 unused).
core::Result<std::vector<bool>> ticks(const Context& ctx, std::string_view option, std::string_view fallback,
                                      int count) {
  const auto items = read_integer_list(ctx.args, option, fallback, 1, count);
  if (!items) return items.error();
  std::vector<bool> ticked(static_cast<std::size_t>(count) + 1);
  for (const int item : *items) ticked[static_cast<std::size_t>(item)] = true;
  return ticked;
}

struct QueryKindWord {
  std::string_view word;
  trace::ChartQueryKind kind;
  std::size_t limit;  // characters of the box, or of each positional field
};
constexpr QueryKindWord kQueryKinds[] = {{"numbers", trace::ChartQueryKind::Numbers, 6},
                                         {"tails", trace::ChartQueryKind::Tails, 4},
                                         {"positions", trace::ChartQueryKind::Positions, 2},
                                         {"position-tails", trace::ChartQueryKind::PositionTails, 1}};
constexpr auto kQueryWords = choice_words(kQueryKinds);
constexpr std::string_view kQueryOrders[] = {"drawn", "ascending"};

// The query boxes from --query, --query-text and --order.
core::Result<trace::ChartQuery> chart_query(const Context& ctx) {
  const auto kind_word = read_choice(ctx.args, "--query", "");
  if (!kind_word) return kind_word.error();
  const QueryKindWord& kind = choice_entry(kQueryKinds, *kind_word);
  const auto order = read_choice(ctx.args, "--order", "drawn");
  if (!order) return order.error();
  trace::ChartQuery query{kind.kind, ctx.args.value_or("--query-text", ""), {}, *order == "ascending"};
  if (!query.positional()) {
    if (characters(query.text) <= kind.limit) return query;
    return core::Error::error("查詢文字超過 " + std::to_string(kind.limit) + " 個字: " + query.text);
  }
  const auto fields = split(query.text, ',');
  const bool fits =
      fields.size() == query.fields.size() &&
      std::all_of(fields.begin(), fields.end(), [&](const auto& f) { return characters(f) <= kind.limit; });
  if (!fits)
    return core::Error::error("定位查詢必須是五個以逗號分隔、每個至多 " + std::to_string(kind.limit) +
                              " 個字的欄位: " + query.text);
  std::copy(fields.begin(), fields.end(), query.fields.begin());
  return query;
}

// The chart window's controls from the options, checked in the documented order.
core::Result<trace::ChartSettings> chart_settings(const Context& ctx) {
  trace::ChartSettings settings;
  const auto from = read_date(ctx.args, "--from", "2005/01/01");
  if (!from) return from.error();
  const auto to = read_date(ctx.args, "--to", ctx.today);
  if (!to) return to.error();
  settings.from = *from;
  settings.to = *to;
  if (ctx.args.value_or("--next", "1").empty()) return core::Error::error("--next 至少要勾選一個期數");
  const auto next = ticks(ctx, "--next", "1", trace::kChartDistances);
  if (!next) return next.error();
  const auto levels = ticks(ctx, "--levels", "1", trace::kChartLevels);
  if (!levels) return levels.error();
  for (std::size_t k = 0; k < settings.next.size(); ++k) settings.next[k] = (*next)[k + 1];
  for (std::size_t l = 0; l < settings.levels.size(); ++l) settings.levels[l] = (*levels)[l + 1];
  settings.sorted = !ctx.args.has("--unsorted");
  const bool query = ctx.args.has("--query");
  if (query && ctx.args.has("--levels")) return core::Error::error("--levels 不能與 --query 一起使用");
  for (const char* option : {"--query-text", "--order"})
    if (!query && ctx.args.has(option)) return core::Error::error(std::string(option) + " 只適用於 --query");
  if (query) {
    const auto chosen = chart_query(ctx);
    if (!chosen) return chosen.error();
    settings.query = *chosen;
  }
  return settings;
}

void print_bars(Context& ctx, const std::string& title, const std::vector<trace::Bar>& bars) {
  if (!title.empty()) ctx.out << title << '\n';
  for (const auto& bar : bars) ctx.out << bar.label << ',' << bar.value << '\n';
}

int chart_command(Context& ctx) {
  const auto settings = chart_settings(ctx);
  if (!settings) return refuse(ctx, settings.error());
  const auto data = trace::run_chart(trace::make_trace_table(ctx.history), *settings, ctx.history.game_name);
  if (const auto png = ctx.args.value("--png")) {
    for (const std::string& file : chart_picture_files(*png))
      if (const core::Status free = refuse_own_output(ctx.args, file); !free) return refuse(ctx, free.error());
    if (const core::Status drawn = draw_chart_pictures(data, *png); !drawn) return refuse(ctx, drawn.error());
  }
  ctx.out << data.period_draws << '\n';
  print_bars(ctx, data.number_title, data.numbers);
  print_bars(ctx, data.tail_title, data.tails);
  print_bars(ctx, data.head_title, data.heads);
  print_lines(ctx, data.resembling_draws);
  print_lines(ctx, data.following_draws);
  print_lines(ctx, data.messages);
  return 0;
}

constexpr OptionSpec kChartOptions[] = {
    {"--from", Takes::Value, "yyyy/mm/dd", "first day of the period (default 2005/01/01)", {}, kBadDateWording},
    {"--to", Takes::Value, "yyyy/mm/dd", "last day of the period (default today)", {}, kBadDateWording},
    {"--next", Takes::Value, "LIST", "distances 1..12, comma-separated (default 1)"},
    {"--unsorted", Takes::Flag, "", "bars in item order"},
    {"--levels", Takes::Value, "LIST", "summary levels 1..3, comma-separated (default 1)"},
    {"--query", Takes::Value, "KIND", "numbers|tails|positions|position-tails", kQueryWords},
    {"--query-text", Takes::Value, "TEXT", "the query box text (positional: five fields a,b,c,d,e)"},
    {"--order", Takes::Value, "O", "positional queries: drawn|ascending (default drawn)", kQueryOrders},
    {"--png", Takes::Value, "FILE",
     "PNG pictures of the number, head and tail charts as the window saves them: FILE, FILE-heads.png, "
     "FILE-tails.png (out.png: out.png, out-heads.png, out-tails.png)"},
};

}  // namespace

std::span<const CommandSpec> trace_commands() {
  static const CommandSpec commands[] = {
      {"trace", "a trace: its label, title and grid", join({trace_options()}), trace_command,
       NotTakenWording::ThisCommand},
      {"trace-pairs", "two-of-one: the pairs covering most trace rows", join({trace_options(), kPickOption}),
       pairs_command, NotTakenWording::ThisCommand},
      {"trace-triples", "three-of-one: the triples covering most trace rows", join({trace_options(), kPickOption}),
       triples_command, NotTakenWording::ThisCommand},
      {"trace-sorted", "the trace grid with its columns by total", join({trace_options()}), sorted_command,
       NotTakenWording::ThisCommand},
      {"trace-chart", "trace summary chart: bar series, titles, detail memos", join({kChartOptions}), chart_command,
       NotTakenWording::ThisCommand},
  };
  return commands;
}

}  // namespace cli
