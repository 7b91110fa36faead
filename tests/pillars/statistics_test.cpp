#include "pillars/statistics.h"

#include <gtest/gtest.h>

#include "core/result.h"

#include "support/period_lines.h"

#include <numeric>

#include "pillars/messages.h"

namespace pillars {
namespace {

using testing_lines::period_line;

std::vector<std::string> texts(const std::vector<GridColumn>& columns, bool top) {
  std::vector<std::string> out;
  for (const auto& c : columns) out.push_back(top ? c.top : c.bottom);
  return out;
}

std::vector<std::string> key_texts(const std::vector<ComboKey>& keys) {
  std::vector<std::string> out;
  for (const auto& key : keys) out.push_back(key.text());
  return out;
}

TEST(RunStatistics, OneDrawOrdersByCountThenHigherNumber) {
  const std::vector<std::string> lines{period_line(1, "03,11,17,29,38")};
  const auto stats = run_statistics(lines, 39);
  ASSERT_TRUE(stats.ok());
  const auto& sga1 = stats->numbers.sga1;
  ASSERT_EQ(sga1.size(), 25u);
  EXPECT_EQ(texts(sga1, true),
            (std::vector<std::string>{"38", "29", "17", "11", "03", "39", "37", "36", "35", "34", "33",
                                      "32", "31", "30", "28", "27", "26", "25", "24", "23", "22", "21",
                                      "20", "19", "18"}));
  EXPECT_EQ(sga1[4].bottom, "1");
  EXPECT_EQ(sga1[5].bottom, "0");
  ASSERT_EQ(stats->numbers.sga2.size(), 14u);  // positions 26 .. 39
  EXPECT_EQ(stats->numbers.sga2.front().top, "16");
  EXPECT_EQ(stats->numbers.sga2.back().top, "01");
  EXPECT_EQ(stats->numbers.no_count.front(), 138);

  EXPECT_EQ(texts(stats->tails.sgaT, true),
            (std::vector<std::string>{"9 尾", "8 尾", "7 尾", "3 尾", "1 尾", "6 尾", "5 尾", "4 尾",
                                      "2 尾", "0 尾"}));
  EXPECT_EQ(texts(stats->tails.sgaT, false),
            (std::vector<std::string>{"1", "1", "1", "1", "1", "0", "0", "0", "0", "0"}));
}

TEST(RunStatistics, EmptyListDescendingNumbers) {
  const auto stats = run_statistics({}, 39);
  ASSERT_TRUE(stats.ok());
  EXPECT_EQ(stats->numbers.sga1.front().top, "39");
  EXPECT_EQ(stats->numbers.sga1.back().top, "15");
  EXPECT_EQ(stats->numbers.sga2.front().top, "14");
  EXPECT_EQ(stats->numbers.sga2.back().top, "01");
  EXPECT_EQ(stats->tails.sgaT.front().top, "9 尾");
  EXPECT_EQ(stats->tails.sgaT.back().top, "0 尾");
  for (const auto& c : stats->tails.sgaT) EXPECT_EQ(c.bottom, "0");
  EXPECT_TRUE(stats->keys.pair_keys.empty());
}

TEST(RunStatistics, TiesCountsAndSums) {
  const std::vector<std::string> lines{period_line(1, "07,13,23,31,39"), period_line(2, "07,13,22,31,38"),
                                       period_line(3, "01,02,03,04,05")};
  const auto stats = run_statistics(lines, 39);
  ASSERT_TRUE(stats.ok());
  // 31, 13 and 07 twice each: the higher number first.
  EXPECT_EQ(texts(stats->numbers.sga1, true)[0], "31");
  EXPECT_EQ(texts(stats->numbers.sga1, true)[1], "13");
  EXPECT_EQ(texts(stats->numbers.sga1, true)[2], "07");
  // 13 and 23 in one draw add 2 to tail 3 (and 03 adds the third).
  EXPECT_EQ(stats->tails.tail_count[0], 403);  // 3 尾: 13, 23, 13, 03
  int number_sum = 0, tail_sum = 0;
  for (int code : stats->numbers.no_count) number_sum += code / 100;
  for (int code : stats->tails.tail_count) tail_sum += code / 100;
  EXPECT_EQ(number_sum, 15);
  EXPECT_EQ(tail_sum, 15);
}

TEST(RunStatistics, EditedLines) {
  // A ball outside 1 .. 39 is not counted, but its keys are collected.
  const std::vector<std::string> odd{period_line(1, "00,11,17,29,45")};
  const auto stats = run_statistics(odd, 39);
  ASSERT_TRUE(stats.ok());
  int counted = 0;
  for (int code : stats->numbers.no_count) counted += code / 100;
  EXPECT_EQ(counted, 3);
  EXPECT_EQ(stats->keys.pair_keys.front().text(), "0011");
  EXPECT_EQ(stats->keys.pair_keys.back().text(), "2945");

  // Short and non-numeric lines are refused with their line number.
  const std::vector<std::string> bad{period_line(1, "03,11,17,29,38"), period_line(2, "03,11,17,29,3"),
                                     period_line(3, "xx,11,17,29,38")};
  EXPECT_EQ(run_statistics(bad, 39).error(), core::Error::error(std::string(msg::bad_period_line(2))));
  EXPECT_EQ(Count_Sumno(bad, 39).error(), core::Error::error(std::string(msg::bad_period_line(2))));
  EXPECT_EQ(Count_Sumno_tail(bad).error(), core::Error::error(std::string(msg::bad_period_line(2))));
}

TEST(ShowSumno, CountsWiderThanTheFieldStillOrder) {
  std::vector<int> no_count(39);
  std::iota(no_count.begin(), no_count.end(), 1);
  no_count[4] += 100 * 1200;  // number 05 drawn 1200 times
  no_count[6] += 100 * 999;   // number 07 drawn 999 times
  const auto order = show_sumno(no_count);
  EXPECT_EQ(order.sga1[0].top, "05");
  EXPECT_EQ(order.sga1[0].bottom, "1200");
  EXPECT_EQ(order.sga1[1].top, "07");
}

TEST(ExchangeSort, Descending) {
  std::vector<int> codes{105, 3, 207, 131, 107};
  exchange_sort_descending(codes);
  EXPECT_EQ(codes, (std::vector<int>{207, 131, 107, 105, 3}));
}

TEST(KeyCollection, FirstOccurrenceOrderWithinEachList) {
  const std::vector<std::string> lines{period_line(1, "03,11,17,29,38"), period_line(2, "03,11,17,30,39")};
  const auto stats = run_statistics(lines, 39);
  ASSERT_TRUE(stats.ok());
  const auto& keys = stats->keys;
  EXPECT_EQ(key_texts(keys.quad_keys), (std::vector<std::string>{"03111729", "03111738", "03112938", "03172938",
                                                      "11172938", "03111730", "03111739", "03113039",
                                                      "03173039", "11173039"}));
  ASSERT_EQ(keys.triple_keys.size(), 19u);  // 031117 is shared
  EXPECT_EQ(keys.triple_keys[0].text(), "031117");
  EXPECT_EQ(keys.triple_keys[9].text(), "172938");
  EXPECT_EQ(keys.triple_keys[10].text(), "031130");
  ASSERT_EQ(keys.pair_keys.size(), 17u);  // 0311, 0317, 1117 shared
  EXPECT_EQ(key_texts({keys.pair_keys.begin(), keys.pair_keys.begin() + 4}),
            (std::vector<std::string>{"0311", "0317", "0329", "0338"}));
  EXPECT_EQ(keys.pair_keys[10].text(), "0330");
}

TEST(ComboKey, PacksTextsAndOrdersLikeThem) {
  const auto key = ComboKey::parse("05122330");
  ASSERT_TRUE(key);
  EXPECT_EQ(key->size(), 4);
  EXPECT_EQ(key->value(1), 12);
  EXPECT_EQ(key->text(), "05122330");
  EXPECT_EQ(ComboKey::parse("0099")->text(), "0099");
  EXPECT_LT(*ComboKey::parse("0308"), *ComboKey::parse("0512"));
  EXPECT_LT(*ComboKey::parse("1205"), *ComboKey::parse("1230"));
  for (const char* bad : {"", "5", "051", "0a12", "0512233038"}) EXPECT_FALSE(ComboKey::parse(bad)) << bad;
  const int too_big[] = {5, 100};
  EXPECT_FALSE(ComboKey::of(too_big, 2));
}

TEST(KeyCollector, StopsAtCapacity) {
  KeyCollector collector;
  // 39 * 38 / 2 = 741 distinct pairs fit; an edited list with two-digit values 0..99
  // offers more pairs than the 1176 entries hold.
  for (int a = 0; a < 100; a += 5)
    for (int b = 0; b < 100; b += 5) collector.add_line({a, b, (a + 1) % 100, (b + 2) % 100, 99});
  const auto keys = collector.take();
  EXPECT_EQ(keys.pair_keys.size(), kPairKeyCapacity);
  EXPECT_LE(keys.triple_keys.size(), kTripleKeyCapacity);
}

}  // namespace
}  // namespace pillars
