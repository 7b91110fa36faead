#include "pillars/hot_combinations.h"

#include <gtest/gtest.h>

#include "support/period_lines.h"

#include <random>

#include "core/ball_text.h"
#include "pillars/statistics.h"

namespace pillars {
namespace {

using testing_lines::period_line;

KeyLists keys_of(const std::vector<std::string>& lines) {
  auto stats = run_statistics(lines, 39);
  EXPECT_TRUE(stats.ok());
  return stats.ok() ? stats->keys : KeyLists{};
}

TEST(GetAllno, OneDrawListsEveryKeyOnceByDescendingKey) {
  const std::vector<std::string> lines{period_line(1, "03,11,17,29,38")};
  const auto keys = keys_of(lines);
  const auto pairs = get_allno(keys.pair_keys, lines);
  ASSERT_EQ(pairs.memo_lines.size(), 10u);
  EXPECT_EQ(pairs.memo_lines.front(), "2938  001");
  EXPECT_EQ(pairs.memo_lines.back(), "0311  001");
  EXPECT_EQ(get_allno(keys.triple_keys, lines).memo_lines.size(), 10u);
  const auto quads = get_allno(keys.quad_keys, lines);
  ASSERT_EQ(quads.memo_lines.size(), 5u);
  EXPECT_EQ(quads.memo_lines.front(), "11172938  001");
  EXPECT_EQ(quads.list.front().text(), "00111172938");
}

TEST(GetAllno, HigherCountsFirstThenGreaterKey) {
  const std::vector<std::string> lines{period_line(1, "03,08,17,29,38"), period_line(2, "05,12,20,30,39"),
                                       period_line(3, "03,08,21,31,37"), period_line(4, "05,12,22,32,36")};
  const auto keys = keys_of(lines);
  const auto pairs = get_allno(keys.pair_keys, lines);
  // 0512 and 0308 twice each: 0512 first; every pair seen once follows.
  EXPECT_EQ(pairs.memo_lines[0], "0512  002");
  EXPECT_EQ(pairs.memo_lines[1], "0308  002");
  EXPECT_EQ(pairs.memo_lines[2], "3236  001");  // the greatest key seen once
  int total = 0;
  for (const auto& e : pairs.list) total += e.count;
  EXPECT_EQ(total, 10 * static_cast<int>(lines.size()));
}

TEST(GetAllno, ReadsTheCurrentLinesNotTheCollectedOnes) {
  const std::vector<std::string> collected{period_line(1, "03,11,17,29,38"), period_line(2, "03,11,20,30,39")};
  const auto keys = keys_of(collected);
  // Memo1 edited afterwards: the second line is gone, a garbage line is added.
  const std::vector<std::string> edited{collected[0], "not a period line"};
  const auto pairs = get_allno(keys.pair_keys, edited);
  EXPECT_EQ(pairs.list.size(), 10u);  // keys of the removed line count 0 and are dropped
  EXPECT_EQ(pairs.memo_lines.front(), "2938  001");
  EXPECT_TRUE(get_allno(keys.pair_keys, {}).memo_lines.empty());
}

TEST(GetAllno, CountsAboveNineHundredNinetyNineOrderNumerically) {
  std::vector<std::string> lines(1000, period_line(1, "01,02,03,04,05"));
  lines.push_back(period_line(1001, "01,02,06,07,08"));
  const std::vector<std::string> keys{"0607", "0102", "0304"};
  const auto pairs = get_allno(keys, lines);
  ASSERT_EQ(pairs.memo_lines.size(), 3u);
  EXPECT_EQ(pairs.memo_lines[0], "0102  1001");
  EXPECT_EQ(pairs.memo_lines[1], "0304  1000");
  EXPECT_EQ(pairs.memo_lines[2], "0607  001");
  EXPECT_EQ(pairs.list[0].text(), "10010102");
}

TEST(GetAllno, ReportsProgress) {
  std::vector<std::string> keys;
  for (int i = 1; i <= 12; ++i) keys.push_back("01" + core::ball_text(i + 1));
  std::vector<int> seen;
  (void)get_allno(keys, {}, [&](int index) { seen.push_back(index); }, 5);
  EXPECT_EQ(seen, (std::vector<int>{5, 10, 12}));
}

TEST(ChkBingo, TextComparisonOfEveryKeyNumber) {
  const std::vector<std::string> lines{period_line(1, "05,11,17,23,38"), period_line(2, "05,12,17,30,38"),
                                       period_line(3, "05,1"), ""};
  EXPECT_EQ(chkBingo("0517", lines), 2);
  EXPECT_EQ(chkBingo("1705", lines), 2);      // any order
  EXPECT_EQ(chkBingo("0505", lines), 3);      // repeated number
  EXPECT_EQ(chkBingo("051138", lines), 1);
  EXPECT_EQ(chkBingo("0539", lines), 0);
  EXPECT_EQ(chkBingo("", lines), 4);          // no number to miss
  EXPECT_EQ(chkBingo("0511172338", lines), 1);
  EXPECT_EQ(chkBingo("051117233812", lines), 0);
  EXPECT_EQ(chkBingo("01", lines), 0);        // the cut "1" is not 01
}

// The prepared counter agrees with the literal scan on edited, unsorted and odd lines.
TEST(ComboCounter, AgreesWithChkBingo) {
  std::mt19937 random(7);
  std::vector<std::string> lines;
  for (int i = 0; i < 300; ++i) {
    std::string balls;
    for (int k = 0; k < 5; ++k) {
      if (k) balls += ',';
      balls += core::ball_text(static_cast<int>(random() % 12) + 1);  // repeats on purpose
    }
    lines.push_back(period_line(i + 1, balls));
  }
  lines.push_back(period_line(301, "ab,01,02,03,04"));
  lines.push_back("short");
  const ComboCounter counter(lines);
  const ComboCounter pairs_only(lines, 1u << 2);  // other sizes fall back to scanning
  for (int a = 1; a <= 12; ++a)
    for (int b = 1; b <= 12; ++b)
      for (int c = 1; c <= 12; c += 3) {
        const std::string key = core::ball_text(a) + core::ball_text(b) + core::ball_text(c);
        ASSERT_EQ(counter.count(key), chkBingo(key, lines)) << key;
        ASSERT_EQ(counter.count(*ComboKey::parse(key)), chkBingo(key, lines)) << key;
        ASSERT_EQ(pairs_only.count(key), chkBingo(key, lines)) << key;
        ASSERT_EQ(pairs_only.count(*ComboKey::parse(key)), chkBingo(key, lines)) << key;
        ASSERT_EQ(counter.count(key.substr(0, 4)), chkBingo(key.substr(0, 4), lines)) << key;
      }
  EXPECT_EQ(counter.count("ab01"), 1);
  EXPECT_EQ(counter.count(""), static_cast<int>(lines.size()));
}

}  // namespace
}  // namespace pillars
