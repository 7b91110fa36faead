#include "pillars/messages.h"

#include "core/numbers.h"

namespace pillars::msg {

std::string not_an_integer(std::string_view text) { return core::not_an_integer(text); }

std::string bad_period_line(int line_number) {
  return "第 " + std::to_string(line_number) + " 行不是有效的號碼";
}

std::string no_draw_on(std::string_view date_text) {
  return "找不到開獎日期為 " + std::string(date_text) + " 的資料";
}

std::string too_many_frequent(int max_ball) {
  return "熱門號碼的個數不可超過 " + std::to_string(max_ball) + " 個";
}

std::string pillar_memo_size_differs(int pillar, std::size_t typed, int size) {
  const std::string name = "第" + std::to_string(pillar) + "柱";
  return name + "輸入了 " + std::to_string(typed) + " 個號碼,但" + name + "設定為 " + std::to_string(size) +
         " 個,請修正號碼或柱的大小後再驗證";
}

std::string not_a_ball(std::string_view text) {
  return "「" + std::string(text) + "」不是有效的號碼";
}

std::string not_a_date(std::string_view text) {
  return "「" + std::string(text) + "」不是有效的日期";
}

}  // namespace pillars::msg
