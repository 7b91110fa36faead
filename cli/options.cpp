#include "cli/options.h"

#include <algorithm>
#include <sstream>

#include "cli/output.h"
#include "core/numbers.h"

namespace cli {
namespace {

constexpr OptionSpec kGlobalOptions[] = {
    {"--file", Takes::Value, "PATH", "the draw file (default ./TW539.txt)"},
    {"--today", Takes::Value, "yyyy/mm/dd", "the date taken as today (default: the system date)"},
    {"--xlsx", Takes::Value, "FILE", "also write the printed lines to FILE as a spreadsheet"},
    {"--help", Takes::Flag, "", "this text"},
};

bool is_option(std::string_view word) { return word.size() > 2 && word.substr(0, 2) == "--"; }

struct OptionWord {
  std::string_view name;
  std::optional<std::string_view> inline_value;  // "--name=VALUE"
};

OptionWord split_option(std::string_view word) {
  const auto eq = word.find('=');
  if (eq == std::string_view::npos) return {word, std::nullopt};
  return {word.substr(0, eq), word.substr(eq + 1)};
}

const OptionSpec* find_option(std::span<const OptionSpec> options, std::string_view name) {
  for (const auto& option : options)
    if (option.name == name) return &option;
  return nullptr;
}

const OptionSpec* find_in_command(const CommandSpec* command, std::string_view name) {
  if (const auto* global = find_option(global_options(), name)) return global;
  return command ? find_option(command->options, name) : nullptr;
}

// Whether any command reads the option with a value: decides whether the word after an
// option the current command does not take is its value.
bool takes_value_anywhere(std::span<const CommandSpec> commands, std::string_view name) {
  if (const auto* global = find_option(global_options(), name)) return global->takes == Takes::Value;
  for (const auto& command : commands)
    if (const auto* option = find_option(command.options, name)) return option->takes == Takes::Value;
  return false;
}

const CommandSpec* find_command(std::span<const CommandSpec> commands, std::string_view name) {
  for (const auto& command : commands)
    if (command.name == name) return &command;
  return nullptr;
}

// The command word: the first word that is neither an option nor an option's value.
std::optional<std::size_t> command_position(const std::vector<std::string>& words,
                                            std::span<const CommandSpec> commands) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (!is_option(words[i])) return i;
    const OptionWord word = split_option(words[i]);
    if (!word.inline_value && takes_value_anywhere(commands, word.name)) ++i;
  }
  return std::nullopt;
}

// What reading the words against the command's table found wrong, in the order a
// refusal reports it.
struct Problems {
  std::vector<std::string> not_taken_values, not_taken_flags;
  std::vector<std::string> missing_value, value_for_flag, stray;
};

std::string not_taken_message(const CommandSpec* command, const Problems& p) {
  std::vector<std::string> values = p.not_taken_values, flags = p.not_taken_flags;
  std::sort(values.begin(), values.end());
  std::sort(flags.begin(), flags.end());
  const std::string& name = values.empty() ? flags.front() : values.front();
  if (!command) return "未知的選項 " + name;
  if (command->wording == NotTakenWording::ThisCommand) return "選項 " + name + " 不適用於此命令";
  return "選項 " + name + " 不適用於命令 " + std::string(command->name);
}

core::Result<Invocation> refusal(const CommandSpec* command, const Problems& p) {
  if (!p.not_taken_values.empty() || !p.not_taken_flags.empty())
    return core::Error::error(not_taken_message(command, p));
  if (!p.missing_value.empty()) return core::Error::error("選項 " + p.missing_value.front() + " 需要一個值");
  if (!p.value_for_flag.empty()) return core::Error::error("選項 " + p.value_for_flag.front() + " 不需要值");
  if (!p.stray.empty()) return core::Error::error("多餘的參數: " + p.stray.front());
  return Invocation{};
}

// "a、b 或 c": the choices as a refusal lists them.
std::string choices_text(std::span<const std::string_view> words) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += i + 1 == words.size() ? " 或 " : "、";
    text += words[i];
  }
  return text;
}

// The wording with its placeholders filled in one pass, so a value that happens to hold
// "{option}" stays as it was typed.
std::string fill(std::string_view wording, std::string_view name, std::string_view value,
                 std::span<const std::string_view> choices) {
  const std::pair<std::string_view, std::string> fields[] = {
      {"{option}", std::string(name)}, {"{value}", std::string(value)}, {"{choices}", choices_text(choices)}};
  std::string text;
  for (std::size_t at = 0; at < wording.size();) {
    const auto field = std::find_if(std::begin(fields), std::end(fields),
                                    [&](const auto& f) { return wording.substr(at).starts_with(f.first); });
    if (field == std::end(fields)) {
      text += wording[at++];
    } else {
      text += field->second;
      at += field->first.size();
    }
  }
  return text;
}

}  // namespace

OptionList join(std::initializer_list<std::span<const OptionSpec>> groups) {
  OptionList all;
  for (const auto& group : groups) all.insert(all.end(), group.begin(), group.end());
  return all;
}

std::span<const OptionSpec> global_options() { return kGlobalOptions; }

