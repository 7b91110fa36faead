// The option tables of vantor39-cli and the strict reading of a command line against them.
//
// Every command declares the options it takes. Options are written "--name VALUE" or
// "--name=VALUE" and may stand before or after the command; when one is given twice the
// last value counts. An option the command does not take, an unknown option, a missing
// value, a value given to a flag and a stray word are refused, so a misspelt option can
// never fall back silently to a default.
//
// A command reads its values through the readers at the end of this header, in the order
// its window checks the boxes; each returns the value or the refusal that the option's table
// entry words. Values are not checked while parsing: when a command line holds two faults,
// the one reported is the one the window meets first (double-trace names a date the history
// lacks before a wrong --ball-order), as it always has been.
#pragma once

#include <array>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/dates.h"
#include "core/result.h"

namespace cli {

struct Context;
// A command returns the process exit code: 0 on success, kRefused after writing the
// reason to the error stream.
using Command = int (*)(Context&);
inline constexpr int kRefused = 2;

enum class Takes { Value, Flag };

struct OptionSpec {
  std::string_view name;  // "--recent"
  Takes takes = Takes::Value;
  std::string_view hint;  // what the value looks like, for the usage text ("N")
  std::string_view help;
  // A choice option: the words its value may be, in the order a refusal lists them.
  std::span<const std::string_view> choices = {};
  // How a value this option's reader cannot read is refused, where the reader's own wording
  // is not the one the command has always printed. "{option}", "{value}" and "{choices}"
  // stand for the option's name, the value given and the choices as "a、b 或 c".
  std::string_view refusal = {};
};
using OptionList = std::vector<OptionSpec>;

// Several option groups as one list ("the period options" + a command's own).
[[nodiscard]] OptionList join(std::initializer_list<std::span<const OptionSpec>> groups);

// How a refusal of an option the command does not take names the command.
enum class NotTakenWording {
  NamesCommand,  // 選項 --x 不適用於命令 stats
  ThisCommand,   // 選項 --x 不適用於此命令
};

struct CommandSpec {
  std::string_view name;
  std::string_view summary;  // one line for the command list
  OptionList options;
  Command run = nullptr;
  NotTakenWording wording = NotTakenWording::NamesCommand;
  // False for a command that replaces the draw file rather than reading it: it runs
  // with an empty table, also when the file is missing or holds a bad line.
  bool loads_draw_file = true;
  // What the words that are not options stand for in the usage ("FILE..."); empty for a
  // command that takes none, so a stray word is refused.
  std::string_view operands = {};
};

// The words of a table of entries that each have a `word`, as an option's choices:
//   constexpr auto kTabWords = choice_words(kTabs);
template <class Entry, std::size_t N>
[[nodiscard]] constexpr std::array<std::string_view, N> choice_words(const Entry (&entries)[N]) {
  std::array<std::string_view, N> words{};
  for (std::size_t i = 0; i < N; ++i) words[i] = entries[i].word;
  return words;
}

// The entry of such a table whose word read_choice gave back.
template <class Entry, std::size_t N>
[[nodiscard]] const Entry& choice_entry(const Entry (&entries)[N], std::string_view word) {
  for (const Entry& entry : entries)
    if (entry.word == word) return entry;
  return entries[0];  // unreachable for a word the option's choices hold
}

// The options every command takes.
[[nodiscard]] std::span<const OptionSpec> global_options();

// The options given to one command, read against its table.
class Args {
 public:
  // The table entry of a global option or one the command takes; nullptr otherwise.
  [[nodiscard]] const OptionSpec* option(std::string_view name) const;
  // The last value given for a value option; nullopt when it was not given.
  [[nodiscard]] std::optional<std::string> value(std::string_view name) const;
  [[nodiscard]] std::string value_or(std::string_view name, std::string_view fallback) const;
  // True when the option (flag or value option) was given.
  [[nodiscard]] bool has(std::string_view name) const;

  void set_value(std::string_view name, std::string value);
  void set_flag(std::string_view name);
  // The command's table; it outlives the arguments (the tables are static).
  void set_options(std::span<const OptionSpec> options) { options_ = options; }

  // The words that are not options, in order, for a command that takes them.
  [[nodiscard]] const std::vector<std::string>& operands() const { return operands_; }
  void add_operand(std::string word) { operands_.push_back(std::move(word)); }

 private:
  std::vector<std::string> operands_;
  std::span<const OptionSpec> options_;
  std::map<std::string, std::string, std::less<>> values_;
  std::set<std::string, std::less<>> flags_;
};

struct Invocation {
  const CommandSpec* command = nullptr;  // nullptr: no command named (help or usage)
  Args args;
  bool help = false;  // --help was given
};

// Reads the words after the program name. Refusals carry the message for stderr.
[[nodiscard]] core::Result<Invocation> parse_command_line(const std::vector<std::string>& words,
                                                          std::span<const CommandSpec> commands);

// The usage text of one command, from its table, and of the whole program.
[[nodiscard]] std::string command_usage(const CommandSpec& command);
[[nodiscard]] std::string program_usage(std::span<const CommandSpec> commands);

// The readers of one option's value. An option that was not given reads as `fallback`;
// a fallback text is checked like a given value.

// An integer without blanks ("12", "+3", "-3"); refused as 「x」不是有效的整數.
[[nodiscard]] core::Result<int> read_integer(const Args& args, std::string_view name, int fallback);
// A "yyyy/mm/dd" date; refused as 「x」不是有效的日期 (yyyy/mm/dd).
[[nodiscard]] core::Result<core::Date> read_date(const Args& args, std::string_view name,
                                                 std::string_view fallback);
// One of the option's choices, as its table spells it; refused as "--x 必須是 a、b 或 c".
[[nodiscard]] core::Result<std::string_view> read_choice(const Args& args, std::string_view name,
                                                         std::string_view fallback);
// A comma-separated list of integers lo..hi ("" is no item); refused on the first item
// that is not one as "--x 的項目必須是 lo 到 hi 的整數: item".
[[nodiscard]] core::Result<std::vector<int>> read_integer_list(const Args& args, std::string_view name,
                                                               std::string_view fallback, int lo, int hi);

// The refusal of `value` for the option, in its table's wording; `fallback` when the table
// words none.
[[nodiscard]] core::Error option_refusal(const Args& args, std::string_view name, std::string_view value,
                                         std::string_view fallback);

}  // namespace cli
