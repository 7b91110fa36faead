#include "cli/options.h"

#include <gtest/gtest.h>

#include "cli/commands/commands.h"
#include "core/dates.h"
#include "support/cli_run.h"

namespace {

int no_op(cli::Context&) { return 0; }

constexpr std::string_view kTabs[] = {"single", "pair", "triple"};
constexpr std::string_view kOrders[] = {"up", "down"};
constexpr std::string_view kLevels[] = {"4", "3", "2"};
constexpr cli::OptionSpec kReadOptions[] = {
    {"--count", cli::Takes::Value, "N", ""},
    {"--length", cli::Takes::Value, "L", "", {}, "--length 必須是 2、3、4 或 5"},
    {"--from", cli::Takes::Value, "yyyy/mm/dd", ""},
    {"--to", cli::Takes::Value, "yyyy/mm/dd", "", {}, "日期格式錯誤: {value}"},
    {"--tab", cli::Takes::Value, "T", "", kTabs},
    {"--order", cli::Takes::Value, "O", "", kOrders, "「{value}」不是有效的順序，請用 {choices}"},
    {"--level", cli::Takes::Value, "4|3|2", "", kLevels, "{option} 必須是 {choices}: {value}"},
    {"--next", cli::Takes::Value, "LIST", ""},
};

constexpr cli::OptionSpec kStatsOptions[] = {
    {"--recent", cli::Takes::Value, "N", ""},
    {"--anywhere", cli::Takes::Flag, "", ""},
};
constexpr cli::OptionSpec kTraceOptions[] = {
    {"--tab", cli::Takes::Value, "T", ""},
    {"--sort", cli::Takes::Flag, "", ""},
};

const std::vector<cli::CommandSpec>& commands() {
  static const std::vector<cli::CommandSpec> all{
      {"stats", "", cli::join({kStatsOptions}), no_op},
      {"trace", "", cli::join({kTraceOptions}), no_op, cli::NotTakenWording::ThisCommand},
      {"read", "", cli::join({kReadOptions}), no_op},
  };
  return all;
}

core::Result<cli::Invocation> parse(std::vector<std::string> words) { return cli::parse_command_line(words, commands()); }

TEST(ParseCommandLine, RefusesWhatItCannotRead) {
  const struct {
    std::vector<std::string> words;
    std::string message;
  } cases[] = {
      {{"stats", "--recnet", "10"}, "選項 --recnet 不適用於命令 stats"},
      {{"stats", "--tab", "single"}, "選項 --tab 不適用於命令 stats"},
      {{"trace", "--recent", "5"}, "選項 --recent 不適用於此命令"},
      // Several: the alphabetically first value option, flags after value options.
      {{"stats", "--sort", "--tab", "x", "--sort2"}, "選項 --tab 不適用於命令 stats"},
      {{"stats", "--zz", "--sort"}, "選項 --sort 不適用於命令 stats"},
      {{"stats", "--recent"}, "選項 --recent 需要一個值"},
      {{"stats", "--recent", "--anywhere"}, "選項 --recent 需要一個值"},
      {{"stats", "--anywhere=yes"}, "選項 --anywhere 不需要值"},
      {{"stats", "10"}, "多餘的參數: 10"},
      {{"nonsense"}, "未知的指令: nonsense"},
  };
  for (const auto& c : cases) {
    const auto parsed = parse(c.words);
    ASSERT_FALSE(parsed) << c.message;
    EXPECT_EQ(parsed.error().text, c.message);
  }
}

TEST(ParseCommandLine, ReadsOptionsAnywhereInEitherFormLastValueCounting) {
  const auto parsed = parse({"--recent=5", "--file", "a.txt", "stats", "--anywhere", "--recent", "7", "--today=2020/01/01"});
  ASSERT_TRUE(parsed) << parsed.error().text;
  EXPECT_EQ(parsed->command->name, "stats");
  EXPECT_EQ(parsed->args.value("--recent"), "7");
  EXPECT_EQ(parsed->args.value("--file"), "a.txt");
  EXPECT_EQ(parsed->args.value("--today"), "2020/01/01");
  EXPECT_TRUE(parsed->args.has("--anywhere"));
  EXPECT_FALSE(parsed->args.has("--zz"));
  // Values may be empty or negative; a value option before the command takes its word.
  const auto empty = parse({"--recent", "-3", "stats", "--recent="});
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->args.value("--recent"), "");
}

