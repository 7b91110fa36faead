// The workbench commands of vantor39-cli: each prints exactly the lines the
// corresponding memo, grid or labels of the best-pillars window would show.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_table.h"
#include "cli/period_options.h"
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

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

void print_lines(Context& ctx, const std::vector<std::string>& lines) {
  for (const auto& line : lines) ctx.out << line << '\n';
}

int refuse(Context& ctx, std::string_view message) {
  ctx.err << message << '\n';
  return 1;
}

int period_command(Context& ctx) {
  const auto period = period_from_options(ctx);
  if (!period) return 1;
  ctx.out << period->title << '\n';
  print_lines(ctx, period->lines);
  return 0;
}

int stats_command(Context& ctx) {
  const auto period = period_from_options(ctx);
  if (!period) return 1;
  const auto stats = pillars::run_statistics(period->lines, ctx.history.max_ball);
  if (!stats.ok()) return refuse(ctx, stats.error());
  for (const auto& column : stats->numbers.sga1) ctx.out << column.top << ',' << column.bottom << '\n';
  for (const auto& column : stats->numbers.sga2) ctx.out << column.top << ',' << column.bottom << '\n';
  for (const auto& column : stats->tails.sgaT) ctx.out << column.top << ',' << column.bottom << '\n';
  return 0;
}

int hot_command(Context& ctx) {
  const std::string k = ctx.args.value("--k").value_or("2");
  if (k != "2" && k != "3" && k != "4") return refuse(ctx, "--k 必須是 2、3 或 4");
  const auto period = period_from_options(ctx);
  if (!period) return 1;
  const auto stats = pillars::run_statistics(period->lines, ctx.history.max_ball);
  if (!stats.ok()) return refuse(ctx, stats.error());
  const auto& keys = k == "2" ? stats->keys.pair_keys
                     : k == "3" ? stats->keys.triple_keys
                                : stats->keys.quad_keys;
  print_lines(ctx, pillars::get_allno(keys, period->lines).memo_lines);
  return 0;
}

// The selection the number boxes would hold after checking the listed numbers.
std::optional<std::vector<std::string>> selected_numbers(Context& ctx, std::string_view list) {
  const int max_ball = ctx.history.max_ball;
  pillars::NumberBoxes checked{};
  for (const auto& text : split(list, ',')) {
    const auto n = core::to_int(text);
    if (!n || *n < 1 || *n > std::min<int>(max_ball, checked.size())) {
      ctx.err << pillars::msg::not_a_ball(text) << '\n';
      return std::nullopt;
    }
    checked[*n - 1] = true;
  }
  return pillars::rebuild_selection(checked, max_ball).sel_no;
}

int lenpon_command(Context& ctx) {
  const auto list = ctx.args.value("--numbers");
  if (!list) return refuse(ctx, pillars::msg::kLenponSelectionSize);
  const auto sel_no = selected_numbers(ctx, *list);
  if (!sel_no) return 1;
  const auto period = period_from_options(ctx);
  if (!period) return 1;
  const auto report = pillars::lenpon_report(period->lines, period->lines, *sel_no,
                                             !ctx.args.has("--no-detail"), period->title);
  if (!report.ok()) return refuse(ctx, report.error());
  print_lines(ctx, report->memo3);
  return 0;
}

int cost_command(Context& ctx) {
  const auto sizes = split(ctx.args.value("--sizes").value_or("2,2,2,2"), ',');
  const auto change = pillars::CB_SelectChange(std::to_string(sizes.size()), sizes);
  if (!change.ok()) return refuse(ctx, change.error());
  const auto labels = pillars::cost_labels(change->layout);
  print_lines(ctx, {labels.lb_pon2, labels.lb_pon3, labels.lb_pon4, labels.lb_tot, labels.lb_NOTT});
  return 0;
}

// "05,12/23,30/..." as the pillar memos' lines; an empty pillar has no line.
std::vector<std::vector<std::string>> pillar_memos(std::string_view text) {
  std::vector<std::vector<std::string>> memos;
  for (const auto& pillar : split(text, '/'))
    memos.push_back(pillar.empty() ? std::vector<std::string>{} : split(pillar, ','));
  return memos;
}

int verify_command(Context& ctx) {
  const auto text = ctx.args.value("--pillars");
  if (!text) return refuse(ctx, pillars::msg::kPillarCountOutOfRange);
  const auto memos = pillar_memos(*text);
  std::vector<std::string> size_texts;
  for (const auto& memo : memos) size_texts.push_back(std::to_string(memo.size()));
  const auto change = pillars::CB_SelectChange(std::to_string(memos.size()), size_texts);
  if (!change.ok()) return refuse(ctx, change.error());
  const auto period = period_from_options(ctx);
  if (!period) return 1;
  const auto pillars_in = pillars::read_pillar_memos({}, memos, change->pillar_count);
  pillars::PillarReportInput in;
  in.memo1_count = period->lines.size();
  in.memo2 = period->lines;
  in.pillar_no = &pillars_in.pillar_no;
  in.lengths = pillars_in.lengths;
  in.pillar_count = change->pillar_count;
  in.pillar_size = change->layout.pillar_size;
  in.cost = change->layout.cost;
  in.period_title = period->title;
  print_lines(ctx, pillars::pillar_report(in).memo2);
  return 0;
}

}  // namespace

const std::vector<NamedCommand>& workbench_commands() {
  static const std::vector<NamedCommand> commands{
      {"period", period_command, "period [period options]: the period title and lines"},
      {"stats", stats_command, "stats [period options]: numbers and tails in frequency order"},
      {"hot", hot_command, "hot --k 2|3|4 [period options]: hot combinations"},
      {"lenpon", lenpon_command,
       "lenpon --numbers 05,11,17,23 [--no-detail] [period options]: full-combination report"},
      {"cost", cost_command, "cost --sizes 2,2,2,2: pillar cost labels"},
      {"verify", verify_command,
       "verify --pillars 05,12/23,30/07,33/01,18 [period options]: pillar verification report"},
  };
  return commands;
}

}  // namespace cli
