// The moving command against the documented examples on the bundled history, and its
// refusals in their order of checking.
#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace {

using test_support::lines_of;
using test_support::run_bundled;

struct MovingExample {
  std::vector<std::string> args;
  std::size_t line_count;
  std::vector<std::string> head, tail;  // the first and last lines, as documented
};

const MovingExample kMovingExamples[] = {
    {{"moving"},
     2502,
     {"日     期,期  數,落一,落二,落三,落四,落五,落六,特號,預    測,本期開出,隔一期開,隔二期開",
      "2018/09/05,107213,05,31,39,01,37,,,,,,", "2018/09/06,107214,02,25,10,11,37,,,05  ,,,",
      "2018/09/07,107215,23,32,19,31,27,,,02  ,,02 ,02 "},
     {"2026/08/21,115203,11,12,18,20,29,,,04  ,,,", "2026/08/22,115204,09,10,29,30,34,,,11  ,,,",
      "本期預測,,,,,,,,,09  ,,,"}},
    {{"moving", "--show", "detail"},
     2500,
     {"第001期(2018/09/05)第1落球開05下1期開本支 ,2018/09/06預測05.沒中 ",
      "第002期(2018/09/06)第1落球開02下1期開本支 ,2018/09/07預測02.沒中 ,隔一期中02 ,隔二期中02 "},
     {"第2499期(2026/08/21)第1落球開11下1期開本支 ,2026/08/22預測11.沒中 ",
      "第2500期(2026/08/22)第1落球開09下1期開本支 ,第2501期版路預測09  "}},
    {{"moving", "--position", "average", "--amounts", "+3,-3", "--look-back", "2", "--ball-order", "sorted"},
     2502,
     {},
     {"2026/08/20,115202,04,14,27,32,34,,,10 04 ,04 ,,10 ", "2026/08/21,115203,11,12,18,20,29,,,08 02 ,,,",
      "2026/08/22,115204,09,10,29,30,34,,,18 12 ,,,", "本期預測,,,,,,,,,16 10 ,,,"}},
    {{"moving", "--position=average", "--amounts", "+3,-3", "--look-back", "2", "--ball-order", "sorted", "--show",
      "detail"},
     2499,
     {},
     {"第2497期(2026/08/19)第1,2,3順球平均數05下2期開加3 減3 ,2026/08/21預測08.02.沒中 ",
      "第2498期(2026/08/20)第1,2,3順球平均數15下2期開加3 減3 ,2026/08/22預測18.12.沒中 ",
      "第2499期(2026/08/21)第1,2,3順球平均數13下2期開加3 減3 ,第2501期版路預測16 10 "}},
    {{"moving", "--position", "average", "--amounts", "+3,-3", "--look-back", "2", "--ball-order", "sorted",
      "--show", "title"},
     1,
     {"上2期順球第1,2,3支取平均數,本期開加3,減3 二中一"},
     {}},
    {{"moving", "--position", "3", "--amounts", "+5,-0,-12", "--show", "title"}, 1, {"上1期落球第3支,本期開加5,本支,減12 三中一"}, {}},
    {{"moving", "--look-back", "02", "--amounts", "+00", "--show", "title"}, 1, {"上02期落球第1支,本期開加00 一中一"}, {}},
    {{"moving", "--position", "average", "--average-of", "+1,1,5", "--show", "title"}, 1,
     {"上1期落球第+1,1,5支取平均數,本期開本號 一中一"}, {}},
    {{"moving", "--look-back", "2501"}, 2502, {}, {"本期預測,,,,,,,,,,,,"}},
    {{"moving", "--look-back", "2501", "--show", "detail"}, 0, {}, {}},
};

TEST(MovingCommand, DocumentedExamples) {
  for (const auto& example : kMovingExamples) {
    SCOPED_TRACE(example.args.back());
    const auto result = run_bundled(example.args);
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(result.out.empty() || result.out.back() == '\n');
    const auto lines = lines_of(result.out);
    ASSERT_EQ(lines.size(), example.line_count);
    for (std::size_t i = 0; i < example.head.size(); ++i) EXPECT_EQ(lines[i], example.head[i]);
    const std::size_t tail_start = lines.size() - example.tail.size();
    for (std::size_t i = 0; i < example.tail.size(); ++i) EXPECT_EQ(lines[tail_start + i], example.tail[i]);
  }
}

TEST(MovingCommand, RefusalsInOrderOfChecking) {
  const test_support::Refusal cases[] = {
      {{"moving", "--k", "2", "--show", "x"}, "選項 --k 不適用於命令 moving"},
      {{"moving", "--show", "x", "--ball-order", "y"}, "--show 必須是 grid、detail 或 title"},
      {{"moving", "--ball-order", "y", "--position", "9"}, "--ball-order 必須是 drawn 或 sorted"},
      {{"moving", "--position", "average", "--average-of", "1,2"}, "--average-of 必須是三個位置 P1,P2,P3"},
      {{"moving", "--position", "9", "--average-of", "1,2,3"}, "--average-of 只適用於 --position average"},
      {{"moving", "--position", "x", "--look-back", "0"}, "「x」不是有效的整數"},
      {{"moving", "--position", "6"}, "位置必須是 1 到 5: 6"},
      {{"moving", "--position", "average", "--average-of", "1,0,x"}, "位置必須是 1 到 5: 0"},
      {{"moving", "--look-back", "0", "--amounts", "1,2,3,4"}, "期數必須至少為 1: 0"},
      {{"moving", "--look-back", "+"}, "「+」不是有效的整數"},
      {{"moving", "--amounts", "1,2,3,4"}, "--amounts 最多三個加減數"},
      {{"moving", "--amounts", "+x"}, "「+x」不是有效的整數"},
      {{"moving", "--amounts", "1,,2"}, "「」不是有效的整數"},
      {{"moving", "--amounts", "-2147483648"}, "「-2147483648」不是有效的整數"},
      {{"moving", "--amounts", "+ 5"}, "「+ 5」不是有效的整數"},
  };
  test_support::expect_refusals(cases);
}

}  // namespace
