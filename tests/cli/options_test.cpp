#include "cli/options.h"

#include <gtest/gtest.h>

namespace {

int no_op(cli::Context&) { return 0; }

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

}  // namespace
