// The messages the trace windows and commands show for input they cannot use.
#pragma once

#include <string>
#include <string_view>

namespace trace::msg {

// A position box that is not 1..7 (the trace window's own text).
inline constexpr std::string_view kBadPosition = "第？支錯誤";

// "「乘」不是「加」或「減」": the sign box of the add/subtract tab.
[[nodiscard]] inline std::string bad_sign(std::string_view word) {
  return "「" + std::string(word) + "」不是「加」或「減」";
}
// "間隔期數必須至少為 1: 0": the cycle step.
[[nodiscard]] inline std::string step_below_one(std::string_view text) {
  return "間隔期數必須至少為 1: " + std::string(text);
}
// "沒有這一期的開獎資料: 099001": an issue box naming no loaded draw.
[[nodiscard]] inline std::string unknown_issue(std::string_view issue) {
  return "沒有這一期的開獎資料: " + std::string(issue);
}

}  // namespace trace::msg
