// The number backtest of vantor39-cli: every method that names numbers for the coming draw,
// played at each test draw with the draws before it only, against chance.
//   backtest [--method hot|cold|rules|moving|all] [--test T] [method options]
#include <string>
#include <vector>

#include "analysis/backtest/backtest_report.h"
#include "analysis/backtest/backtest_texts.h"
#include "cli/commands/analysis_options.h"
#include "cli/commands/commands.h"
#include "cli/output.h"

namespace cli {
namespace {

using backtest::Method;

// The options each method reads; any other method option is refused.
struct MethodOption {
  std::string_view name;
  bool hot, cold, rules, moving;
};
constexpr MethodOption kMethodOptions[] = {
    {"--count", true, true, false, false},       {"--window", true, false, false, false},
    {"--run-length", false, false, true, false}, {"--rules", false, false, true, false},
    {"--ball-order", false, false, false, true}, {"--position", false, false, false, true},
    {"--average-of", false, false, false, true}, {"--look-back", false, false, false, true},
    {"--amounts", false, false, false, true},
};

bool uses(const MethodOption& option, std::optional<Method> method) {
  if (!method) return false;  // all: every method with its defaults
  switch (*method) {
    case Method::hot: return option.hot;
    case Method::cold: return option.cold;
    case Method::rules: return option.rules;
    case Method::moving: return option.moving;
  }
  return false;
}

core::Result<backtest::Texts> texts_of(const Context& ctx, std::optional<Method> method) {
  backtest::Texts texts;
  texts.method = method.value_or(Method::hot);
  texts.test = ctx.args.value_or("--test", texts.test);
  texts.count = ctx.args.value_or("--count", texts.count);
  texts.window = ctx.args.value_or("--window", texts.window);
  texts.run_length = ctx.args.value_or("--run-length", texts.run_length);
  texts.rules = ctx.args.value_or("--rules", texts.rules);
  texts.moving = moving_rule_texts(ctx.args);
  if (method == Method::moving) {
    const auto order = read_choice(ctx.args, "--ball-order", "drawn");
    if (!order) return order.error();
    texts.order = *order == "sorted" ? core::BallOrder::Sorted : core::BallOrder::Drawn;
  }
  return texts;
}

int all_methods(Context& ctx, int test) {
  std::vector<backtest::Summary> summaries;
  for (const backtest::Settings& settings : backtest::all_methods_settings(test)) {
    auto run = backtest::Backtest::start(ctx.history, settings);
    if (!run) return refuse(ctx, run.error());
    run->compute_all();
    summaries.push_back(run->summary(backtest::kAllMethodsThreshold));
  }
  print_lines(ctx, backtest::all_methods_lines(test, summaries));
  return 0;
}

int backtest_command(Context& ctx) {
  const auto word = read_choice(ctx.args, "--method", "hot");
  if (!word) return refuse(ctx, word.error());
  const std::optional<Method> method = backtest::method_of(*word);  // nullopt: all
  for (const MethodOption& option : kMethodOptions)
    if (ctx.args.has(option.name) && !uses(option, method))
      return refuse(ctx, "選項 " + std::string(option.name) + " 不適用於 --method " + std::string(*word));
  const auto test = backtest::read_test(ctx.args.value_or("--test", "300"), "--test");
  if (!test) return refuse(ctx, test.error());
  if (!method) return all_methods(ctx, *test);
  const auto texts = texts_of(ctx, method);
  if (!texts) return refuse(ctx, texts.error());
  const auto settings = backtest::read_settings(*texts);
  if (!settings) return refuse(ctx, settings.error());
  auto run = backtest::Backtest::start(ctx.history, *settings);
  if (!run) return refuse(ctx, run.error());
  run->compute_all();
  print_lines(ctx, backtest::backtest_lines(*run));
  return 0;
}

constexpr std::string_view kMethodWords[] = {"hot", "cold", "rules", "moving", "all"};
constexpr OptionSpec kBacktestOptions[] = {
    {"--method", Takes::Value, "hot|cold|rules|moving|all", "the method played (default hot)", kMethodWords,
     "未知的方法: {value}"},
    {"--test", Takes::Value, "T", "the last T draws are tested (default 300)"},
    {"--count", Takes::Value, "K", "hot, cold: how many numbers (default 5)"},
    {"--window", Takes::Value, "W", "hot: the draws counted before each test draw (default 30)"},
    {"--run-length", Takes::Value, "L", "rules: run length 2..5 (default 3)"},
    {"--rules", Takes::Value, "LIST", "rules: enabled rules 1..10, comma-separated (default all)"},
};

}  // namespace

std::span<const CommandSpec> backtest_commands() {
  static const CommandSpec commands[] = {
      {"backtest", "backtest of the numbers a method names, against chance",
       join({kBacktestOptions, moving_rule_options()}), backtest_command},
  };
  return commands;
}

}  // namespace cli
