// The moving command of vantor39-cli: the grid, the notes sentences or the rule title of
// the moving-pattern window for the settings given.
#include <algorithm>
#include <string>

#include "analysis/moving/moving_pattern.h"
#include "analysis/moving/moving_rule_texts.h"
#include "cli/commands/analysis_options.h"
#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/ball_order.h"
#include "core/numbers.h"

namespace cli {

moving::RuleTexts moving_rule_texts(const Args& args) {
  moving::RuleTexts texts;
  texts.position = args.value_or("--position", "1");
  texts.average_of = args.value("--average-of");
  texts.look_back = args.value_or("--look-back", "1");
  texts.amounts = args.value_or("--amounts", "+0");
  return texts;
}

constexpr std::string_view kDrawnFirst[] = {"drawn", "sorted"};
constexpr OptionSpec kMovingRuleOptions[] = {
    {"--ball-order", Takes::Value, "drawn|sorted", "balls as drawn (落球, default) or ascending (順球)", kDrawnFirst},
    {"--position", Takes::Value, "1..5|average", "the ball the rule reads (default 1), or the average of three"},
    {"--average-of", Takes::Value, "P1,P2,P3", "the three positions averaged (default 1,2,3)"},
    {"--look-back", Takes::Value, "K", "read the draw K places back (default 1)"},
    {"--amounts", Takes::Value, "A1[,A2[,A3]]", "one to three amounts, - subtracts (default +0)"},
};

std::span<const OptionSpec> moving_rule_options() { return kMovingRuleOptions; }

namespace {

// What the moving window shows for the options: which view, in which ball order, of which rule.
struct MovingRequest {
  std::string_view show;
  core::BallOrder order = core::BallOrder::Drawn;
  moving::MovingBoxes boxes;
  moving::MovingRule rule;
};

core::Result<MovingRequest> moving_request(const Context& ctx) {
  MovingRequest request;
  const auto show = read_choice(ctx.args, "--show", "grid");
  if (!show) return show.error();
  request.show = *show;
  const auto order = read_choice(ctx.args, "--ball-order", "drawn");
  if (!order) return order.error();
  request.order = *order == "sorted" ? core::BallOrder::Sorted : core::BallOrder::Drawn;

  auto read = moving::read_rule_texts(moving_rule_texts(ctx.args), request.order);
  if (!read) return read.error();
  request.boxes = std::move(read->boxes);
  request.rule = std::move(read->rule);
  return request;
}

int moving_command(Context& ctx) {
  const auto request = moving_request(ctx);
  if (!request) return refuse(ctx, request.error());
  if (request->show == "title") {
    ctx.out << moving::moving_title(request->boxes, request->order) << '\n';
    return 0;
  }
  const auto pattern = moving::moving_pattern(ctx.history, request->rule);
  if (!pattern) return refuse(ctx, pattern.error());
  if (request->show == "grid") print_grid(ctx, pattern->sgl);
  else print_lines(ctx, moving::detail_lines(*pattern));
  return 0;
}

constexpr std::string_view kShows[] = {"grid", "detail", "title"};
constexpr OptionSpec kShowOption[] = {
    {"--show", Takes::Value, "grid|detail|title", "the grid (default), the notes sentences or the rule title", kShows},
};

const CommandSpec kMovingCommands[] = {
    {"moving", "the moving-pattern grid, notes or title", join({moving_rule_options(), kShowOption}), moving_command},
};

}  // namespace

std::span<const CommandSpec> moving_commands() { return kMovingCommands; }

}  // namespace cli
