// The moving command of vantor39-cli: the grid, the notes sentences or the rule title of
// the moving-pattern window for the settings given.
#include <algorithm>
#include <optional>
#include <string>

#include "analysis/moving/moving_pattern.h"
#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/ball_order.h"
#include "core/numbers.h"

namespace cli {
namespace {

// One --amounts item ("+5", "-12", "7") as the sign box and the amount box would hold it.
std::optional<std::string> read_amount(const std::string& item, std::string& sign, std::string& digits) {
  const bool signed_item = !item.empty() && (item[0] == '+' || item[0] == '-');
  sign = signed_item && item[0] == '-' ? "減" : "加";
  digits = signed_item ? item.substr(1) : item;
  const bool all_digits = !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
  if (!all_digits || !core::to_int_strict(digits)) return core::not_an_integer(item);
  return std::nullopt;
}

// Fills the amount boxes; returns the refusal of the first bad amount. The boxes of a bad
// item read "0" so that earlier checks still speak first.
std::optional<std::string> read_amounts(const std::string& text, moving::MovingBoxes& boxes) {
  const auto items = split(text, ',');
  if (items.size() > moving::kMaxPredictions) return "--amounts 最多三個加減數";
  boxes.prediction_count = static_cast<int>(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (auto refusal = read_amount(items[i], boxes.signs[i], boxes.amounts[i])) {
      boxes.amounts[i] = "0";
      return refusal;
    }
  }
  return std::nullopt;
}

int moving_command(Context& ctx) {
  const std::string show = ctx.args.value_or("--show", "grid");
  if (show != "grid" && show != "detail" && show != "title") return refuse(ctx, "--show 必須是 grid、detail 或 title");
  const std::string order_text = ctx.args.value_or("--ball-order", "drawn");
  if (order_text != "drawn" && order_text != "sorted") return refuse(ctx, "--ball-order 必須是 drawn 或 sorted");
  const auto order = order_text == "sorted" ? core::BallOrder::Sorted : core::BallOrder::Drawn;

  moving::MovingBoxes boxes;
  const std::string position = ctx.args.value_or("--position", "1");
  boxes.average = position == "average";
  if (boxes.average) {
    const auto items = split(ctx.args.value_or("--average-of", "1,2,3"), ',');
    if (items.size() != 3) return refuse(ctx, "--average-of 必須是三個位置 P1,P2,P3");
    std::copy(items.begin(), items.end(), boxes.positions.begin());
  } else if (ctx.args.has("--average-of")) {
    return refuse(ctx, "--average-of 只適用於 --position average");
  } else {
    boxes.positions[0] = position;
  }
  boxes.look_back = ctx.args.value_or("--look-back", "1");
  const auto amount_refusal = read_amounts(ctx.args.value_or("--amounts", "+0"), boxes);
  const auto rule = moving::read_moving_rule(boxes, order);
  if (!rule) return refuse(ctx, rule.error());
  if (amount_refusal) return refuse(ctx, *amount_refusal);

  if (show == "title") {
    ctx.out << moving::moving_title(boxes, order) << '\n';
    return 0;
  }
  const auto pattern = moving::moving_pattern(ctx.history, *rule);
  if (!pattern) return refuse(ctx, pattern.error());
  if (show == "grid") print_grid(ctx, pattern->sgl);
  else print_lines(ctx, moving::detail_lines(*pattern));
  return 0;
}

constexpr OptionSpec kMovingOptions[] = {
    {"--ball-order", Takes::Value, "drawn|sorted", "balls as drawn (落球, default) or ascending (順球)"},
    {"--position", Takes::Value, "1..5|average", "the ball the rule reads (default 1), or the average of three"},
    {"--average-of", Takes::Value, "P1,P2,P3", "the three positions averaged (default 1,2,3)"},
    {"--look-back", Takes::Value, "K", "read the draw K places back (default 1)"},
    {"--amounts", Takes::Value, "A1[,A2[,A3]]", "one to three amounts, - subtracts (default +0)"},
    {"--show", Takes::Value, "grid|detail|title", "the grid (default), the notes sentences or the rule title"},
};

const CommandSpec kCommands[] = {
    {"moving", "the moving-pattern grid, notes or title", join({kMovingOptions}), moving_command},
};

}  // namespace

std::span<const CommandSpec> moving_commands() { return kCommands; }

}  // namespace cli
