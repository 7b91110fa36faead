#include "cli/commands/analysis_options.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "analysis/trace/trace_messages.h"

namespace cli {
namespace {

using trace::TraceTab;

struct TabWord {
  std::string_view word;
  TraceTab tab;
};
constexpr TabWord kTabs[] = {{"single", TraceTab::Single}, {"pair", TraceTab::Pair},
                             {"triple", TraceTab::Triple}, {"ascending", TraceTab::Ascending},
                             {"drawn", TraceTab::Drawn},   {"add", TraceTab::Add},
                             {"cycle", TraceTab::Cycle}};
constexpr auto kTabWords = choice_words(kTabs);

constexpr OptionSpec kTraceOptions[] = {
    {"--tab", Takes::Value, "T", "single|pair|triple|ascending|drawn|add|cycle (default single)", kTabWords},
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

}  // namespace

std::span<const OptionSpec> trace_options() { return kTraceOptions; }

core::Result<TraceRun> trace_from_options(const Context& ctx) {
  const auto tab_word = read_choice(ctx.args, "--tab", "single");
  if (!tab_word) return tab_word.error();
  TraceRun run{trace::make_trace_table(ctx.history), {}, trace::ExportBound::all_rows()};
  const trace::TraceTable& table = run.table;
  trace::TraceBoxes boxes;
  boxes.tab = choice_entry(kTabs, *tab_word).tab;
  const int n = table.draw_count();
  const std::string issue = ctx.args.value_or("--issue", n > 0 ? table.issue(n) : std::string());
  int default_distance = 0;
  if (has_issue_box(boxes.tab)) {
    const auto s = trace::find_issue(table, issue);
    if (!s) return core::Error::error(trace::msg::unknown_issue(issue));
    boxes.number = trace::number_box(table, *s, boxes.tab).text;
    default_distance = trace::next_draw_distance(table, *s);
  }
  if (has_issue_box(boxes.tab) || boxes.tab == TraceTab::Cycle) run.export_bound = trace::ExportBound::up_to(issue);
  boxes.issue = issue;
  boxes.number = ctx.args.value_or("--number", boxes.number);
  boxes.position = ctx.args.value_or("--position", boxes.position);
  boxes.p1 = ctx.args.value_or("--p1", boxes.p1);
  boxes.sign = ctx.args.value_or("--sign", boxes.sign);
  boxes.amount = ctx.args.value_or("--amount", boxes.amount);
  boxes.p2 = ctx.args.value_or("--p2", boxes.p2);
  boxes.step = ctx.args.value_or("--step", boxes.step);

  if (const auto positions = trace::check_trace_positions(boxes); !positions) return positions.error();
  const auto distance = read_integer(ctx.args, "--distance", default_distance);
  if (!distance) return distance.error();
  if (const auto read = trace::read_trace_boxes(boxes); !read) return read.error();
  const auto pin_distance = read_integer(ctx.args, "--pin-distance", 0);
  if (!pin_distance) return pin_distance.error();
  if (ctx.args.has("--pin-distance") && !ctx.args.has("--pin-number"))
    return core::Error::error("--pin-distance 只能與 --pin-number 一起使用");
  if (const auto unused = unused_option(ctx.args, boxes.tab))
    return core::Error::error("選項 " + *unused + " 不適用於此命令");

  auto traced = trace::trace_tab(table, boxes, *distance, trace::all_draws(table));
  if (traced) {
    if (const auto pin = ctx.args.value("--pin-number")) {
      trace::TraceBoxes pinned;
      pinned.number = *pin;
      traced = trace::trace_tab(table, pinned, *pin_distance, traced->trace_list);
    }
  }
  if (!traced) return traced.error();
  run.result = std::move(*traced);
  return run;
}

}  // namespace cli
