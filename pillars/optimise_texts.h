// The fixed texts of the pillar optimisation commands: messages, captions, progress
// texts, report titles and subtitles.
#pragma once

#include <string_view>

namespace pillars::optimise_text {

// Refusals (warning box, OK button).
inline constexpr std::string_view kNeedEight = "本分析所選的號碼必須是８個，請重新選擇後再操作本功能";
inline constexpr std::string_view kNeedNine = "本分析所選的號碼必須是９個，請重新選擇後再操作本功能";
inline constexpr std::string_view kNeedTen = "本分析所選的號碼必須是１０個，請重新選擇後再操作本功能";
inline constexpr std::string_view kNeedTwelve = "本分析所選的號碼必須是１２個，請重新選擇後再操作本功能";
inline constexpr std::string_view kNeedFifteen = "本分析所選的號碼必須是１５個，請重新選擇後再操作本功能";
inline constexpr std::string_view kArrangeRange = "本分析所選的號碼必須是５～２０個，請重新選擇後再操作本功能";
inline constexpr std::string_view kArrangeTotal = "立柱的號碼數與上面所選的不相同";
// Of our own: a selection entry that is not a two-digit ball number, or a repeated one.
inline constexpr std::string_view kBadSelection = "所選的號碼必須是 01 到 49 之間不重複的兩位數字";
inline constexpr std::string_view kPeriodTooLong = "驗證期間的期數過多，無法分析";

// The 10-of-15 confirmation (Yes / No).
inline constexpr std::string_view kConfirmTenOfFifteen =
    "執行【15取10超優分析】可能需費時３-４小時(依電腦性能而定，)\n\n"
    "是否繼續？如果要確定要計算請按 Yes，否則按 No 離開\n\n"
    "計算過程中，可隨時按【中斷】鍵，中止計算，\n\n"
    "計算超過 5/3003，即可顯示結果。";

// Captions.
inline constexpr std::string_view kEightOfTwelveCaption = "12取8超優分析";
inline constexpr std::string_view kTenOfFifteenCaption = "15取10超優分析";
inline constexpr std::string_view kStopCaption = "中斷";
inline constexpr std::string_view kSorting = "排序中";
inline constexpr std::string_view kCounterIdle = "0 / 3003";

// Report titles.
inline constexpr std::string_view kTitle2x2x2x2 = "８碼立柱 = 2x2x2x2 優柱分析";
inline constexpr std::string_view kTitle3x3x3 = "９碼立柱 = 3x3x3 優柱分析";
inline constexpr std::string_view kTitle1x1x2x2x2 = "８碼立柱 = 1x1x2x2x2 優柱分析";
inline constexpr std::string_view kTitle2x2x3x3 = "１０碼立柱 = 2x2x3x3 優柱分析";
inline constexpr std::string_view kTitleEightOfTwelve = "１２選８碼立柱 = 2x2x2x2 優柱分析";
inline constexpr std::string_view kTitleTenOfFifteen = "１５選１０碼立柱 = 2x2x3x3 優柱分析";

inline constexpr std::string_view kSubtitleFourThreeTwo = "以下按四星/三星/二星次數排列三十組";
inline constexpr std::string_view kSubtitleThreeTwo = "以下按三星/二星次數排列三十組";
inline constexpr std::string_view kSubsetHeading = "您選擇的立柱號碼";

inline constexpr std::string_view kEightOfTwelveFile = "C12_8.txt";
inline constexpr std::string_view kTenOfFifteenFile = "C15_10.txt";

}  // namespace pillars::optimise_text
