#include "pillars/selection.h"

#include <gtest/gtest.h>

#include "core/result.h"

#include "pillars/messages.h"

namespace pillars {
namespace {

NumberBoxes boxes_of(std::initializer_list<int> numbers) {
  NumberBoxes boxes{};
  for (int n : numbers) boxes[n - 1] = true;
  return boxes;
}

std::vector<int> checked_numbers(const NumberBoxes& boxes) {
  std::vector<int> numbers;
  for (int n = 1; n <= 49; ++n)
    if (boxes[n - 1]) numbers.push_back(n);
  return numbers;
}

// The boxes after the sheet sets each of a filter's settings in turn.
NumberBoxes boxes_after_filter(NumberBoxes checked, std::span<const BoxSetting> settings) {
  for (const auto& s : settings)
    if (s.number >= 1 && s.number <= static_cast<int>(checked.size())) checked[s.number - 1] = s.checked;
  return checked;
}

std::vector<int> range(int from, int to) {
  std::vector<int> numbers;
  for (int n = from; n <= to; ++n) numbers.push_back(n);
  return numbers;
}

TEST(RebuildSelection, TextsAndCaptions) {
  const auto s = rebuild_selection(boxes_of({23, 5, 17, 11}), 39);
  EXPECT_EQ(s.sel_no, (std::vector<std::string>{"05", "11", "17", "23"}));
  EXPECT_EQ(s.sel_count, 4);
  EXPECT_EQ(s.sel_text, "05,11,17,23,");
  EXPECT_EQ(s.count_text, "4");
  EXPECT_EQ(s.count_caption, "  共計 4 個");
  EXPECT_FALSE(s.over_limit);

  const auto empty = rebuild_selection({}, 39);
  EXPECT_EQ(empty.sel_text, "");
  EXPECT_EQ(empty.count_caption, "  共計 0 個");
}

TEST(RebuildSelection, BlankBeforeTheSixteenthNumber) {
  NumberBoxes fifteen{}, sixteen{};
  for (int n = 1; n <= 15; ++n) fifteen[n - 1] = sixteen[n - 1] = true;
  sixteen[15] = true;
  EXPECT_EQ(rebuild_selection(fifteen, 39).sel_text, "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,");
  EXPECT_EQ(rebuild_selection(sixteen, 39).sel_text, "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15, 16,");
}

TEST(RebuildSelection, LimitAndHiddenBoxes) {
  NumberBoxes all{};
  all.fill(true);
  const auto s = rebuild_selection(all, 39);  // boxes 40 .. 49 are not numbers of the game
  EXPECT_EQ(s.sel_count, 39);
  EXPECT_TRUE(s.over_limit);
  NumberBoxes thirty{};
  for (int n = 1; n <= 30; ++n) thirty[n - 1] = true;
  EXPECT_FALSE(rebuild_selection(thirty, 39).over_limit);
  thirty[30] = true;
  EXPECT_TRUE(rebuild_selection(thirty, 39).over_limit);
}

TEST(Filters, UnionOfTailsAndHeads) {
  std::array<bool, 10> tails{};
  std::array<bool, 5> heads{};
  NumberBoxes boxes = boxes_of({1, 2, 38});  // picked by hand

  tails[3] = true;  // "3 尾"
  boxes = boxes_after_filter(boxes, tail_filter(tails, heads, 39));
  EXPECT_EQ(checked_numbers(boxes), (std::vector<int>{3, 13, 23, 33}));

  heads[0] = true;  // "0 頭"
  boxes = boxes_after_filter(boxes, head_filter(tails, heads, 39));
  EXPECT_EQ(checked_numbers(boxes), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 23, 33}));

  tails[3] = false;  // 03 stays: its head box is checked
  boxes = boxes_after_filter(boxes, tail_filter(tails, heads, 39));
  EXPECT_EQ(checked_numbers(boxes), range(1, 9));

  tails[0] = true;  // "0尾": 10, 20, 30
  boxes = boxes_after_filter(boxes, tail_filter(tails, heads, 39));
  EXPECT_EQ(checked_numbers(boxes), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30}));

  heads = {false, false, false, true, false};  // "3 頭" alone, with 0尾
  boxes = boxes_after_filter(boxes, head_filter(tails, heads, 39));
  EXPECT_EQ(checked_numbers(boxes), (std::vector<int>{10, 20, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39}));
}

TEST(Filters, SettingOrderDrivesTheClickHandlers) {
  std::array<bool, 10> tails{};
  std::array<bool, 5> heads{};
  tails[9] = true;
  heads[1] = true;
  const auto settings = tail_filter(tails, heads, 39);
  // Every tail's numbers, digit by digit, then the checked heads' numbers.
  ASSERT_EQ(settings.size(), 39u + 10u);
  EXPECT_EQ(settings[0], (BoxSetting{10, false}));  // tail 0 starts at 10 (00 is no number)
  EXPECT_EQ(settings[3], (BoxSetting{1, false}));
  EXPECT_EQ(settings[35], (BoxSetting{9, true}));
  EXPECT_EQ(settings[39], (BoxSetting{10, true}));
  EXPECT_EQ(settings.back(), (BoxSetting{19, true}));
  for (const auto& s : head_filter(tails, heads, 39)) EXPECT_LE(s.number, 39);
}

TEST(MostFrequent, TakesTheFrequencyOrder) {
  const std::vector<int> order{538, 529, 417, 311, 303, 39, 37};
  const auto picks = most_frequent(order, 3, 39);
  ASSERT_TRUE(picks.ok());
  EXPECT_EQ(*picks, (std::vector<int>{38, 29, 17}));
  EXPECT_TRUE(most_frequent(order, 0, 39)->empty());
  EXPECT_TRUE(most_frequent(order, -4, 39)->empty());

  std::vector<int> full(39);
  for (int r = 0; r < 39; ++r) full[r] = 39 - r;
  EXPECT_EQ(most_frequent(full, 39, 39)->size(), 39u);
  EXPECT_EQ(most_frequent(full, 40, 39).error(), core::Error::warning(std::string(msg::too_many_frequent(39))));
  EXPECT_FALSE(most_frequent(order, 8, 39).ok());  // a grid shorter than the count
}

}  // namespace
}  // namespace pillars
