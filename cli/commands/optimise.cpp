// The pillar optimisation commands of vantor39-cli: each prints the lines Memo2 shows
// after the corresponding workbench command.
//   arrange     --numbers N1,N2,... [--sizes 2,2,2,2]              電腦排定號碼
//   analyse     --shape 2x2x2x2|3x3x3|1x1x2x2x2|2x2x3x3 --numbers ... [--priority 4|3|2]
//   best-subset --of 12|15 --numbers ... [--priority 4|3|2] [--write-report]
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands/commands.h"
#include "cli/commands/period_options.h"
#include "cli/output.h"
#include "core/clock.h"
#include "core/dates.h"
#include "core/numbers.h"
#include "core/text_file.h"
#include "pillars/messages.h"
#include "pillars/optimise_analysis.h"
#include "pillars/optimise_arrange.h"
#include "pillars/optimise_best_subset.h"
#include "pillars/pillar_report.h"
#include "pillars/rules.h"

namespace cli {
namespace {

// --numbers as the selection's two-digit texts; an empty list when the option is absent,
// so the command's own count message explains what is missing.
core::Result<std::vector<std::string>> read_numbers(const Context& ctx) {
  std::vector<std::string> texts;
  const std::string list = ctx.args.value_or("--numbers", "");
  if (list.empty()) return texts;
  for (const auto& word : split(list, ',')) {
    const auto value = pillars::read_ball(word, ctx.history.max_ball, pillars::BallText::lenient);
    if (!value) return core::Error::error(pillars::msg::not_a_ball(word));
    texts.push_back(core::zero_pad(*value, 2));
  }
  return texts;
}

struct SubsetWord {
  std::string_view word;
  pillars::arith::SubsetRun run;
};
constexpr SubsetWord kSubsets[] = {{"12", pillars::arith::SubsetRun::eight_of_twelve},
                                   {"15", pillars::arith::SubsetRun::ten_of_fifteen}};
constexpr auto kSubsetWords = choice_words(kSubsets);

// What every optimisation reads after its own choice: the selection, the priority
// (--priority 4, 3 or 2: which star count ranks first) and the period.
struct OptimiseRequest {
  std::vector<std::string> numbers;
  pillars::arith::Priority priority = pillars::arith::Priority::four_first;
  PeriodSelection period;