TEST(ParseCommandLine, HelpIsNeverRefusedAndUsageComesFromTheTable) {
  const auto help = parse({"stats", "--help", "--bogus"});
  ASSERT_TRUE(help);
  EXPECT_TRUE(help->help);
  const std::string usage = cli::command_usage(*help->command);
  EXPECT_NE(usage.find("--recent N"), std::string::npos);
  EXPECT_NE(usage.find("--anywhere"), std::string::npos);
  EXPECT_NE(cli::program_usage(commands()).find("trace"), std::string::npos);
}

enum class Reader { Integer, Date, Choice, IntegerList };

// What a reader gave, as text: "= value" or the refusal.
std::string read(Reader reader, const cli::Args& args, std::string_view name, std::string_view fallback) {
  const auto shown = [](const auto& result, auto show) { return result ? "= " + show(*result) : result.error().text; };
  switch (reader) {
    case Reader::Integer: {
      const int number = std::stoi(std::string(fallback));
      return shown(cli::read_integer(args, name, number), [](int v) { return std::to_string(v); });
    }
    case Reader::Date: return shown(cli::read_date(args, name, fallback), core::format_date);
    case Reader::Choice: return shown(cli::read_choice(args, name, fallback), [](auto w) { return std::string(w); });
    case Reader::IntegerList:
      return shown(cli::read_integer_list(args, name, fallback, 1, 3), [](const std::vector<int>& items) {
        std::string text;
        for (const int item : items) text += std::to_string(item) + ";";
        return text;
      });
  }
  return {};
}

