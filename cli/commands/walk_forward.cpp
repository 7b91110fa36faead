// The walk-forward check of vantor39-cli: the best arrangement of each training window,
// played on the draws that follow it, against the exact expectation of a random draw.
//   walk-forward [--method M] [--numbers LIST] [--train W] [--test T] [--step S] [--priority P]
#include <string>
#include <vector>

#include "cli/commands/commands.h"
#include "cli/output.h"
#include "pillars/rules.h"
#include "pillars/walk_forward.h"
#include "pillars/walk_forward_report.h"

namespace cli {
namespace {

using pillars::WalkCount;

core::Result<int> count_option(const Args& args, WalkCount which, std::string_view name, std::string_view fallback) {
  return pillars::read_walk_count(which, name, args.value_or(name, fallback));
}

// --numbers: exactly the method's count of numbers 1..max_ball; absent: none.
core::Result<std::vector<int>> numbers_option(const Context& ctx, pillars::WalkMethod method) {
  std::vector<int> numbers;
  const auto list = ctx.args.value("--numbers");
  if (!list) return numbers;
  const auto words = list->empty() ? std::vector<std::string>() : split(*list, ',');
  // The words are counted before they are read; repeats are the run's to refuse.
  const int required = pillars::walk_method_numbers(method);
  if (static_cast<int>(words.size()) != required) return pillars::wrong_number_count(required);
  return pillars::read_balls(words, ctx.history.max_ball);
}

core::Result<pillars::WalkSettings> settings_of(const Context& ctx) {
  pillars::WalkSettings s;
  const auto method = read_choice(ctx.args, "--method", "2x2x3x3");
  if (!method) return method.error();
  s.method = *pillars::walk_method_of(std::string(*method));
  const auto numbers = numbers_option(ctx, s.method);
  if (!numbers) return numbers.error();
  s.numbers = *numbers;
  const auto train = count_option(ctx.args, WalkCount::train, "--train", "100");
  if (!train) return train.error();
  const auto test = count_option(ctx.args, WalkCount::test, "--test", "300");
  if (!test) return test.error();
  const auto step = count_option(ctx.args, WalkCount::step, "--step", "1");
  if (!step) return step.error();
  const auto priority = read_choice(ctx.args, "--priority", "4");
  if (!priority) return priority.error();
  s.train = *train;
  s.test = *test;
  s.step = *step;
  s.priority = pillars::priority_of_word(*priority).value_or(pillars::arith::Priority::four_first);
  return s;
}

int walk_forward_command(Context& ctx) {
  const auto settings = settings_of(ctx);
  if (!settings) return refuse(ctx, settings.error());
  auto run = pillars::WalkForwardRun::start(ctx.history, *settings);
  if (!run) return refuse(ctx, run.error());
  run->compute_all();
  print_lines(ctx, pillars::walk_forward_lines(*run));
  return 0;
}

constexpr OptionSpec kOptions[] = {
    {"--method", Takes::Value, "2x2x2x2|1x1x2x2x2|3x3x3|2x2x3x3|8of12|10of15", "the optimisation (default 2x2x3x3)",
     pillars::kWalkMethodNames, "未知的方法: {value}"},
    {"--numbers", Takes::Value, "N1,N2,...", "a fixed set of numbers (default: each step's most frequent)"},
    {"--train", Takes::Value, "W", "training draws before each test draw, 1..2499 (default 100)"},
    {"--test", Takes::Value, "T", "the last T draws are tested (default 300)"},
    {"--step", Takes::Value, "S", "re-optimise every S test draws (default 1)"},
    {"--priority", Takes::Value, "4|3|2", "which star count ranks first (default 4)", pillars::kPriorityWords},
};

const CommandSpec kWalkForwardCommands[] = {
    {"walk-forward", "walk-forward check of an optimisation against chance", {std::begin(kOptions), std::end(kOptions)},
     walk_forward_command},
};

}  // namespace

std::span<const CommandSpec> walk_forward_commands() { return kWalkForwardCommands; }

}  // namespace cli
