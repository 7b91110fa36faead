// The walk-forward check of vantor39-cli: the best arrangement of each training window,
// played on the draws that follow it, against the exact expectation of a random draw.
//   walk-forward [--method M] [--numbers LIST] [--train W] [--test T] [--step S] [--priority P]
#include <optional>
#include <string>
#include <vector>

#include "cli/commands/commands.h"
#include "cli/output.h"
#include "core/numbers.h"
#include "pillars/messages.h"
#include "pillars/walk_forward.h"
#include "pillars/walk_forward_report.h"

namespace cli {
namespace {

using pillars::WalkCount;

// Writes the refusal for the command to return kRefused.
std::nullopt_t refused(Context& ctx, std::string_view message) {
  refuse(ctx, message);
  return std::nullopt;
}

std::optional<int> count_option(Context& ctx, WalkCount which, std::string_view name, std::string_view fallback) {
  const auto read = pillars::read_walk_count(which, name, ctx.args.value_or(name, fallback));
  if (!read) return refused(ctx, read.error().text);
  return *read;
}

// --numbers: exactly the method's count of numbers 1..max_ball; absent: none.
std::optional<std::vector<int>> numbers_option(Context& ctx, pillars::WalkMethod method) {
  std::vector<int> numbers;
  const auto list = ctx.args.value("--numbers");
  if (!list) return numbers;
  const auto words = list->empty() ? std::vector<std::string>() : split(*list, ',');
  const int required = pillars::walk_method_numbers(method);
  if (static_cast<int>(words.size()) != required)
    return refused(ctx, "必須選 " + std::to_string(required) + " 個號碼");
  for (const auto& word : words) {
    const auto value = core::to_int_strict(word);
    if (!value || *value < 1 || *value > ctx.history.max_ball) return refused(ctx, pillars::msg::not_a_ball(word));
    numbers.push_back(*value);
  }
  return numbers;
}

std::optional<pillars::arith::Priority> priority_option(Context& ctx) {
  using pillars::arith::Priority;
  const std::string text = ctx.args.value_or("--priority", "4");
  if (text == "4") return Priority::four_first;
  if (text == "3") return Priority::three_first;
  if (text == "2") return Priority::two_first;
  return refused(ctx, "--priority 必須是 4、3 或 2");
}

std::optional<pillars::WalkSettings> settings_of(Context& ctx) {
  pillars::WalkSettings s;
  const std::string method_text = ctx.args.value_or("--method", "2x2x3x3");
  const auto method = pillars::walk_method_of(method_text);
  if (!method) return refused(ctx, "未知的方法: " + method_text);
  s.method = *method;
  const auto numbers = numbers_option(ctx, s.method);
  if (!numbers) return std::nullopt;
  s.numbers = *numbers;
  const auto train = count_option(ctx, WalkCount::train, "--train", "100");
  const auto test = train ? count_option(ctx, WalkCount::test, "--test", "300") : std::nullopt;
  const auto step = test ? count_option(ctx, WalkCount::step, "--step", "1") : std::nullopt;
  const auto priority = step ? priority_option(ctx) : std::nullopt;
  if (!priority) return std::nullopt;
  s.train = *train;
  s.test = *test;
  s.step = *step;
  s.priority = *priority;
  return s;
}

int walk_forward_command(Context& ctx) {
  const auto settings = settings_of(ctx);
  if (!settings) return kRefused;
  auto run = pillars::WalkForwardRun::start(ctx.history, *settings);
  if (!run) return refuse(ctx, run.error());
  run->compute_all();
  print_lines(ctx, pillars::walk_forward_lines(*run));
  return 0;
}

constexpr OptionSpec kOptions[] = {
    {"--method", Takes::Value, "2x2x2x2|1x1x2x2x2|3x3x3|2x2x3x3|8of12|10of15", "the optimisation (default 2x2x3x3)"},
    {"--numbers", Takes::Value, "N1,N2,...", "a fixed set of numbers (default: each step's most frequent)"},
    {"--train", Takes::Value, "W", "training draws before each test draw, 1..2499 (default 100)"},
    {"--test", Takes::Value, "T", "the last T draws are tested (default 300)"},
    {"--step", Takes::Value, "S", "re-optimise every S test draws (default 1)"},
    {"--priority", Takes::Value, "4|3|2", "which star count ranks first (default 4)"},
};

const CommandSpec kCommands[] = {
    {"walk-forward", "walk-forward check of an optimisation against chance", {std::begin(kOptions), std::end(kOptions)},
     walk_forward_command},
};

}  // namespace

std::span<const CommandSpec> walk_forward_commands() { return kCommands; }

}  // namespace cli