TEST(OptionReaders, ReadTheValueOrTheFallbackAndRefuseInTheTablesWording) {
  const struct {
    std::vector<std::string> words;  // after "read"
    Reader reader;
    std::string_view name, fallback;
    std::string expected;
  } cases[] = {
      {{}, Reader::Integer, "--count", "7", "= 7"},
      {{"--count", "-3"}, Reader::Integer, "--count", "7", "= -3"},
      {{"--count=+3"}, Reader::Integer, "--count", "7", "= 3"},
      {{"--count", " 1"}, Reader::Integer, "--count", "7", "「 1」不是有效的整數"},
      {{"--count="}, Reader::Integer, "--count", "7", "「」不是有效的整數"},
      {{"--count", "1.5"}, Reader::Integer, "--count", "7", "「1.5」不是有效的整數"},
      {{"--count", "2147483648"}, Reader::Integer, "--count", "7", "「2147483648」不是有效的整數"},
      {{"--length", "x"}, Reader::Integer, "--length", "3", "--length 必須是 2、3、4 或 5"},
      {{}, Reader::Date, "--from", "2026/12/09", "= 2026/12/09"},
      {{"--from", "2024/02/29"}, Reader::Date, "--from", "2026/12/09", "= 2024/02/29"},
      {{"--from", "2026/2/3"}, Reader::Date, "--from", "2026/12/09", "「2026/2/3」不是有效的日期 (yyyy/mm/dd)"},
      {{"--from", "2025/02/29"}, Reader::Date, "--from", "2026/12/09", "「2025/02/29」不是有效的日期 (yyyy/mm/dd)"},
      {{}, Reader::Date, "--to", "today", "日期格式錯誤: today"},  // the fallback is read too
      {{"--to", "x"}, Reader::Date, "--to", "2026/12/09", "日期格式錯誤: x"},
      {{}, Reader::Choice, "--tab", "single", "= single"},
      {{"--tab", "triple"}, Reader::Choice, "--tab", "single", "= triple"},
      {{"--tab", "Single"}, Reader::Choice, "--tab", "single", "--tab 必須是 single、pair 或 triple"},
      {{"--tab="}, Reader::Choice, "--tab", "single", "--tab 必須是 single、pair 或 triple"},
      {{}, Reader::Choice, "--order", "", "「」不是有效的順序，請用 up 或 down"},
      // The value is put in as typed, never read as a placeholder.
      {{"--order", "{choices}"}, Reader::Choice, "--order", "up", "「{choices}」不是有效的順序，請用 up 或 down"},
      {{"--level", "5"}, Reader::Choice, "--level", "4", "--level 必須是 4、3 或 2: 5"},
      {{}, Reader::IntegerList, "--next", "1", "= 1;"},
      {{"--next="}, Reader::IntegerList, "--next", "1", "= "},
      {{"--next", "3,1,3"}, Reader::IntegerList, "--next", "1", "= 3;1;3;"},
      {{"--next", "1,,2"}, Reader::IntegerList, "--next", "1", "--next 的項目必須是 1 到 3 的整數: "},
      {{"--next", "1,4,x"}, Reader::IntegerList, "--next", "1", "--next 的項目必須是 1 到 3 的整數: 4"},
      {{"--next", "+2, 3"}, Reader::IntegerList, "--next", "1", "--next 的項目必須是 1 到 3 的整數:  3"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> words{"read"};
    words.insert(words.end(), c.words.begin(), c.words.end());
    const auto parsed = parse(words);
    ASSERT_TRUE(parsed) << parsed.error().text;
    EXPECT_EQ(read(c.reader, parsed->args, c.name, c.fallback), c.expected) << c.name << " " << c.expected;
  }
}

TEST(ChoiceOptions, AWrongWordIsRefusedWithTheAllowedWords) {
  const test_support::Refusal cases[] = {
      {{"hot", "--k", "5"}, "--k 必須是 2、3 或 4"},
      {{"analyse", "--shape", "2x2"}, "「2x2」不是有效的立柱形式，請用 2x2x2x2、3x3x3、1x1x2x2x2 或 2x2x3x3"},
      {{"analyse", "--shape", "3x3x3", "--priority", "1"}, "「1」不是有效的優先順序，請用 4、3 或 2"},
      {{"best-subset"}, "「」不是有效的號碼數，請用 12 或 15"},
      {{"best-subset", "--of", "15", "--priority="}, "「」不是有效的優先順序，請用 4、3 或 2"},
      {{"print-lines", "--order", "up"}, "--order 必須是 drawn 或 sorted"},
      {{"report", "--pdf", "never-written.pdf", "--order", "up"}, "--order 必須是 drawn 或 sorted"},
      {{"double-trace", "--ball-order", "up"}, "--ball-order 必須是 sorted 或 drawn: up"},
      {{"moving", "--ball-order", "up"}, "--ball-order 必須是 drawn 或 sorted"},
      {{"trace-sorted", "--tab", "Single"}, "--tab 必須是 single、pair、triple、ascending、drawn、add 或 cycle"},
      {{"trace-chart", "--query", "tails", "--order", "sorted"}, "--order 必須是 drawn 或 ascending"},
  };
  test_support::expect_refusals(cases);

  // Every choice option of every command takes each of its words and, unless the command
  // has its own wording for a refusal, names them all when it refuses another.
  const auto& commands = cli::all_commands();
  const auto args_of = [&](const cli::CommandSpec& command, const cli::OptionSpec& option, std::string_view word) {
    return cli::parse_command_line({std::string(command.name), std::string(option.name) + "=" + std::string(word)},
                                   commands)
        ->args;
  };
  for (const auto& command : commands) {
    for (const auto& option : command.options) {
      if (option.choices.empty()) continue;
      const auto refused = cli::read_choice(args_of(command, option, "?"), option.name, "");
      ASSERT_FALSE(refused) << command.name << " " << option.name;
      for (const auto word : option.choices) {
        if (option.refusal.empty() || option.refusal.find("{choices}") != std::string_view::npos) {
          EXPECT_NE(refused.error().text.find(word), std::string::npos) << command.name << " " << option.name;
        }
        EXPECT_EQ(cli::read_choice(args_of(command, option, word), option.name, "").value(), word);
      }
    }
  }
}

}  // namespace

