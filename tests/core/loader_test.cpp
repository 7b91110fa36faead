#include "core/loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/reload.h"
#include "core/text_file.h"

namespace {

constexpr std::string_view kToday = "2009/01/10";

core::DrawHistory load(std::string_view bytes, core::LoadedDraws* result = nullptr,
                       std::string_view today = kToday) {
  core::DrawHistory history;
  const auto loaded = core::load_draw_lines(history, bytes, today);
  if (result) *result = loaded;
  return history;
}

std::string draw(int day, int issue) {
  char line[40];
  std::snprintf(line, sizeof line, "2009/01/%02d,098%03d,01,02,03,04,05", day, issue);
  return line;
}

TEST(ReadLottoList, KeepsLinesUpToTheFirstBadLengthAndOrdersOldestFirst) {
  const std::string file = draw(3, 3) + "\r\n" + draw(1, 1) + "\r\n" + draw(2, 2) + "\r\n\r\n" + draw(4, 4) + "\r\n";
  core::LoadedDraws result;
  const auto h = load(file, &result);
  ASSERT_EQ(h.draw_count, 3);
  EXPECT_EQ(h.orirec[0], draw(1, 1));
  EXPECT_EQ(h.orirec[2], draw(3, 3));
  EXPECT_EQ(result.labels.date, "日期:2009/01/03");
  EXPECT_EQ(result.labels.issue, "期數:098003");
  EXPECT_EQ(result.labels.balls, "號碼(落球):01,02,03,04,05");
}

TEST(ReadLottoList, LineLengthRules) {
  const std::string good = draw(1, 1);
  // 31 and 33 significant characters end the load at that line.
  EXPECT_EQ(load(good + "\n" + good.substr(0, 31) + "\n" + draw(2, 2)).draw_count, 1);
  EXPECT_EQ(load(good + "\n" + good + "9\n" + draw(2, 2)).draw_count, 1);
  // Trailing blanks and tabs are trimmed for the length check, and kept in the line.
  const auto padded = load(good + "   \t\r\n" + draw(2, 2));
  ASSERT_EQ(padded.draw_count, 2);
  EXPECT_EQ(padded.orirec[0], good + "   \t");
  // No final line break, CR-only and LF-only line ends all split lines.
  EXPECT_EQ(load(good + "\r" + draw(2, 2) + "\n" + draw(3, 3)).draw_count, 3);
  // Empty, blank-first and binary files load nothing.
  EXPECT_EQ(load("").draw_count, 0);
  EXPECT_EQ(load("\r\n" + good).draw_count, 0);
  EXPECT_EQ(load(std::string("\x00\xff\x13garbage\x01", 12)).draw_count, 0);
}

TEST(ReadLottoList, FutureLinesAreSkippedAndReadingGoesOn) {
  const auto h = load(draw(10, 10) + "\n" + draw(11, 11) + "\n" + draw(9, 9) + "\n");
  ASSERT_EQ(h.draw_count, 2);  // today accepted, tomorrow skipped, the line after read
  EXPECT_EQ(h.orirec[1], draw(10, 10));
}

TEST(ReadLottoList, EmptyTableKeepsLabelPrefixes) {
  core::LoadedDraws result;
  (void)load("", &result);
  EXPECT_EQ(result.labels.date, "日期:");
  EXPECT_EQ(result.labels.issue, "期數:");
  EXPECT_EQ(result.labels.balls, "號碼(落球):");
}

TEST(ReadLottoList, SameDateOrdersByIssue) {
  const auto h = load("2009/01/05,098007,01,02,03,04,05\n2009/01/05,098006,01,02,03,04,05\n");
  EXPECT_EQ(h.orirec[0].substr(11, 6), "098006");
}

TEST(ReadLottoList, KeepsTheNewest2500) {
  std::string file;
  for (int i = 0; i < 2600; ++i) {
    char line[40];
    std::snprintf(line, sizeof line, "2008/%02d/%02d,%06d,01,02,03,04,05\n", 1 + i / 28 % 12, 1 + i % 28, i);
    file += line;
  }
  core::LoadedDraws result;
  const auto h = load(file, &result, "2099/01/01");
  EXPECT_EQ(h.draw_count, core::kDrawCapacity);
  EXPECT_EQ(result.skipped_older, 100);
  EXPECT_TRUE(core::put_to_ltno(const_cast<core::DrawHistory&>(h)));
}

// Hostile files: megabytes of draws keep the newest 2,500 (the scan holds at most twice that
// many lines, so memory stays bounded; bench/app_bench loads 100 MB); a one-megabyte line or
// a file of NUL bytes loads nothing.
TEST(ReadLottoList, HugeAndHostileFilesLoadWithinBounds) {
  std::string block;
  for (int i = 0; i < 1000; ++i) {
    char line[40];
    std::snprintf(line, sizeof line, "%04d/01/01,%06d,01,02,03,04,05\r\n", 1000 + i, i);
    block += line;
  }
  std::string huge;
  while (huge.size() < (20u << 20)) huge += block;
  core::LoadedDraws result;
  auto h = load(huge, &result, "2999/12/31");
  EXPECT_EQ(h.draw_count, core::kDrawCapacity);
  EXPECT_GT(result.skipped_older, 600'000);
  EXPECT_EQ(h.orirec.back().substr(0, 4), "1999");
  EXPECT_TRUE(core::put_to_ltno(h));
  huge.clear();
  huge.shrink_to_fit();

  EXPECT_EQ(load(draw(1, 1) + "\n" + std::string(1 << 20, '7') + "\n" + draw(2, 2)).draw_count, 1);
  EXPECT_EQ(load(std::string(1 << 20, '\0')).draw_count, 0);
}

TEST(LoadSequence, MissingFileIsCreatedEmptyAndUnreadableFileReportsError) {
  const auto dir = std::filesystem::temp_directory_path() / "vantor_loader_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  core::DrawHistory h;
  auto result = core::reload(h, core::draw_file_path(h, dir.string()), kToday);
  EXPECT_TRUE(result.ok());
  EXPECT_TRUE(std::filesystem::exists(dir / "TW539.txt"));
  EXPECT_EQ(h.draw_count, 0);

  h.draw_file_name = "missing_dir/TW539.txt";  // cannot be created
  result = core::reload(h, core::draw_file_path(h, dir.string()), kToday);
  EXPECT_FALSE(result.ok());
  EXPECT_NE(result.error().text.find("TW539.txt"), std::string::npos);
  std::filesystem::remove_all(dir);
}

TEST(SortOrirec, BothDirections) {
  auto h = load(draw(1, 1) + "\n" + draw(2, 2) + "\n" + draw(3, 3));
  core::sort_orirec(h, 1);
  EXPECT_EQ(h.orirec[0], draw(3, 3));
  core::sort_orirec(h, 2);
  EXPECT_EQ(h.orirec[0], draw(1, 1));
}

TEST(PutToLtno, DerivesTheWorkedExample) {
  auto h = load("2007/01/05,096004,39,05,17,22,08\n");
  ASSERT_TRUE(core::put_to_ltno(h));
  EXPECT_EQ(h.draw_date[0], 39087);
  EXPECT_EQ(h.issue_no[0], "096004");
  const char* drawn[] = {"39", "05", "17", "22", "08"};
  const char* sorted[] = {"05", "08", "17", "22", "39"};
  const char* tails[] = {"9", "5", "7", "2", "8"};
  const char* sums[] = {"2", "5", "8", "4", "8"};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(h.ltno_drawn[k][0], drawn[k]);
    EXPECT_EQ(h.ltno_copy[k][0], drawn[k]);
    EXPECT_EQ(h.ltno_sorted[k][0], sorted[k]);
    EXPECT_EQ(h.ltno_tail[k][0], tails[k]);
    EXPECT_EQ(h.ltno_digitsum[k][0], sums[k]);
  }
  EXPECT_EQ(h.ltno_drawn[5][0], "");
  EXPECT_EQ(h.ltno_sorted[6][0], "");
}

TEST(PutToLtno, BadDateOrBallStopsWithTheOffendingText) {
  auto bad_date = load("2007/01/05,096004,39,05,17,22,08\n2007/02/30,096005,01,02,03,04,05\n", nullptr, "2099/01/01");
  const auto derived = core::put_to_ltno(bad_date);
  ASSERT_FALSE(derived);
  EXPECT_EQ(derived.error().kind, core::ErrorKind::Error);
  EXPECT_NE(derived.error().text.find("2007/02/30"), std::string::npos);
  EXPECT_EQ(bad_date.issue_no[0], "096004");  // the draw before it is derived
  EXPECT_EQ(bad_date.issue_no[1], "");

  auto month = load("2007/13/45,096005,01,02,03,04,05\n", nullptr, "2099/01/01");
  EXPECT_NE(core::put_to_ltno(month).error().text.find("2007/13/45"), std::string::npos);

  auto letters = load("2007/01/05,096004,39,0A,17,22,08\n", nullptr, "2099/01/01");
  EXPECT_NE(core::put_to_ltno(letters).error().text.find("0A"), std::string::npos);
}

// Lines are cut on the bytes of the file: a Big5 issue field keeps the balls in place.
TEST(PutToLtno, CutsColumnsOnBytesAndNamesTheFileLine) {
  const std::string big5_issue = "2009/01/02,\xA4\xA4\xA4\xE5" "01,05,12,23,30,38";  // 中文01
  ASSERT_EQ(big5_issue.size(), 32u);
  auto h = load(draw(3, 3) + "\r\n" + big5_issue + "\r\n" + "2009/01/01,098001,01,02,0x,04,05\r\n");
  ASSERT_EQ(h.draw_count, 3);
  const auto derived = core::put_to_ltno(h);
  ASSERT_FALSE(derived);
  // The bad line is the file's third line although it is the oldest draw.
  EXPECT_EQ(derived.error().text, "開獎資料檔第 3 行的號碼「0x」不是有效的號碼");
  h = load(draw(3, 3) + "\r\n" + big5_issue + "\r\n");
  ASSERT_TRUE(core::put_to_ltno(h));
  EXPECT_EQ(h.issue_no[0], "中文01");
  EXPECT_EQ(h.ltno_drawn[0][0], "05");
  EXPECT_EQ(core::latest_draw_labels(h).issue, "期數:098003");
}

TEST(PutToLtno, DatesNonDecreasingAfterLoad) {
  auto h = load(draw(5, 5) + "\n" + draw(1, 1) + "\n" + draw(3, 3) + "\n");
  ASSERT_TRUE(core::put_to_ltno(h));
  for (int i = 1; i < h.draw_count; ++i) EXPECT_LE(h.draw_date[i - 1], h.draw_date[i]);
}

TEST(LoadSequence, RealHistoryLoadsAndDerives) {
  core::DrawHistory h;
  auto result = core::reload(h, core::draw_file_path(h, VANTOR_DATA_DIR), "2026/12/09");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(h.draw_count, 2500);
  EXPECT_EQ(result->labels.issue, "期數:115204");
}

}  // namespace
