#include "analysis/trace/number_entry.h"

#include <optional>
#include <vector>

#include "core/ball_text.h"

namespace trace {
namespace {

int numbers_in_box(TraceTab tab) {
  switch (tab) {
    case TraceTab::Single:
    case TraceTab::Ascending:
    case TraceTab::Drawn: return 1;
    case TraceTab::Pair: return 2;
    case TraceTab::Triple: return 3;
    default: return 0;
  }
}

// One or two digits naming 1..max_ball, as its two-digit text.
std::optional<std::string> entry_number(std::string_view part, int max_ball) {
  if (part.size() == 1) return entry_number("0" + std::string(part), max_ball);
  const auto value = core::ball_value(part, max_ball);
  return value ? std::optional<std::string>(core::ball_text(*value)) : std::nullopt;
}

std::string entry_refusal(std::string_view text, int size, int max_ball) {
  const std::string range = "(01 到 " + core::ball_text(max_ball) + ")";
  if (size == 1) return "「" + std::string(text) + "」不是有效的號碼，請輸入兩位數的號碼，如 05 " + range;
  const bool pair = size == 2;
  return "「" + std::string(text) + "」不是有效的" + (pair ? "雙星" : "三星") + "號碼，請輸入如 " +
         (pair ? "05.12" : "05.12.23") + " 的 " + std::to_string(size) + " 個號碼 " + range;
}

}  // namespace

core::Result<std::string> read_number_entry(TraceTab tab, std::string_view text, int max_ball) {
  const int size = numbers_in_box(tab);
  if (size == 0) return std::string(text);
  std::string read;
  std::size_t from = 0;
  for (int k = 0; k < size; ++k) {
    const std::size_t dot = k + 1 < size ? text.find('.', from) : text.size();
    const auto number =
        dot == std::string_view::npos ? std::nullopt : entry_number(text.substr(from, dot - from), max_ball);
    if (!number) return core::Error::warning(entry_refusal(text, size, max_ball));
    read += (k > 0 ? "." : "") + *number;
    from = dot + 1;
  }
  return read;
}

}  // namespace trace
