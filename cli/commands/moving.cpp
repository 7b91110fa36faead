// The moving command of vantor39-cli: the grid, the notes sentences or the rule title of
// the moving-pattern window for the settings given.
#include <algorithm>
#include <string>

#include "analysis/moving/moving_pattern.h"
#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/ball_order.h"
#include "core/numbers.h"

namespace cli {
namespace {

// An amount box's text: digits that make an int.
bool is_amount(const std::string& digits) {
  return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos &&
         core::to_int_strict(digits).has_value();
}

// Fills the sign and amount boxes from --amounts items ("+5", "-12", "7"); refuses the first
// bad item. A bad item's amount box reads "0" so that the rule's own checks still speak first.
core::Status read_amounts(const std::string& text, moving::MovingBoxes& boxes) {
  const auto items = split(text, ',');
  if (items.size() > moving::kMaxPredictions) return core::Error::error("--amounts 最多三個加減數");
  boxes.prediction_count = static_cast<int>(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string& item = items[i];
    const bool signed_item = !item.empty() && (item[0] == '+' || item[0] == '-');
    boxes.signs[i] = signed_item && item[0] == '-' ? "減" : "加";
    boxes.amounts[i] = signed_item ? item.substr(1) : item;
    if (!is_amount(boxes.amounts[i])) {
      boxes.amounts[i].assign(1, '0');  // not = "0": GCC 12 wrongly warns (-Wrestrict) about it
      return core::Error::error(core::not_an_integer(item));
    }
  }
  return {};
}

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

  moving::MovingBoxes& boxes = request.boxes;
  const std::string position = ctx.args.value_or("--position", "1");
  boxes.average = position == "average";
  if (boxes.average) {
    const auto items = split(ctx.args.value_or("--average-of", "1,2,3"), ',');
    if (items.size() != 3) return core::Error::error("--average-of 必須是三個位置 P1,P2,P3");
    std::copy(items.begin(), items.end(), boxes.positions.begin());
  } else if (ctx.args.has("--average-of")) {
    return core::Error::error("--average-of 只適用於 --position average");
  } else {
    boxes.positions[0] = position;
  }
  boxes.look_back = ctx.args.value_or("--look-back", "1");
  const core::Status amounts = read_amounts(ctx.args.value_or("--amounts", "+0"), boxes);
  const auto rule = moving::read_moving_rule(boxes, request.order);
  if (!rule) return rule.error();
  if (!amounts) return amounts.error();
  request.rule = *rule;
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

constexpr std::string_view kDrawnFirst[] = {"drawn", "sorted"};
constexpr std::string_view kShows[] = {"grid", "detail", "title"};
constexpr OptionSpec kMovingOptions[] = {
    {"--ball-order", Takes::Value, "drawn|sorted", "balls as drawn (落球, default) or ascending (順球)", kDrawnFirst},
    {"--position", Takes::Value, "1..5|average", "the ball the rule reads (default 1), or the average of three"},
    {"--average-of", Takes::Value, "P1,P2,P3", "the three positions averaged (default 1,2,3)"},
    {"--look-back", Takes::Value, "K", "read the draw K places back (default 1)"},
    {"--amounts", Takes::Value, "A1[,A2[,A3]]", "one to three amounts, - subtracts (default +0)"},
    {"--show", Takes::Value, "grid|detail|title", "the grid (default), the notes sentences or the rule title", kShows},
};

const CommandSpec kMovingCommands[] = {
    {"moving", "the moving-pattern grid, notes or title", join({kMovingOptions}), moving_command},
};

}  // namespace

std::span<const CommandSpec> moving_commands() { return kMovingCommands; }

}  // namespace cli
