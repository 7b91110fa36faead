// The workbench commands of vantor39-cli: each prints exactly the lines the
// corresponding memo, grid or labels of the best-pillars window would show.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands/commands.h"
#include "cli/commands/period_options.h"
#include "cli/output.h"
#include "core/numbers.h"
#include "pillars/hot_combinations.h"
#include "pillars/lenpon.h"
#include "pillars/messages.h"
#include "pillars/pillar_cost.h"
#include "pillars/pillar_report.h"
#include "pillars/selection.h"
#include "pillars/statistics.h"

namespace cli {
namespace {

core::Result<std::vector<std::string>> period_lines(const Context& ctx) {
  auto period = period_from_options(ctx);
  if (!period) return period.error();
  period->lines.insert(period->lines.begin(), period->title);
  return std::move(period->lines);
}

// The period the options select, with its frequency tables.
struct CountedPeriod {
  PeriodSelection period;
  pillars::Statistics stats;
};

core::Result<CountedPeriod> counted_period(const Context& ctx) {
  auto period = period_from_options(ctx);
  if (!period) return period.error();
  auto stats = pillars::run_statistics(period->lines, ctx.history.max_ball);
  if (!stats.ok()) return stats.error();
  return CountedPeriod{std::move(*period), std::move(*stats)};
}

// Numbers, then tails, in frequency order: "number,count".
core::Result<std::vector<std::string>> stats_lines(const Context& ctx) {
  const auto counted = counted_period(ctx);
  if (!counted) return counted.error();
  const auto& stats = counted->stats;
  std::vector<std::string> lines;
  for (const auto* columns : {&stats.numbers.sga1, &stats.numbers.sga2, &stats.tails.sgaT})
    for (const auto& column : *columns) lines.push_back(column.top + ',' + column.bottom);
  return lines;
}

core::Result<std::vector<std::string>> hot_lines(const Context& ctx) {
  const auto k = read_choice(ctx.args, "--k", "2");
  if (!k) return k.error();
  const auto counted = counted_period(ctx);
  if (!counted) return counted.error();
  const auto& keys = counted->stats.keys;
  const auto& k_keys = *k == "2" ? keys.pair_keys : *k == "3" ? keys.triple_keys : keys.quad_keys;
  return pillars::get_allno(k_keys, counted->period.lines).memo_lines;
}

// The selection the number boxes would hold after checking the listed numbers.
core::Result<std::vector<std::string>> selected_numbers(const Context& ctx, std::string_view list) {
  const int max_ball = ctx.history.max_ball;
  pillars::NumberBoxes checked{};
  for (const auto& text : split(list, ',')) {
    const auto n = core::to_int(text);
    if (!n || *n < 1 || *n > std::min<int>(max_ball, checked.size()))
      return core::Error::error(pillars::msg::not_a_ball(text));
    checked[*n - 1] = true;
  }
  return pillars::rebuild_selection(checked, max_ball).sel_no;
}

core::Result<std::vector<std::string>> lenpon_lines(const Context& ctx) {
  const auto list = ctx.args.value("--numbers");
  if (!list) return core::Error::error(std::string(pillars::msg::kLenponSelectionSize));
  const auto sel_no = selected_numbers(ctx, *list);
  if (!sel_no) return sel_no.error();
  const auto period = period_from_options(ctx);
  if (!period) return period.error();
  auto report = pillars::lenpon_report(period->lines, period->lines, *sel_no, !ctx.args.has("--no-detail"),
                                       period->title);
  if (!report.ok()) return report.error();
  return std::move(report->lines);
}

core::Result<std::vector<std::string>> cost_lines(const Context& ctx) {
  const auto sizes = split(ctx.args.value_or("--sizes", "2,2,2,2"), ',');
  const auto change = pillars::pillar_count_change(std::to_string(sizes.size()), sizes);
  if (!change.ok()) return change.error();
  const auto labels = pillars::cost_labels(change->layout);
  return std::vector<std::string>{labels.two_star, labels.three_star, labels.four_star, labels.all_bets, labels.number_total};
}

// "05,12/23,30/..." as the pillar memos' lines; an empty pillar has no line.
std::vector<std::vector<std::string>> pillar_memos(std::string_view text) {
  std::vector<std::vector<std::string>> memos;
  for (const auto& pillar : split(text, '/'))
    memos.push_back(pillar.empty() ? std::vector<std::string>{} : split(pillar, ','));
  return memos;
}

core::Result<std::vector<std::string>> verify_lines(const Context& ctx) {
  const auto text = ctx.args.value("--pillars");
  if (!text) return core::Error::error(std::string(pillars::msg::kPillarCountOutOfRange));
  const auto memos = pillar_memos(*text);
  std::vector<std::string> size_texts;
  for (const auto& memo : memos) size_texts.push_back(std::to_string(memo.size()));
  const auto change = pillars::pillar_count_change(std::to_string(memos.size()), size_texts);
  if (!change.ok()) return change.error();
  const auto period = period_from_options(ctx);
  if (!period) return period.error();
  const pillars::PillarTable no_previous;
  const auto pillars_in = pillars::read_pillar_memos(no_previous, memos, change->pillar_count);
  pillars::PillarReportInput in;
  in.checked_lines = period->lines.size();
  in.report_lines = period->lines;
  in.table = &pillars_in.pillar_no;
  in.lengths = pillars_in.lengths;
  in.pillar_count = change->pillar_count;
  in.pillar_size = change->layout.pillar_size;
  in.cost = change->layout.cost;
  in.period_title = period->title;
  return pillars::pillar_report(in).lines;
}

int period_command(Context& ctx) { return print_or_refuse(ctx, period_lines(ctx)); }
int stats_command(Context& ctx) { return print_or_refuse(ctx, stats_lines(ctx)); }
int hot_command(Context& ctx) { return print_or_refuse(ctx, hot_lines(ctx)); }
int lenpon_command(Context& ctx) { return print_or_refuse(ctx, lenpon_lines(ctx)); }
int cost_command(Context& ctx) { return print_or_refuse(ctx, cost_lines(ctx)); }
int verify_command(Context& ctx) { return print_or_refuse(ctx, verify_lines(ctx)); }

constexpr std::string_view kKs[] = {"2", "3", "4"};
constexpr OptionSpec kHotOptions[] = {
    {"--k", Takes::Value, "2|3|4", "combinations of 2, 3 or 4 numbers (default 2)", kKs}};
constexpr OptionSpec kLenponOptions[] = {
    {"--numbers", Takes::Value, "N1,N2,...", "the selected numbers (2 to 30)"},
    {"--no-detail", Takes::Flag, "", "leave out the per-draw lines"},
};
constexpr OptionSpec kCostOptions[] = {{"--sizes", Takes::Value, "S1,S2,...", "pillar sizes (default 2,2,2,2)"}};
constexpr OptionSpec kVerifyOptions[] = {
    {"--pillars", Takes::Value, "05,12/23,30/...", "the pillars' numbers, pillars separated by /"}};

const CommandSpec kPillarsCommands[] = {
    {"period", "the period title and lines", join({period_options()}), period_command},
    {"stats", "numbers and tails in frequency order", join({period_options()}), stats_command},
    {"hot", "hot combinations of the period", join({kHotOptions, period_options()}), hot_command},
    {"lenpon", "full-combination report of the selected numbers", join({kLenponOptions, period_options()}),
     lenpon_command},
    {"cost", "pillar cost labels", join({kCostOptions}), cost_command},
    {"verify", "pillar verification report", join({kVerifyOptions, period_options()}), verify_command},
};

}  // namespace

std::span<const CommandSpec> pillars_commands() { return kPillarsCommands; }

}  // namespace cli