std::optional<std::string> Args::value(std::string_view name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string Args::value_or(std::string_view name, std::string_view fallback) const {
  const auto it = values_.find(name);
  return it == values_.end() ? std::string(fallback) : it->second;
}

const OptionSpec* Args::option(std::string_view name) const {
  if (const auto* global = find_option(global_options(), name)) return global;
  return find_option(options_, name);
}

bool Args::has(std::string_view name) const { return values_.contains(name) || flags_.contains(name); }

void Args::set_value(std::string_view name, std::string value) { values_[std::string(name)] = std::move(value); }
void Args::set_flag(std::string_view name) { flags_.insert(std::string(name)); }

core::Result<Invocation> parse_command_line(const std::vector<std::string>& words,
                                            std::span<const CommandSpec> commands) {
  Invocation result;
  const auto command_at = command_position(words, commands);
  if (command_at) {
    result.command = find_command(commands, words[*command_at]);
    if (!result.command) return core::Error::error("未知的指令: " + words[*command_at]);
    result.args.set_options(result.command->options);
  }
  Problems problems;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (command_at && i == *command_at) continue;
    if (!is_option(words[i])) {
      if (result.command && !result.command->operands.empty()) result.args.add_operand(words[i]);
      else problems.stray.push_back(words[i]);
      continue;
    }
    const OptionWord word = split_option(words[i]);
    const std::string name(word.name);
    const OptionSpec* option = find_in_command(result.command, word.name);
    const bool value_option = option ? option->takes == Takes::Value : takes_value_anywhere(commands, name);
    std::optional<std::string> value;
    if (word.inline_value) {
      value = std::string(*word.inline_value);
    } else if (value_option && i + 1 < words.size() && !is_option(words[i + 1]) &&
               !(command_at && i + 1 == *command_at)) {
      value = words[++i];
    }
    if (!option) {
      (value_option ? problems.not_taken_values : problems.not_taken_flags).push_back(name);
    } else if (option->takes == Takes::Flag) {
      if (value) problems.value_for_flag.push_back(name);
      else result.args.set_flag(name);
    } else if (!value) {
      problems.missing_value.push_back(name);
    } else {
      result.args.set_value(name, *value);
    }
  }
  result.help = result.args.has("--help");
  if (result.help) return result;  // asking for help is never refused
  auto refused = refusal(result.command, problems);
  if (!refused) return refused;
  return result;
}

std::string command_usage(const CommandSpec& command) {
  std::ostringstream text;
  text << "usage: vantor39-cli [--file PATH] [--today yyyy/mm/dd] [--xlsx FILE] " << command.name
       << (command.operands.empty() ? "" : " ") << command.operands
       << (command.options.empty() ? "" : " [options]") << '\n'
       << "  " << command.summary << '\n'
       << "  --xlsx FILE             also write the printed lines to FILE as a spreadsheet (.xlsx)\n";
  for (const auto& option : command.options) {
    std::string left = std::string(option.name);
    if (option.takes == Takes::Value) left.append(" ").append(option.hint);  // not " " + ...: GCC 12 -Wrestrict
    text << "  " << left;
    if (left.size() < 24) text << std::string(24 - left.size(), ' ');
    else text << "  ";
    text << option.help << '\n';
  }
  return text.str();
}

std::string program_usage(std::span<const CommandSpec> commands) {
  std::ostringstream text;
  text << "usage: vantor39-cli [--file PATH] [--today yyyy/mm/dd] [--xlsx FILE] COMMAND [options]\n"
          "  --file PATH             the draw file (default ./TW539.txt)\n"
          "  --today yyyy/mm/dd      the date taken as today (default: the system date)\n"
          "  --xlsx FILE             also write the printed lines to FILE as a spreadsheet (.xlsx):\n"
          "                          one row per line, one cell per \",\"-separated field;\n"
          "                          \".xlsx\" is added to a name without extension\n"
          "  COMMAND --help          the options of one command\n"
          "commands:\n";
  for (const auto& command : commands) {
    std::string name(command.name);
    text << "  " << name;
    if (name.size() < 20) text << std::string(20 - name.size(), ' ');
    else text << "  ";
    text << command.summary << '\n';
  }
  return text.str();
}

core::Error option_refusal(const Args& args, std::string_view name, std::string_view value,
                           std::string_view fallback) {
  const OptionSpec* option = args.option(name);
  const std::string_view wording = option && !option->refusal.empty() ? option->refusal : fallback;
  return core::Error::error(fill(wording, name, value, option ? option->choices : std::span<const std::string_view>{}));
}

core::Result<int> read_integer(const Args& args, std::string_view name, int fallback) {
  const auto text = args.value(name);
  if (!text) return fallback;
  if (const auto value = core::to_int_strict(*text)) return *value;
  return option_refusal(args, name, *text, "「{value}」不是有效的整數");
}

core::Result<core::Date> read_date(const Args& args, std::string_view name, std::string_view fallback) {
  const std::string text = args.value_or(name, fallback);
  if (const auto date = core::parse_date(text)) return *date;
  return option_refusal(args, name, text, "「{value}」不是有效的日期 (yyyy/mm/dd)");
}

core::Result<std::string_view> read_choice(const Args& args, std::string_view name, std::string_view fallback) {
  const std::string text = args.value_or(name, fallback);
  if (const OptionSpec* option = args.option(name)) {
    const auto choice = std::find(option->choices.begin(), option->choices.end(), text);
    if (choice != option->choices.end()) return *choice;
  }
  return option_refusal(args, name, text, "{option} 必須是 {choices}");
}

core::Result<std::vector<int>> read_integer_list(const Args& args, std::string_view name, std::string_view fallback,
                                                 int lo, int hi) {
  const std::string text = args.value_or(name, fallback);
  std::vector<int> items;
  if (text.empty()) return items;
  for (const auto& item : split(text, ',')) {
    const auto n = core::to_int_strict(item);
    if (!n || *n < lo || *n > hi)
      return option_refusal(
          args, name, item,
          "{option} 的項目必須是 " + std::to_string(lo) + " 到 " + std::to_string(hi) + " 的整數: {value}");
    items.push_back(*n);
  }
  return items;
}

}  // namespace cli
