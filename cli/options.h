// The option tables of vantor39-cli and the strict reading of a command line against them.
//
// Every command declares the options it takes. Options are written "--name VALUE" or
// "--name=VALUE" and may stand before or after the command; when one is given twice the
// last value counts. An option the command does not take, an unknown option, a missing
// value, a value given to a flag and a stray word are refused, so a misspelt option can
// never fall back silently to a default.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The options every command takes.
[[nodiscard]] std::span<const OptionSpec> global_options();

// The options given to one command, read against its table.
class Args {
 public:
  // The last value given for a value option; nullopt when it was not given.
  [[nodiscard]] std::optional<std::string> value(std::string_view name) const;
  [[nodiscard]] std::string value_or(std::string_view name, std::string_view fallback) const;
  // True when the option (flag or value option) was given.
  [[nodiscard]] bool has(std::string_view name) const;

  void set_value(std::string_view name, std::string value);
  void set_flag(std::string_view name);

  // The words that are not options, in order, for a command that takes them.
  [[nodiscard]] const std::vector<std::string>& operands() const { return operands_; }
  void add_operand(std::string word) { operands_.push_back(std::move(word)); }

 private:
  std::vector<std::string> operands_;
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

}  // namespace cli
