// The fixed texts the workbench shows: message boxes, progress texts and the export
// dialog's captions. Texts of our own choosing (refusals of input the tables cannot
// hold) sit beside the program's long-standing ones so they read alike.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pillars::msg {

// Long-standing texts.
inline constexpr std::string_view kSelectionOverLimit = "您所選的號碼超過上限30個，請減少號碼";
inline constexpr std::string_view kLenponSelectionSize =
    "本分析所選的號碼必須是2-30個，請重新選擇後再操作本功能";
inline constexpr std::string_view kCopied = "資料已複製Copy";
inline constexpr std::string_view kComputing = "計算中...";
inline constexpr std::string_view kProgressIdle = "---";
inline constexpr std::string_view kNoSelectionCaption = "沒有號碼";
inline constexpr std::string_view kInitialCountCaption = "共計：0  個";

// The priority choices of both panels, in the order of pillars::kPriorities.
inline constexpr std::array<std::string_view, 3> kPriorityCaptions{"４星優先", "３星優先", "２星優先"};

// How a run longer than the draw table is refused; the walk-forward panel recognises it
// to add the table's capacity.
inline constexpr std::string_view kTooFewDraws = "開獎資料不足";

// Refusals of input outside what the workbench tables hold.
inline constexpr std::string_view kIntervalBelowOne = "每幾期一次的期數必須是 1 以上的整數";
inline constexpr std::string_view kDistanceBelowOne = "之下的期數必須是 1 以上的整數";
inline constexpr std::string_view kPositionOutOfRange = "第幾支必須是 1 到 5 之間的整數";
inline constexpr std::string_view kPillarCountOutOfRange = "柱數必須是 3 到 8 之間的整數";
inline constexpr std::string_view kPillarSizeOutOfRange = "每一柱的號碼數必須是 0 到 8 之間的整數";

// "「abc」不是有效的整數": a number box holding something that is not an integer.
[[nodiscard]] std::string not_an_integer(std::string_view text);
// "第 7 行不是有效的號碼": a period line (1-based) whose ball fields are not two digits.
[[nodiscard]] std::string bad_period_line(int line_number);
// "找不到開獎日期為 2009/13/01 的資料": a trace date that names no draw.
[[nodiscard]] std::string no_draw_on(std::string_view date_text);
// "熱門號碼的個數不可超過 39 個": a most-frequent count beyond the number range.
[[nodiscard]] std::string too_many_frequent(int max_ball);
// "第2柱輸入了 3 個號碼,但第2柱設定為 2 個,請修正號碼或柱的大小後再驗證": a pillar memo
// whose count of numbers is not the pillar's size.
[[nodiscard]] std::string pillar_memo_size_differs(int pillar, std::size_t typed, int size);
// "「5x」不是有效的號碼": a number list entry (command line) that is not a ball number.
[[nodiscard]] std::string not_a_ball(std::string_view text);
// "「2009/13/01」不是有效的日期": a date option (command line) that is not yyyy/mm/dd.
[[nodiscard]] std::string not_a_date(std::string_view text);

}  // namespace pillars::msg
