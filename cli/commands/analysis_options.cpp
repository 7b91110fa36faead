#include "cli/commands/analysis_options.h"

#include <algorithm>
#include <vector>

#include "analysis/trace/trace_messages.h"
#include "cli/output.h"

namespace cli {
namespace {

using trace::TraceTab;

constexpr OptionSpec kTraceOptions[] = {
    {"--tab", Takes::Value, "T", "single|pair|triple|ascending|drawn|add|cycle (default single)"},
    {"--issue", Takes::Value, "Q", "the tab's issue box (default the newest issue)"},
    {"--number", Takes::Value, "X", "the number, pair (aa.bb) or triple (aa.bb.cc) box"},
    {"--position", Takes::Value, "P", "ascending, drawn: the position box 1..7 (default 1)"},
    {"--p1", Takes::Value, "P", "add: first position (default 1)"},
    {"--sign", Takes::Value, "加|減", "add: the sign box (default 加)"},
    {"--amount", Takes::Value, "K", "add: the amount (default 1)"},
    {"--p2", Takes::Value, "P", "add: second position (default 2)"},
    {"--step", Takes::Value, "C", "cycle: the step box (default 01)"},
    {"--distance", Takes::Value, "D", "the tab's distance (default: the next draw)"},
    {"--pin-number", Takes::Value, "X", "single: pinned mode with this number"},
    {"--pin-distance", Takes::Value, "D", "the pinned level's distance (default 0)"},
};

struct TabWord {
  std::string_view word;
  TraceTab tab;
};
constexpr TabWord kTabs[] = {{"single", TraceTab::Single}, {"pair", TraceTab::Pair},
                             {"triple", TraceTab::Triple}, {"ascending", TraceTab::Ascending},
                             {"drawn", TraceTab::Drawn},   {"add", TraceTab::Add},
                             {"cycle", TraceTab::Cycle}};

bool has_issue_box(TraceTab tab) { return tab != TraceTab::Add && tab != TraceTab::Cycle; }

// The trace options a tab reads (besides --tab), in alphabetical order.
std::vector<std::string_view> used_options(TraceTab tab) {
  switch (tab) {
    case TraceTab::Single: return {"--distance", "--issue", "--number", "--pin-distance", "--pin-number"};
    case TraceTab::Pair:
    case TraceTab::Triple: return {"--distance", "--issue", "--number"};
    case TraceTab::Ascending:
    case TraceTab::Drawn: return {"--distance", "--issue", "--number", "--position"};
    case TraceTab::Add: return {"--amount", "--distance", "--p1", "--p2", "--sign"};
    case TraceTab::Cycle: return {"--distance", "--issue", "--step"};
  }
  return {};
}

// The first (alphabetically) trace option given that the tab does not read.
std::optional<std::string> unused_option(const Args& args, TraceTab tab) {
  std::vector<std::string> unused;
  const auto used = used_options(tab);
  for (const auto& option : kTraceOptions)
    if (option.name != "--tab" && args.has(option.name) &&
        std::find(used.begin(), used.end(), option.name) == used.end())
      unused.emplace_back(option.name);
  if (unused.empty()) return std::nullopt;
  return *std::min_element(unused.begin(), unused.end());
}

std::optional<int> integer_option(Context& ctx, std::string_view name, int fallback) {
  const auto text = ctx.args.value(name);
  if (!text) return fallback;
  const auto value = trace::read_integer(*text);
  if (!value) return refused(ctx, value.error());
  return *value;
}

}  // namespace

std::span<const OptionSpec> trace_options() { return kTraceOptions; }

std::nullopt_t refused(Context& ctx, std::string_view message) {
  refuse(ctx, message);
  return std::nullopt;
}

std::nullopt_t refused(Context& ctx, const core::Error& error) { return refused(ctx, error.text); }

std::optional<TraceRun> trace_from_options(Context& ctx) {
  const std::string word = ctx.args.value_or("--tab", "single");
  const auto* tab = std::find_if(std::begin(kTabs), std::end(kTabs), [&](const TabWord& t) { return t.word == word; });
  if (tab == std::end(kTabs)) return refused(ctx, "--tab 必須是 single、pair、triple、ascending、drawn、add 或 cycle");
  TraceRun run{trace::make_trace_table(ctx.history), {}, std::string(trace::kExportAllRows)};
  const trace::TraceTable& table = run.table;
  trace::TraceBoxes boxes;
  boxes.tab = tab->tab;
  const int n = table.draw_count();
  const std::string issue = ctx.args.value_or("--issue", n > 0 ? table.issue(n) : std::string());
  int default_distance = 0;
  if (has_issue_box(boxes.tab)) {
    const auto s = trace::find_issue(table, issue);
    if (!s) return refused(ctx, trace::msg::unknown_issue(issue));
    boxes.number = trace::number_box(table, *s, boxes.tab).text;
    default_distance = trace::next_draw_distance(table, *s);
  }
  if (has_issue_box(boxes.tab) || boxes.tab == TraceTab::Cycle) run.export_issue = issue;
  boxes.issue = issue;
  boxes.number = ctx.args.value_or("--number", boxes.number);
  boxes.position = ctx.args.value_or("--position", boxes.position);
  boxes.p1 = ctx.args.value_or("--p1", boxes.p1);
  boxes.sign = ctx.args.value_or("--sign", boxes.sign);
  boxes.amount = ctx.args.value_or("--amount", boxes.amount);
  boxes.p2 = ctx.args.value_or("--p2", boxes.p2);
  boxes.step = ctx.args.value_or("--step", boxes.step);

  if (const auto positions = trace::check_trace_positions(boxes); !positions) return refused(ctx, positions.error());
  const auto distance = integer_option(ctx, "--distance", default_distance);
  if (!distance) return std::nullopt;
  if (const auto read = trace::read_trace_boxes(boxes); !read) return refused(ctx, read.error());
  const auto pin_distance = integer_option(ctx, "--pin-distance", 0);
  if (!pin_distance) return std::nullopt;
  if (ctx.args.has("--pin-distance") && !ctx.args.has("--pin-number"))
    return refused(ctx, "--pin-distance 只能與 --pin-number 一起使用");
  if (const auto unused = unused_option(ctx.args, boxes.tab))
    return refused(ctx, "選項 " + *unused + " 不適用於此命令");

  auto first = trace::trace_tab(table, boxes, *distance, trace::all_draws(table));
  if (const auto pin = ctx.args.value("--pin-number")) {
    trace::TraceBoxes pinned;
    pinned.number = *pin;
    first = trace::trace_tab(table, pinned, *pin_distance, first->trace_list);
  }
  if (!first) return refused(ctx, first.error());
  run.result = std::move(*first);
  return run;
}

std::optional<core::Date> date_option(Context& ctx, std::string_view name, std::string_view fallback) {
  const std::string text = ctx.args.value_or(name, fallback);
  const auto date = core::parse_date(text);
  if (!date) refuse(ctx, "日期格式錯誤: " + text);
  return date;
}

}  // namespace cli
