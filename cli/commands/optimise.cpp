// The pillar optimisation commands of vantor39-cli: each prints the lines Memo2 shows
// after the corresponding workbench command.
//   arrange     --numbers N1,N2,... [--sizes 2,2,2,2]              電腦排定號碼
//   analyse     --shape 2x2x2x2|3x3x3|1x1x2x2x2|2x2x3x3 --numbers ... [--priority 4|3|2]
//   best-subset --of 12|15 --numbers ... [--priority 4|3|2] [--write-report]
#include <optional>
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

namespace cli {
namespace {

// --numbers as the selection's two-digit texts; an empty list when the option is absent,
// so the command's own count message explains what is missing.
std::optional<std::vector<std::string>> read_numbers(Context& ctx) {
  std::vector<std::string> texts;
  const std::string list = ctx.args.value_or("--numbers", "");
  if (list.empty()) return texts;
  for (const auto& word : split(list, ',')) {
    const auto value = core::to_int(word);
    if (!value || *value < 1 || *value > ctx.history.max_ball) {
      refuse(ctx, pillars::msg::not_a_ball(word));
      return std::nullopt;
    }
    texts.push_back(core::zero_pad(*value, 2));
  }
  return texts;
}

// --priority 4, 3 or 2: which star count ranks first; four-star by default.
std::optional<pillars::arith::Priority> read_priority(Context& ctx) {
  using pillars::arith::Priority;
  const auto text = ctx.args.value("--priority");
  if (!text || *text == "4") return Priority::four_first;
  if (*text == "3") return Priority::three_first;
  if (*text == "2") return Priority::two_first;
  refuse(ctx, "「" + *text + "」不是有效的優先順序，請用 4、3 或 2");
  return std::nullopt;
}

// The report's times: the system clock, or noon of --today so that scripted runs
// repeat their output.
std::string now_text(Context& ctx) {
  if (ctx.args.value("--today")) {
    if (const auto day = core::parse_date(ctx.today)) return core::format_date_time({*day, 12, 0, 0});
  }
  return core::format_date_time(core::SystemClock().now());
}

int arrange_command(Context& ctx) {
  const auto numbers = read_numbers(ctx);
  if (!numbers) return kRefused;
  pillars::ArrangeInput input;
  input.selection = *numbers;
  const auto size_words = split(ctx.args.value_or("--sizes", "2,2,2,2"), ',');
  if (size_words.size() < 3 || size_words.size() > 8) return refuse(ctx, pillars::msg::kPillarCountOutOfRange);
  input.pillar_count = static_cast<int>(size_words.size());
  for (size_t p = 0; p < size_words.size(); ++p) {
    const auto size = core::to_int(size_words[p]);
    if (!size) return refuse(ctx, pillars::msg::not_an_integer(size_words[p]));
    input.pillar_size[p] = *size;
  }
  const auto period = period_from_options(ctx);
  if (!period) return kRefused;
  input.period_lines = period->lines;
  const auto arranged = pillars::computer_arrange(input);
  if (!arranged) return refuse(ctx, arranged.error());

  // Button26Click over the plain period list: each pillar memo holds its declared size.
  pillars::PillarTable table;
  pillars::PillarLengths lengths{};
  for (int p = 0; p < input.pillar_count; ++p) {
    table[p] = arranged->pillar_no[p];
    lengths[p] = static_cast<int>(arranged->pillar_memos[p].size());
  }
  pillars::PillarReportInput report;
  report.memo1_count = period->lines.size();
  report.memo2 = period->lines;
  report.pillar_no = &table;
  report.lengths = lengths;
  report.pillar_count = input.pillar_count;
  report.pillar_size = input.pillar_size;
  report.cost = pillars::arith::symmetric_sums(input.pillar_size);
  report.period_title = period->title;
  print_lines(ctx, pillars::pillar_report(report).memo2);
  return 0;
}

std::optional<pillars::arith::Shape> read_shape(std::string_view text) {
  using pillars::arith::Shape;
  if (text == "2x2x2x2") return Shape::k2x2x2x2;
  if (text == "3x3x3") return Shape::k3x3x3;
  if (text == "1x1x2x2x2") return Shape::k1x1x2x2x2;
  if (text == "2x2x3x3") return Shape::k2x2x3x3;
  return std::nullopt;
}

int analyse_command(Context& ctx) {
  const std::string shape_text = ctx.args.value_or("--shape", "");
  const auto shape = read_shape(shape_text);
  if (!shape) return refuse(ctx, "「" + shape_text + "」不是有效的立柱形式，請用 2x2x2x2、3x3x3、1x1x2x2x2 或 2x2x3x3");
  const auto numbers = read_numbers(ctx);
  const auto priority = numbers ? read_priority(ctx) : std::nullopt;
  if (!priority) return kRefused;
  const auto period = period_from_options(ctx);
  if (!period) return kRefused;
  const auto report = pillars::analyse_fixed_shape(*shape, {period->lines, period->title, *numbers, *priority});
  if (!report) return refuse(ctx, report.error());
  print_lines(ctx, report->memo2);
  return 0;
}

int best_subset_command(Context& ctx) {
  using pillars::arith::SubsetRun;
  const std::string of = ctx.args.value_or("--of", "");
  if (of != "12" && of != "15") return refuse(ctx, "「" + of + "」不是有效的號碼數，請用 12 或 15");
  const SubsetRun run = of == "12" ? SubsetRun::eight_of_twelve : SubsetRun::ten_of_fifteen;
  const auto numbers = read_numbers(ctx);
  const auto priority = numbers ? read_priority(ctx) : std::nullopt;
  if (!priority) return kRefused;
  const auto period = period_from_options(ctx);
  if (!period) return kRefused;
  const std::string start_time = now_text(ctx);
  auto started = pillars::BestSubsetAnalysis::start(run, {period->lines, period->title, *numbers, *priority});
  if (!started) return refuse(ctx, started.error());
  pillars::BestSubsetAnalysis& analysis = *started;
  analysis.compute_all();
  const auto report = analysis.report(start_time, now_text(ctx));
  print_lines(ctx, report.memo2);
  if (!ctx.args.has("--write-report")) return 0;
  // The report is printed either way; a script that asked for the file learns it failed.
  const auto written = core::write_lines_atomic(std::string(analysis.report_file_name()), report.memo2);
  if (!written) return refuse(ctx, written.error());
  return 0;
}

constexpr OptionSpec kNumbers{"--numbers", Takes::Value, "N1,N2,...", "the selected numbers"};
constexpr OptionSpec kPriority{"--priority", Takes::Value, "4|3|2", "which star count ranks first (default 4)"};
constexpr OptionSpec kArrangeOptions[] = {kNumbers, {"--sizes", Takes::Value, "S1,S2,...", "pillar sizes (default 2,2,2,2)"}};
constexpr OptionSpec kAnalyseOptions[] = {
    {"--shape", Takes::Value, "2x2x2x2|3x3x3|1x1x2x2x2|2x2x3x3", "the pillar shape"}, kNumbers, kPriority};
constexpr OptionSpec kBestSubsetOptions[] = {
    {"--of", Takes::Value, "12|15", "best 8 of 12 or 10 of 15"}, kNumbers, kPriority,
    {"--write-report", Takes::Flag, "", "also write C12_8.txt / C15_10.txt"}};

const CommandSpec kCommands[] = {
    {"arrange", "computer-arranged pillars and their verification", join({kArrangeOptions, period_options()}),
     arrange_command},
    {"analyse", "best division of the selection into a pillar shape", join({kAnalyseOptions, period_options()}),
     analyse_command},
    {"best-subset", "best 8 of 12 / 10 of 15 selected numbers", join({kBestSubsetOptions, period_options()}),
     best_subset_command},
};

}  // namespace

std::span<const CommandSpec> optimise_commands() { return kCommands; }

}  // namespace cli
