// The statistics window (統計資料): the draws of a date range in three views.
//
//   Numbers 號碼統計: how often each number was drawn;
//   Tails   尾數統計: how often each units digit was drawn (10, 20, 30 count for 0);
//   Gaps    遠星統計: for each number, how many draws of the range came after the last
//                     one that held it (the whole range when none did).
//
// In the value arrangement (統計順序) screen position k shows the number with the k-th
// largest value: the window's exchange sort on value*100 + number (numbers; equal counts
// put the larger number first) or on value*100 alone (gaps; equal gaps keep the order
// the exchanges leave). A ball outside 1..max_ball of a hand-edited file has no picture:
// it is left out of the number and gap views; the tail view still counts its digit.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/draw_history.h"

namespace statistics {

enum class View { Numbers, Tails, Gaps };
enum class Arrangement { ByValue, ByNumber };  // 統計順序, 號碼順序

struct BallValue {
  int number = 0;
  int value = 0;
};

struct NumberView {
  int count = 0;                     // lbcount: draws in the range
  std::vector<BallValue> positions;  // screen positions 1..max_ball in order
  std::string average;               // F1_avrlb, "平均值為 2.44"
};

struct TailView {
  int count = 0;
  std::array<int, 10> tails{};  // per units digit 0..9
  std::string average;          // F2_avrlb
};

// The gap view's bookkeeping: draws are added oldest first, the j-th one setting last[b] = j
// for each of its balls b; after c draws the gap of n is c - last[n] (0 for a number of the
// last draw, c for one never drawn). A ball outside 1..max_ball is left out.
class LastSeen {
 public:
  explicit LastSeen(int max_ball) : last_(static_cast<std::size_t>(max_ball) + 1, 0) {}
  void add(std::span<const int> balls) {
    ++count_;
    for (const int b : balls)
      if (b >= 1 && b < static_cast<int>(last_.size())) last_[static_cast<std::size_t>(b)] = count_;
  }
  [[nodiscard]] int count() const { return count_; }
  [[nodiscard]] int gap(int number) const { return count_ - last_[static_cast<std::size_t>(number)]; }

 private:
  std::vector<int> last_;  // entry n: the draw that held n last, 0 for none
  int count_ = 0;
};

// The Numbers or Gaps view of the draws dated from..to (both included; none when from
// is after to).
[[nodiscard]] NumberView number_view(const core::DrawHistory& history, const core::Date& from, const core::Date& to,
                                     View view, Arrangement arrangement);
[[nodiscard]] TailView tail_view(const core::DrawHistory& history, const core::Date& from, const core::Date& to);

// A value label: "##0" in the number and gap views, "###" (0 empty) in the tail view.
[[nodiscard]] std::string value_text(View view, int value);
// The gap view shows a gap of 0 in red 12-point type.
[[nodiscard]] bool highlighted(View view, int value);

// "平均值為 X.XX" for numerator / denominator, half away from zero.
[[nodiscard]] std::string average_text(long long numerator, long long denominator);

}  // namespace statistics
