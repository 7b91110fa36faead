#include "pillars/selection.h"

#include <algorithm>

#include "core/ball_text.h"
#include "pillars/combination_keys.h"
#include "pillars/messages.h"

namespace pillars {
namespace {

constexpr int kMaxBoxes = static_cast<int>(std::tuple_size_v<NumberBoxes>);

int boxes_within_limit(int max_ball) { return std::clamp(max_ball, 0, kMaxBoxes); }

void set_numbers_of_tail(std::vector<BoxSetting>& out, int t, bool state, int max_ball, int top_head) {
  for (int h = 0; h <= top_head; ++h) {
    const int n = 10 * h + t;
    if (n >= 1 && n <= max_ball) out.push_back({n, state});
  }
}

void set_numbers_of_head(std::vector<BoxSetting>& out, int h, bool state, int max_ball, int top_tail) {
  for (int t = 0; t <= top_tail; ++t) {
    const int n = 10 * h + t;
    if (n >= 1 && n <= max_ball) out.push_back({n, state});
  }
}

}  // namespace

Selection rebuild_selection(const NumberBoxes& checked, int max_ball) {
  Selection s;
  const int top = boxes_within_limit(max_ball);
  for (int n = 1; n <= top; ++n) {
    if (!checked[n - 1]) continue;
    ++s.sel_count;
    s.sel_no.push_back(core::ball_text(n));
    if (s.sel_count == 16) s.sel_text += ' ';
    s.sel_text += core::ball_text(n) + ",";
  }
  s.count_text = std::to_string(s.sel_count);
  s.count_caption = "  共計 " + s.count_text + " 個";
  s.over_limit = s.sel_count > kSelectionLimit;
  return s;
}

std::vector<BoxSetting> tail_filter(const std::array<bool, 10>& tails, const std::array<bool, 5>& heads,
                                    int max_ball) {
  max_ball = boxes_within_limit(max_ball);
  const int top_tail = max_ball % 10;
  const int top_head = std::min(max_ball / 10, 4);
  std::vector<BoxSetting> out;
  for (int t = 0; t <= top_tail; ++t) set_numbers_of_tail(out, t, tails[t], max_ball, top_head);
  for (int h = 0; h <= top_head; ++h)
    if (heads[h]) set_numbers_of_head(out, h, true, max_ball, top_tail);
  return out;
}

std::vector<BoxSetting> head_filter(const std::array<bool, 10>& tails, const std::array<bool, 5>& heads,
                                    int max_ball) {
  max_ball = boxes_within_limit(max_ball);
  std::vector<BoxSetting> out;
  for (int h = 0; h <= 4; ++h) set_numbers_of_head(out, h, heads[h], max_ball, 9);
  for (int t = 0; t <= 9; ++t)
    if (tails[t]) set_numbers_of_tail(out, t, true, max_ball, 4);
  return out;
}

core::Result<std::vector<int>> most_frequent(std::span<const int> ordered_no_count, int n, int max_ball) {
  if (n > max_ball || n > static_cast<int>(ordered_no_count.size()))
    return core::Error::warning(msg::too_many_frequent(max_ball));
  std::vector<int> numbers;
  for (int i = 0; i < n; ++i) numbers.push_back(ordered_no_count[i] % 100);
  return numbers;
}

}  // namespace pillars
