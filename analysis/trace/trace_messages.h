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
// "「05.41.42」不是有效的三中一號碼，請輸入如 05.12.23 的 3 個號碼 (01 到 39)": a typed
// pair or triple of the two-of-one or three-of-one window.
[[nodiscard]] inline std::string bad_choice(std::string_view text, int size, int max_ball) {
  const bool pair = size == 2;
  return "「" + std::string(text) + "」不是有效的" + (pair ? "二中一" : "三中一") + "號碼，請輸入如 " +
         (pair ? "05.12" : "05.12.23") + " 的 " + std::to_string(size) + " 個號碼 (01 到 " + std::to_string(max_ball) +
         ")";
}
// "沒有這一期的開獎資料: 099001": an issue box naming no loaded draw.
[[nodiscard]] inline std::string unknown_issue(std::string_view issue) {
  return "沒有這一期的開獎資料: " + std::string(issue);
}

}  // namespace trace::msg