  [[nodiscard]] pillars::OptimiseInput input() const { return {period.lines, period.title, numbers, priority}; }
};

core::Result<OptimiseRequest> optimise_request(const Context& ctx) {
  auto numbers = read_numbers(ctx);
  if (!numbers) return numbers.error();
  const auto priority = read_choice(ctx.args, "--priority", "4");
  if (!priority) return priority.error();
  auto period = period_from_options(ctx);
  if (!period) return period.error();
  return OptimiseRequest{std::move(*numbers), *pillars::priority_of_word(*priority), std::move(*period)};
}

// The report's times: the system clock, or noon of --today so that scripted runs
// repeat their output.
std::string now_text(const Context& ctx) {
  if (ctx.args.value("--today")) {
    if (const auto day = core::parse_date(ctx.today)) return core::format_date_time({*day, 12, 0, 0});
  }
  return core::format_date_time(core::SystemClock().now());
}

core::Result<std::vector<std::string>> arrange_lines(const Context& ctx) {
  const auto numbers = read_numbers(ctx);
  if (!numbers) return numbers.error();
  pillars::ArrangeInput input;
  input.selection = *numbers;
  const auto size_words = split(ctx.args.value_or("--sizes", "2,2,2,2"), ',');
  if (size_words.size() < 3 || size_words.size() > 8)
    return core::Error::error(std::string(pillars::msg::kPillarCountOutOfRange));
  input.pillar_count = static_cast<int>(size_words.size());
  for (size_t p = 0; p < size_words.size(); ++p) {
    const auto size = core::to_int(size_words[p]);
    if (!size) return core::Error::error(pillars::msg::not_an_integer(size_words[p]));
    input.pillar_size[p] = *size;
  }
  const auto period = period_from_options(ctx);
  if (!period) return period.error();
  input.period_lines = period->lines;
  const auto arranged = pillars::computer_arrange(input);
  if (!arranged) return arranged.error();
  return pillars::arrangement_report(*arranged, input, period->title).lines;
}

core::Result<std::vector<std::string>> analyse_lines(const Context& ctx) {
  const auto shape = read_choice(ctx.args, "--shape", "");
  if (!shape) return shape.error();
  const auto request = optimise_request(ctx);
  if (!request) return request.error();
  auto report = pillars::analyse_fixed_shape(*pillars::shape_of_word(*shape), request->input());
  if (!report) return report.error();
  return std::move(report->lines);
}

struct BestSubsetReport {
  std::vector<std::string> lines;
  std::string file_name;  // where --write-report puts it
};

core::Result<BestSubsetReport> best_subset_report(const Context& ctx) {
  const auto of = read_choice(ctx.args, "--of", "");
  if (!of) return of.error();
  const auto request = optimise_request(ctx);
  if (!request) return request.error();
  const std::string start_time = now_text(ctx);
  auto started = pillars::BestSubsetAnalysis::start(choice_entry(kSubsets, *of).run, request->input());
  if (!started) return started.error();
  pillars::BestSubsetAnalysis& analysis = *started;
  analysis.compute_all();
  return BestSubsetReport{analysis.report(start_time, now_text(ctx)).lines, std::string(analysis.report_file_name())};
}

int arrange_command(Context& ctx) { return print_or_refuse(ctx, arrange_lines(ctx)); }
int analyse_command(Context& ctx) { return print_or_refuse(ctx, analyse_lines(ctx)); }

int best_subset_command(Context& ctx) {
  const auto report = best_subset_report(ctx);
  if (!report) return refuse(ctx, report.error());
  print_lines(ctx, report->lines);
  if (!ctx.args.has("--write-report")) return 0;
  // The report is printed either way; a script that asked for the file learns it failed.
  const auto written = core::write_lines_atomic(report->file_name, report->lines);
  if (!written) return refuse(ctx, written.error());
  return 0;
}

constexpr OptionSpec kNumbers{"--numbers", Takes::Value, "N1,N2,...", "the selected numbers"};
constexpr OptionSpec kPriority{"--priority", Takes::Value, "4|3|2", "which star count ranks first (default 4)",
                               pillars::kPriorityWords, "「{value}」不是有效的優先順序，請用 {choices}"};
constexpr OptionSpec kArrangeOptions[] = {kNumbers, {"--sizes", Takes::Value, "S1,S2,...", "pillar sizes (default 2,2,2,2)"}};
constexpr OptionSpec kAnalyseOptions[] = {
    {"--shape", Takes::Value, "2x2x2x2|3x3x3|1x1x2x2x2|2x2x3x3", "the pillar shape", pillars::kShapeWords,
     "「{value}」不是有效的立柱形式，請用 {choices}"},
    kNumbers, kPriority};
constexpr OptionSpec kBestSubsetOptions[] = {
    {"--of", Takes::Value, "12|15", "best 8 of 12 or 10 of 15", kSubsetWords,
     "「{value}」不是有效的號碼數，請用 {choices}"},
    kNumbers, kPriority, {"--write-report", Takes::Flag, "", "also write C12_8.txt / C15_10.txt"}};

const CommandSpec kOptimiseCommands[] = {
    {"arrange", "computer-arranged pillars and their verification", join({kArrangeOptions, period_options()}),
     arrange_command},
    {"analyse", "best division of the selection into a pillar shape", join({kAnalyseOptions, period_options()}),
     analyse_command},
    {"best-subset", "best 8 of 12 / 10 of 15 selected numbers", join({kBestSubsetOptions, period_options()}),
     best_subset_command},
};

}  // namespace

std::span<const CommandSpec> optimise_commands() { return kOptimiseCommands; }

}  // namespace cli
